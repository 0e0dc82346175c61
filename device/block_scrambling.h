#pragma once

// The optional scrambling of 8-byte command and reply blocks. Bytes 1..6 of the 8-byte
// `secrecyCode` take part; bytes 0 and 7 are ignored. Both work in place and undo each other.
void scrambleBlock(unsigned char *block, const unsigned char *secrecyCode);
void unscrambleBlock(unsigned char *block, const unsigned char *secrecyCode);
