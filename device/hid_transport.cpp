// Report transport: the link's queue and thread, the two transactions and their fixed delays.
#include "device/hid_thread.h"

#include "device/block_scrambling.h"
#include "device/hid_backend.h"
#include "device/hid_checksum.h"
#include "device/link_host.h"
#include "device/link_pause.h"
#include "device/link_state.h"

#include <QDateTime>
#include <QPointer>
#include "device/log_category.h"

#include <algorithm>
#include <cstring>
#include <vector>

void Hid_Thread::run()
{
    LinkQueue::Job job;
    while (m_queue.take(&job)) {
        noteBusy(true);
        job.run();
        job = {};
        // Told before the queue counts as idle, so that whoever waits for it hears of it too.
        if (m_queue.pending() == 0)
            noteBusy(false);
        m_queue.finish();
    }
}

void Hid_Thread::noteBusy(bool starting)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (starting) {
        if (m_busySince == 0)
            m_busySince = now;
        else if (!m_busyShown && now - m_busySince >= BusyAfterMs) {
            m_busyShown = true;
            if (LinkHost *h = m_host.load())
                h->linkBusy(true);
        }
        return;
    }
    // Idle again: one word about what failed in this busy period, and the overlay goes.
    LinkHost *h = m_host.load();
    if (m_burstFailures > 0 && h)
        h->commandsFailed(m_burstFailures, m_burstFirst);
    m_burstFailures = 0;
    m_burstFirst.clear();
    if (m_busyShown && h)
        h->linkBusy(false);
    m_busyShown = false;
    m_busySince = 0;
}

bool Hid_Thread::waitForIdle(int timeoutMs)
{
    if (QThread::currentThread() == this)
        return true;
    return m_queue.waitForIdle(timeoutMs);
}

void Hid_Thread::whenIdle(QObject *context, std::function<void()> done)
{
    QPointer<QObject> target(context);
    m_queue.push({0, [target, done = std::move(done)] {
                      if (target)
                          QMetaObject::invokeMethod(target, done, Qt::QueuedConnection);
                  }});
}

void Hid_Thread::settlePause()
{
    settleFlag = false;
    for (int i = 0; i < 256; ++i) {
        linkPause(64);
        if (settleFlag)
            break;
        settleFlag = true;
    }
}

bool Hid_Thread::sendCommandBlock(int pauseMs)
{
    // Opening first tells a vanished mouse from a failed transfer before anything is scrambled.
    m_failStep = "open";
    if (!openCommandPath(m_curDevice))
        return false;
    m_failStep = "send";
    if (LinkState::isEncode)
        scrambleBlock(m_featureOut + 1, LinkState::SecrecyCode);
    HidHandle *h = openCommandPath(m_curDevice);
    const int sent = h ? m_hid->sendFeatureReport(h, m_featureOut, sizeof m_featureOut) : -1;
    linkPause(pauseMs);
    return sent >= int(sizeof m_featureOut);
}

bool Hid_Thread::endTransaction(bool ok)
{
    closeCommandHandle();
    return ok;
}

bool Hid_Thread::sendCommand(int payloadLength, bool settle)
{
    const int reportLength = recordAt(m_curDevice).reportLength;
    auto fail = [this] { return endTransaction(false); };

    if (!sendCommandBlock(10))
        return fail();
    if (settle)
        settlePause();

    payloadLength = std::min(payloadLength, int(sizeof m_payload));
    if (payloadLength > 0) {
        // A table without a report length cannot carry a payload.
        if (reportLength <= 0)
            return fail();
        const int chunk = std::min(payloadLength, reportLength);
        std::vector<uchar> report(size_t(reportLength) + 1);
        for (int offset = 0; offset < payloadLength; offset += chunk) {
            std::fill(report.begin(), report.end(), uchar(0));
            std::memcpy(report.data() + 1, m_payload + offset, size_t(std::min(chunk, payloadLength - offset)));
            HidHandle *h = openCommandPath(m_curDevice);
            const int written = h ? m_hid->write(h, report.data(), report.size()) : -1;
            m_failStep = "write";
            if (written < int(report.size()))
                return fail();
            linkPause(8);
        }
        if (settle)
            settlePause();
    }
    return endTransaction(true);
}

bool Hid_Thread::readCommand(int payloadLength)
{
    const int reportLength = recordAt(m_curDevice).reportLength;
    auto fail = [this] { return endTransaction(false); };

    if (!sendCommandBlock(8))
        return fail();

    // What the caller preset in the incoming report is what it gets back if the reply is unusable.
    uchar preset[sizeof m_featureIn];
    std::memcpy(preset, m_featureIn, sizeof preset);
    HidHandle *h = openCommandPath(m_curDevice);
    m_featureIn[0] = 0;
    const int got = h ? m_hid->getFeatureReport(h, m_featureIn, sizeof m_featureIn) : -1;
    if (got < int(sizeof m_featureIn)) {
        m_failStep = "reply";
        std::memcpy(m_featureIn, preset, sizeof preset);
        return fail();
    }

    payloadLength = std::min(payloadLength, int(sizeof m_payload));
    if (payloadLength <= 0) {
        endTransaction(true);
        if (LinkState::isEncode)
            unscrambleBlock(m_featureIn + 1, LinkState::SecrecyCode);
        if (!hidChecksumMatches(m_featureIn + 1)) {
            qCDebug(lcDevice, "reply checksum wrong");
            m_failStep = "reply checksum";
            std::memcpy(m_featureIn, preset, sizeof preset);
            return false;
        }
        return true;
    }

    if (reportLength <= 0)
        return fail();
    const int chunk = std::min(payloadLength, reportLength);
    std::vector<uchar> report(size_t(reportLength) + 1);
    for (int offset = 0; offset < payloadLength; offset += chunk) {
        std::fill(report.begin(), report.end(), uchar(0));
        h = openCommandPath(m_curDevice);
        const int n = std::min(chunk, payloadLength - offset);
        // hidapi hands the data over without the report id.
        const int got = h ? m_hid->read(h, report.data(), report.size()) : -1;
        m_failStep = "read";
        if (got < n)
            return fail();
        std::memcpy(m_payload + offset, report.data(), size_t(n));
    }
    return endTransaction(true);
}
