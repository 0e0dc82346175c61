#pragma once

// Where the settings sit in the 128-byte profile data block that the mouse keeps per profile
// (command 06 writes it, 86 reads it back). Every writer and reader of the block takes its
// offsets from here, the virtual mouse standing in for the firmware included.
namespace ProfileBlock {

constexpr int Size = 128;

constexpr int SendMark = 30;          // 30 and 31: always 1 when the block is sent
constexpr int XSensitivity = 35;
constexpr int YSensitivity = 36;
constexpr int DpiStages = 8;
constexpr int DpiTableFirst = 37;     // 8 stages x (low byte, high flag)
constexpr int DpiTableSecond = 53;    // the same table again
constexpr int DpiEnabledMask = 71;    // bit i = stage i enabled
constexpr int Lighting = 73;          // effect, option1, option2, red, green, blue
constexpr int LightingBytes = 6;
constexpr int StageColours = 100;     // 8 stages x (red, green, blue)
constexpr int StageColourBytes = 24;

} // namespace ProfileBlock
