#include "performance/lighting_block.h"

#include <algorithm>

void writeLedEffect(unsigned char *block, unsigned char effect, unsigned char option1, unsigned char option2,
                    unsigned char red, unsigned char green, unsigned char blue)
{
    unsigned char *p = block + kLedEffectOffset;
    p[0] = effect;
    p[1] = option1;
    p[2] = option2;
    p[3] = red;
    p[4] = green;
    p[5] = blue;
}

void writeStageColours(unsigned char *block, const QVariantList &colours)
{
    unsigned char bytes[kStageColourBytes] = {};
    const int count = std::min<int>(colours.size(), kStageColourBytes);
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(colours[i].toInt());
    std::copy(bytes, bytes + kStageColourBytes, block + kStageColourOffset);
}
