#include "device/hid_thread.h"
#include "device/link_state.h"
#include "profiles/myqquickview.h"
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
        RuntimeTree tree;
        Hid_Thread link;
        myQQuickView view;
        view.hidThread = &link;
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
        RuntimeTree tree;
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
        RuntimeTree tree;
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
