#include "performance/lighting_block.h"

#include <QtTest>

class TestLightingBlock : public QObject
{
    Q_OBJECT

    static void fill(unsigned char *block) { std::fill(block, block + 128, 0xEE); }

private slots:
    void effectGoesToOffsets73To78()
    {
        unsigned char block[128];
        fill(block);
        writeLedEffect(block, 0, 0, 0, 255, 0, 0);
        for (int i = 0; i < 128; ++i) {
            const int expected = (i >= 73 && i <= 78) ? (i == 76 ? 255 : 0) : 0xEE;
            QCOMPARE(int(block[i]), expected);
        }
        writeLedEffect(block, 2, 8, 0, 1, 2, 3);
        const unsigned char expected[6] = {2, 8, 0, 1, 2, 3};
        QVERIFY(std::equal(expected, expected + 6, block + 73));
    }

    void stageColoursTakeAtMost24Entries()
    {
        unsigned char block[128];
        fill(block);
        QVariantList colours;
        for (int i = 0; i < 25; ++i)
            colours.append(i + 1);
        writeStageColours(block, colours);
        for (int i = 0; i < 128; ++i)
            QCOMPARE(int(block[i]), (i >= 100 && i < 124) ? i - 99 : 0xEE);

        writeStageColours(block, {0x1FF, QStringLiteral("128"), -1});
        QCOMPARE(int(block[100]), 0xFF);
        QCOMPARE(int(block[101]), 128);
        QCOMPARE(int(block[102]), 0xFF);
        for (int i = 103; i < 124; ++i)
            QCOMPARE(int(block[i]), 0);
        QCOMPARE(int(block[124]), 0xEE);
        QCOMPARE(int(block[99]), 0xEE);
    }
};

QTEST_APPLESS_MAIN(TestLightingBlock)
#include "tst_lighting_block.moc"
