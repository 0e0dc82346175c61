#include "performance/dpi_stage_table.h"

#include <QtTest>

class TestDpiStageTable : public QObject
{
    Q_OBJECT

private slots:
    void packsTheDocumentedExamples_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<unsigned>("dpi");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("flag");
        const int s3337 = int(SensorVariant::Sensor3337), s3389 = int(SensorVariant::Sensor3389);
        QTest::newRow("800 on 3389") << s3389 << 800u << 16 << 0;
        QTest::newRow("800 on 3337") << s3337 << 800u << 16 << 0;
        QTest::newRow("16000 on 3389") << s3389 << 16000u << 64 << 1;
        QTest::newRow("18000 on 3337") << s3337 << 18000u << 180 << 1;
        QTest::newRow("12800 on 3389") << s3389 << 12800u << 0 << 1;
        QTest::newRow("12800 on 3337") << s3337 << 12800u << 0 << 1;
        QTest::newRow("12850 on 3337") << s3337 << 12850u << 128 << 1;
        QTest::newRow("12750 on 3337") << s3337 << 12750u << 255 << 0;
        QTest::newRow("12850 on 3389") << s3389 << 12850u << 1 << 1;
    }

    void packsTheDocumentedExamples()
    {
        QFETCH(int, variant);
        QFETCH(unsigned, dpi);
        QFETCH(int, low);
        QFETCH(int, flag);
        const PackedDpi packed = packDpiUnits(SensorVariant(variant), dpi / 50);
        QCOMPARE(int(packed.low), low);
        QCOMPARE(int(packed.flag), flag);
    }

    void writesBothCopiesAndNothingElse()
    {
        unsigned char block[128];
        std::fill(block, block + 128, 0xEE);
        writeDpiStage(block, 7, PackedDpi{64, 1});
        writeDpiStage(block, 0, PackedDpi{16, 0});
        for (int i = 0; i < 128; ++i) {
            unsigned char expected = 0xEE;
            if (i == 37 || i == 53)
                expected = 16;
            else if (i == 38 || i == 54)
                expected = 0;
            else if (i == 51 || i == 67)
                expected = 64;
            else if (i == 52 || i == 68)
                expected = 1;
            QCOMPARE(int(block[i]), int(expected));
        }
    }

    // The first-start reconciliation adopts the mouse's values where they differ, so every value
    // a slider can set must come back unchanged, the halved 3337 stages included.
    void everySliderValueReadsBackUnchanged()
    {
        for (SensorVariant variant : {SensorVariant::Sensor3337, SensorVariant::Sensor3389}) {
            const DpiRange range = dpiSliderRange(variant);
            for (unsigned dpi = range.minimum; dpi <= range.maximum; dpi += range.step) {
                const PackedDpi packed = packDpiUnits(variant, dpi / 50);
                QCOMPARE(readBackDpi(variant, packed.low, packed.flag, std::nullopt), dpi);
                QCOMPARE(dpiForBytes(variant, packed.low, packed.flag), std::optional<unsigned>(dpi));
            }
        }
        QCOMPARE(dpiSliderRange(SensorVariant::Sensor3337).maximum, 18000u);
        QCOMPARE(dpiSliderRange(SensorVariant::Sensor3389).maximum, 16000u);
    }

    void readBackStaysInRangeAndPacksToTheSameBytes()
    {
        for (SensorVariant variant : {SensorVariant::Sensor3337, SensorVariant::Sensor3389}) {
            const DpiRange range = dpiSliderRange(variant);
            for (int flag = 0; flag < 2; ++flag) {
                for (int low = 0; low < 256; ++low) {
                    const unsigned dpi = readBackDpi(variant, uchar(low), uchar(flag), std::nullopt);
                    QVERIFY(dpi >= range.minimum && dpi <= range.maximum);
                    if (dpiForBytes(variant, uchar(low), uchar(flag)))
                        QCOMPARE(packDpiUnits(variant, dpi / 50), (PackedDpi{uchar(low), uchar(flag)}));
                }
            }
        }
        // The halved 3337 stage that the plain decoding would read as 21800.
        QCOMPARE(readBackDpi(SensorVariant::Sensor3337, 180, 1, std::nullopt), 18000u);
        QCOMPARE(readBackDpi(SensorVariant::Sensor3337, 128, 1, std::nullopt), 12850u);
    }

    void readBackPrefersTheStoredValueAndKeepsItForNoise()
    {
        // 12875 packs like 12850: no spurious difference for the reconciliation.
        QCOMPARE(readBackDpi(SensorVariant::Sensor3337, 128, 1, 12875u), 12875u);
        // A stored value that packs differently loses to the mouse.
        QCOMPARE(readBackDpi(SensorVariant::Sensor3389, 16, 0, 1600u), 800u);
        // An empty block (a failed read) fits no DPI of the range: the stored value stays.
        QCOMPARE(readBackDpi(SensorVariant::Sensor3389, 0, 0, 1600u), 1600u);
        QCOMPARE(readBackDpi(SensorVariant::Sensor3337, 5, 1, 3000u), 3000u);
        // Without a usable stored value, noise is clamped into the range.
        QCOMPARE(readBackDpi(SensorVariant::Sensor3389, 0, 0, std::nullopt), 200u);
        QCOMPARE(readBackDpi(SensorVariant::Sensor3389, 200, 1, 99999u), 16000u);
    }

    // The current-DPI reply names the stage by its packed bytes; zeros of a failed read stay 0.
    void currentDpiOfTheReply()
    {
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3337, 180, 1), 18000u);
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3337, 128, 1), 12850u);
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3337, 0, 1), 12800u);
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3389, 64, 1), 16000u);
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3389, 16, 0), 800u);
        QCOMPARE(currentDpiForBytes(SensorVariant::Sensor3389, 0, 0), 0u);
    }

    void selectMask()
    {
        QCOMPARE(int(dpiSelectMask({1, 0, 1, 1, 0, 0, 0, 0})), 13);
        QCOMPARE(int(dpiSelectMask({1, 2, 1, 1, 0, 0, 0, 0})), 13);
        QCOMPARE(int(dpiSelectMask({QStringLiteral("1"), 1, 1, 1, 1, 1, 1, 1, 1, 1})), 255);
        QCOMPARE(int(dpiSelectMask({0, 1})), 2);
        QCOMPARE(int(dpiSelectMask({})), 0);
        QCOMPARE(int(dpiSelectMask({-1, QStringLiteral("x"), 1.0})), 4);
    }
};

QTEST_APPLESS_MAIN(TestDpiStageTable)
#include "tst_dpi_stage_table.moc"
