#include "device/virtual_mouse.h"

#include "device/block_scrambling.h"
#include "device/hid_checksum.h"
#include "device/mouse_model.h"
#include "device/profile_block_layout.h"
#include "device/virtual_mouse_factory.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <cstring>

namespace {

enum Interface { BootMouse = 0, CommandInterface = 1, NotifyInterface = 2 };

// Where each payload-carrying command keeps its length byte.
int lengthPosition(unsigned char code)
{
    switch (code) {
    case 0x06: case 0x08: case 0x09: case 0x10: case 0x11:
        return 2;
    case 0x07:
        return 3;
    default:
        return 0;
    }
}

constexpr int MaxQueued = 64;
// A long simulated session must not grow without bound; tests stay far below this.
constexpr int MaxLogged = 50000;

} // namespace

struct VirtualMouse::Handle
{
    int iface;
    int generation;
};

VirtualMouse::VirtualMouse(int model) : m_model(modelWithId(model) ? model : defaultModel().id)
{
    setScrambling(false);
    m_stageColours2 = QByteArray("\xff\xff\xff\x00", 4);
    m_gunData = QByteArray(5, '\0');
}

VirtualMouse::~VirtualMouse()
{
    for (Handle *h : m_handles)
        delete h;
}

unsigned short VirtualMouse::vendorId() const
{
    return VirtualMouseFactory::vendorId(m_model);
}

unsigned short VirtualMouse::productId() const
{
    return VirtualMouseFactory::productId(m_model);
}

static QString pathOf(unsigned short vid, unsigned short pid, int iface)
{
    return QStringLiteral("virtual/%1:%2/if%3")
        .arg(vid, 4, 16, QLatin1Char('0'))
        .arg(pid, 4, 16, QLatin1Char('0'))
        .arg(iface);
}

QString VirtualMouse::commandPath() const
{
    return pathOf(vendorId(), productId(), CommandInterface);
}

QString VirtualMouse::notifyPath() const
{
    return pathOf(vendorId(), productId(), NotifyInterface);
}

// ---------------------------------------------------------------------------------------------
// The HID seam

std::vector<HidDeviceInfo> VirtualMouse::enumerate(unsigned short vid, unsigned short pid)
{
    QMutexLocker l(&m_lock);
    std::vector<HidDeviceInfo> list;
    if (!m_plugged || failLocked(Call::Enumerate))
        return list;
    if ((vid != 0 && vid != vendorId()) || (pid != 0 && pid != productId()))
        return list;
    // The boot-mouse interface comes first, as on the real device; it matches no table pair.
    const unsigned short pairs[3][2] = {{0x0001, 0x0002}, {0xFF01, 0xFF01}, {0xFF02, 0xFF02}};
    for (int i = 0; i < 3; ++i) {
        HidDeviceInfo info;
        info.path = pathOf(vendorId(), productId(), i);
        info.vendorId = vendorId();
        info.productId = productId();
        info.usagePage = pairs[i][0];
        info.usage = pairs[i][1];
        list.push_back(info);
    }
    return list;
}

HidHandle *VirtualMouse::openPath(const QString &path)
{
    QMutexLocker l(&m_lock);
    if (!m_plugged)
        return nullptr;
    int iface = -1;
    for (int i = 0; i < 3; ++i) {
        if (path == pathOf(vendorId(), productId(), i))
            iface = i;
    }
    if (iface < 0 || failLocked(Call::Open))
        return nullptr;
    auto *h = new Handle{iface, m_generation};
    m_handles.insert(h);
    return reinterpret_cast<HidHandle *>(h);
}

int VirtualMouse::setNonblocking(HidHandle *device, int)
{
    QMutexLocker l(&m_lock);
    Handle *h = reinterpret_cast<Handle *>(device);
    if (!liveLocked(h) || failLocked(Call::SetNonblocking))
        return -1;
    return 0;
}

int VirtualMouse::sendFeatureReport(HidHandle *device, const unsigned char *data, size_t length)
{
    std::function<void()> notify;
    int result = -1;
    {
        QMutexLocker l(&m_lock);
        Handle *h = reinterpret_cast<Handle *>(device);
        const QByteArray bytes(reinterpret_cast<const char *>(data), int(length));
        const bool live = liveLocked(h);
        if (live && !failLocked(Call::SendFeature) && h->iface == CommandInterface && length >= 9 && data[0] == 0) {
            acceptBlockLocked(data + 1);
            result = int(length);
        }
        recordLocked({Report::SendFeature, h && m_handles.count(h) && h->iface == CommandInterface, bytes, result});
        if (result >= 0)
            countReportLocked(notify);
    }
    if (notify)
        notify();
    return result;
}

int VirtualMouse::getFeatureReport(HidHandle *device, unsigned char *data, size_t length)
{
    std::function<void()> notify;
    int result = -1;
    {
        QMutexLocker l(&m_lock);
        Handle *h = reinterpret_cast<Handle *>(device);
        if (liveLocked(h) && !failLocked(Call::GetFeature) && h->iface == CommandInterface && length >= 1) {
            QByteArray report(9, '\0');
            if (m_hasReply)
                std::memcpy(report.data() + 1, m_reply, 8);
            if (!m_replyHook || m_replyHook(Call::GetFeature, report)) {
                const size_t n = std::min<size_t>(length, size_t(report.size()));
                std::memcpy(data, report.constData(), n);
                result = int(n);
            }
        }
        recordLocked({Report::GetFeature, true,
                          result >= 0 ? QByteArray(reinterpret_cast<const char *>(data), result) : QByteArray(),
                          result});
        if (result >= 0)
            countReportLocked(notify);
    }
    if (notify)
        notify();
    return result;
}

int VirtualMouse::write(HidHandle *device, const unsigned char *data, size_t length)
{
    std::function<void()> notify;
    int result = -1;
    {
        QMutexLocker l(&m_lock);
        Handle *h = reinterpret_cast<Handle *>(device);
        const QByteArray bytes(reinterpret_cast<const char *>(data), int(length));
        if (liveLocked(h) && !failLocked(Call::Write) && h->iface == CommandInterface && length >= 1) {
            result = int(length);
            // Output reports outside a payload carry nothing the firmware wants.
            if (m_payload.expected > 0) {
                const int n = std::min(int(length) - 1, m_reportLength);
                m_payload.data.append(reinterpret_cast<const char *>(data + 1), n);
                if (m_payload.data.size() >= m_payload.expected)
                    completePayloadLocked();
            }
        }
        recordLocked({Report::Write, true, bytes, result});
        if (result >= 0)
            countReportLocked(notify);
    }
    if (notify)
        notify();
    return result;
}

int VirtualMouse::read(HidHandle *device, unsigned char *data, size_t length)
{
    {
        QMutexLocker l(&m_lock);
        Handle *h = reinterpret_cast<Handle *>(device);
        if (h && m_handles.count(h) && h->iface == NotifyInterface) {
            l.unlock();
            return readTimeout(device, data, length, -1);
        }
    }
    std::function<void()> notify;
    int result = -1;
    QByteArray delivered;
    {
        QMutexLocker l(&m_lock);
        Handle *h = reinterpret_cast<Handle *>(device);
        // A blocking read with nothing queued would hang the real device's caller for good; the
        // virtual mouse answers it with an error instead.
        if (liveLocked(h) && !failLocked(Call::Read) && h->iface == CommandInterface
            && (!m_input.empty() || m_replyHook)) {
            QByteArray report;
            if (!m_input.empty()) {
                report = m_input.front();
                m_input.pop_front();
            }
            if (!m_replyHook || m_replyHook(Call::Read, report)) {
                int n = std::min(int(length), int(report.size()));
                if (m_shortenInput >= 0) {
                    n = std::min(n, m_shortenInput);
                    m_shortenInput = -1;
                }
                std::memcpy(data, report.constData(), size_t(n));
                delivered = report.left(n);
                result = n;
            }
        }
        recordLocked({Report::Read, true, delivered, result});
        if (result >= 0)
            countReportLocked(notify);
    }
    if (notify)
        notify();
    return result;
}

int VirtualMouse::readTimeout(HidHandle *device, unsigned char *data, size_t length, int milliseconds)
{
    QMutexLocker l(&m_lock);
    Handle *h = reinterpret_cast<Handle *>(device);
    if (h && m_handles.count(h) && h->iface == CommandInterface) {
        l.unlock();
        return read(device, data, length);
    }
    int result = -1;
    QByteArray delivered;
    if (liveLocked(h) && !failLocked(Call::ReadTimeout) && h->iface == NotifyInterface && m_replyHook) {
        QByteArray report;
        if (!m_notifications.empty()) {
            report = m_notifications.front();
            m_notifications.pop_front();
        }
        if (m_replyHook(Call::ReadTimeout, report)) {
            const int n = std::min(int(length), int(report.size()));
            std::memcpy(data, report.constData(), size_t(n));
            delivered = report.left(n);
            result = n;
        }
    } else if (liveLocked(h) && !failLocked(Call::ReadTimeout) && h->iface == NotifyInterface) {
        QDeadlineTimer deadline = milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                   : QDeadlineTimer(milliseconds);
        const int wakeups = m_wakeups;
        // A read with a time-out learns of a removal only when the time is up; one without
        // would otherwise never return.
        while (m_notifications.empty() && wakeups == m_wakeups && (milliseconds >= 0 || liveLocked(h))) {
            if (!m_notified.wait(&m_lock, deadline))
                break;
        }
        if (!liveLocked(h)) {
            result = -1;
        } else if (!m_notifications.empty()) {
            const QByteArray report = m_notifications.front();
            m_notifications.pop_front();
            const int n = std::min(int(length), int(report.size()));
            std::memcpy(data, report.constData(), size_t(n));
            delivered = report.left(n);
            result = n;
        } else {
            result = 0;
        }
    }
    // Quiet polls are the normal state of the notification interface; only exchanges are kept.
    if (result != 0)
        recordLocked({Report::ReadTimeout, false, delivered, result});
    return result;
}

void VirtualMouse::close(HidHandle *device)
{
    QMutexLocker l(&m_lock);
    Handle *h = reinterpret_cast<Handle *>(device);
    if (m_handles.erase(h))
        delete h;
}

// ---------------------------------------------------------------------------------------------
// Firmware

void VirtualMouse::recordLocked(const Report &report)
{
    m_reports.append(report);
    if (m_reports.size() > MaxLogged)
        m_reports.removeFirst();
}

bool VirtualMouse::liveLocked(Handle *h) const
{
    return h && m_plugged && m_handles.count(h) && h->generation == m_generation;
}

bool VirtualMouse::failLocked(Call call)
{
    auto it = m_faults.find(call);
    if (it == m_faults.end() || it->isEmpty())
        return false;
    bool fail = false;
    for (int &skip : *it) {
        if (skip == 0)
            fail = true;
        --skip;
    }
    it->removeAll(-1);
    return fail;
}

void VirtualMouse::countReportLocked(std::function<void()> &notify)
{
    if (m_vanishAfter < 0)
        return;
    if (--m_vanishAfter <= 0) {
        m_vanishAfter = -1;
        unplugLocked();
        notify = m_deviceChange;
    }
}

void VirtualMouse::unplugLocked()
{
    m_plugged = false;
    ++m_generation;
    m_input.clear();
    m_notifications.clear();
    m_payload = Payload();
    m_hasReply = false;
    m_notified.wakeAll();
}

QByteArray &VirtualMouse::activeBlockLocked()
{
    auto it = m_profiles.find(m_currentProfile);
    if (it == m_profiles.end())
        it = m_profiles.insert(m_currentProfile, VirtualMouseFactory::profileBlock(m_model));
    return *it;
}

QByteArray VirtualMouse::blockLocked(int index) const
{
    return m_profiles.value(index, VirtualMouseFactory::profileBlock(m_model));
}

void VirtualMouse::replyLocked(const unsigned char *reply)
{
    std::memcpy(m_reply, reply, 8);
    m_reply[7] = hidChecksum(m_reply);
    if (m_corruptReply) {
        m_reply[7] ^= 0x5A;
        m_corruptReply = false;
    }
    if (m_scrambling)
        scrambleBlock(m_reply, m_code);
    m_hasReply = true;
}

void VirtualMouse::acceptBlockLocked(const unsigned char *raw)
{
    unsigned char b[8];
    std::memcpy(b, raw, 8);
    if (m_scrambling)
        unscrambleBlock(b, m_code);
    if (!hidChecksumMatches(b)) {
        ++m_rejected;
        m_hasReply = false;
        return;
    }
    if (m_payload.expected > 0)
        ++m_abandoned;
    m_payload = Payload();
    m_input.clear();
    m_blocks.append(QByteArray(reinterpret_cast<const char *>(b), 8));
    if (m_blocks.size() > MaxLogged)
        m_blocks.removeFirst();

    unsigned char r[8] = {b[0]};
    QByteArray &active = activeBlockLocked();
    auto queueInput = [this](const QByteArray &data) {
        for (int off = 0; off < data.size(); off += m_reportLength) {
            QByteArray report = data.mid(off, m_reportLength);
            report.append(QByteArray(m_reportLength - report.size(), '\0'));
            m_input.push_back(report);
        }
    };

    switch (b[0]) {
    case 0x01: m_keyboardOption = b[1]; break;
    case 0x02: m_currentProfile = b[1]; break;
    case 0x03: m_reportRate = b[1]; break;
    case 0x04: m_gunData = QByteArray(reinterpret_cast<const char *>(b + 1), 5); break;
    case 0x0A: m_screenMode = b[1]; break;
    case 0x0B: m_liftOff = b[1]; break;
    case 0x0D:
        for (int i = 0; i < 3; ++i)
            active[ProfileBlock::Lighting + i] = char(b[1 + i]);
        break;
    case 0x0E:
        active[ProfileBlock::XSensitivity] = char(b[1]);
        active[ProfileBlock::YSensitivity] = char(b[2]);
        break;
    case 0x81: r[1] = static_cast<unsigned char>(m_keyboardOption); break;
    case 0x83: r[1] = static_cast<unsigned char>(m_reportRate); break;
    case 0x84: {
        const int s = m_currentStage - 1;
        r[2] = static_cast<unsigned char>(m_currentStage);
        r[3] = static_cast<unsigned char>(active[ProfileBlock::DpiTableFirst + 2 * s]);
        r[4] = static_cast<unsigned char>(active[ProfileBlock::DpiTableFirst + 2 * s + 1]);
        break;
    }
    case 0x86:
        r[1] = b[1];
        queueInput(blockLocked(b[1]));
        break;
    case 0x8B: r[1] = static_cast<unsigned char>(m_currentStage); break;
    case 0x8D:
        for (int i = 0; i < 3; ++i)
            r[1 + i] = static_cast<unsigned char>(active[ProfileBlock::Lighting + i]);
        break;
    case 0x90:
        r[1] = b[1];
        queueInput(b[1] == 2 ? m_stageColours2 : active.mid(ProfileBlock::StageColours, 24));
        break;
    default: {
        const int at = lengthPosition(b[0]);
        if (at > 0 && b[at] > 0 && b[at] <= 128) {
            m_payload.code = b[0];
            std::memcpy(m_payload.block, b, 8);
            m_payload.expected = b[at];
        }
        break;
    }
    }
    replyLocked(r);
}

void VirtualMouse::completePayloadLocked()
{
    const Payload p = m_payload;
    m_payload = Payload();
    const QByteArray data = p.data.left(p.expected);
    const unsigned char *b = p.block;
    switch (p.code) {
    case 0x06:
        m_profiles[b[1]] = data + QByteArray(128 - data.size(), '\0');
        break;
    case 0x07: m_keyMatrix[b[2]] = data; break;
    case 0x08: m_macros[b[1]] = data; break;
    case 0x09:
        m_screen[qMakePair(int(b[1]), int(b[3]))] = data;
        m_screenOrder.append(qMakePair(int(b[1]), int(b[3])));
        break;
    case 0x10:
        if (b[1] == 2) {
            m_stageColours2 = data;
        } else {
            QByteArray &active = activeBlockLocked();
            for (int i = 0; i < std::min(24, int(data.size())); ++i)
                active[ProfileBlock::StageColours + i] = data[i];
        }
        break;
    case 0x11: m_dpiSets[b[1]] = data; break;
    default: break;
    }
}

void VirtualMouse::raiseDeviceChange()
{
    std::function<void()> cb;
    {
        QMutexLocker l(&m_lock);
        cb = m_deviceChange;
    }
    if (cb)
        cb();
}

// ---------------------------------------------------------------------------------------------
// Events, options and faults

void VirtualMouse::setInspectHook(std::function<void()> hook)
{
    m_inspect = std::move(hook);
}

void VirtualMouse::inspect() const
{
    if (m_inspect)
        m_inspect();
}

void VirtualMouse::pressDpiButton()
{
    inspect();
    QMutexLocker l(&m_lock);
    if (!m_plugged)
        return;
    const unsigned char mask = static_cast<unsigned char>(activeBlockLocked()[ProfileBlock::DpiEnabledMask]);
    for (int step = 1; step <= 8; ++step) {
        const int s = (m_currentStage - 1 + step) % 8 + 1;
        if (mask & (1 << (s - 1))) {
            m_currentStage = s;
            break;
        }
    }
    if (m_notifications.size() < MaxQueued)
        m_notifications.push_back(QByteArray("\x06\x07\x00", 3) + char(m_currentStage));
    m_notified.wakeAll();
}

void VirtualMouse::sendNotification(const QByteArray &report)
{
    inspect();
    QMutexLocker l(&m_lock);
    if (!m_plugged || m_notifications.size() >= MaxQueued)
        return;
    m_notifications.push_back(report);
    m_notified.wakeAll();
}

void VirtualMouse::unplug()
{
    inspect();
    {
        QMutexLocker l(&m_lock);
        if (!m_plugged)
            return;
        unplugLocked();
    }
    raiseDeviceChange();
}

void VirtualMouse::plug()
{
    inspect();
    {
        QMutexLocker l(&m_lock);
        if (m_plugged)
            return;
        m_plugged = true;
    }
    raiseDeviceChange();
}

void VirtualMouse::togglePlugged()
{
    inspect();
    if (isPlugged())
        unplug();
    else
        plug();
}

bool VirtualMouse::isPlugged() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_plugged;
}

void VirtualMouse::setDeviceChangeCallback(std::function<void()> callback)
{
    QMutexLocker l(&m_lock);
    m_deviceChange = std::move(callback);
}

void VirtualMouse::setScrambling(bool on, const QByteArray &secrecyCode)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_scrambling = on;
    std::memset(m_code, 0, sizeof m_code);
    for (int i = 0; i < 6 && i < secrecyCode.size(); ++i)
        m_code[i + 1] = static_cast<unsigned char>(secrecyCode[i]);
}

void VirtualMouse::setReportLength(int length)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_reportLength = std::max(1, length);
}

int VirtualMouse::reportLength() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_reportLength;
}

void VirtualMouse::failCall(Call call, int skip)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_faults[call].append(std::max(0, skip));
}

void VirtualMouse::vanishAfterReports(int count)
{
    inspect();
    bool now = false;
    {
        QMutexLocker l(&m_lock);
        if (count <= 0) {
            if (m_plugged) {
                unplugLocked();
                now = true;
            }
        } else {
            m_vanishAfter = count;
        }
    }
    if (now)
        raiseDeviceChange();
}

void VirtualMouse::corruptNextReply()
{
    inspect();
    QMutexLocker l(&m_lock);
    m_corruptReply = true;
}

void VirtualMouse::shortenNextInputReport(int bytes)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_shortenInput = std::max(0, bytes);
}

void VirtualMouse::setReplyHook(ReplyHook hook)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_replyHook = std::move(hook);
    m_notified.wakeAll();
}

void VirtualMouse::wakeReaders()
{
    QMutexLocker l(&m_lock);
    ++m_wakeups;
    m_notified.wakeAll();
}

// ---------------------------------------------------------------------------------------------
// Inspection

QList<VirtualMouse::Report> VirtualMouse::reports() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_reports;
}

QList<QByteArray> VirtualMouse::commandBlocks() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_blocks;
}

QByteArray VirtualMouse::lastCommandBlock(unsigned char code) const
{
    inspect();
    QMutexLocker l(&m_lock);
    for (auto it = m_blocks.crbegin(); it != m_blocks.crend(); ++it) {
        if (static_cast<unsigned char>(it->at(0)) == code)
            return *it;
    }
    return QByteArray();
}

int VirtualMouse::rejectedBlocks() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_rejected;
}

int VirtualMouse::abandonedPayloads() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_abandoned;
}

void VirtualMouse::clearLog()
{
    inspect();
    QMutexLocker l(&m_lock);
    m_reports.clear();
    m_blocks.clear();
    m_rejected = 0;
    m_abandoned = 0;
}

int VirtualMouse::openHandleCount() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return int(m_handles.size());
}

int VirtualMouse::openCommandHandles() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return int(std::count_if(m_handles.begin(), m_handles.end(),
                             [](const Handle *h) { return h->iface == CommandInterface; }));
}

QByteArray VirtualMouse::profileBlock(int index) const
{
    inspect();
    QMutexLocker l(&m_lock);
    return blockLocked(index);
}

void VirtualMouse::setProfileBlock(int index, const QByteArray &block)
{
    inspect();
    QMutexLocker l(&m_lock);
    m_profiles[index] = block.left(128) + QByteArray(std::max(0, 128 - int(block.size())), '\0');
}

QByteArray VirtualMouse::keyMatrix(int index) const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_keyMatrix.value(index);
}

QByteArray VirtualMouse::macro(int slot) const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_macros.value(slot);
}

QByteArray VirtualMouse::screenChunk(int index, int pictureNo) const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_screen.value(qMakePair(index, pictureNo));
}

QList<QPair<int, int>> VirtualMouse::screenChunks() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_screenOrder;
}

int VirtualMouse::screenMode() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_screenMode;
}

int VirtualMouse::reportRate() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_reportRate;
}

int VirtualMouse::liftOff() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_liftOff;
}

int VirtualMouse::keyboardOption() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_keyboardOption;
}

int VirtualMouse::currentProfile() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_currentProfile;
}

QByteArray VirtualMouse::gunData() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_gunData;
}

QByteArray VirtualMouse::dpiSet(int stage) const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_dpiSets.value(stage);
}

QByteArray VirtualMouse::stageColours(int type) const
{
    inspect();
    QMutexLocker l(&m_lock);
    if (type == 2)
        return m_stageColours2;
    return blockLocked(m_currentProfile).mid(ProfileBlock::StageColours, 24);
}

QByteArray VirtualMouse::lighting() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return blockLocked(m_currentProfile).mid(ProfileBlock::Lighting, 6);
}

int VirtualMouse::currentStage() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return m_currentStage;
}

void VirtualMouse::setCurrentStage(int stage)
{
    inspect();
    QMutexLocker l(&m_lock);
    if (stage >= 1 && stage <= 8)
        m_currentStage = stage;
}

int VirtualMouse::stageDpi(int stage) const
{
    inspect();
    QMutexLocker l(&m_lock);
    if (stage < 1 || stage > 8)
        return 0;
    const QByteArray b = blockLocked(m_currentProfile);
    const int at = ProfileBlock::DpiTableFirst + 2 * (stage - 1);
    return VirtualMouseFactory::unpackStage(m_model, static_cast<unsigned char>(b[at]),
                                            static_cast<unsigned char>(b[at + 1]));
}

unsigned char VirtualMouse::enabledStages() const
{
    inspect();
    QMutexLocker l(&m_lock);
    return static_cast<unsigned char>(blockLocked(m_currentProfile)[ProfileBlock::DpiEnabledMask]);
}
