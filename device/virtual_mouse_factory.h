#pragma once

#include <QByteArray>

// What a new mouse of each model holds: the factory profile block, stage colours and the like.
namespace VirtualMouseFactory {

// Vendor and product id of the model (an id of mouseModels(); another id stands for the default).
unsigned short vendorId(int model);
unsigned short productId(int model);

// Factory DPI of stage 0..7; eight distinct values inside the model's range.
int stageDpi(int model, int stage);

// The two bytes (low byte, high flag) a stage of `dpi` takes in the profile block, by the
// model's sensor: the 3337 halves unit counts above 256.
void packStage(int model, int dpi, unsigned char *low, unsigned char *flag);
// The DPI the mouse runs a stage at, from its two bytes.
int unpackStage(int model, unsigned char low, unsigned char flag);

// The 128-byte profile block of a new mouse.
QByteArray profileBlock(int model);

} // namespace VirtualMouseFactory
