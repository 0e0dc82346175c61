#include "performance/picture_convert.h"
#include "performance/screen_image.h"
#include "tests/support/runtime_tree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>

namespace {

QVariantList zeros(int n)
{
    return QVariantList(n, 0);
}

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A PNG signature and header claiming a huge image, followed by nothing decodable.
QByteArray hugePngHeader(quint32 width, quint32 height)
{
    QByteArray data = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    quint32 be[2] = {qToBigEndian(width), qToBigEndian(height)};
    data.append(reinterpret_cast<const char *>(be), 8);
    data.append(QByteArray::fromHex("0802000000"));
    data.append(QByteArray(4, '\0'));
    return data;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

private slots:
    void smallWhiteSquareIsScaledAndCentred()
    {
        const QVariantList picture = pictureFromImage(filled(10, 10, qRgb(255, 255, 255)));
        QCOMPARE(picture.size(), 480);
        for (int page = 0; page < 5; ++page) {
            for (int x = 0; x < 96; ++x) {
                const int expected = (x >= 28 && x <= 66) ? (page == 4 ? 127 : 255) : 0;
                QCOMPARE(picture[page * 96 + x].toInt(), expected);
            }
        }
    }

    void wideImageIsCentredVertically()
    {
        // 192 x 20 scales to 96 x 10, placed at rows 14..23.
        const QVariantList picture = pictureFromImage(filled(192, 20, qRgb(255, 255, 255)));
        for (int x = 0; x < 96; ++x) {
            QCOMPARE(picture[96 + x].toInt(), 0xC0);  // rows 14, 15
            QCOMPARE(picture[192 + x].toInt(), 0xFF); // rows 16..23
            QCOMPARE(picture[x].toInt(), 0);
            QCOMPARE(picture[288 + x].toInt(), 0);
        }
    }

    void thresholdIsRedGreenBlueAtLeast192()
    {
        QCOMPARE(pictureFromImage(filled(96, 39, qRgb(64, 64, 63))), zeros(480));
        const QVariantList lit = pictureFromImage(filled(96, 39, qRgb(64, 64, 64)));
        QCOMPARE(lit[0].toInt(), 255);
        QCOMPARE(lit[479].toInt(), 127);
        QCOMPARE(pictureFromImage(filled(96, 39, qRgb(192, 0, 0)))[200].toInt(), 255);
        // Transparent parts show the black canvas.
        QImage clear(96, 39, QImage::Format_ARGB32);
        clear.fill(qRgba(255, 255, 255, 0));
        QCOMPARE(pictureFromImage(clear), zeros(480));
    }

    void unreadableFilesGiveABlackScreen()
    {
        RuntimeTree tree(false);
        QFile text(QStringLiteral("notes.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not an image\n");
        text.close();
        QCOMPARE(pictureFromFile(QStringLiteral("notes.png")), zeros(480));
        QCOMPARE(pictureFromFile(QStringLiteral("missing.png")), zeros(480));

        QFile huge(QStringLiteral("huge.png"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(hugePngHeader(100000, 100000));
        huge.close();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(pictureFromFile(QStringLiteral("huge.png")), zeros(480));
        QVERIFY(timer.elapsed() < 5000);

        QVERIFY(filled(20, 20, qRgb(255, 255, 255)).save(QStringLiteral("white.bmp")));
        // The content decides the format, not the name.
        QVERIFY(QFile::rename(QStringLiteral("white.bmp"), QStringLiteral("white.jpg")));
        QCOMPARE(pictureFromFile(QStringLiteral("white.jpg")), pictureFromImage(filled(10, 10, qRgb(255, 255, 255))));
    }

    void listBecomesTheImage()
    {
        QVariantList data;
        for (int i = 0; i < 480; ++i)
            data.append(i);
        ScreenImage image = screenImageFromList(data);
        for (int i = 0; i < 480; ++i)
            QCOMPARE(int(image[size_t(i)]), i & 0xFF);
        for (int i = 480; i < 512; ++i)
            QCOMPARE(int(image[size_t(i)]), 0);
        data = QVariantList(600, 0x1FF);
        image = screenImageFromList(data);
        QVERIFY(std::all_of(image.begin(), image.end(), [](unsigned char b) { return b == 0xFF; }));
        const ScreenImage empty = screenImageFromList({});
        QVERIFY(std::all_of(empty.begin(), empty.end(), [](unsigned char b) { return b == 0; }));
    }

    void columnsPackIntoPages()
    {
        ScreenColumns columns{};
        columns[0] = 0x0000'FF00'0000'0001ull; // row 0 and rows 40..47
        columns[95] = 1ull << 38;
        const ScreenImage image = packScreenColumns(columns);
        QCOMPARE(int(image[0]), 1);
        QCOMPARE(int(image[480]), 0xFF);
        QCOMPARE(int(image[4 * 96 + 95]), 0x40);
        QCOMPARE(std::count_if(image.begin(), image.end(), [](unsigned char b) { return b != 0; }), 3);
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
