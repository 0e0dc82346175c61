// The command set: one slot per command code, framed by command_frames.cpp.
#include "device/hid_thread.h"

#include "device/command_frames.h"
#include "device/link_pause.h"

#include "device/log_category.h"

#include <cstring>
#include <memory>

void Hid_Thread::loadFrame(const CommandFrame &frame)
{
    m_featureOut[0] = 0;
    std::memcpy(m_featureOut + 1, frame.block, 8);
    if (frame.read)
        std::memset(m_featureIn, 0, sizeof m_featureIn);
}

void Hid_Thread::queueWrite(const CommandFrame &frame, const uchar *payload)
{
    // The caller's buffer may be gone or changed by the time the command runs.
    std::vector<uchar> bytes(size_t(frame.payloadLength), uchar(0));
    if (payload && !bytes.empty())
        std::memcpy(bytes.data(), payload, bytes.size());
    m_queue.push({CommandFrames::foldKey(frame), [this, frame, bytes = std::move(bytes)] {
                      loadFrame(frame);
                      bool ok = runWrite(frame, bytes);
                      // One more try while the mouse is still there: a transfer the system
                      // refused once often goes through the second time.
                      if (!ok && !recordAt(m_curDevice).commandPath.isEmpty()) {
                          loadFrame(frame);
                          ok = runWrite(frame, bytes);
                      }
                      if (!ok) {
                          qCDebug(lcDevice, "%s", frame.lockFailure);
                          recordFailure(frame.block[0], m_failStep);
                      }
                  }});
}

bool Hid_Thread::queueRead(const CommandFrame &frame, const std::function<void()> &exchange)
{
    auto job = [this, frame, &exchange] {
        loadFrame(frame);
        exchange();
    };
    if (runOnLink(job, ReadWaitMs))
        return true;
    qCDebug(lcDevice, "%s", frame.lockFailure);
    recordFailure(frame.block[0], "link busy");
    return false;
}

bool Hid_Thread::runOnLink(const std::function<void()> &job, int timeoutMs)
{
    if (QThread::currentThread() == this) {
        job();
        return true;
    }
    // The job refers to the caller's stack: once the wait is given up it must not run.
    auto state = std::make_shared<std::atomic<int>>(0);   // 0 waiting, 1 running or ran, 2 given up
    const LinkQueue::Ticket ticket = m_queue.push({0, [state, job] {
                                                      int waiting = 0;
                                                      if (state->compare_exchange_strong(waiting, 1))
                                                          job();
                                                  }});
    if (m_queue.waitFor(ticket, timeoutMs))
        return true;
    int waiting = 0;
    if (state->compare_exchange_strong(waiting, 2))
        return false;
    // It started just now: let it finish, it cannot take long.
    m_queue.waitFor(ticket, 60000);
    return true;
}

bool Hid_Thread::runWrite(const CommandFrame &frame, const std::vector<uchar> &payload)
{
    if (frame.payloadLength > 0)
        std::memcpy(m_payload, payload.data(), size_t(frame.payloadLength));
    const bool ok = sendCommand(frame.payloadLength, frame.settle);
    if (frame.pauseAfterMs > 0)
        linkPause(frame.pauseAfterMs);
    return ok;
}

bool Hid_Thread::runRead(const CommandFrame &frame)
{
    const bool ok = readCommand(frame.payloadLength);
    if (!ok)
        recordFailure(frame.block[0], m_failStep);
    return ok;
}

void Hid_Thread::recordFailure(uchar code, const char *step)
{
    const QString text = QStringLiteral("command %1: %2 failed").arg(code, 2, 16, QLatin1Char('0')).arg(QLatin1String(step));
    {
        QMutexLocker l(&m_failuresLock);
        if (m_failures.size() < 256)
            m_failures.append(text);
    }
    ++m_failureCount;
    if (QThread::currentThread() == this) {
        if (m_burstFailures++ == 0)
            m_burstFirst = text;
    }
}

QString Hid_Thread::failureAt(int n) const
{
    QMutexLocker l(&m_failuresLock);
    return n >= 0 && n < m_failures.size() ? m_failures[n] : QString();
}

void Hid_Thread::hid_01H_SetKeyboardoption(uchar byte1)
{
    const CommandFrame f = CommandFrames::setKeyboardOption(byte1);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    const CommandFrame f = CommandFrames::setCurrentProfile(profile);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_03H_SetReportRate(uchar rate)
{
    const CommandFrame f = CommandFrames::setReportRate(rate);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    const CommandFrame f = CommandFrames::setGunData(par0, par1, par2, par3, par4);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_06H_SetProfileData(uchar *src128, uchar index)
{
    const CommandFrame f = CommandFrames::setProfileData(index);
    queueWrite(f, src128);
}

void Hid_Thread::hid_07H_SetKeyMatrix(uchar *src64, uchar index)
{
    const CommandFrame f = CommandFrames::setKeyMatrix(index);
    queueWrite(f, src64);
}

void Hid_Thread::hid_08H_SetMacroKey(uchar macroId, uchar *src128)
{
    const CommandFrame f = CommandFrames::setMacroKey(macroId);
    queueWrite(f, src128);
}

void Hid_Thread::hid_09H_SetLEDData(uchar *src128, uchar index, uchar pictureNo)
{
    const CommandFrame f = CommandFrames::setLedData(index, pictureNo);
    queueWrite(f, src128);
}

void Hid_Thread::hid_0AH_SetLEDShow(uchar index)
{
    const CommandFrame f = CommandFrames::setLedShow(index);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_0BH_SetJMGD(uchar tmpJMGD)
{
    const CommandFrame f = CommandFrames::setJmgd(tmpJMGD);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    const CommandFrame f = CommandFrames::setRgbLedEffect(effect, option1, option2);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_0EH_SetXYSensitive(uchar par0, uchar par1)
{
    const CommandFrame f = CommandFrames::setXySensitive(par0, par1);
    queueWrite(f, nullptr);
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    const CommandFrame f = CommandFrames::setLed8StageColor(type);
    queueWrite(f, src24);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    const CommandFrame f = CommandFrames::setDpiSet(dpiStage);
    queueWrite(f, src8);
}

// Each read hands its exchange to the link's thread; the exchange copies the reply into the
// caller's variables, which outlive it (queueRead returns only once it ran or never will).
void Hid_Thread::hid_81H_GetKeyboardoption(uchar &byte1)
{
    const CommandFrame f = CommandFrames::getKeyboardOption();
    uchar value = byte1;
    queueRead(f, [&] {
        // Preset, so that a failed exchange hands the caller's value back.
        reply(1) = value;
        runRead(f);
        value = reply(1);
    });
    byte1 = value;
}

QVariant Hid_Thread::hid_83H_GetReportRate()
{
    const CommandFrame f = CommandFrames::getReportRate();
    int rate = 1;
    queueRead(f, [&] {
        runRead(f);
        rate = reply(1);
    });
    return rate;
}

QVariantList Hid_Thread::hid_84H_GetCurrentDPI()
{
    const CommandFrame f = CommandFrames::getCurrentDpi();
    QVariantList values;
    queueRead(f, [&] {
        runRead(f);
        values = {int(reply(2)), int(reply(3)), int(reply(4))};
    });
    return values;
}

void Hid_Thread::hid_86H_ReadProfileData(uchar *src128, uchar index)
{
    const CommandFrame f = CommandFrames::readProfileData(index);
    queueRead(f, [&] {
        // A failed read leaves the caller's buffer alone rather than handing it whatever an
        // earlier command left in the payload buffer.
        if (runRead(f) && src128)
            std::memcpy(src128, m_payload, size_t(f.payloadLength));
    });
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    const CommandFrame f = CommandFrames::getCurrentDpiStage();
    queueRead(f, [&] {
        runRead(f);
        dpiStage = reply(1);
    });
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    const CommandFrame f = CommandFrames::getRgbLedEffect();
    queueRead(f, [&] {
        runRead(f);
        effect = reply(1);
        option1 = reply(2);
        option2 = reply(3);
    });
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    const CommandFrame f = CommandFrames::getLed8StageColor(type);
    queueRead(f, [&] {
        if (src24)
            std::memcpy(m_payload, src24, size_t(f.payloadLength));
        runRead(f);
        if (src24)
            std::memcpy(src24, m_payload, size_t(f.payloadLength));
    });
}
