#include "profiles/front_window_choice.h"

#include <QGuiApplication>

#ifdef Q_OS_WIN
#include "profiles/foreground_win.h"
#else
#include "profiles/front_window_x11.h"
#endif

namespace {

#ifdef Q_OS_WIN
// Windows: the foreground-window event hook, the window's process and its image name.
class WinFrontWindowWatch : public FrontWindowWatch
{
public:
    WinFrontWindowWatch()
    {
        m_hooked = ForegroundWin::watch([](void *self) { static_cast<WinFrontWindowWatch *>(self)->changed(); }, this);
    }
    ~WinFrontWindowWatch() override { ForegroundWin::unwatch(); }

    Unavailable unavailable() const override { return m_hooked ? Available : HookRefused; }
    FrontProgram current() override { return programOf(ForegroundWin::foreground()); }
    QList<WindowProgram> windowPrograms() override
    {
        QList<WindowProgram> programs;
        for (const ForegroundWin::WindowProcess &process : ForegroundWin::topLevelWindows()) {
            const FrontProgram program = programOf(process);
            const QStringList names = ProgramMatch::namesOf(program);
            if (program.own || names.isEmpty())
                continue;
            bool seen = false;
            for (const WindowProgram &p : std::as_const(programs))
                seen = seen || p.name.compare(names.front(), Qt::CaseInsensitive) == 0;
            if (!seen)
                programs.append({names.front(), QString()});
        }
        return programs;
    }

private:
    static FrontProgram programOf(const ForegroundWin::WindowProcess &process)
    {
        FrontProgram program;
        program.executable = QString::fromStdWString(process.image);
        program.own = process.processId != 0 && process.processId == ForegroundWin::currentProcessId();
        return program;
    }
    void changed() { report(current()); }

    bool m_hooked = false;
};
#else
bool isWaylandSession()
{
    return QGuiApplication::platformName() == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}
#endif

} // namespace

std::unique_ptr<FrontWindowWatch> createFrontWindowWatch()
{
#ifdef Q_OS_WIN
    return std::make_unique<WinFrontWindowWatch>();
#else
    // A Wayland compositor tells no program which window is in front; the X server of its
    // X11 programs knows only about those.
    if (isWaylandSession())
        return std::make_unique<NoFrontWindowWatch>(FrontWindowWatch::WaylandSession);
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (std::unique_ptr<X11FrontWindowWatch> x11 = X11FrontWindowWatch::open())
            return x11;
    }
    return std::make_unique<NoFrontWindowWatch>(FrontWindowWatch::NoWindowSystem);
#endif
}
