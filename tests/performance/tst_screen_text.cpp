#include "performance/font8x16.h"
#include "performance/gb2312_codec.h"
#include "performance/gb2312_table.h"
#include "performance/hzk16_font.h"
#include "performance/screen_text.h"
#include "tests/support/runtime_tree.h"

#include <QFile>
#include <QtTest>

namespace {

bool pixel(const ScreenImage &image, int x, int y)
{
    return image[size_t((y / 8) * 96 + x)] & (1 << (y % 8));
}

QByteArray hzk16Glyph(unsigned char high, unsigned char low)
{
    QFile f(QStringLiteral("HZK16"));
    if (!f.open(QIODevice::ReadOnly) || !f.seek(((high - 0xA1) * 94 + (low - 0xA1)) * 32))
        return {};
    return f.read(32);
}

int litPixels(const ScreenImage &image)
{
    int n = 0;
    for (unsigned char b : image)
        n += __builtin_popcount(b);
    return n;
}

} // namespace

class TestScreenText : public QObject
{
    Q_OBJECT

private slots:
    void fontHoldsTheVgaShapes()
    {
        // "A" has its shape in rows 2..11; Ç at 0x80 reaches into row 13 with its cedilla.
        const unsigned char a[16] = {0, 0, 0x10, 0x38, 0x6c, 0xc6, 0xc6, 0xfe, 0xc6, 0xc6, 0xc6, 0xc6, 0, 0, 0, 0};
        QVERIFY(std::equal(a, a + 16, kFont8x16 + 16 * 0x41));
        QVERIFY(kFont8x16[16 * 0x80 + 13] != 0);
        for (int j = 0; j < 16; ++j) {
            QCOMPARE(int(kFont8x16[16 * 0x20 + j]), 0);
            QCOMPARE(int(kFont8x16[j]), 0);
        }
        QCOMPARE(kCp437Upper[0], (unsigned short)0x00c7);
    }

    void letterAtRow11Column44()
    {
        RuntimeTree tree;
        Hzk16Font wide;
        const ScreenImage image = renderScreenText(11, 44, QStringLiteral("A"), wide);
        for (int n = 0; n < 512; ++n) {
            const int page = n / 96, x = n % 96;
            if (page < 1 || page > 2 || x < 44 || x > 51)
                QCOMPARE(int(image[size_t(n)]), 0);
        }
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 96; ++x) {
                bool expected = false;
                if (x >= 44 && x < 52 && y >= 11 && y < 27)
                    expected = kFont8x16[16 * 0x41 + (y - 11)] & (0x80 >> (x - 44));
                QCOMPARE(pixel(image, x, y), expected);
            }
        }
        // Rows 2..11 of the glyph land on y 13..22, columns 44..50.
        QVERIFY(pixel(image, 47, 13) && pixel(image, 44, 22) && pixel(image, 50, 22));
        QVERIFY(!pixel(image, 44, 12) && !pixel(image, 44, 23) && !pixel(image, 51, 18));
    }

    void mixedTextWidthAndBytes()
    {
        const QString text = QString::fromUtf8("中AB");
        QCOMPARE(screenTextWidth(text), 32);
        QCOMPARE(screenTextBytes(text), QByteArray::fromHex("d6d04142"));
        QCOMPARE(screenTextWidth(QString(QChar(254))), 8);
        QCOMPARE(screenTextWidth(QString(QChar(255))), 16);
        QCOMPARE(screenTextWidth(QString()), 0);
        // Each character takes its own bytes: a wide character GB2312 lacks (ÿ, €, a surrogate
        // pair) is two zero bytes, drawn blank, and the letters after it stay in place.
        QCOMPARE(screenTextBytes(QString::fromUtf8("ÿ€A")), QByteArray::fromHex("0000000041"));
        QCOMPARE(screenTextBytes(QString::fromUtf8("😀B")), QByteArray::fromHex("0000000042"));
        // Latin letters are drawn from the narrow font's own code page.
        QCOMPARE(screenTextBytes(QString::fromUtf8("Çé\u00a0")), QByteArray::fromHex("8082ff"));
        QCOMPARE(screenTextBytes(QString::fromUtf8("\u00a4")), QByteArray("?"));
    }

    void wideGlyphsComeFromHzk16()
    {
        RuntimeTree tree;
        Hzk16Font wide;
        const QByteArray glyph = hzk16Glyph(0xD6, 0xD0);
        QCOMPARE(glyph.size(), 32);
        QVERIFY(glyph.count('\0') < 32);
        const ScreenImage image = renderScreenText(0, 8, QString::fromUtf8("A中"), wide);
        for (int j = 0; j < 16; ++j) {
            for (int c = 0; c < 16; ++c) {
                const unsigned char byte = uchar(glyph[2 * j + (c / 8)]);
                QCOMPARE(pixel(image, 16 + c, j), bool(byte & (0x80 >> (c % 8))));
            }
        }
        // The character with code 255 goes through the wide font; GB2312 lacks it: blank.
        QCOMPARE(litPixels(renderScreenText(0, 0, QString(QChar(255)), wide)), 0);
    }

    void missingOrShortFontDrawsBlank()
    {
        RuntimeTree tree(false);
        {
            Hzk16Font missing;
            const ScreenImage image = renderScreenText(0, 0, QString::fromUtf8("中A"), missing);
            QCOMPARE(litPixels(image), litPixels(renderScreenText(0, 16, QStringLiteral("A"), missing)));
            QVERIFY(litPixels(image) > 0);
        }
        QFile f(QStringLiteral("HZK16"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(((0xD6 - 0xA1) * 94 + (0xD0 - 0xA1)) * 32 + 31, '\xff'));
        f.close();
        Hzk16Font shortFont;
        unsigned char glyph[32];
        QVERIFY(!shortFont.glyph(Gb2312Code{0xD6, 0xD0}, glyph));
        QVERIFY(std::all_of(glyph, glyph + 32, [](unsigned char b) { return b == 0; }));
        QVERIFY(shortFont.glyph(Gb2312Code{0xD6, 0xCF}, glyph));
        QVERIFY(!shortFont.glyph(Gb2312Code{0x41, 0x42}, glyph));
    }

    // The renderer may be handed any text and position; it must stay inside its buffer.
    void nothingIsDrawnOutsideTheScreenBuffer()
    {
        RuntimeTree tree;
        Hzk16Font wide;
        const QString thirteen = QStringLiteral("MMMMMMMMMMMMM");
        const ScreenImage twelve = renderScreenText(0, 0, thirteen.left(12), wide);
        QCOMPARE(renderScreenText(0, 0, thirteen, wide), twelve);
        QCOMPARE(litPixels(renderScreenText(0, 96, QStringLiteral("A"), wide)), 0);
        QCOMPARE(litPixels(renderScreenText(0, -8, QStringLiteral("A"), wide)), 0);
        QCOMPARE(renderScreenText(0, -8, QStringLiteral("MA"), wide), renderScreenText(0, 0, QStringLiteral("A"), wide));
        QCOMPARE(litPixels(renderScreenText(64, 0, QStringLiteral("A"), wide)), 0);
        QCOMPARE(litPixels(renderScreenText(-16, 0, QStringLiteral("A"), wide)), 0);
        // Moving up by 2 rows shows the glyph's rows 2.. at the top.
        QVERIFY(pixel(renderScreenText(-2, 0, QStringLiteral("A"), wide), 3, 0));
        QCOMPARE(litPixels(renderScreenText(INT_MIN, INT_MIN, QString(5000, QChar(0x4E2D)), wide)), 0);
        QCOMPARE(litPixels(renderScreenText(INT_MAX, INT_MAX, QString(5000, QChar('A')), wide)), 0);
        QVERIFY(litPixels(renderScreenText(30, 90, QString(5000, QChar(0x4E2D)), wide)) > 0);
        // Row 40 puts the text partly into bytes 480..511, which are sent as rendered.
        const ScreenImage low = renderScreenText(40, 0, QStringLiteral("A"), wide);
        QVERIFY(std::any_of(low.begin() + 480, low.end(), [](unsigned char b) { return b != 0; }));
    }

    void codecAgreesWithTheProgramsTable()
    {
        int checked = 0;
        for (int cell = 0; cell < 94 * 94; ++cell) {
            const QChar ch(kGb2312Unicode[cell]);
            if (ch.isNull())
                continue;
            Gb2312Code viaCodec, viaTable;
            QVERIFY(gb2312EncodeFromTable(ch, viaTable));
            QCOMPARE(int(viaTable.high), 0xA1 + cell / 94);
            QCOMPARE(int(viaTable.low), 0xA1 + cell % 94);
            QVERIFY2(gb2312Encode(ch, viaCodec), qPrintable(QString::number(ch.unicode(), 16)));
            QCOMPARE(int(viaCodec.high), int(viaTable.high));
            QCOMPARE(int(viaCodec.low), int(viaTable.low));
            ++checked;
        }
        QCOMPARE(checked, 7445);
        Gb2312Code code;
        QVERIFY(!gb2312Encode(QChar(0x20AC), code));
        QVERIFY(!gb2312EncodeFromTable(QChar(0x20AC), code));
        QVERIFY(!gb2312Encode(QChar(0xD83D), code));
    }
};

QTEST_APPLESS_MAIN(TestScreenText)
#include "tst_screen_text.moc"
