#include "device/udev_monitor.h"

#include <QSocketNotifier>

#include <libudev.h>

UdevMonitor::UdevMonitor(std::function<void()> onChange, QObject *parent)
    : QObject(parent), m_onChange(std::move(onChange))
{
    m_udev = udev_new();
    if (!m_udev)
        return;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor)
        return;
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0)
        return;
    const int fd = udev_monitor_get_fd(m_monitor);
    if (fd < 0)
        return;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevMonitor::drain);
}

UdevMonitor::~UdevMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

void UdevMonitor::drain()
{
    bool changed = false;
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        if (action && (qstrcmp(action, "add") == 0 || qstrcmp(action, "remove") == 0))
            changed = true;
        udev_device_unref(device);
    }
    if (changed && m_onChange)
        m_onChange();
}
