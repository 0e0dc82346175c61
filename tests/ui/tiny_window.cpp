// A window of a program of its own for the end-to-end scripts: a plain X11 window that names
// its process (_NET_WM_PID), its host and an icon as the common toolkits do.
// Usage: tiny_window NAME (the window's title and class instance name)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <unistd.h>

int main(int argc, char **argv)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    char *name = argc > 1 ? argv[1] : const_cast<char *>("tiny");
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 240, 80, 0, 0, 0xffffff);
    XStoreName(display, window, name);
    char className[] = "Tiny";
    XClassHint hint = {name, className};
    XSetClassHint(display, window, &hint);
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    char *hostList = host;
    XTextProperty machine;
    if (XStringListToTextProperty(&hostList, 1, &machine)) {
        XSetWMClientMachine(display, window, &machine);
        XFree(machine.value);
    }
    const long pid = long(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&pid), 1);
    // A 16 x 16 icon in a colour of the name's own.
    unsigned long colour = 0xff000000ul;
    for (const char *c = name; *c; ++c)
        colour = 0xff000000ul | (((colour * 31u) + unsigned(*c) * 0x9e3779u) & 0xfffffful);
    long icon[2 + 16 * 16] = {16, 16};
    for (int i = 0; i < 16 * 16; ++i)
        icon[2 + i] = long(colour);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(icon), 2 + 16 * 16);
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
