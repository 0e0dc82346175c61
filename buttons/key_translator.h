#pragma once

#include <array>

// Turns low-level keyboard and mouse events, in the terms of the Windows low-level hooks, into
// the key and button changes that the pages are told about. Free of Qt and of any platform
// header, so that every capture back end feeds the same rules.

// Hook messages and flags of the low-level hooks.
namespace HookMessage {
constexpr unsigned KeyDown = 0x0100;
constexpr unsigned KeyUp = 0x0101;
constexpr unsigned SysKeyDown = 0x0104;
constexpr unsigned SysKeyUp = 0x0105;
constexpr unsigned LeftDown = 0x0201;
constexpr unsigned LeftUp = 0x0202;
constexpr unsigned LeftDoubleClick = 0x0203;
constexpr unsigned RightDown = 0x0204;
constexpr unsigned RightUp = 0x0205;
constexpr unsigned RightDoubleClick = 0x0206;
constexpr unsigned MiddleDown = 0x0207;
constexpr unsigned MiddleUp = 0x0208;
constexpr unsigned ExtendedFlag = 0x01;
constexpr unsigned AltDownFlag = 0x20;
} // namespace HookMessage

struct KeyChange
{
    int usage = 0;
    bool pressed = false;
};

// Keyboard side: the scan and usage tables, two fixed overrides and the key state table that
// keeps auto-repeat of a held key from being reported again.
class KeyTranslator
{
public:
    KeyTranslator();

    // One keyboard event as the low-level hook sees it. Returns true, with the change in
    // `change`, when the event is to be reported.
    bool translate(int hookCode, unsigned message, unsigned scanCode, unsigned flags, KeyChange *change);

    // Usage for a scan code and hook flags, without touching the key state table; 0 when the
    // key is not one the program knows.
    static int usageFor(unsigned scanCode, unsigned flags);

    bool isPressed(int usage) const { return usage >= 0 && usage < 256 && m_pressed[std::size_t(usage)]; }

private:
    std::array<bool, 256> m_pressed{};
};

// Mouse side: the left, right and middle button messages; every other message (double clicks,
// the extra buttons, the wheel, movement) gives false.
bool mouseButtonForMessage(unsigned message, unsigned *code, bool *pressed);
