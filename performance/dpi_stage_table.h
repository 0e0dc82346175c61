#pragma once

#include "device/mouse_model.h"

#include <QVariantList>
#include <optional>

// The range the DPI page's sliders offer: that of the sensor's model.
DpiRange dpiSliderRange(SensorVariant variant);

struct PackedDpi
{
    unsigned char low = 0;
    unsigned char flag = 0;
    bool operator==(const PackedDpi &other) const { return low == other.low && flag == other.flag; }
};

// Packs one stage from its count of 50-DPI units.
PackedDpi packDpiUnits(SensorVariant variant, unsigned units);

// Writes one stage into both copies of the stage table: first-copy low byte, second-copy low
// byte, then both flags, the order in which the mouse's firmware tool writes them.
void writeDpiStage(unsigned char *block, int stage, PackedDpi packed);

// The DPI inside the variant's slider range that packs to these bytes (a multiple of 100 where
// one exists), or nothing when no DPI of the range gives them.
std::optional<unsigned> dpiForBytes(SensorVariant variant, unsigned char low, unsigned char flag);

// Read-back of one stage of the mouse's block. `stored` is what the profile file holds for the
// stage: preferred when it packs to the same bytes, and kept when the bytes fit no DPI of the
// range (an empty or failed read), so that a reconciliation never replaces a setting by noise.
unsigned readBackDpi(SensorVariant variant, unsigned char low, unsigned char flag,
                     std::optional<unsigned> stored);

// DPI of the stage that the current-DPI reply names by its packed bytes, decoded by the
// variant's own rule (a halved 3337 stage reads back as the DPI it was packed from). Bytes that
// fit no DPI of the range, as a failed read's zeros, give the plain sum low x 50 (+ 12800).
unsigned currentDpiForBytes(SensorVariant variant, unsigned char low, unsigned char flag);

// Bit i set when entry i, read as unsigned, is exactly 1; at most eight entries are looked at.
unsigned char dpiSelectMask(const QVariantList &flags);
