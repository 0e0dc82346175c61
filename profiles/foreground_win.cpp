#include "profiles/foreground_win.h"

#include <windows.h>

namespace ForegroundWin {

namespace {

HWINEVENTHOOK hook = nullptr;
void (*handler)(void *) = nullptr;
void *handlerContext = nullptr;

void CALLBACK onForeground(HWINEVENTHOOK, DWORD event, HWND, LONG idObject, LONG, DWORD, DWORD)
{
    if (event == EVENT_SYSTEM_FOREGROUND && idObject == OBJID_WINDOW && handler)
        handler(handlerContext);
}

std::wstring imageOf(DWORD processId)
{
    std::wstring image;
    // The limited right is enough for the image name, also of elevated processes.
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return image;
    std::vector<wchar_t> path(32768);
    DWORD size = DWORD(path.size());
    if (QueryFullProcessImageNameW(process, 0, path.data(), &size))
        image.assign(path.data(), size);
    CloseHandle(process);
    return image;
}

WindowProcess processOf(HWND window)
{
    WindowProcess result;
    if (!window)
        return result;
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId) || processId == 0)
        return result;
    result.processId = processId;
    result.image = imageOf(processId);
    return result;
}

BOOL CALLBACK addWindow(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && !GetWindow(window, GW_OWNER) && GetWindowTextLengthW(window) > 0) {
        const WindowProcess process = processOf(window);
        if (process.processId != 0)
            reinterpret_cast<std::vector<WindowProcess> *>(list)->push_back(process);
    }
    return TRUE;
}

} // namespace

bool watch(void (*changed)(void *context), void *context)
{
    unwatch();
    handler = changed;
    handlerContext = context;
    // Out of context: the hook runs in this process, on this thread, from its message loop.
    hook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, onForeground, 0, 0,
                           WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        handler = nullptr;
        handlerContext = nullptr;
    }
    return hook != nullptr;
}

void unwatch()
{
    if (hook)
        UnhookWinEvent(hook);
    hook = nullptr;
    handler = nullptr;
    handlerContext = nullptr;
}

WindowProcess foreground()
{
    return processOf(GetForegroundWindow());
}

std::vector<WindowProcess> topLevelWindows()
{
    std::vector<WindowProcess> list;
    EnumWindows(addWindow, reinterpret_cast<LPARAM>(&list));
    return list;
}

unsigned long currentProcessId()
{
    return GetCurrentProcessId();
}

} // namespace ForegroundWin
