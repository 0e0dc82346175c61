#pragma once

// How each command of the mouse travels: the 8-byte block as built (before any scrambling) and
// the transaction that carries it. One function per command code, in code order, so that the
// framing of a command is found by its code here and nowhere else.

struct CommandFrame
{
    unsigned char block[8] = {};   // code, six parameters, checksum
    bool read = false;             // a read transaction (reply block, optional payload in)
    bool settle = false;           // settle pauses around the payload of a write
    int payloadLength = 0;         // bytes written after, or read after, the block
    int pauseAfterMs = 0;          // extra pause once the transaction is over
    const char *lockFailure = "";  // debug text when the command does not reach the mouse
};

namespace CommandFrames {

CommandFrame setKeyboardOption(unsigned char byte1);                                     // 0x01
CommandFrame setCurrentProfile(unsigned char profile);                                   // 0x02
CommandFrame setReportRate(unsigned char rate);                                          // 0x03
CommandFrame setGunData(unsigned char par0, unsigned char par1, unsigned char par2,
                        unsigned char par3, unsigned char par4);                         // 0x04
CommandFrame setProfileData(unsigned char index);                                        // 0x06
CommandFrame setKeyMatrix(unsigned char index);                                          // 0x07
CommandFrame setMacroKey(unsigned char macroId);                                         // 0x08
CommandFrame setLedData(unsigned char index, unsigned char pictureNo);                   // 0x09
CommandFrame setLedShow(unsigned char index);                                            // 0x0A
CommandFrame setJmgd(unsigned char tmpJMGD);                                             // 0x0B
CommandFrame setRgbLedEffect(unsigned char effect, unsigned char option1, unsigned char option2); // 0x0D
CommandFrame setXySensitive(unsigned char par0, unsigned char par1);                     // 0x0E
CommandFrame setLed8StageColor(unsigned char type);                                      // 0x10
CommandFrame setDpiSet(unsigned char dpiStage);                                          // 0x11
CommandFrame getKeyboardOption();                                                        // 0x81
CommandFrame getReportRate();                                                            // 0x83
CommandFrame getCurrentDpi();                                                            // 0x84
CommandFrame readProfileData(unsigned char index);                                       // 0x86
CommandFrame getCurrentDpiStage();                                                       // 0x8B
CommandFrame getRgbLedEffect();                                                          // 0x8D
CommandFrame getLed8StageColor(unsigned char type);                                      // 0x90

// Stage colours come as one 4-byte record for type 2 and as eight RGB triples otherwise.
int stageColorLength(unsigned char type);

// The state of the mouse that a write replaces, so that of two sends of it only the newer needs
// to go; 0 for reads and for commands that are never folded.
int foldKey(const CommandFrame &frame);

// Largest payload of any command.
constexpr int MaxPayload = 128;

} // namespace CommandFrames
