#pragma once

#include <QString>

#include <memory>

#include <functional>

class HidBackend;
class HidTrafficLog;
class QObject;
class VirtualMouse;

// What the device link talks to, chosen from the command line: hidapi or the virtual mouse
// (--simulate), optionally behind the traffic log (--hid-log); and where device-change
// notifications come from: udev for a real mouse, the virtual mouse's own for a simulated one
// (SIGUSR1 presses its DPI button, SIGUSR2 unplugs it or plugs it back).
//
// Built before the main window (whose link takes the installed backend) and destroyed after it.
class DeviceEnvironment
{
public:
    // `simulateModel` is the id of the virtual mouse's model; `hidLogFile` empty means no log.
    DeviceEnvironment(bool simulate, int simulateModel, const QString &hidLogFile);
    ~DeviceEnvironment();

    // Routes device-change notifications to `onChange`, called on the thread of `window`
    // while it exists; call once the window exists.
    void attach(QObject *window, std::function<void()> onChange);

    // False when the options cannot be followed (a HID log onto one of the program's own
    // files); a one-line message has then been written to stderr.
    bool isUsable() const { return m_usable; }
    // Whether the HID log could not be opened or lost a line; reported on stderr already.
    bool logFailed() const;

    // Whether `path` is one of the files the program runs from or keeps its settings in: the
    // executable, and whatever lies under modules/ or is HZK16 in `dataFolder`; an existing
    // file is compared by identity (device and inode), so hard links count too.
    static bool isProgramFile(const QString &path, const QString &dataFolder, const QString &executable);

    HidBackend *backend() const;

private:
    bool m_usable = true;
    std::unique_ptr<VirtualMouse> m_mouse;
    std::unique_ptr<HidTrafficLog> m_log;
    std::unique_ptr<QObject> m_notifications;
    std::unique_ptr<QObject> m_signals;
};
