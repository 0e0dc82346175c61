#include "performance/pointer_settings_win.h"

#include <windows.h>

namespace {
constexpr UINT kUpdateFlags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
}

bool WinPointerSettings::getMouse(int params[3])
{
    return SystemParametersInfoW(SPI_GETMOUSE, 0, params, 0) != FALSE;
}

bool WinPointerSettings::setMouse(const int params[3])
{
    int triple[3] = {params[0], params[1], params[2]};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, triple, kUpdateFlags) != FALSE;
}

bool WinPointerSettings::setMouseSpeed(unsigned speed)
{
    // The speed travels as the pointer argument itself, not through it.
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(speed)),
                                 kUpdateFlags) != FALSE;
}

bool WinPointerSettings::setWheelScrollLines(unsigned lines)
{
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, kUpdateFlags) != FALSE;
}

bool WinPointerSettings::setDoubleClickTime(unsigned milliseconds)
{
    return SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, milliseconds, nullptr, kUpdateFlags) != FALSE;
}

PointerSettings &systemPointerSettings()
{
    static WinPointerSettings settings;
    return settings;
}
