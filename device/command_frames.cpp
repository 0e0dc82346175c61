#include "device/command_frames.h"

#include "device/hid_checksum.h"
#include "device/profile_block_layout.h"

#include <initializer_list>

namespace CommandFrames {

namespace {

enum Transaction { Send, SendSettled, Read };

// Parameters fill block bytes 1.. in order; the checksum closes the block.
CommandFrame frame(unsigned char code, std::initializer_list<unsigned char> params, Transaction t,
                   int payloadLength, const char *lockFailure, int pauseAfterMs = 0)
{
    CommandFrame f;
    f.block[0] = code;
    int i = 1;
    for (unsigned char p : params)
        f.block[i++] = p;
    f.block[7] = hidChecksum(f.block);
    f.read = t == Read;
    f.settle = t == SendSettled;
    f.payloadLength = payloadLength;
    f.pauseAfterMs = pauseAfterMs;
    f.lockFailure = lockFailure;
    return f;
}

} // namespace

int stageColorLength(unsigned char type)
{
    return type == 2 ? 4 : 24;
}

CommandFrame setKeyboardOption(unsigned char byte1)
{
    return frame(0x01, {byte1}, Send, 0, "cmd Failed 01", 8);
}

CommandFrame setCurrentProfile(unsigned char profile)
{
    return frame(0x02, {profile}, Send, 0, "cmd Failed 02", 8);
}

CommandFrame setReportRate(unsigned char rate)
{
    return frame(0x03, {rate}, SendSettled, 0, "cmd Failed 03");
}

CommandFrame setGunData(unsigned char par0, unsigned char par1, unsigned char par2, unsigned char par3,
                        unsigned char par4)
{
    return frame(0x04, {par0, par1, par2, par3, par4}, SendSettled, 0, "cmd Failed 04");
}

CommandFrame setProfileData(unsigned char index)
{
    return frame(0x06, {index, 0x80}, SendSettled, ProfileBlock::Size, "cmd Failed 06");
}

// The key matrix has a leading zero parameter, which moves index and length one byte later.
CommandFrame setKeyMatrix(unsigned char index)
{
    return frame(0x07, {0, index, 0x80}, SendSettled, 128, "cmd Failed 07");
}

CommandFrame setMacroKey(unsigned char macroId)
{
    return frame(0x08, {macroId, 0x80}, SendSettled, 128, "cmd Failed 08");
}

// The screen needs a moment after a picture chunk before it takes the next command.
CommandFrame setLedData(unsigned char index, unsigned char pictureNo)
{
    return frame(0x09, {index, 0x80, pictureNo}, SendSettled, 128, "cmd Failed 09", 20);
}

CommandFrame setLedShow(unsigned char index)
{
    return frame(0x0A, {index}, SendSettled, 0, "cmd Failed 0A");
}

CommandFrame setJmgd(unsigned char tmpJMGD)
{
    return frame(0x0B, {tmpJMGD}, SendSettled, 0, "cmd Failed 0B");
}

CommandFrame setRgbLedEffect(unsigned char effect, unsigned char option1, unsigned char option2)
{
    return frame(0x0D, {effect, option1, option2}, SendSettled, 0, "cmd Failed 0D");
}

CommandFrame setXySensitive(unsigned char par0, unsigned char par1)
{
    return frame(0x0E, {par0, par1}, SendSettled, 0, "cmd Failed 0E");
}

CommandFrame setLed8StageColor(unsigned char type)
{
    const int n = stageColorLength(type);
    return frame(0x10, {type, static_cast<unsigned char>(n)}, SendSettled, n, "cmd Failed 10");
}

CommandFrame setDpiSet(unsigned char dpiStage)
{
    return frame(0x11, {dpiStage, 8}, SendSettled, 8, "cmd Failed 11");
}

CommandFrame getKeyboardOption()
{
    return frame(0x81, {}, Read, 0, "cmd Failed");
}

CommandFrame getReportRate()
{
    return frame(0x83, {}, Read, 0, "cmd Failed 83H");
}

CommandFrame getCurrentDpi()
{
    return frame(0x84, {}, Read, 0, "cmd Failed 84H");
}

// No length byte: the mouse knows that a profile block is 128 bytes.
CommandFrame readProfileData(unsigned char index)
{
    return frame(0x86, {index}, Read, ProfileBlock::Size, "cmd Failed 86h");
}

CommandFrame getCurrentDpiStage()
{
    return frame(0x8B, {}, Read, 0, "cmd Failed");
}

CommandFrame getRgbLedEffect()
{
    return frame(0x8D, {}, Read, 0, "cmd Failed");
}

CommandFrame getLed8StageColor(unsigned char type)
{
    return frame(0x90, {type}, Read, stageColorLength(type), "cmd Failed");
}

} // namespace CommandFrames

int CommandFrames::foldKey(const CommandFrame &frame)
{
    const unsigned char *b = frame.block;
    switch (b[0]) {
    case 0x03: // report rate
    case 0x04: // recoil data
    case 0x0A: // what the screen shows
    case 0x0B: // lift-off height
        return b[0] << 16;
    case 0x06: // the profile block of slot b[1]
    case 0x08: // macro slot b[1]
        return b[0] << 16 | b[1] << 8;
    case 0x07: // the key matrix of slot b[2]
        return b[0] << 16 | b[2] << 8;
    case 0x09: // screen chunk b[1] of picture b[3]
        return b[0] << 16 | b[1] << 8 | b[3];
    default:
        return 0;
    }
}
