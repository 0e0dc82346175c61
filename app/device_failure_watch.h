#pragma once

#include <QString>

class Hid_Thread;

// Counts, while it lives, the commands of the link that did not reach the mouse.
class DeviceFailureWatch
{
public:
    explicit DeviceFailureWatch(const Hid_Thread &link);

    int failures() const;
    // "command 06: write failed" for the first of them, or empty.
    QString firstFailure() const;

private:
    const Hid_Thread &m_link;
    int m_start;
};
