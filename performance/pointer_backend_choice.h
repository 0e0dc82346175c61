#pragma once

#include <QString>

// Which desktop's pointer settings this session has, decided at run time from its environment.
enum class PointerBackend { Gnome, Kde, X11, None };

struct PointerSession {
    QString currentDesktop; // XDG_CURRENT_DESKTOP, colon-separated names
    QString kdeFullSession; // KDE_FULL_SESSION
    bool x11Display = false; // DISPLAY is set
    bool waylandDisplay = false; // WAYLAND_DISPLAY is set
};

PointerBackend choosePointerBackend(const PointerSession &session);

// The running process's session.
PointerSession currentPointerSession();
