#include "device/virtual_mouse_factory.h"

namespace VirtualMouseFactory {

unsigned short vendorId(int)
{
    return 0x1209;
}

unsigned short productId(int model)
{
    return model == 3337 ? 0x0007 : 0x0008;
}

int stageDpi(int model, int stage)
{
    // The 3337 set reaches its top speed, which only the halved encoding can carry.
    static const int dpi3389[8] = {400, 800, 1600, 3200, 6400, 9600, 12800, 16000};
    static const int dpi3337[8] = {400, 800, 1600, 3200, 6400, 9600, 12800, 18000};
    if (stage < 0 || stage > 7)
        return 0;
    return model == 3337 ? dpi3337[stage] : dpi3389[stage];
}

void packStage(int model, int dpi, unsigned char *low, unsigned char *flag)
{
    const int v = dpi / 50;
    *flag = v > 255 ? 1 : 0;
    if (model == 3337 && v > 256)
        *low = static_cast<unsigned char>(v / 2);
    else
        *low = static_cast<unsigned char>(v % 256);
}

int unpackStage(int model, unsigned char low, unsigned char flag)
{
    // A 3337 flag with a low byte of 128 or more can only come from a halved count.
    if (model == 3337 && flag && low >= 128)
        return low * 2 * 50;
    return (low + (flag ? 256 : 0)) * 50;
}

QByteArray profileBlock(int model)
{
    QByteArray b(128, '\0');
    b[30] = 1;
    b[31] = 1;
    b[XSensitivity] = char(100);
    b[YSensitivity] = char(100);
    for (int i = 0; i < 8; ++i) {
        unsigned char low, flag;
        packStage(model, stageDpi(model, i), &low, &flag);
        b[StageTable + 2 * i] = char(low);
        b[StageTable + 2 * i + 1] = char(flag);
        b[StageTable + 16 + 2 * i] = char(low);
        b[StageTable + 16 + 2 * i + 1] = char(flag);
    }
    b[EnabledStages] = char(0xFF);
    // Static red light at a middle level.
    const unsigned char light[6] = {1, 6, 0, 255, 0, 0};
    for (int i = 0; i < 6; ++i)
        b[LightEffect + i] = char(light[i]);
    const unsigned char colours[24] = {255, 0, 0,   0, 0, 255,   0, 255, 0,     255, 255, 0,
                                       0, 255, 255, 255, 0, 255, 255, 255, 255, 255, 128, 0};
    for (int i = 0; i < 24; ++i)
        b[StageColours + i] = char(colours[i]);
    return b;
}

} // namespace VirtualMouseFactory
