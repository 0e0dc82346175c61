#pragma once

#include <QVariantList>

// The lighting bytes of the profile data block (device/profile_block_layout.h).

void writeLedEffect(unsigned char *block, unsigned char effect, unsigned char option1, unsigned char option2,
                    unsigned char red, unsigned char green, unsigned char blue);

// Copies at most 24 entries, each truncated to a byte; stages the list does not reach are 0.
void writeStageColours(unsigned char *block, const QVariantList &colours);
