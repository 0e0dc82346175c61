#pragma once

#include "performance/pointer_settings.h"

// The pointer speed through the X server's own pointer control, for an X11 session with
// neither GNOME's nor Plasma's settings: Windows' speed 1..20 becomes the acceleration factor
// speed/10 (10 = the server's neutral 1/1). The server has no double-click time or wheel lines,
// and its acceleration is the speed itself, so those calls report failure.
class X11PointerSettings : public PointerSettings
{
public:
    bool getMouse(int params[3]) override;
    bool setMouse(const int params[3]) override;
    bool setMouseSpeed(unsigned speed) override;
    bool setWheelScrollLines(unsigned lines) override;
    bool setDoubleClickTime(unsigned milliseconds) override;
    const char *unavailableReason(PointerSetting setting) const override;
};
