#pragma once

#include <string>
#include <vector>

// The Windows foreground window and the processes behind windows, free of Qt.
namespace ForegroundWin {

struct WindowProcess
{
    // The full path of the process's image; empty when the process cannot be opened.
    std::wstring image;
    unsigned long processId = 0;
};

// Calls `changed(context)` on this thread, from its message loop, whenever another window
// comes to the foreground. Replaces an earlier watch; false when the hook cannot be set.
bool watch(void (*changed)(void *context), void *context);
void unwatch();

// The process of the foreground window.
WindowProcess foreground();
// The processes of the visible top-level windows that have a title, one entry per window.
std::vector<WindowProcess> topLevelWindows();

unsigned long currentProcessId();

} // namespace ForegroundWin
