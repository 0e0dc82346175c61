#include "app/wayland_seat_guard.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <wayland-client.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

enum class Seat { Offered, Missing, Unknown };

void onGlobal(void *data, wl_registry *, uint32_t, const char *interface, uint32_t)
{
    if (std::strcmp(interface, wl_seat_interface.name) == 0)
        *static_cast<bool *>(data) = true;
}

void onGlobalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = {onGlobal, onGlobalRemove};

// Asks the compositor of WAYLAND_DISPLAY on a connection of our own, so that Qt's is untouched.
Seat probeSeat()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return Seat::Unknown;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return Seat::Unknown;
    bool seat = false;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &seat);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    if (!answered)
        return Seat::Unknown;
    return seat ? Seat::Offered : Seat::Missing;
}

} // namespace

int guardWaylandSeat(char *argv[])
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) || probeSeat() != Seat::Missing)
        return -1;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "skald-config: the Wayland compositor offers no seat (no keyboard or pointer) "
                             "and there is no X display to use instead\n");
        return 2;
    }
    std::fprintf(stderr, "skald-config: the Wayland compositor offers no seat (no keyboard or pointer); "
                         "starting on X11 instead\n");
    qputenv("QT_QPA_PLATFORM", "xcb");
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    execv(program.constData(), argv);
    std::fprintf(stderr, "skald-config: cannot start again on X11: %s\n", std::strerror(errno));
    return 2;
}
