#include "device/hid_checksum.h"

unsigned char hidChecksum(const unsigned char *block)
{
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += block[i];
    return static_cast<unsigned char>(~sum);
}

bool hidChecksumMatches(const unsigned char *block)
{
    return block[7] == hidChecksum(block);
}
