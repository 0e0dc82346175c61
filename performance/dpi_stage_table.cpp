#include "performance/dpi_stage_table.h"

#include "device/profile_block_layout.h"

#include <algorithm>

DpiRange dpiSliderRange(SensorVariant variant)
{
    return modelWithSensor(variant).dpiRange;
}

PackedDpi packDpiUnits(SensorVariant variant, unsigned units)
{
    PackedDpi packed;
    // The 3337 counts in 100-DPI steps above 256 units; halving begins one unit later than the
    // flag, so 256 units are sent as low byte 0 with the flag set.
    if (variant == SensorVariant::Sensor3337 && units > 256)
        packed.low = static_cast<unsigned char>(units / 2);
    else
        packed.low = static_cast<unsigned char>(units % 256);
    packed.flag = units > 255 ? 1 : 0;
    return packed;
}

void writeDpiStage(unsigned char *block, int stage, PackedDpi packed)
{
    block[ProfileBlock::DpiTableFirst + 2 * stage] = packed.low;
    block[ProfileBlock::DpiTableSecond + 2 * stage] = packed.low;
    block[ProfileBlock::DpiTableFirst + 2 * stage + 1] = packed.flag;
    block[ProfileBlock::DpiTableSecond + 2 * stage + 1] = packed.flag;
}

static bool inRange(SensorVariant variant, unsigned dpi)
{
    const DpiRange range = dpiSliderRange(variant);
    return dpi >= range.minimum && dpi <= range.maximum;
}

static bool packsTo(SensorVariant variant, unsigned dpi, unsigned char low, unsigned char flag)
{
    const PackedDpi packed = packDpiUnits(variant, dpi / 50);
    return packed.low == low && (packed.flag != 0) == (flag != 0);
}

std::optional<unsigned> dpiForBytes(SensorVariant variant, unsigned char low, unsigned char flag)
{
    unsigned dpi = 0;
    if (flag == 0)
        dpi = low * 50u;
    else if (variant == SensorVariant::Sensor3389 || low == 0)
        dpi = 12800u + low * 50u;
    else if (low == 128)
        dpi = 12850; // 257 units, the only count above 256 that halves to 128
    else
        dpi = low * 100u; // a halved count: 2 x low units
    if (inRange(variant, dpi) && packsTo(variant, dpi, low, flag))
        return dpi;
    return std::nullopt;
}

unsigned readBackDpi(SensorVariant variant, unsigned char low, unsigned char flag, std::optional<unsigned> stored)
{
    const bool storedUsable = stored && inRange(variant, *stored);
    if (const std::optional<unsigned> dpi = dpiForBytes(variant, low, flag)) {
        if (storedUsable && packsTo(variant, *stored, low, flag))
            return *stored;
        return *dpi;
    }
    if (storedUsable)
        return *stored;
    const DpiRange range = dpiSliderRange(variant);
    const unsigned plain = low * 50u + (flag ? 12800u : 0u);
    return std::clamp(plain, range.minimum, range.maximum);
}

unsigned currentDpiForBytes(SensorVariant variant, unsigned char low, unsigned char flag)
{
    if (const std::optional<unsigned> dpi = dpiForBytes(variant, low, flag))
        return *dpi;
    return low * 50u + (flag ? 12800u : 0u);
}

unsigned char dpiSelectMask(const QVariantList &flags)
{
    unsigned char mask = 0;
    const int count = std::min<int>(flags.size(), ProfileBlock::DpiStages);
    for (int i = 0; i < count; ++i) {
        if (flags[i].toUInt() == 1)
            mask |= static_cast<unsigned char>(1u << i);
    }
    return mask;
}
