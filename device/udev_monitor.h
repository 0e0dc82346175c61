#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Device-change notifications on Linux: a libudev monitor on the hidraw subsystem. Every add
// or remove of a hidraw node calls `onChange` on the GUI thread. Without udev (a container, a
// chroot) it stays inactive, and the program only finds a mouse at start-up.
class UdevMonitor : public QObject
{
    Q_OBJECT

public:
    explicit UdevMonitor(std::function<void()> onChange, QObject *parent = nullptr);
    ~UdevMonitor() override;

    bool isActive() const { return m_notifier != nullptr; }

private:
    void drain();

    std::function<void()> m_onChange;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
