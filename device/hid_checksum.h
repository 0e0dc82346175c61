#pragma once

// The checksum that closes every command block: the complement of the 8-bit sum of the seven
// bytes before it. `block` points at the command code; the result belongs in block[7].
unsigned char hidChecksum(const unsigned char *block);

// True when block[7] holds the checksum of block[0..6].
bool hidChecksumMatches(const unsigned char *block);
