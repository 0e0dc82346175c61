#pragma once

// Follows the modifier keys seen by the keyboard capture and recognises the Shift+Alt+F12
// hot key that brings back a window hidden to the tray.
class ModifierTracker
{
public:
    // Feeds one key event as a HID usage code. Returns true when the event is the hot key and
    // the window, hidden as `windowHidden` says, should be shown again.
    bool feed(int usage, bool pressed, bool windowHidden)
    {
        switch (usage) {
        case 0xE1: case 0xE5: m_shift = pressed; return false;
        case 0xE2: case 0xE6: m_alt = pressed; return false;
        case 0xE3: case 0xE7: m_win = pressed; return false;
        case 0x45: return pressed && m_shift && m_alt && windowHidden;
        default: return false;
        }
    }

    bool shift() const { return m_shift; }
    bool alt() const { return m_alt; }
    bool win() const { return m_win; }

private:
    bool m_win = false;
    bool m_shift = false;
    bool m_alt = false;
};
