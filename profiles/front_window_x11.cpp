#include "profiles/front_window_x11.h"

#include "profiles/process_image_linux.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QSocketNotifier>

#include <unistd.h>

// After the Qt headers: Xlib defines macros (Bool, None, Status, ...) that Qt's headers use as names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

Display *dpy(void *display)
{
    return static_cast<Display *>(display);
}

// A window that went away while it was being looked at is not worth ending the program for,
// which is what Xlib's own handler does.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

// The 32-bit items of a property; Xlib hands them over as longs.
QList<unsigned long> longs(Display *display, Window window, Atom property, Atom type, long most = 1)
{
    QList<unsigned long> values;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, most, False, type, &actualType, &format, &count, &after,
                           &data) == Success && data) {
        if (actualType == type && format == 32) {
            const auto *items = reinterpret_cast<const unsigned long *>(data);
            for (unsigned long i = 0; i < count; ++i)
                values << items[i];
        }
        XFree(data);
    }
    return values;
}

QByteArray text(Display *display, Window window, Atom property)
{
    QByteArray value;
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, window, property, 0, 256, False, AnyPropertyType, &actualType, &format, &count,
                           &after, &data) == Success && data) {
        if (format == 8)
            value = QByteArray(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
    }
    return value;
}

QByteArray hostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return QByteArray(name);
}

// The icon nearest 32 pixels of a _NET_WM_ICON (width, height, pixels, ... repeated), as a PNG
// data: URL.
QString iconOf(Display *display, Window window)
{
    const QList<unsigned long> data =
        longs(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 1 << 20);
    qsizetype best = -1;
    unsigned long bestSize = 0;
    for (qsizetype at = 0; at + 2 <= data.size();) {
        const unsigned long w = data[at], h = data[at + 1];
        if (w == 0 || h == 0 || w > 1024 || h > 1024 || qsizetype(w * h) > data.size() - at - 2)
            break;
        const auto distance = [](unsigned long s) { return s > 32 ? s - 32 : 32 - s; };
        if (best < 0 || distance(w) < distance(bestSize)) {
            best = at;
            bestSize = w;
        }
        at += 2 + qsizetype(w * h);
    }
    if (best < 0)
        return {};
    const int w = int(data[best]), h = int(data[best + 1]);
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = QRgb(data[best + 2 + qsizetype(y) * w + x] & 0xffffffffu);
    }
    if (w > 32 || h > 32)
        image = image.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

} // namespace

std::unique_ptr<X11FrontWindowWatch> X11FrontWindowWatch::open()
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
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    XSync(display, False);
    return std::unique_ptr<X11FrontWindowWatch>(new X11FrontWindowWatch(display));
}

X11FrontWindowWatch::X11FrontWindowWatch(void *display) : m_display(display)
{
    m_notifier = new QSocketNotifier(ConnectionNumber(dpy(m_display)), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
    m_active = 0;
    readEvents();
}

X11FrontWindowWatch::~X11FrontWindowWatch()
{
    delete m_notifier;
    XCloseDisplay(dpy(m_display));
}

FrontWindowWatch::Unavailable X11FrontWindowWatch::unavailable() const
{
    Display *display = dpy(m_display);
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    const QList<unsigned long> supported =
        longs(display, DefaultRootWindow(display), XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM, 4096);
    return supported.contains(active) ? Available : NoActiveWindow;
}

void X11FrontWindowWatch::readEvents()
{
    Display *display = dpy(m_display);
    const Atom activeAtom = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    // Looking at a window reads from the server too: events that arrive meanwhile wait in
    // Xlib's queue, where the socket will not announce them.
    for (;;) {
        bool changed = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == PropertyNotify && event.xproperty.atom == activeAtom)
                changed = true;
        }
        if (!changed)
            return;
        const QList<unsigned long> active = longs(display, DefaultRootWindow(display), activeAtom, XA_WINDOW);
        const unsigned long window = active.isEmpty() ? 0 : active.front();
        if (window != m_active) {
            m_active = window;
            report(programOf(window));
        }
    }
}

FrontProgram X11FrontWindowWatch::current()
{
    Display *display = dpy(m_display);
    const QList<unsigned long> active =
        longs(display, DefaultRootWindow(display), XInternAtom(display, "_NET_ACTIVE_WINDOW", False), XA_WINDOW);
    return programOf(active.isEmpty() ? 0 : active.front());
}

FrontProgram X11FrontWindowWatch::programOf(unsigned long window)
{
    FrontProgram program;
    if (window == 0)
        return program;
    Display *display = dpy(m_display);
    const QList<unsigned long> pid = longs(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL);
    // A process id means nothing here when the window's program runs on another machine.
    QByteArray machine = text(display, window, XInternAtom(display, "WM_CLIENT_MACHINE", False));
    while (machine.endsWith('\0'))
        machine.chop(1);
    const bool local = machine.isEmpty() || machine == hostName();
    if (!pid.isEmpty() && local) {
        program = ProcessImage::ofProcess(qint64(pid.front()));
        program.own = qint64(pid.front()) == QCoreApplication::applicationPid();
    }
    if (program.executable.isEmpty()) {
        XClassHint hint = {nullptr, nullptr};
        if (XGetClassHint(display, window, &hint)) {
            if (hint.res_name)
                program.windowClasses << QString::fromLocal8Bit(hint.res_name);
            if (hint.res_class)
                program.windowClasses << QString::fromLocal8Bit(hint.res_class);
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    return program;
}

QList<WindowProgram> X11FrontWindowWatch::windowPrograms()
{
    QList<WindowProgram> programs;
    Display *display = dpy(m_display);
    const QList<unsigned long> windows = longs(display, DefaultRootWindow(display),
                                               XInternAtom(display, "_NET_CLIENT_LIST", False), XA_WINDOW, 4096);
    for (unsigned long window : windows) {
        const FrontProgram program = programOf(window);
        const QStringList names = ProgramMatch::namesOf(program);
        if (program.own || names.isEmpty())
            continue;
        bool seen = false;
        for (const WindowProgram &p : std::as_const(programs))
            seen = seen || p.name.compare(names.front(), Qt::CaseInsensitive) == 0;
        if (!seen)
            programs.append({names.front(), iconOf(display, window)});
    }
    return programs;
}
