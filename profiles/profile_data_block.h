#pragma once

#include "device/profile_block_layout.h"

#include <QVariantList>

// The 128-byte profile data block that the mouse keeps per profile. The program caches it per
// profile, stores it as "profile/data" (one list element per byte) and resends it whole after
// each change of one of the settings it carries.
namespace ProfileBlock {

// The program writes the settings named in the layout; every other byte keeps what was loaded.

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
