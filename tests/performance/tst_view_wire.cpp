#include "app/widget.h"
#include "performance/hzk16_font.h"
#include "performance/screen_text.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QSettings>
#include <QtTest>

namespace {

// A command block with its checksum.
QByteArray commandBlock(QList<int> bytes)
{
    QByteArray block(8, '\0');
    int sum = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        block[i] = char(bytes[i]);
        sum += bytes[i];
    }
    block[7] = char(~sum);
    return block;
}

QByteArray bytes(QList<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

class TestViewWire : public QObject
{
    Q_OBJECT

private slots:
    void dpiStagesTravelInTheProfileBlock_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QByteArray>("stageBytes");
        QTest::newRow("3389") << 3389 << bytes({16, 0, 0, 1, 1, 1, 64, 1, 16, 0, 16, 0, 16, 0, 16, 0});
        QTest::newRow("3337") << 3337 << bytes({16, 0, 0, 1, 128, 1, 180, 1, 16, 0, 16, 0, 16, 0, 16, 0});
    }

    void dpiStagesTravelInTheProfileBlock()
    {
        QFETCH(int, model);
        QFETCH(QByteArray, stageBytes);
        RuntimeTree tree;
        VirtualMouseFixture f(model);
        myQQuickView *view = f.widget()->view();
        const int top = model == 3389 ? 16000 : 18000;
        const QVariantList dpis{800, 12800, 12850, top, 800, 800, 800, 800};
        QVariantList units;
        for (const QVariant &dpi : dpis)
            units.append(dpi.toInt() / 50);

        f.mouse().clearLog();
        view->ui_11H_SetDPISet(units, dpis);
        QCOMPARE(f.blocks(), QList<QByteArray>{commandBlock({0x06, 0x00, 0x80})});
        const QByteArray block = f.mouse().profileBlock(0);
        QCOMPARE(block.mid(37, 16), stageBytes);
        QCOMPARE(block.mid(53, 16), stageBytes);
        QCOMPARE(int(block[30]), 1);
        QCOMPARE(int(block[31]), 1);
        QCOMPARE(f.mouse().stageDpi(1), 800);
        QCOMPARE(f.mouse().stageDpi(4), top);

        // What the mouse holds reads back as the values the sliders set.
        f.mouse().clearLog();
        QCOMPARE(view->mouseReadDPISet(), dpis);
        QCOMPARE(f.blocks(), QList<QByteArray>{commandBlock({0x86, 0x00})});

        view->ui_11H_SetDPISelect({1, 0, 1, 1, 0, 0, 0, 0});
        QCOMPARE(int(f.mouse().enabledStages()), 13);
    }

    void temporaryDpiListSendsNothing()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        f.mouse().clearLog();
        const QVariantList dpis{400, 800, 1200, 1600, 2000, 2400, 2800, 3200};
        view->ui_11H_SetDPISetTmp(dpis);
        QVERIFY(f.blocks().isEmpty());
        QCOMPARE(view->ui_91H_GetDPISet(), dpis);
        QVERIFY(f.blocks().isEmpty());
    }

    void readBackOfHalvedStagesAndOfNoise()
    {
        RuntimeTree tree;
        VirtualMouseFixture f(3337);
        myQQuickView *view = f.widget()->view();
        QByteArray block = f.mouse().profileBlock(0);
        const QByteArray stages = bytes({180, 1, 0, 0, 128, 1, 0, 1, 129, 1, 7, 1, 2, 0, 16, 0});
        block.replace(37, 16, stages);
        f.mouse().setProfileBlock(0, block);
        view->ui_11H_SetDPISetTmp({800, 1600, 12875, 12800, 100, 3000});
        // Stage 2 is empty (no DPI packs to 0 0) and keeps the stored 1600, as stage 6 keeps
        // 3000 against noise; stage 3 keeps the stored 12875, which packs like the mouse's
        // bytes; stage 7's noise has nothing stored and is brought into the slider range.
        QCOMPARE(view->mouseReadDPISet(),
                 (QVariantList{18000u, 1600u, 12875u, 12800u, 12900u, 3000u, 200u, 800u}));
    }

    void stageIsAskedOnlyWhileTheWindowShows()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        Widget *w = f.widget();
        myQQuickView *view = w->view();
        f.mouse().setCurrentStage(5);
        w->hide();
        f.mouse().clearLog();
        QCOMPARE(view->ui_8BH_GetCurrentDPIStage().toInt(), 0);
        QVERIFY(f.blocks().isEmpty());
        w->show();
        QCOMPARE(view->ui_8BH_GetCurrentDPIStage().toInt(), 5);
        QCOMPARE(f.blocks(), QList<QByteArray>{commandBlock({0x8B})});
        w->hide();
    }

    void directCommandsAndBlockSettings()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        f.mouse().clearLog();
        view->mouseSetReportRate(2);
        view->mouseSetJMGD(3);
        QCOMPARE(f.blocks(), (QList<QByteArray>{commandBlock({0x03, 2}), commandBlock({0x0B, 3})}));
        QCOMPARE(f.mouse().reportRate(), 2);
        QCOMPARE(f.mouse().liftOff(), 3);

        f.mouse().clearLog();
        view->ui_0EH_SetXYSensitive(40, 200);
        view->mouseSetRGBLedEffect(0, 0, 0, 255, 0, 0, {1, 0, 0, 255, 0, 0});
        view->mouseSetDPIColor(1, {255, 0, 128});
        // Sensitivity and lighting reach the mouse only inside the block, never with their own
        // commands; sends that find the link busy fold into the newest.
        const QList<QByteArray> sent = f.blocks();
        QVERIFY(!sent.isEmpty() && sent.size() <= 3);
        QCOMPARE(sent, QList<QByteArray>(sent.size(), commandBlock({0x06, 0x00, 0x80})));
        const QByteArray block = f.mouse().profileBlock(0);
        QCOMPARE(block.mid(35, 2), bytes({40, 200}));
        QCOMPARE(f.mouse().lighting(), bytes({0, 0, 0, 255, 0, 0}));
        QCOMPARE(block.mid(73, 6), bytes({0, 0, 0, 255, 0, 0}));
        QCOMPARE(block.mid(100, 24), bytes({255, 0, 128}) + QByteArray(21, '\0'));
    }

    void textImageUpload()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        f.mouse().clearLog();
        view->ui_LED_DataProc(11, 44, QString::fromUtf8("A中"));
        QList<QByteArray> expected;
        for (int k = 0; k < 4; ++k)
            expected.append(commandBlock({0x09, k, 0x80, 0}));
        QCOMPARE(f.blocks(), expected);
        QCOMPARE(f.mouse().screenChunks(), (QList<QPair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
        Hzk16Font wide;
        const ScreenImage image = renderScreenText(11, 44, QString::fromUtf8("A中"), wide);
        QByteArray sent;
        for (int k = 0; k < 4; ++k)
            sent += f.mouse().screenChunk(k, 0);
        QCOMPARE(sent, QByteArray(reinterpret_cast<const char *>(image.data()), 512));
        QVERIFY(sent.count('\0') < 512 - 20);
    }

    void pictureUpload()
    {
        RuntimeTree tree;
        VirtualMouseFixture f;
        myQQuickView *view = f.widget()->view();
        f.mouse().clearLog();
        QVariantList picture;
        for (int i = 0; i < 480; ++i)
            picture.append(0x100 | (i & 0xFF));
        view->ui_LED_PictureDataProc(picture, 1);
        QList<QByteArray> expected;
        for (int k = 0; k < 4; ++k)
            expected.append(commandBlock({0x09, k, 0x80, 1}));
        QCOMPARE(f.blocks(), expected);
        QByteArray sent;
        for (int k = 0; k < 4; ++k)
            sent += f.mouse().screenChunk(k, 1);
        QCOMPARE(sent.size(), 512);
        for (int i = 0; i < 480; ++i)
            QCOMPARE(int(uchar(sent[i])), i & 0xFF);
        QCOMPARE(sent.mid(480), QByteArray(32, '\0'));
    }
};

QTEST_MAIN(TestViewWire)
#include "tst_view_wire.moc"
