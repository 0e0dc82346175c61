#pragma once

#include "performance/pointer_settings.h"

// Pointer settings through SystemParametersInfoW; every change is written to the user profile
// and broadcast (SPIF_UPDATEINIFILE | SPIF_SENDCHANGE).
class WinPointerSettings : public PointerSettings
{
public:
    bool getMouse(int params[3]) override;
    bool setMouse(const int params[3]) override;
    bool setMouseSpeed(unsigned speed) override;
    bool setWheelScrollLines(unsigned lines) override;
    bool setDoubleClickTime(unsigned milliseconds) override;
};
