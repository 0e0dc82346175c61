#include "performance/pointer_backend_choice.h"

#include <QStringList>
#include <QtGlobal>

namespace {

bool names(const QString &desktops, const QString &name)
{
    const QStringList list = desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : list) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0
            || entry.startsWith(name + QLatin1Char('-'), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

PointerBackend choosePointerBackend(const PointerSession &session)
{
    if (names(session.currentDesktop, QStringLiteral("GNOME")))
        return PointerBackend::Gnome;
    if (names(session.currentDesktop, QStringLiteral("KDE"))
        || session.kdeFullSession.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return PointerBackend::Kde;
    // A Wayland compositor owns the pointer; the X server an XWayland client sees does not.
    if (session.x11Display && !session.waylandDisplay)
        return PointerBackend::X11;
    return PointerBackend::None;
}

PointerSession currentPointerSession()
{
    PointerSession s;
    s.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    s.kdeFullSession = qEnvironmentVariable("KDE_FULL_SESSION");
    s.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    s.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    return s;
}
