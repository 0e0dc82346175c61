#include "performance/lighting_block.h"

#include "device/profile_block_layout.h"

#include <algorithm>

void writeLedEffect(unsigned char *block, unsigned char effect, unsigned char option1, unsigned char option2,
                    unsigned char red, unsigned char green, unsigned char blue)
{
    unsigned char *p = block + ProfileBlock::Lighting;
    p[0] = effect;
    p[1] = option1;
    p[2] = option2;
    p[3] = red;
    p[4] = green;
    p[5] = blue;
}

void writeStageColours(unsigned char *block, const QVariantList &colours)
{
    unsigned char bytes[ProfileBlock::StageColourBytes] = {};
    const int count = std::min<int>(colours.size(), ProfileBlock::StageColourBytes);
    for (int i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(colours[i].toInt());
    std::copy(bytes, bytes + ProfileBlock::StageColourBytes, block + ProfileBlock::StageColours);
}
