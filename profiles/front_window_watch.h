#pragma once

#include "profiles/front_program.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// A program that has a window now, for the page that adds programs to a profile.
struct WindowProgram
{
    // The name a rule gives it (ProgramMatch::namesOf, the most telling one).
    QString name;
    // A small icon as a data: URL, or empty.
    QString icon;
};

// Tells which program is in front, as the desktop knows it: on X11 the window manager's active
// window and its process, on Windows the foreground window's process (createFrontWindowWatch
// chooses). GUI thread.
class FrontWindowWatch : public QObject
{
public:
    using Handler = std::function<void(const FrontProgram &)>;

    // Why the program in front cannot be known; the page has a text for each.
    enum Unavailable {
        Available = 0,
        WaylandSession = 1,
        NoActiveWindow = 2,     // the window manager does not publish its active window
        NoWindowSystem = 3,
        HookRefused = 4,        // Windows did not set the foreground-window hook
        NotInThisRun = 5
    };

    ~FrontWindowWatch() override = default;

    virtual Unavailable unavailable() const = 0;
    // Called with the program in front each time another window comes to the front.
    void setHandler(Handler handler) { m_handler = std::move(handler); }
    virtual FrontProgram current() = 0;
    virtual QList<WindowProgram> windowPrograms() = 0;

protected:
    void report(const FrontProgram &program)
    {
        if (m_handler)
            m_handler(program);
    }

private:
    Handler m_handler;
};

// Where nothing tells which window is in front.
class NoFrontWindowWatch : public FrontWindowWatch
{
public:
    explicit NoFrontWindowWatch(Unavailable why) : m_why(why) {}
    Unavailable unavailable() const override { return m_why; }
    FrontProgram current() override { return {}; }
    QList<WindowProgram> windowPrograms() override { return {}; }

private:
    Unavailable m_why;
};
