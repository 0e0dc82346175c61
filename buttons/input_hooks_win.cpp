#include "buttons/input_hooks_win.h"

#include <windows.h>

namespace {

HHOOK keyboardHook = nullptr;
HHOOK mouseHook = nullptr;
LowLevelHandlers handlers = {nullptr, nullptr, nullptr};

LRESULT CALLBACK keyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // A negative code carries no event record and must go straight on.
    if (nCode >= 0 && handlers.keyboard) {
        const KBDLLHOOKSTRUCT *event = reinterpret_cast<const KBDLLHOOKSTRUCT *>(lParam);
        handlers.keyboard(handlers.context, nCode, static_cast<unsigned>(wParam),
                          static_cast<unsigned>(event->scanCode), static_cast<unsigned>(event->flags));
    }
    return CallNextHookEx(keyboardHook, nCode, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0 && handlers.mouse) {
        const MSLLHOOKSTRUCT *event = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
        handlers.mouse(handlers.context, static_cast<unsigned>(wParam), static_cast<unsigned>(event->pt.x),
                       static_cast<unsigned>(event->pt.y));
    }
    return CallNextHookEx(mouseHook, nCode, wParam, lParam);
}

} // namespace

bool installLowLevelHooks(const LowLevelHandlers &newHandlers)
{
    if (keyboardHook || mouseHook)
        removeLowLevelHooks();
    handlers = newHandlers;
    HINSTANCE module = GetModuleHandleW(nullptr);
    keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, keyboardProc, module, 0);
    mouseHook = SetWindowsHookExW(WH_MOUSE_LL, mouseProc, module, 0);
    if (keyboardHook && mouseHook)
        return true;
    // Half a capture would record keys without the buttons between them, or the reverse.
    removeLowLevelHooks();
    return false;
}

void removeLowLevelHooks()
{
    if (keyboardHook)
        UnhookWindowsHookEx(keyboardHook);
    if (mouseHook)
        UnhookWindowsHookEx(mouseHook);
    keyboardHook = nullptr;
    mouseHook = nullptr;
}
