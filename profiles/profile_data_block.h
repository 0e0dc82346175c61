#pragma once

#include <QVariantList>

// The 128-byte profile data block that the mouse keeps per profile. The program caches it per
// profile, stores it as "profile/data" (one list element per byte) and resends it whole after
// each change of one of the settings it carries.
namespace ProfileBlock {

constexpr int Size = 128;

// Byte offsets of the settings the program writes; every other byte keeps what was loaded.
constexpr int SendMark = 30;          // 30 and 31: always 1 when the block is sent
constexpr int XSensitivity = 35;
constexpr int YSensitivity = 36;
constexpr int DpiTableFirst = 37;     // 8 stages x (low byte, high flag)
constexpr int DpiTableSecond = 53;    // the same table again
constexpr int DpiEnabledMask = 71;    // bit i = stage i enabled
constexpr int Lighting = 73;          // effect, option1, option2, red, green, blue
constexpr int StageColours = 100;     // 8 stages x (red, green, blue)

// Element i of `list` (as an integer, low byte) into block[i], for at most Size elements;
// bytes beyond a shorter list keep their value. Elements that are not numbers give 0.
void fillFromList(unsigned char *block, const QVariantList &list);

// The block as the list stored under "profile/data".
QVariantList toList(const unsigned char *block);

// Sets the two marker bytes the mouse expects in every block it receives.
void markForSend(unsigned char *block);

// Copies `count` bytes to `offset`; refuses (and writes nothing) when they would not fit.
bool patch(unsigned char *block, int offset, const unsigned char *bytes, int count);

} // namespace ProfileBlock
