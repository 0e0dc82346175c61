#include "device/virtual_mouse_factory.h"

#include "device/mouse_model.h"
#include "device/profile_block_layout.h"

namespace VirtualMouseFactory {

namespace {

const MouseModel &modelOf(int model)
{
    const MouseModel *known = modelWithId(model);
    return known ? *known : defaultModel();
}

bool halvesHighCounts(int model)
{
    return modelOf(model).sensor == SensorVariant::Sensor3337;
}

} // namespace

unsigned short vendorId(int model)
{
    return modelOf(model).vendorId;
}

unsigned short productId(int model)
{
    return modelOf(model).productId;
}

int stageDpi(int model, int stage)
{
    // The last stage is the model's top speed, which on the 3337 only the halved encoding carries.
    static const int dpi[7] = {400, 800, 1600, 3200, 6400, 9600, 12800};
    if (stage < 0 || stage > 7)
        return 0;
    return stage < 7 ? dpi[stage] : int(modelOf(model).dpiRange.maximum);
}

void packStage(int model, int dpi, unsigned char *low, unsigned char *flag)
{
    const int v = dpi / 50;
    *flag = v > 255 ? 1 : 0;
    if (halvesHighCounts(model) && v > 256)
        *low = static_cast<unsigned char>(v / 2);
    else
        *low = static_cast<unsigned char>(v % 256);
}

int unpackStage(int model, unsigned char low, unsigned char flag)
{
    // A 3337 flag with a low byte of 128 or more can only come from a halved count.
    if (halvesHighCounts(model) && flag && low >= 128)
        return low * 2 * 50;
    return (low + (flag ? 256 : 0)) * 50;
}

QByteArray profileBlock(int model)
{
    using namespace ProfileBlock;
    QByteArray b(Size, '\0');
    b[SendMark] = 1;
    b[SendMark + 1] = 1;
    b[XSensitivity] = char(100);
    b[YSensitivity] = char(100);
    for (int i = 0; i < DpiStages; ++i) {
        unsigned char low, flag;
        packStage(model, stageDpi(model, i), &low, &flag);
        b[DpiTableFirst + 2 * i] = char(low);
        b[DpiTableFirst + 2 * i + 1] = char(flag);
        b[DpiTableSecond + 2 * i] = char(low);
        b[DpiTableSecond + 2 * i + 1] = char(flag);
    }
    b[DpiEnabledMask] = char(0xFF);
    // Static red light at a middle level.
    const unsigned char light[LightingBytes] = {1, 6, 0, 255, 0, 0};
    for (int i = 0; i < LightingBytes; ++i)
        b[Lighting + i] = char(light[i]);
    const unsigned char colours[StageColourBytes] = {255, 0, 0,   0, 0, 255,   0, 255, 0,     255, 255, 0,
                                       0, 255, 255, 255, 0, 255, 255, 255, 255, 255, 128, 0};
    for (int i = 0; i < StageColourBytes; ++i)
        b[StageColours + i] = char(colours[i]);
    return b;
}

} // namespace VirtualMouseFactory
