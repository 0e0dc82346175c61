#pragma once

#include "profiles/front_window_watch.h"

#include <memory>

// The watch this session allows: the Windows foreground hook, the X11 window manager's active
// window, or, where neither tells which window is in front (a Wayland session), one that says
// why the feature is off.
std::unique_ptr<FrontWindowWatch> createFrontWindowWatch();
