#pragma once

// Linux input key codes (evdev, as in <linux/input-event-codes.h>) turned into the PC set-1
// scan code and extended flag that a Windows low-level keyboard hook reports for the same key,
// so that Linux capture runs through the very tables of the Windows hook.
struct ScanCode
{
    unsigned scan = 0;
    bool extended = false;
};

// False for codes that have no scan code (mouse buttons, most multimedia keys, ...).
bool scanCodeForEvdev(unsigned evdevCode, ScanCode *out);

// X servers number keys as evdev code + 8.
constexpr unsigned evdevFromXKeycode(unsigned xKeycode) { return xKeycode >= 8 ? xKeycode - 8 : 0; }
