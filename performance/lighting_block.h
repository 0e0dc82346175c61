#pragma once

#include <QVariantList>

// Offsets in the 128-byte profile data block.
constexpr int kLedEffectOffset = 73;  // effect, option1, option2, red, green, blue
constexpr int kStageColourOffset = 100; // 8 x (red, green, blue)
constexpr int kStageColourBytes = 24;

void writeLedEffect(unsigned char *block, unsigned char effect, unsigned char option1, unsigned char option2,
                    unsigned char red, unsigned char green, unsigned char blue);

// Copies at most 24 entries, each truncated to a byte; stages the list does not reach are 0.
void writeStageColours(unsigned char *block, const QVariantList &colours);
