#pragma once

// The operating system's pointer settings, as the Win32 pointer calls see them. Every call
// returns false when the platform refuses it or offers no such setting.
enum class PointerSetting { Speed, DoubleClick, WheelLines, Acceleration };

class PointerSettings
{
public:
    virtual ~PointerSettings() = default;

    // Null when this desktop can apply the setting, otherwise the one-line reason it cannot.
    virtual const char *unavailableReason(PointerSetting) const { return nullptr; }

    // Threshold 1, threshold 2 and acceleration (0 = off).
    virtual bool getMouse(int params[3]) = 0;
    virtual bool setMouse(const int params[3]) = 0;
    // Pointer speed 1..20.
    virtual bool setMouseSpeed(unsigned speed) = 0;
    // Lines per wheel notch.
    virtual bool setWheelScrollLines(unsigned lines) = 0;
    // Milliseconds.
    virtual bool setDoubleClickTime(unsigned milliseconds) = 0;
};

// The running platform's implementation (Win32 on Windows, the desktop's settings elsewhere).
PointerSettings &systemPointerSettings();

// How the pages' steps become system values.
constexpr unsigned systemCursorSpeed(unsigned step)
{
    return step == 0 ? 1 : 2 * step;
}

constexpr unsigned doubleClickMilliseconds(unsigned step)
{
    return 900 - 70 * step;
}
