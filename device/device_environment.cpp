#include "device/device_environment.h"

#include "device/hid_backend.h"
#include "device/hid_traffic_log.h"
#include "device/signal_relay.h"
#include "device/virtual_mouse.h"
#ifdef Q_OS_LINUX
#include "device/udev_monitor.h"
#endif

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPointer>

#include <cstdio>

#include <sys/stat.h>

DeviceEnvironment::DeviceEnvironment(bool simulate, int simulateModel, const QString &hidLogFile)
{
    HidBackend *backend = currentHidBackend();
    if (simulate) {
        m_mouse = std::make_unique<VirtualMouse>(simulateModel);
        backend = m_mouse.get();
    }
    if (!hidLogFile.isEmpty() && isProgramFile(hidLogFile, QDir::currentPath(), QCoreApplication::applicationFilePath())) {
        std::fprintf(stderr, "skald-config: refusing to write the HID log over %s, one of the program's own files\n",
                     qPrintable(hidLogFile));
        m_usable = false;
    } else if (!hidLogFile.isEmpty()) {
        m_log = std::make_unique<HidTrafficLog>(backend, hidLogFile);
        if (!m_log->isOpen())
            std::fprintf(stderr, "skald-config: cannot write the HID log %s: %s\n", qPrintable(hidLogFile),
                         qPrintable(m_log->errorString()));
        backend = m_log.get();
    }
    setCurrentHidBackend(backend);
}

namespace {
// Whether both names lead to one and the same file, whatever links lie between them.
bool sameFile(const struct stat &a, const QString &path)
{
    struct stat b;
    return ::stat(QFile::encodeName(path).constData(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
} // namespace

bool DeviceEnvironment::logFailed() const
{
    return m_log && (!m_log->isOpen() || m_log->hasFailed());
}

bool DeviceEnvironment::isProgramFile(const QString &path, const QString &dataFolder, const QString &executable)
{
    const QFileInfo file(path);
    // Through links too: the canonical names of the file, or of its folder when it is new.
    const QString name = file.exists() ? file.canonicalFilePath()
                                       : QFileInfo(file.absolutePath()).canonicalFilePath() + QLatin1Char('/') + file.fileName();
    const QString data = QFileInfo(dataFolder).canonicalFilePath();
    if (name.isEmpty() || data.isEmpty())
        return false;
    if (name == QFileInfo(executable).canonicalFilePath() || name == data + QStringLiteral("/HZK16"))
        return true;
    if (name.startsWith(data + QStringLiteral("/modules/")))
        return true;
    // A hard link has a name of its own: only the file's identity gives it away.
    struct stat target;
    if (::stat(QFile::encodeName(path).constData(), &target) != 0)
        return false;
    if (sameFile(target, executable) || sameFile(target, data + QStringLiteral("/HZK16")))
        return true;
    QDirIterator files(data + QStringLiteral("/modules"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        if (sameFile(target, files.next()))
            return true;
    }
    return false;
}

DeviceEnvironment::~DeviceEnvironment()
{
    m_signals.reset();
    m_notifications.reset();
    if (m_mouse)
        m_mouse->setDeviceChangeCallback({});
    setCurrentHidBackend(nullptr);
}

HidBackend *DeviceEnvironment::backend() const
{
    return currentHidBackend();
}

void DeviceEnvironment::attach(QObject *window, std::function<void()> onChange)
{
    QPointer<QObject> target = window;
    // Device changes may be raised off the GUI thread; the window takes them on its own.
    auto deviceChanged = [target, onChange] {
        if (!target)
            return;
        QMetaObject::invokeMethod(
            target.data(), [target, onChange] { if (target) onChange(); }, Qt::QueuedConnection);
    };
    if (m_mouse) {
        m_mouse->setDeviceChangeCallback(deviceChanged);
        VirtualMouse *mouse = m_mouse.get();
        m_signals = std::make_unique<SignalRelay>([mouse] { mouse->pressDpiButton(); },
                                                  [mouse] { mouse->togglePlugged(); });
    } else {
#ifdef Q_OS_LINUX
        m_notifications = std::make_unique<UdevMonitor>(deviceChanged);
#endif
    }
}
