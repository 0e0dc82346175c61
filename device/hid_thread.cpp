// Discovery and the connection check.
#include "device/hid_thread.h"

#include "device/hid_backend.h"
#include "device/link_host.h"
#include "device/link_state.h"

#include "device/log_category.h"

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent), m_hid(currentHidBackend())
{
    setObjectName(QStringLiteral("link"));
    start();
}

Hid_Thread::~Hid_Thread()
{
    stopWorker();
    waitForWorker();
    // What was asked for still goes; a vanished mouse makes each of it fail at once.
    m_queue.stop();
    wait();
    closeCommandHandle();
}

void Hid_Thread::findDevices(const DeviceTable &table)
{
    QList<DeviceRecord> list;
    for (int i = 0; i < table.size(); ++i) {
        const DeviceTableEntry &e = table[i];
        DeviceRecord r;
        r.index = i;
        r.name = e.name;
        r.type = e.type;
        r.reportLength = int(e.reportLength);
        QString command, notify;
        for (const HidDeviceInfo &d : m_hid->enumerate(e.vid, e.pid)) {
            if (d.usagePage == e.usagePage && d.usage == e.usage)
                command = d.path;
            if (d.usagePage == e.usagePage2 && d.usage == e.usage2)
                notify = d.path;
            if (!command.isEmpty() && !notify.isEmpty()) {
                r.commandPath = command;
                r.notifyPath = notify;
                m_curDevice = i;
                break;
            }
        }
        list.append(r);
        // The table's order is the order of preference: the first complete match wins.
        if (!r.commandPath.isEmpty())
            break;
    }
    QMutexLocker l(&m_devicesLock);
    m_devices = list;
}

QList<DeviceRecord> Hid_Thread::devices() const
{
    QMutexLocker l(&m_devicesLock);
    return m_devices;
}

DeviceRecord Hid_Thread::recordAt(int index) const
{
    QMutexLocker l(&m_devicesLock);
    return index >= 0 && index < m_devices.size() ? m_devices[index] : DeviceRecord();
}

HidHandle *Hid_Thread::openCommandPath(int index)
{
    const QString path = recordAt(index).commandPath;
    if (path.isEmpty())
        return nullptr;
    closeCommandHandle();
    if (HidHandle *h = m_hid->openPath(path)) {
        m_hid->setNonblocking(h, 0);
        m_commandHandle = h;
        return h;
    }
    // Later transactions then fail at once, until the next enumeration.
    QMutexLocker l(&m_devicesLock);
    if (index < m_devices.size())
        m_devices[index].commandPath.clear();
    return nullptr;
}

HidHandle *Hid_Thread::openNotifyPath(int index)
{
    const QString path = recordAt(index).notifyPath;
    if (path.isEmpty())
        return nullptr;
    if (m_notifyHandle) {
        m_hid->close(m_notifyHandle);
        m_notifyHandle = nullptr;
    }
    if (HidHandle *h = m_hid->openPath(path)) {
        m_hid->setNonblocking(h, 0);
        m_notifyHandle = h;
        return h;
    }
    QMutexLocker l(&m_devicesLock);
    if (index < m_devices.size())
        m_devices[index].notifyPath.clear();
    return nullptr;
}

void Hid_Thread::closeCommandHandle()
{
    if (m_commandHandle) {
        m_hid->close(m_commandHandle);
        m_commandHandle = nullptr;
    }
}

void Hid_Thread::swichCurDevice(uint did)
{
    if (int(did) != m_curDevice) {
        m_curDevice = int(did);
        startWorker(did);
    }
    chkDeviceIsEnCode();
}

void Hid_Thread::chkDeviceIsEnCode()
{
    const QString fallback = QStringLiteral("739154");
    LinkHost *host = m_host.load();
    const QString code = host ? host->secrecyCode(m_curDevice, fallback) : fallback;
    // The code and the probe go through the queue: a transaction under way keeps its code and
    // its handle.
    bool opened = false;
    runOnLink(
        [&] {
            if (code.size() == 6) {
                for (int i = 0; i < 6; ++i)
                    LinkState::SecrecyCode[i + 1] = static_cast<unsigned char>(code.at(i).unicode());
            }
            opened = openCommandPath(m_curDevice) != nullptr;
            closeCommandHandle();
        },
        60000);

    if (opened) {
        qCDebug(lcDevice, "Device Connect");
        LinkState::deviceConnected = true;
        if (host)
            host->linkConnected(m_curDevice);
        startWorker(uint(m_curDevice));
    } else {
        qCDebug(lcDevice, "Device Error");
        m_curDevice = 0;
        LinkState::deviceConnected = false;
        if (host)
            host->linkMissing();
    }
}
