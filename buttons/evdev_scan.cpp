#include "buttons/evdev_scan.h"

namespace {

struct EvdevRow
{
    unsigned short evdev;
    unsigned char scan;
    bool extended;
};

// Keys whose evdev code is not their set-1 scan code, or whose hook report carries the
// extended flag. The right Shift is listed extended because the tables know it only so.
const EvdevRow specialRows[] = {
    {54, 0x36, true},    // right Shift
    {69, 0x45, true},    // Num Lock: the hook reports it extended, Pause is the plain 45
    {96, 0x1C, true},    // keypad Enter
    {97, 0x1D, true},    // right Ctrl
    {98, 0x35, true},    // keypad /
    {99, 0x37, true},    // Print Screen / SysRq
    {100, 0x38, true},   // right Alt
    {102, 0x47, true},   // Home
    {103, 0x48, true},   // Up
    {104, 0x49, true},   // Page Up
    {105, 0x4B, true},   // Left
    {106, 0x4D, true},   // Right
    {107, 0x4F, true},   // End
    {108, 0x50, true},   // Down
    {109, 0x51, true},   // Page Down
    {110, 0x52, true},   // Insert
    {111, 0x53, true},   // Delete
    {113, 0x20, true},   // Mute
    {114, 0x2E, true},   // Volume Down
    {115, 0x30, true},   // Volume Up
    {117, 0x59, false},  // keypad =
    {119, 0x45, false},  // Pause
    {121, 0x7E, false},  // keypad ,
    {124, 0x7D, false},  // Yen
    {125, 0x5B, true},   // left Win
    {126, 0x5C, true},   // right Win
    {127, 0x5D, true},   // Menu
    {89, 0x73, false},   // Ro
    {92, 0x79, false},   // Henkan
    {93, 0x70, false},   // Katakana/Hiragana
    {94, 0x7B, false},   // Muhenkan
    {163, 0x19, true},   // Next Track
    {164, 0x22, true},   // Play/Pause
    {165, 0x10, true},   // Previous Track
    {166, 0x24, true},   // Stop
    {183, 0x64, false},  // F13
    {184, 0x65, false},  // F14
    {185, 0x66, false},  // F15
    {186, 0x67, false},  // F16
    {187, 0x68, false},  // F17
    {188, 0x69, false},  // F18
    {189, 0x6A, false},  // F19
    {190, 0x6B, false},  // F20
    {191, 0x6C, false},  // F21
    {192, 0x6D, false},  // F22
    {193, 0x6E, false},  // F23
    {194, 0x76, false},  // F24
};

} // namespace

bool scanCodeForEvdev(unsigned evdevCode, ScanCode *out)
{
    for (const EvdevRow &row : specialRows) {
        if (row.evdev == evdevCode) {
            out->scan = row.scan;
            out->extended = row.extended;
            return true;
        }
    }
    // Escape (1) to keypad . (83), the 102nd key, F11 and F12: the evdev code is the set-1 scan
    // code itself.
    if ((evdevCode >= 1 && evdevCode <= 83) || (evdevCode >= 86 && evdevCode <= 88)) {
        out->scan = evdevCode;
        out->extended = false;
        return true;
    }
    return false;
}
