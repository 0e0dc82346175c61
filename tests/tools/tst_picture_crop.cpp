#include "tools/skin/picture_crop.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

namespace {

// A button drawn as the skin draws its lit pictures: an anti-aliased shape with a soft glow.
QImage glowingButton(QSize size, const QRectF &shape)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(shape, 4, 4);
    for (int pass = 0; pass < 4; ++pass) {
        p.setPen(QPen(QColor(255, 40, 40, 30 + pass * 30), 10 - pass * 2.5));
        p.drawPath(path);
    }
    p.fillPath(path, QColor(150, 16, 16, 200));
    return img;
}

const QString MouseFolder = QStringLiteral(SKALD_SOURCE_DIR "/modules/img/skin1/mouse");

QJsonObject shippedPlaces()
{
    QFile file(QStringLiteral(SKALD_SOURCE_DIR "/modules/qml/J2/mousePictures.js"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    const qsizetype from = text.indexOf('{');
    return QJsonDocument::fromJson(text.mid(from, text.lastIndexOf('}') - from + 1)).object();
}

} // namespace

class tst_PictureCrop : public QObject
{
    Q_OBJECT

private slots:
    // Cut and laid back at its place, a picture is the one drawn, pixel for pixel, and the cut
    // is tight: each of its edges holds a drawn pixel.
    void cutPicturesLieBackExactly_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("inside") << glowingButton({300, 430}, QRectF(142, 52, 16, 56));
        QTest::newRow("at the edges") << glowingButton({430, 300}, QRectF(-3, -3, 436, 306));
        QImage dot(30, 20, QImage::Format_ARGB32);
        dot.fill(Qt::transparent);
        dot.setPixel(29, 19, qRgba(0, 0, 0, 1));
        QTest::newRow("one faint pixel in a corner") << dot;
    }
    void cutPicturesLieBackExactly()
    {
        QFETCH(QImage, picture);
        const QRect bounds = PictureCrop::contentBounds(picture);
        const QImage piece = picture.copy(bounds);
        QCOMPARE(PictureCrop::placed(piece, bounds.topLeft(), picture.size()), picture.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(PictureCrop::contentBounds(piece), piece.rect());
    }

    void emptyPictureKeepsAPlace()
    {
        QImage empty(40, 40, QImage::Format_ARGB32);
        empty.fill(Qt::transparent);
        QCOMPARE(PictureCrop::contentBounds(empty), QRect(0, 0, 1, 1));
    }

    // The shipped button pictures are cut (a redrawn full-size picture that was not cut again
    // shows here), a button's plain and lit pictures alike, each with its place in its view.
    void shippedPicturesAreCutAndPlaced()
    {
        const QJsonObject places = shippedPlaces();
        const QStringList files = QDir(MouseFolder).entryList({QStringLiteral("mouse*Key*.png")}, QDir::Files);
        QCOMPARE(files.size(), 36);
        QCOMPARE(places.size(), 18);
        for (const QString &file : files) {
            QString button = file.chopped(4);
            if (button.endsWith(QLatin1String("_h")))
                button.chop(2);
            QVERIFY2(places.contains(button), qPrintable(file));
        }
        for (auto it = places.begin(); it != places.end(); ++it) {
            const QImage plain(MouseFolder + QLatin1Char('/') + it.key() + QStringLiteral(".png"));
            const QImage lit(MouseFolder + QLatin1Char('/') + it.key() + QStringLiteral("_h.png"));
            QVERIFY2(!plain.isNull() && plain.size() == lit.size(), qPrintable(it.key()));
            QCOMPARE(PictureCrop::contentBounds(plain) | PictureCrop::contentBounds(lit), plain.rect());
            const QSize view = it.key().startsWith(QLatin1String("mouseTop")) ? QSize(300, 430) : QSize(430, 300);
            const QRect place(QPoint(it.value()[0].toInt(), it.value()[1].toInt()), plain.size());
            QVERIFY2(QRect(QPoint(), view).contains(place), qPrintable(it.key()));
        }
    }
};

QTEST_MAIN(tst_PictureCrop)
#include "tst_picture_crop.moc"
