#pragma once

#include "profiles/front_program.h"

#include <QObject>
#include <QTimer>

#include <memory>

class FrontWindowWatch;
class Widget;

// Switches the profile to the one the program in front selects, once that program has stayed
// in front for SettleMs: the main screen's applyProfile, as when the profile is chosen on the
// profile page, then a tray balloon. A switch waits for the link to finish what it is sending
// and for a macro recording to end; quick changes of the front window give one switch, for the
// last program. The program's own windows do not count as a change, so a profile chosen there
// by hand holds until another program comes to the front.
class ProgramFollower : public QObject
{
public:
    static constexpr int SettleMs = 1000;
    static constexpr int RetryMs = 500;

    ProgramFollower(Widget *window, std::unique_ptr<FrontWindowWatch> watch);
    ~ProgramFollower() override;

private:
    void frontChanged(const FrontProgram &program);
    void settled();
    void trySwitch();
    QString profileName(int profile) const;

    Widget *m_window;
    std::unique_ptr<FrontWindowWatch> m_watch;
    QTimer m_settle;
    QTimer m_retry;
    // The program in front, waiting for its second; the last one that stayed in front.
    FrontProgram m_pending;
    FrontProgram m_settled;
    bool m_switchDue = false;
    bool m_waitingForLink = false;
};
