#pragma once

#include <QString>

// Notices, while it lives, the debug lines with which the device link reports a command that
// did not reach the mouse ("cmd Failed 06" and the like). The lines still reach the previous
// message handler. One watch at a time, on the GUI thread.
class DeviceFailureWatch
{
public:
    DeviceFailureWatch();
    ~DeviceFailureWatch();
    DeviceFailureWatch(const DeviceFailureWatch &) = delete;
    DeviceFailureWatch &operator=(const DeviceFailureWatch &) = delete;

    int failures() const { return m_failures; }
    QString firstFailure() const { return m_first; }

    // The part of the watch that looks at one message; public for the tests.
    void notice(const QString &message);

private:
    int m_failures = 0;
    QString m_first;
};
