#include "performance/screen_image.h"

#include <algorithm>

ScreenImage packScreenColumns(const ScreenColumns &columns)
{
    ScreenImage image{};
    for (int n = 0; n < kScreenImageBytes; ++n) {
        const int page = n / kScreenWidth;
        const int x = n % kScreenWidth;
        image[n] = static_cast<unsigned char>(columns[x] >> (8 * page));
    }
    return image;
}

ScreenImage screenImageFromList(const QVariantList &bytes)
{
    ScreenImage image{};
    const int count = std::min<int>(bytes.size(), kScreenImageBytes);
    for (int i = 0; i < count; ++i)
        image[i] = static_cast<unsigned char>(bytes[i].toUInt());
    return image;
}
