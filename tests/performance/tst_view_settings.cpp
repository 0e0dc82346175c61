#include "device/hid_thread.h"
#include "device/link_state.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QSettings>
#include <QtTest>

namespace {

QStringList capturedLines;

void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        capturedLines.append(message);
}

QList<int> storedBlock(myQQuickView &view)
{
    QList<int> block;
    for (const QVariant &v : view.currentSettings()->value(QStringLiteral("profile/data")).toList())
        block.append(v.toInt());
    return block;
}

// The block with the given bytes changed and the two send marks set.
QList<int> patched(QList<int> block, int offset, const QList<int> &bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        block[offset + i] = bytes[i];
    block[30] = 1;
    block[31] = 1;
    return block;
}

QVariantList dpiTable()
{
    QVariantList table;
    for (int i = 0; i < 8; ++i)
        table.append(LinkState::currentDpi(i));
    return table;
}

} // namespace

class TestViewSettings : public QObject
{
    Q_OBJECT

private slots:
    void dpiListFollowsTheSensorAndFillsTheCurrentTable()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        view.initUI(1);
        const QVariantList dpis{800, 1600, 2400, 3200, 4800, 6400, 12800, 16000};
        view.ui_11H_SetDPISetTmp(dpis);
        QCOMPARE(view.ui_91H_GetDPISet(), dpis);
        QCOMPARE(dpiTable(), dpis);
        QCOMPARE(view.currentSettings()->value(QStringLiteral("sensor/dpi_J2")).toList(), dpis);
        QVERIFY(!view.currentSettings()->contains(QStringLiteral("sensor/dpi_J2_3337")));

        // A short stored list: the missing stages are absent, read as 0 in the table.
        view.currentSettings()->setValue(QStringLiteral("sensor/dpi_J2"), QVariantList{400, 500, 600});
        QCOMPARE(view.ui_91H_GetDPISet(), (QVariantList{400u, 500u, 600u}));
        QCOMPARE(dpiTable(), (QVariantList{400u, 500u, 600u, 0u, 0u, 0u, 0u, 0u}));
        view.ui_11H_SetDPISet({8, 10}, {400, 500});
        QCOMPARE(dpiTable(), (QVariantList{400u, 500u, 0u, 0u, 0u, 0u, 0u, 0u}));
        // A hand-edited scalar is one stage, not a list of characters.
        view.currentSettings()->setValue(QStringLiteral("sensor/dpi_J2"), QStringLiteral("800"));
        QCOMPARE(view.ui_91H_GetDPISet(), (QVariantList{800u}));
    }

    void dpiSetWritesOneDebugLinePerStageAndCopy()
    {
        RuntimeTree tree;
        myQQuickView view;
        view.initUI(1);
        QVariantList units, dpis;
        for (int i = 0; i < 8; ++i) {
            const int dpi = i == 7 ? 16000 : 800 * (i + 1);
            units.append(dpi / 50);
            dpis.append(dpi);
        }
        capturedLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
        view.ui_11H_SetDPISet(units, dpis);
        qInstallMessageHandler(previous);
        QStringList expected;
        for (int i = 0; i < 8; ++i) {
            const int v = units[i].toInt();
            const QString bytes = QStringLiteral(" %1 %2").arg(v % 256).arg(v > 255 ? 1 : 0);
            expected << QLatin1Char('"') + QString::number(37 + 2 * i, 16) + QLatin1Char('"') + bytes;
            expected << QLatin1Char('"') + QString::number(53 + 2 * i, 16) + QLatin1Char('"') + bytes;
        }
        QCOMPARE(capturedLines.mid(0, 16), expected);
        QCOMPARE(expected.first(), QStringLiteral("\"25\" 16 0"));
        QCOMPARE(expected.last(), QStringLiteral("\"43\" 64 1"));
    }

    void dpiStagesArePackedIntoBothCopies_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QList<int>>("stageBytes");
        // 800, 12800, 12850, 16000 / 18000, then 4 stages the short list leaves alone.
        QTest::newRow("3389") << 1 << QList<int>{16, 0, 0, 1, 1, 1, 64, 1};
        QTest::newRow("3337") << 0 << QList<int>{16, 0, 0, 1, 128, 1, 180, 1};
    }

    void dpiStagesArePackedIntoBothCopies()
    {
        QFETCH(int, device);
        QFETCH(QList<int>, stageBytes);
        RuntimeTree tree;
        myQQuickView view;
        view.initUI(device);
        const QList<int> before = storedBlock(view);
        QCOMPARE(before.size(), 128);
        const unsigned top = device ? 16000 : 18000;
        view.ui_11H_SetDPISet({16, 256, 257, top / 50}, {800, 12800, 12850, top});
        QList<int> expected = patched(before, 37, stageBytes);
        expected = patched(expected, 53, stageBytes);
        QCOMPARE(storedBlock(view), expected);
        const QString key = device ? QStringLiteral("sensor/dpi_J2") : QStringLiteral("sensor/dpi_J2_3337");
        const QString other = device ? QStringLiteral("sensor/dpi_J2_3337") : QStringLiteral("sensor/dpi_J2");
        const QVariant untouched = view.currentSettings()->value(other);
        QCOMPARE(view.ui_91H_GetDPISet(), (QVariantList{800u, 12800u, 12850u, top}));
        QCOMPARE(view.currentSettings()->value(other), untouched);
        QVERIFY(view.currentSettings()->value(key).isValid());
    }

    void maskSensitivityAndLightingBytes()
    {
        RuntimeTree tree;
        myQQuickView view;
        view.initUI(1);
        QList<int> expected = storedBlock(view);

        view.ui_11H_SetDPISelect({1, 0, 1, 1, 0, 0, 0, 0});
        expected = patched(expected, 71, {13});
        QCOMPARE(storedBlock(view), expected);
        view.ui_11H_SetDPISelect({1, 2, 1, 1, 0, 0, 0, 0});
        QCOMPARE(storedBlock(view), expected);

        view.ui_0EH_SetXYSensitive(20, 200);
        expected = patched(expected, 35, {20, 200});
        QCOMPARE(storedBlock(view), expected);

        // "Static" at level 0 is light off on the mouse; the page keeps its own record.
        view.mouseSetRGBLedEffect(0, 0, 0, 255, 0, 0, {1, 0, 0, 255, 0, 0});
        expected = patched(expected, 73, {0, 0, 0, 255, 0, 0});
        QCOMPARE(storedBlock(view), expected);
        QCOMPARE(view.ui_8DH_GetRGBLedEffect(), (QVariantList{1u, 0u, 0u, 255u, 0u, 0u}));
        view.mouseSetRGBLedEffect(2, 8, 0, 0, 0, 255, {2, 3, 0, 0, 0, 255});
        expected = patched(expected, 73, {2, 8, 0, 0, 0, 255});
        QCOMPARE(storedBlock(view), expected);

        QVariantList colours;
        QList<int> colourBytes;
        for (int i = 0; i < 25; ++i) {
            colours.append(200 + i);
            if (i < 24)
                colourBytes.append(200 + i);
        }
        view.mouseSetDPIColor(1, colours);
        expected = patched(expected, 100, colourBytes);
        QCOMPARE(storedBlock(view), expected);
        // Stored as given; the page reads the 24 entries the mouse has.
        QCOMPARE(view.currentSettings()->value(QStringLiteral("color_J2/type1")).toList().size(), 25);
        QCOMPARE(view.ui_90H_GetLED8StageColor(1).size(), 24);
        view.mouseSetDPIColor(1, {0x1FF, 0, 128}); // entries are cut to their low byte
        expected = patched(expected, 100, QList<int>{255, 0, 128} + QList<int>(21, 0));
        QCOMPARE(storedBlock(view), expected);
    }

    void hiddenWindowDoesNotAskForTheStage()
    {
        RuntimeTree tree;
        Hid_Thread link;
        myQQuickView view;
        view.hidThread = &link;
        QVERIFY(!view.isVisible());
        QCOMPARE(view.ui_8BH_GetCurrentDPIStage().toInt(), 0);
    }

    void sensorValuesAreStored()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        QCOMPARE(view.ui_81H_GetReportRate().toInt(), 0);
        view.mouseSetReportRate(8);
        QCOMPARE(view.ui_81H_GetReportRate().toInt(), 8);
        view.currentSettings()->setValue(QStringLiteral("sensor/reportRate_J2"), 300);
        QCOMPARE(view.ui_81H_GetReportRate().toInt(), 44);
        view.mouseSetJMGD(3);
        QCOMPARE(view.currentSettings()->value(QStringLiteral("sensor/jmgd")).toInt(), 3);

        QCOMPARE(view.getXYSensitive(0).toInt(), 4);
        QCOMPARE(view.getXYSensitive(1).toInt(), 4);
        view.setXYSensitive(1, 7);
        QCOMPARE(view.getXYSensitive(1).toInt(), 7);
        QCOMPARE(view.getXYSensitive(0).toInt(), 4);

        QCOMPARE(view.ui_91H_GetDPISelect(), QVariantList());
        view.ui_11H_SetDPISelect({1, 0, 1, 1, 0, 0, 0, 0});
        QCOMPARE(view.ui_91H_GetDPISelect(), (QVariantList{1u, 0u, 1u, 1u, 0u, 0u, 0u, 0u}));

        view.currentSettings()->sync();
        const QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("sensor/reportRate_J2")).toInt(), 300);
        QCOMPARE(file.value(QStringLiteral("sensor/jmgd")).toInt(), 3);
        QCOMPARE(file.value(QStringLiteral("XYSensitive/1")).toInt(), 7);
    }

    void lightingValuesAreStored()
    {
        RuntimeTree tree(false);
        myQQuickView view;
        QCOMPARE(view.ui_8DH_GetRGBLedEffect(), QVariantList());
        view.mouseSetRGBLedEffect(0, 0, 0, 255, 0, 0, {1, 0, 0, 255, 0, 0});
        QCOMPARE(view.ui_8DH_GetRGBLedEffect(), (QVariantList{1u, 0u, 0u, 255u, 0u, 0u}));

        QVariantList colours;
        for (int i = 0; i < 24; ++i)
            colours.append(i * 10);
        view.mouseSetDPIColor(1, colours);
        QCOMPARE(view.ui_90H_GetLED8StageColor(1).size(), 24);
        QCOMPARE(view.ui_90H_GetLED8StageColor(1).at(23).toUInt(), 230u);
        QCOMPARE(view.ui_90H_GetLED8StageColor(2), QVariantList());
        QVERIFY(view.currentSettings()->contains(QStringLiteral("color_J2/type1")));
        QVERIFY(!view.currentSettings()->contains(QStringLiteral("color_J2/type2")));
    }

    void textIsMeasured()
    {
        RuntimeTree tree;
        myQQuickView view;
        QCOMPARE(view.ui_LED_DataVerify(QString::fromUtf8("中AB")).toInt(), 32);
        QCOMPARE(view.ui_LED_DataVerify(QStringLiteral("MMMMMMMMMMMM")).toInt(), 96);
        QCOMPARE(view.ui_LED_DataVerify(QString::fromUtf8("一二三四五")).toInt(), 80);
    }
};

QTEST_MAIN(TestViewSettings)
#include "tst_view_settings.moc"
