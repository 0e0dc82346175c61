#include "performance/pointer_settings_x11.h"

#include <X11/Xlib.h>

bool X11PointerSettings::getMouse(int[3])
{
    return false;
}

bool X11PointerSettings::setMouse(const int[3])
{
    return false;
}

bool X11PointerSettings::setMouseSpeed(unsigned speed)
{
    if (speed < 1 || speed > 20)
        return false;
    // A connection of its own: the call is rare, and the GUI's connection may be another
    // platform's.
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    // Keep the server's threshold; -1 would reset it to the default.
    int numerator = 0, denominator = 0, threshold = 0;
    XGetPointerControl(display, &numerator, &denominator, &threshold);
    XChangePointerControl(display, True, False, int(speed), 10, threshold);
    XSync(display, False);
    XCloseDisplay(display);
    return true;
}

const char *X11PointerSettings::unavailableReason(PointerSetting setting) const
{
    switch (setting) {
    case PointerSetting::Speed:
        return nullptr;
    case PointerSetting::DoubleClick:
        return "No double-click time on bare X11.";
    case PointerSetting::WheelLines:
        return "No wheel-lines setting on bare X11.";
    case PointerSetting::Acceleration:
        break;
    }
    return "On bare X11 the speed is the acceleration.";
}

bool X11PointerSettings::setWheelScrollLines(unsigned)
{
    return false;
}

bool X11PointerSettings::setDoubleClickTime(unsigned)
{
    return false;
}
