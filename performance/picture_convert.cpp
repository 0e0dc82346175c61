#include "performance/picture_convert.h"

#include "performance/screen_image.h"

#include <QImageReader>

QVariantList pictureFromImage(const QImage &image)
{
    QImage canvas(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    canvas.fill(0xFF000000u);
    if (!image.isNull()) {
        const QImage scaled = image.scaled(kScreenWidth, kScreenHeight, Qt::KeepAspectRatio, Qt::FastTransformation)
                                  .convertToFormat(QImage::Format_ARGB32);
        const int ox = (kScreenWidth - scaled.width()) / 2;
        const int oy = (kScreenHeight - scaled.height()) / 2;
        for (int y = 0; y < scaled.height(); ++y) {
            for (int x = 0; x < scaled.width(); ++x) {
                // Transparent parts show the black canvas.
                const QRgb p = scaled.pixel(x, y);
                const int a = qAlpha(p);
                canvas.setPixel(x + ox, y + oy,
                                qRgb(qRed(p) * a / 255, qGreen(p) * a / 255, qBlue(p) * a / 255));
            }
        }
    }

    QVariantList picture;
    picture.reserve(kPictureBytes);
    for (int page = 0; page < 5; ++page) {
        for (int x = 0; x < kScreenWidth; ++x) {
            int byte = 0;
            for (int b = 0; b < 8; ++b) {
                const int y = 8 * page + b;
                if (y >= kScreenHeight)
                    break;
                const QRgb p = canvas.pixel(x, y);
                if (qRed(p) + qGreen(p) + qBlue(p) >= 192)
                    byte |= 1 << b;
            }
            picture.append(byte);
        }
    }
    return picture;
}

QVariantList pictureFromFile(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Formats that do not tell their size up front are held to the same bound by Qt itself.
    reader.setAllocationLimit(int(kPictureMaxPixels * 4 / (1024 * 1024)));
    QImage image;
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() <= kPictureMaxPixels)
        image = reader.read();
    return pictureFromImage(image);
}
