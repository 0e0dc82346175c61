#include "buttons/key_translator.h"

#include "buttons/key_tables.h"

KeyTranslator::KeyTranslator()
{
    // Build the lookup tables now, before any event can arrive.
    (void)KeyTables::virtualKeyForScan(0, false);
}

int KeyTranslator::usageFor(unsigned scanCode, unsigned flags)
{
    const unsigned scan = scanCode > 0xFF ? 0 : scanCode;
    const bool extended = (flags & HookMessage::ExtendedFlag) != 0;
    unsigned virtualKey = KeyTables::virtualKeyForScan(scan, extended);
    // Ctrl+Break arrives as an extended 46 and Alt+Print Screen as 54: both mean the key of the
    // same name on the keyboard.
    if (scan == 0x46 && extended)
        virtualKey = 0x13;
    if (scan == 0x54 && (flags & HookMessage::AltDownFlag))
        virtualKey = 0x2C;
    if (virtualKey == 0)
        return 0;
    return KeyTables::usageForVirtualKey(virtualKey);
}

bool KeyTranslator::translate(int hookCode, unsigned message, unsigned scanCode, unsigned flags, KeyChange *change)
{
    const bool pressed = hookCode == 0 && (message == HookMessage::KeyDown || message == HookMessage::SysKeyDown);
    const int usage = usageFor(scanCode, flags);
    if (usage == 0)
        return false;
    bool &state = m_pressed[std::size_t(usage)];
    if (state == pressed)
        return false;
    state = pressed;
    if (change) {
        change->usage = usage;
        change->pressed = pressed;
    }
    return true;
}

bool mouseButtonForMessage(unsigned message, unsigned *code, bool *pressed)
{
    unsigned c = 0;
    bool down = false;
    switch (message) {
    case HookMessage::LeftDown: c = 0xF0; down = true; break;
    case HookMessage::LeftUp: c = 0xF0; break;
    case HookMessage::RightDown: c = 0xF1; down = true; break;
    case HookMessage::RightUp: c = 0xF1; break;
    case HookMessage::MiddleDown: c = 0xF2; down = true; break;
    case HookMessage::MiddleUp: c = 0xF2; break;
    default: return false;
    }
    if (code)
        *code = c;
    if (pressed)
        *pressed = down;
    return true;
}
