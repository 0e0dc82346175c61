#include "app/device_failure_watch.h"

#include "device/hid_thread.h"

DeviceFailureWatch::DeviceFailureWatch(const Hid_Thread &link) : m_link(link), m_start(link.failureCount()) {}

int DeviceFailureWatch::failures() const
{
    return m_link.failureCount() - m_start;
}

QString DeviceFailureWatch::firstFailure() const
{
    return failures() > 0 ? m_link.failureAt(m_start) : QString();
}
