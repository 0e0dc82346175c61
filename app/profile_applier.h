#pragma once

#include <QObject>
#include <functional>
#include <memory>

class DeviceFailureWatch;
class Widget;

// Applies one profile from the command line (--apply-profile N): the window stays hidden, the
// pages take their first initUI, then the main screen's own applyProfile(N) does what the
// profile page does when N is chosen and the page is closed, and the program ends.
class ProfileApplier : public QObject
{
    Q_OBJECT

public:
    ProfileApplier(Widget *window, int profile);
    ~ProfileApplier() override;

    // Called after the first device check. False (with a one-line message on stderr) when no
    // mouse was found; nothing is applied then and the program exits with status 2.
    bool start();

    bool isFinished() const { return m_finished; }
    // 0 when every command reached the mouse, 2 otherwise.
    int exitCode() const { return m_exitCode; }
    // The line written to stderr when the apply failed, else empty.
    QString message() const { return m_message; }

    // Receives the exit status once the apply is over; ends the event loop by default.
    void setFinishedHandler(std::function<void(int)> handler) { m_onFinished = std::move(handler); }

private slots:
    void pagesReady();

private:
    void apply();
    void sent();
    void finish(int code, const QString &message);

    Widget *m_window;
    std::unique_ptr<DeviceFailureWatch> m_watch;
    int m_profile;
    bool m_started = false;
    bool m_finished = false;
    int m_exitCode = 0;
    QString m_message;
    std::function<void(int)> m_onFinished;
};
