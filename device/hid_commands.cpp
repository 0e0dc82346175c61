// The command set: one slot per command code, framed by command_frames.cpp.
#include "device/hid_thread.h"

#include "device/command_frames.h"
#include "device/link_pause.h"
#include "device/log_category.h"

#include <cstring>

bool Hid_Thread::beginCommand(const CommandFrame &frame)
{
    if (!acquireLink()) {
        qCDebug(lcDevice, "%s", frame.lockFailure);
        recordFailure(frame.block[0], "link busy");
        return false;
    }
    m_featureOut[0] = 0;
    std::memcpy(m_featureOut + 1, frame.block, 8);
    if (frame.read)
        std::memset(m_featureIn, 0, sizeof m_featureIn);
    return true;
}

bool Hid_Thread::runWrite(const CommandFrame &frame, const uchar *payload)
{
    if (frame.payloadLength > 0) {
        if (payload)
            std::memcpy(m_payload, payload, size_t(frame.payloadLength));
        else
            std::memset(m_payload, 0, size_t(frame.payloadLength));
    }
    const bool ok = sendCommand(frame.payloadLength, frame.settle);
    if (!ok)
        recordFailure(frame.block[0], m_failStep);
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
    if (m_failures.size() < 256)
        m_failures.append(text);
    ++m_failureCount;
}

void Hid_Thread::hid_01H_SetKeyboardoption(uchar byte1)
{
    const CommandFrame f = CommandFrames::setKeyboardOption(byte1);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    const CommandFrame f = CommandFrames::setCurrentProfile(profile);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_03H_SetReportRate(uchar rate)
{
    const CommandFrame f = CommandFrames::setReportRate(rate);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_04H_SetGunData(uchar par0, uchar par1, uchar par2, uchar par3, uchar par4)
{
    const CommandFrame f = CommandFrames::setGunData(par0, par1, par2, par3, par4);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_06H_SetProfileData(uchar *src128, uchar index)
{
    const CommandFrame f = CommandFrames::setProfileData(index);
    if (beginCommand(f))
        runWrite(f, src128);
}

void Hid_Thread::hid_07H_SetKeyMatrix(uchar *src64, uchar index)
{
    const CommandFrame f = CommandFrames::setKeyMatrix(index);
    if (beginCommand(f))
        runWrite(f, src64);
}

void Hid_Thread::hid_08H_SetMacroKey(uchar macroId, uchar *src128)
{
    const CommandFrame f = CommandFrames::setMacroKey(macroId);
    if (beginCommand(f))
        runWrite(f, src128);
}

void Hid_Thread::hid_09H_SetLEDData(uchar *src128, uchar index, uchar pictureNo)
{
    const CommandFrame f = CommandFrames::setLedData(index, pictureNo);
    if (beginCommand(f))
        runWrite(f, src128);
}

void Hid_Thread::hid_0AH_SetLEDShow(uchar index)
{
    const CommandFrame f = CommandFrames::setLedShow(index);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_0BH_SetJMGD(uchar tmpJMGD)
{
    const CommandFrame f = CommandFrames::setJmgd(tmpJMGD);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    const CommandFrame f = CommandFrames::setRgbLedEffect(effect, option1, option2);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_0EH_SetXYSensitive(uchar par0, uchar par1)
{
    const CommandFrame f = CommandFrames::setXySensitive(par0, par1);
    if (beginCommand(f))
        runWrite(f, nullptr);
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    const CommandFrame f = CommandFrames::setLed8StageColor(type);
    if (beginCommand(f))
        runWrite(f, src24);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    const CommandFrame f = CommandFrames::setDpiSet(dpiStage);
    if (beginCommand(f))
        runWrite(f, src8);
}

void Hid_Thread::hid_81H_GetKeyboardoption(uchar &byte1)
{
    const CommandFrame f = CommandFrames::getKeyboardOption();
    if (!beginCommand(f))
        return;
    // Preset, so that a failed exchange hands the caller's value back.
    reply(1) = byte1;
    runRead(f);
    byte1 = reply(1);
}

QVariant Hid_Thread::hid_83H_GetReportRate()
{
    const CommandFrame f = CommandFrames::getReportRate();
    if (!beginCommand(f))
        return 1;
    runRead(f);
    return int(reply(1));
}

QVariantList Hid_Thread::hid_84H_GetCurrentDPI()
{
    const CommandFrame f = CommandFrames::getCurrentDpi();
    if (!beginCommand(f))
        return {};
    runRead(f);
    return {int(reply(2)), int(reply(3)), int(reply(4))};
}

void Hid_Thread::hid_86H_ReadProfileData(uchar *src128, uchar index)
{
    const CommandFrame f = CommandFrames::readProfileData(index);
    if (!beginCommand(f))
        return;
    // A failed read leaves the caller's buffer alone rather than handing it whatever an
    // earlier command left in the payload buffer.
    if (runRead(f) && src128)
        std::memcpy(src128, m_payload, size_t(f.payloadLength));
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    const CommandFrame f = CommandFrames::getCurrentDpiStage();
    if (!beginCommand(f))
        return;
    runRead(f);
    dpiStage = reply(1);
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    const CommandFrame f = CommandFrames::getRgbLedEffect();
    if (!beginCommand(f))
        return;
    runRead(f);
    effect = reply(1);
    option1 = reply(2);
    option2 = reply(3);
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    const CommandFrame f = CommandFrames::getLed8StageColor(type);
    if (!beginCommand(f))
        return;
    if (src24)
        std::memcpy(m_payload, src24, size_t(f.payloadLength));
    runRead(f);
    if (src24)
        std::memcpy(src24, m_payload, size_t(f.payloadLength));
}
