#include "buttons/xinput_capture.h"

#include "buttons/capture_sink.h"
#include "buttons/evdev_scan.h"
#include "buttons/key_translator.h"

#include <QGuiApplication>
#include <QSocketNotifier>

// After the Qt headers: Xlib defines macros (Bool, None, Status, ...) that Qt's headers use as names.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

Display *dpy(void *display)
{
    return static_cast<Display *>(display);
}

} // namespace

std::unique_ptr<XInputCapture> XInputCapture::open(CaptureSink *sink)
{
    // The server the program's windows are on, however it was chosen.
    QByteArray name;
#if QT_CONFIG(xcb)
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display *own = x11->display())
            name = DisplayString(own);
    }
#endif
    Display *display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!display)
        return nullptr;
    int opcode = 0, firstEvent = 0, firstError = 0;
    int major = 2, minor = 2;
    // Raw events reach the root window whatever grabs are active since XInput 2.1.
    if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError)
        || XIQueryVersion(display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
        XCloseDisplay(display);
        return nullptr;
    }

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSync(display, False);

    return std::unique_ptr<XInputCapture>(new XInputCapture(sink, display, opcode));
}

XInputCapture::XInputCapture(CaptureSink *sink, void *display, int opcode)
    : m_sink(sink), m_display(display), m_opcode(opcode)
{
    m_notifier = new QSocketNotifier(ConnectionNumber(dpy(m_display)), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
    // Events read while setting up already sit in Xlib's queue, where the socket will not
    // announce them.
    readEvents();
}

XInputCapture::~XInputCapture()
{
    delete m_notifier;
    XCloseDisplay(dpy(m_display));
}

void XInputCapture::readEvents()
{
    Display *display = dpy(m_display);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        XGenericEventCookie *cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode || !XGetEventData(display, cookie))
            continue;
        const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
        switch (cookie->evtype) {
        case XI_RawKeyPress:
        case XI_RawKeyRelease:
            m_sink->evdevKeyEvent(evdevFromXKeycode(unsigned(raw->detail)), cookie->evtype == XI_RawKeyPress);
            break;
        case XI_RawButtonPress:
        case XI_RawButtonRelease: {
            const bool down = cookie->evtype == XI_RawButtonPress;
            unsigned message = 0;
            switch (raw->detail) {
            case 1: message = down ? HookMessage::LeftDown : HookMessage::LeftUp; break;
            case 2: message = down ? HookMessage::MiddleDown : HookMessage::MiddleUp; break;
            case 3: message = down ? HookMessage::RightDown : HookMessage::RightUp; break;
            default: break;   // the wheel (4 to 7) and the extra buttons are not reported
            }
            if (message) {
                // Raw events carry no position; ask where the pointer is now.
                Window root = 0, child = 0;
                int rootX = 0, rootY = 0, winX = 0, winY = 0;
                unsigned int buttons = 0;
                XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY,
                              &buttons);
                m_sink->mouseEvent(message, unsigned(rootX), unsigned(rootY));
            }
            break;
        }
        default:
            break;
        }
        XFreeEventData(display, cookie);
    }
}
