#include "device/hid_traffic_log.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {
// Started while static objects are built, before main runs: the program's own start.
const QElapsedTimer &programClock()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock;
}
const bool clockStarted = (programClock(), true);
} // namespace

qint64 HidTrafficLog::sinceStart()
{
    Q_UNUSED(clockStarted);
    return programClock().elapsed();
}

HidTrafficLog::HidTrafficLog(HidBackend *inner, const QString &fileName) : m_inner(inner), m_file(fileName)
{
    m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered);
}

HidTrafficLog::~HidTrafficLog() = default;

QByteArray HidTrafficLog::line(qint64 ms, const char *tag, bool failed, const unsigned char *data, size_t length)
{
    QByteArray l = QByteArray::number(ms) + ' ' + tag;
    if (failed)
        l += '!';
    if (data && length > 0)
        l += ' ' + QByteArray(reinterpret_cast<const char *>(data), int(length)).toHex();
    return l;
}

void HidTrafficLog::log(const char *tag, int result, const unsigned char *data, size_t length)
{
    const QByteArray text = line(sinceStart(), tag, result < 0, data, length) + '\n';
    QMutexLocker l(&m_lock);
    if (!m_file.isOpen() || m_file.write(text) == text.size() || m_failed.exchange(true))
        return;
    std::fprintf(stderr, "skald-config: cannot write the HID log %s: %s\n", qPrintable(m_file.fileName()),
                 qPrintable(m_file.errorString()));
}

std::vector<HidDeviceInfo> HidTrafficLog::enumerate(unsigned short vendorId, unsigned short productId)
{
    return m_inner->enumerate(vendorId, productId);
}

HidHandle *HidTrafficLog::openPath(const QString &path)
{
    return m_inner->openPath(path);
}

int HidTrafficLog::setNonblocking(HidHandle *device, int nonblock)
{
    return m_inner->setNonblocking(device, nonblock);
}

int HidTrafficLog::sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length)
{
    const int r = m_inner->sendFeatureReport(device, data, length);
    log("SF", r, data, length);
    return r;
}

int HidTrafficLog::getFeatureReport(HidHandle *device, unsigned char *data, size_t length)
{
    const int r = m_inner->getFeatureReport(device, data, length);
    log("GF", r, r < 0 ? nullptr : data, length);
    return r;
}

int HidTrafficLog::write(HidHandle *device, const unsigned char *data, size_t length)
{
    const int r = m_inner->write(device, data, length);
    log("WO", r, data, length);
    return r;
}

int HidTrafficLog::read(HidHandle *device, unsigned char *data, size_t length)
{
    const int r = m_inner->read(device, data, length);
    log("RI", r, r < 0 ? nullptr : data, r < 0 ? 0 : size_t(r));
    return r;
}

int HidTrafficLog::readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds)
{
    const int r = m_inner->readTimeout(device, data, length, milliseconds);
    if (r != 0)
        log("RN", r, r < 0 ? nullptr : data, r < 0 ? 0 : size_t(r));
    return r;
}

void HidTrafficLog::close(HidHandle *device)
{
    m_inner->close(device);
}
