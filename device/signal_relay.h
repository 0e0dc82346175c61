#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGUSR1 and SIGUSR2 into calls on the GUI thread. The handlers only write the signal
// number into a pipe (async-signal-safe); a socket notifier on the other end makes the calls.
// One relay per process; Unix only (elsewhere it does nothing).
class SignalRelay : public QObject
{
    Q_OBJECT

public:
    SignalRelay(std::function<void()> onUsr1, std::function<void()> onUsr2, QObject *parent = nullptr);
    ~SignalRelay() override;

    bool isActive() const { return m_notifier != nullptr; }

private:
    void drain();

    std::function<void()> m_usr1;
    std::function<void()> m_usr2;
    QSocketNotifier *m_notifier = nullptr;
};
