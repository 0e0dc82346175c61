#pragma once

#include "profiles/front_window_watch.h"

class QSocketNotifier;

// X11: a connection of its own to the X server that hears when the window manager's active
// window (_NET_ACTIVE_WINDOW on the root) changes. The window's process comes from its
// _NET_WM_PID, then /proc; a window without one is known by its class (WM_CLASS).
class X11FrontWindowWatch : public FrontWindowWatch
{
public:
    // Null when there is no X server to talk to.
    static std::unique_ptr<X11FrontWindowWatch> open();
    ~X11FrontWindowWatch() override;

    Unavailable unavailable() const override;
    FrontProgram current() override;
    QList<WindowProgram> windowPrograms() override;

private:
    explicit X11FrontWindowWatch(void *display);
    void readEvents();
    FrontProgram programOf(unsigned long window);

    void *m_display;   // Display*, kept opaque so that the X headers stay in one file
    QSocketNotifier *m_notifier = nullptr;
    unsigned long m_active = 0;
};
