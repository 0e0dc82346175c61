#pragma once

#include <QByteArray>

// What a new mouse of each model holds: the factory profile block, stage colours and the like.
namespace VirtualMouseFactory {

// Vendor and product id of the model (3337 or 3389), as the device table lists them.
unsigned short vendorId(int model);
unsigned short productId(int model);

// Factory DPI of stage 0..7; eight distinct values inside the model's range.
int stageDpi(int model, int stage);

// The two bytes (low byte, high flag) a stage of `dpi` takes in the profile block, by the
// model's encoding: the 3337 sensor halves unit counts above 256.
void packStage(int model, int dpi, unsigned char *low, unsigned char *flag);
// The DPI the mouse runs a stage at, from its two bytes.
int unpackStage(int model, unsigned char low, unsigned char flag);

// The 128-byte profile block of a new mouse.
QByteArray profileBlock(int model);

// Offsets in the profile block that the mouse itself reads.
enum Offset {
    XSensitivity = 35,
    YSensitivity = 36,
    StageTable = 37,        // 8 x (low byte, high flag); a second copy follows at 53
    EnabledStages = 71,
    LightEffect = 73,       // effect, option1, option2, R, G, B
    StageColours = 100,     // 8 x (R, G, B)
};

} // namespace VirtualMouseFactory
