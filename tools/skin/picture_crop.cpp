#include "tools/skin/picture_crop.h"

#include <QPainter>

namespace PictureCrop {

QRect contentBounds(const QImage &picture)
{
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = qMin(left, x);
            right = qMax(right, x);
            top = qMin(top, y);
            bottom = qMax(bottom, y);
        }
    }
    if (right < 0)
        return QRect(0, 0, 1, 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage placed(const QImage &piece, QPoint place, QSize size)
{
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(place, piece.convertToFormat(QImage::Format_ARGB32));
    p.end();
    return canvas;
}

QString placesScript(const QMap<QString, QPoint> &places)
{
    QString script = QStringLiteral(
        "// Written by tools/skin/crop_pictures: where the button pictures of the mouse views lie in\n"
        "// their view, [x, y]. A button's plain and lit (\"_h\") pictures are cut alike.\n"
        ".pragma library\n\n"
        "var places = {\n");
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        script += QStringLiteral("    \"%1\": [%2, %3]%4\n")
                      .arg(it.key())
                      .arg(it.value().x())
                      .arg(it.value().y())
                      .arg(std::next(it) == places.cend() ? QString() : QStringLiteral(","));
    }
    script += QStringLiteral("}\n");
    return script;
}

} // namespace PictureCrop
