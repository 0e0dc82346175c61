#include "app/widget.h"
#include "performance/pointer_settings.h"
#include "app/myqquickview.h"
#include "tests/support/live_pages.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// Records what the pages ask of the desktop instead of changing it.
class RecordingPointer : public PointerSettings
{
public:
    QStringList calls;
    bool getMouse(int params[3]) override
    {
        params[0] = params[1] = params[2] = 0;
        return true;
    }
    bool setMouse(const int *) override { return true; }
    bool setMouseSpeed(unsigned speed) override
    {
        calls << QStringLiteral("speed %1").arg(speed);
        return speed <= 20;
    }
    bool setWheelScrollLines(unsigned lines) override
    {
        calls << QStringLiteral("lines %1").arg(lines);
        return true;
    }
    bool setDoubleClickTime(unsigned ms) override
    {
        calls << QStringLiteral("double %1").arg(ms);
        return true;
    }
    const char *unavailableReason(PointerSetting setting) const override
    {
        return setting == PointerSetting::WheelLines ? wheelRefused : nullptr;
    }
    const char *wheelRefused = nullptr;
};

QQuickItem *findItem(QQuickItem *from, const QString &name)
{
    if (!from)
        return nullptr;
    if (from->objectName() == name)
        return from;
    for (QQuickItem *child : from->childItems()) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list << v;
    return list;
}

// Bytes `from`..`from + count` of the profile block the mouse holds.
QList<int> blockBytes(VirtualMouseFixture &f, int from, int count)
{
    const QByteArray block = f.mouse().profileBlock(0);
    QList<int> out;
    for (int i = from; i < from + count && i < block.size(); ++i)
        out << uchar(block[i]);
    return out;
}

// The real window against the virtual mouse, its pages on the working screen, the desktop's
// pointer settings replaced by a recorder.
struct Session
{
    explicit Session(int model = 3389, const std::function<void(VirtualMouseFixture &)> &before = {})
        : f(model)
    {
        if (before)
            before(f);
        f.widget()->view()->setPointerSettings(&pointer);
        f.widget()->show();
        pages = std::make_unique<LivePages>(f.widget());
    }

    bool ready() { return pages->waitForWorkingScreen(); }

    // The current profile's file as it stands on disk.
    QVariant stored(const QString &key)
    {
        f.widget()->view()->syncSettings();
        QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
        return file.value(key);
    }

    QVariant property(const QString &item, const char *name)
    {
        QQuickItem *found = findItem(pages->root(), item);
        return found ? found->property(name) : QVariant();
    }
    QVariant eval(const QString &js) { return pages->eval(js); }

    // Scrolls the right column so that the panel shows, then gives the scene point of (x, y)
    // inside the named item.
    QPoint at(const QString &item, qreal x, qreal y, const QString &panel = {})
    {
        if (!panel.isEmpty()) {
            eval(QStringLiteral("rightColumn.contentY = Math.max(0, Math.min(%1.y, rightColumn.contentHeight"
                                " - rightColumn.height))").arg(panel));
        }
        QQuickItem *found = findItem(pages->root(), item);
        if (!found)
            return {-1, -1};
        return found->mapToScene(QPointF(x, y)).toPoint();
    }

    void focus(const QString &item)
    {
        f.widget()->view()->setFocus();
        if (QQuickItem *found = findItem(pages->root(), item))
            found->forceActiveFocus();
    }

    QList<QByteArray> blocksWith(unsigned char code) const
    {
        QList<QByteArray> out;
        for (const QByteArray &b : f.blocks()) {
            if (uchar(b[0]) == code)
                out << b;
        }
        return out;
    }

    RuntimeTree tree;
    VirtualMouseFixture f;
    RecordingPointer pointer;
    std::unique_ptr<LivePages> pages;
};

} // namespace

class TestSensorPages : public QObject
{
    Q_OBJECT

private slots:
    void dpiSlidersByPointerAndKeys()
    {
        Session s;
        QVERIFY(s.ready());
        s.f.mouse().clearLog();

        // A click at y 85 of stage 2's column: h = 77, 8100 DPI, sent at once.
        s.pages->click(s.at(QStringLiteral("dpiSlider1"), 3, 85));
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[1]")).toInt(), 8100);
        QCOMPARE(blockBytes(s.f, 37 + 2, 2), QList<int>({162, 0}));
        QCOMPARE(blockBytes(s.f, 53 + 2, 2), QList<int>({162, 0}));
        QCOMPARE(s.blocksWith(0x06).size(), 1);

        // The column's ends, and beyond them.
        s.pages->click(s.at(QStringLiteral("dpiSlider0"), 3, 2));
        s.pages->click(s.at(QStringLiteral("dpiSlider2"), 3, 169));
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.valueForDpi()")).toList().mid(0, 3), ints({16000, 8100, 200}));
        QCOMPARE(blockBytes(s.f, 37, 6), QList<int>({64, 1, 162, 0, 4, 0}));
        QCOMPARE(s.stored(QStringLiteral("sensor/dpi_J2")).toStringList().mid(0, 3),
                 QStringList({QStringLiteral("16000"), QStringLiteral("8100"), QStringLiteral("200")}));

        // Dragging the handle shows every value on the way and sends once, on release.
        s.f.mouse().clearLog();
        const QPoint handle = s.at(QStringLiteral("dpiSlider1"), 3, 8 + 77);
        QTest::mousePress(s.f.widget()->view(), Qt::LeftButton, Qt::NoModifier, handle);
        for (int dy = 4; dy <= 40; dy += 4) {
            QTest::mouseMove(s.f.widget()->view(), handle - QPoint(0, dy));
            if (dy == 20)
                QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[1]")).toInt(), 10100);
        }
        QCOMPARE(s.blocksWith(0x06).size(), 0);
        QTest::mouseRelease(s.f.widget()->view(), Qt::LeftButton, Qt::NoModifier, handle - QPoint(0, 40));
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[1]")).toInt(), 12200);
        QCOMPARE(s.blocksWith(0x06).size(), 1);
        QCOMPARE(blockBytes(s.f, 39, 2), QList<int>({244, 0}));

        // Keys: Up steps 100, End goes to the top; each key stroke is sent at most once (two
        // that find the link busy fold into the newer) and a stroke that changes nothing not at all.
        s.f.mouse().clearLog();
        s.focus(QStringLiteral("dpiSlider1"));
        s.pages->key(Qt::Key_Up);
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[1]")).toInt(), 12300);
        s.pages->key(Qt::Key_End);
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[1]")).toInt(), 16000);
        s.pages->key(Qt::Key_End);
        QVERIFY(s.blocksWith(0x06).size() >= 1 && s.blocksWith(0x06).size() <= 2);

        // A select button turns stage 3 off: the mask, then the stage table again.
        s.f.mouse().clearLog();
        s.pages->click(s.at(QStringLiteral("dpiSelect2"), 10, 7));
        QCOMPARE(blockBytes(s.f, 71, 1), QList<int>({0xfb}));
        QVERIFY(s.blocksWith(0x06).size() >= 1 && s.blocksWith(0x06).size() <= 2);
        s.focus(QStringLiteral("dpiSelect2"));
        s.pages->key(Qt::Key_Space);
        QCOMPARE(blockBytes(s.f, 71, 1), QList<int>({0xff}));

        // A colour square opens the picker; a preset colours that stage only.
        s.pages->click(s.at(QStringLiteral("dpiColor1"), 4, 4));
        QVERIFY(s.eval(QStringLiteral("colorBar.visible")).toBool());
        s.f.mouse().clearLog();
        s.pages->key(Qt::Key_3);
        QCOMPARE(blockBytes(s.f, 100, 9), QList<int>({255, 0, 0, 0, 255, 0, 0, 255, 0}));
        s.pages->key(Qt::Key_Escape);
        QVERIFY(!s.eval(QStringLiteral("colorBar.visible")).toBool());
        QCOMPARE(s.stored(QStringLiteral("color_J2/type1")).toStringList().mid(3, 3),
                 QStringList({QStringLiteral("0"), QStringLiteral("255"), QStringLiteral("0")}));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    void dpiRangeOfThe3337()
    {
        Session s(3337);
        QVERIFY(s.ready());
        s.pages->click(s.at(QStringLiteral("dpiSlider0"), 3, 0));
        s.pages->click(s.at(QStringLiteral("dpiSlider1"), 3, 169));
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.valueForDpi()")).toList().mid(0, 2), ints({18000, 200}));
        QCOMPARE(blockBytes(s.f, 37, 4), QList<int>({180, 1, 4, 0}));
        QCOMPARE(s.stored(QStringLiteral("sensor/dpi_J2_3337")).toStringList().mid(0, 2),
                 QStringList({QStringLiteral("18000"), QStringLiteral("200")}));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    // Sending a profile again hands the mouse exactly what the file holds, whatever pixel a
    // value falls on; stages, flags and colours a profile lacks are the page's defaults.
    void dpiPageSendsWhatIsStored()
    {
        Session s;
        QVERIFY(s.ready());
        myQQuickView *view = s.f.widget()->view();
        view->ui_11H_SetDPISetTmp(ints({12850, 8150, 450}));
        view->ui_11H_SetDPISelect(ints({1, 0}));
        view->mouseSetDPIColor(1, ints({1, 2, 3}));
        s.f.mouse().clearLog();

        s.eval(QStringLiteral("dpiSettingMain.init(true)"));

        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.valueForDpi()")).toList(),
                 ints({12850, 8150, 450, 16000, 16000, 16000, 16000, 16000}));
        QCOMPARE(s.stored(QStringLiteral("sensor/dpi_J2")).toStringList(),
                 QStringList({QStringLiteral("12850"), QStringLiteral("8150"), QStringLiteral("450"),
                              QStringLiteral("16000"), QStringLiteral("16000"), QStringLiteral("16000"),
                              QStringLiteral("16000"), QStringLiteral("16000")}));
        // Mask and stage table, then the colours: up to three blocks (folded when the link is
        // busy), no direct command.
        QVERIFY(s.blocksWith(0x06).size() >= 1 && s.blocksWith(0x06).size() <= 3);
        QCOMPARE(s.blocksWith(0x11).size(), 0);
        QCOMPARE(blockBytes(s.f, 37, 6), QList<int>({1, 1, 163, 0, 9, 0}));
        QCOMPARE(blockBytes(s.f, 71, 1), QList<int>({0xfd}));
        QCOMPARE(blockBytes(s.f, 100, 9), QList<int>({1, 2, 3, 0, 0, 255, 0, 255, 0}));
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiColors")).toStringList().mid(0, 3),
                 QStringList({QStringLiteral("#010203"), QStringLiteral("#0000ff"), QStringLiteral("#00ff00")}));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    // At the first start the mouse's own stages and rate win; the stages are only stored.
    void firstStartTakesTheMousesValues()
    {
        Session s(3389, [](VirtualMouseFixture &f) {
            QByteArray block = f.mouse().profileBlock(0);
            block.resize(128);
            const int dpi[8] = {400, 800, 1600, 2400, 3200, 6400, 8000, 12000};
            for (int i = 0; i < 8; ++i) {
                const int units = (i == 2 ? 5000 : dpi[i]) / 50;
                block[37 + 2 * i] = char(units & 255);
                block[38 + 2 * i] = char(units > 255 ? 1 : 0);
            }
            f.mouse().setProfileBlock(0, block);
            // The rate as another program left it; the bare link's listener must not hold a
            // thread of the global pool that the window's image loading needs.
            f.bareLink().hid_03H_SetReportRate(4);
            f.bareLink().stopWorker();
            f.mouse().wakeReaders();
            f.mouse().clearLog();
        });
        QVERIFY(s.ready());
        QCOMPARE(s.eval(QStringLiteral("dpiSettingMain.dpiValues[2]")).toInt(), 5000);
        QCOMPARE(s.stored(QStringLiteral("sensor/dpi_J2")).toStringList().value(2), QStringLiteral("5000"));
        QCOMPARE(s.blocksWith(0x06).size(), 0);
        QCOMPARE(s.eval(QStringLiteral("reportRateMain.reportValue")).toInt(), 4);
        QCOMPARE(s.stored(QStringLiteral("sensor/reportRate_J2")).toInt(), 4);
        QCOMPARE(s.f.mouse().reportRate(), 4);
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    void reportRateQuadrantsAndStoredCodes()
    {
        Session s;
        QVERIFY(s.ready());
        myQQuickView *view = s.f.widget()->view();
        const QString picture = QStringLiteral("reportPicture");
        const QString panel = QStringLiteral("reportRateMain");

        // The dial takes the quadrant once its event handler has returned.
        s.pages->click(s.at(picture, 30, 80, panel));
        QTRY_COMPARE(s.eval(QStringLiteral("reportRateMain.reportValue")).toInt(), 4);
        QCOMPARE(s.f.mouse().reportRate(), 4);
        // A drag follows the pointer into the right-top quadrant.
        s.pages->drag(s.at(picture, 30, 80, panel), s.at(picture, 180, 10, panel));
        QTRY_COMPARE(s.f.mouse().reportRate(), 1);
        s.focus(picture);
        s.pages->key(Qt::Key_Down);
        QCOMPARE(s.f.mouse().reportRate(), 2);
        QCOMPARE(s.stored(QStringLiteral("sensor/reportRate_J2")).toInt(), 2);

        // Nothing stored shows 1000 Hz; 3 stays 3, drawn as 125 Hz, and goes out as 3.
        view->currentSettings()->remove(QStringLiteral("sensor/reportRate_J2"));
        s.eval(QStringLiteral("reportRateMain.init(false)"));
        QCOMPARE(s.eval(QStringLiteral("reportRateMain.reportValue")).toInt(), 1);
        view->mouseSetReportRate(3);
        s.f.mouse().clearLog();
        s.eval(QStringLiteral("reportRateMain.init(true)"));
        QCOMPARE(s.eval(QStringLiteral("reportRateMain.reportValue")).toInt(), 3);
        QCOMPARE(s.eval(QStringLiteral("reportRateMain.shownValue")).toInt(), 8);
        QCOMPARE(s.f.lastBlock(0x03).mid(0, 2), QByteArray::fromHex("0303"));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    void dialsAndScrollLines()
    {
        Session s;
        QVERIFY(s.ready());
        const QString gauge = QStringLiteral("mouseRateGauge");
        const QString panel = QStringLiteral("mouseRateMain");

        // Level with the pivot: 11 on the right, 0 on the left; the value goes out on release.
        s.pages->click(s.at(gauge, 236, 70, panel));
        QCOMPARE(s.eval(QStringLiteral("mouseRateMain.mouseRateValue")).toInt(), 11);
        s.pages->click(s.at(gauge, 5, 70, panel));
        QCOMPARE(s.eval(QStringLiteral("mouseRateMain.mouseRateValue")).toInt(), 0);
        // Straight above the pivot: 90 degrees, value 6.
        s.pages->click(s.at(gauge, 121, 20, panel));
        QCOMPARE(s.eval(QStringLiteral("mouseRateMain.mouseRateValue")).toInt(), 6);
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("speed 22"), QStringLiteral("speed 1"),
                                               QStringLiteral("speed 12")}));
        QCOMPARE(s.stored(QStringLiteral("sensor/cursorSpeed_J2")).toInt(), 6);
        s.pointer.calls.clear();
        s.focus(QStringLiteral("doubleRateGauge"));
        s.pages->key(Qt::Key_Left);
        QCOMPARE(s.eval(QStringLiteral("doubleRateMain.doubleRateValue")).toInt(), 4);
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("double 620")}));

        // One screen, then the field emptied and left: 1 line, whichever option shows.
        s.pointer.calls.clear();
        s.pages->click(s.at(QStringLiteral("scrollScreen"), 5, 5, QStringLiteral("scrollRateMain")));
        QCOMPARE(s.stored(QStringLiteral("sensor/verticalScrollLines_J2")).toInt(), 1000);
        s.pages->click(s.at(QStringLiteral("scrollField"), 10, 5));
        QVERIFY(s.eval(QStringLiteral("mainIten.isScrollRateFocus")).toBool());
        s.pages->key(Qt::Key_A, Qt::ControlModifier);
        s.pages->key(Qt::Key_Backspace);
        s.pages->click(QPoint(600, 600));
        QVERIFY(!s.eval(QStringLiteral("mainIten.isScrollRateFocus")).toBool());
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("lines 1000"), QStringLiteral("lines 1")}));
        QCOMPARE(s.eval(QStringLiteral("scrollRateMain.lines")).toInt(), 1);

        // "+" steps without sending; Enter in the field sends what it holds.
        s.pointer.calls.clear();
        s.pages->click(s.at(QStringLiteral("scrollPlus"), 9, 9));
        s.pages->click(s.at(QStringLiteral("scrollPlus"), 9, 9));
        QCOMPARE(s.pointer.calls, QStringList());
        s.focus(QStringLiteral("scrollField"));
        s.pages->typeText(QStringLiteral("9"));
        s.pages->key(Qt::Key_Return);
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("lines 39")}));

        // A profile without the count shows and sends the factory 3, not 0.
        s.f.widget()->view()->currentSettings()->remove(QStringLiteral("sensor/verticalScrollLines_J2"));
        s.pointer.calls.clear();
        s.eval(QStringLiteral("scrollRateMain.init(true)"));
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("lines 3")}));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    // A setting this desktop cannot apply: its panel is disabled with the reason, and the
    // stored value stays.
    void unavailableSettingDisablesItsPanel()
    {
        Session s;
        QVERIFY(s.ready());
        s.f.widget()->view()->setVerticalScrollLines(7);
        s.pointer.wheelRefused = "No wheel lines here.";
        s.eval(QStringLiteral("scrollRateMain.init(false); mouseRateMain.init(false)"));
        QCOMPARE(s.eval(QStringLiteral("scrollRateMain.unavailable")).toString(), QStringLiteral("No wheel lines here."));
        QCOMPARE(s.eval(QStringLiteral("mouseRateMain.unavailable")).toString(), QString());
        QQuickItem *note = findItem(s.pages->root(), QStringLiteral("unavailableNote"));
        QVERIFY(note);
        s.pointer.calls.clear();
        s.pages->click(s.at(QStringLiteral("scrollScreen"), 5, 5, QStringLiteral("scrollRateMain")));
        QCOMPARE(s.pointer.calls, QStringList());
        QCOMPARE(s.stored(QStringLiteral("sensor/verticalScrollLines_J2")).toInt(), 7);
        QCOMPARE(s.eval(QStringLiteral("scrollRateMain.lines")).toInt(), 7);

        s.pointer.wheelRefused = nullptr;
        s.eval(QStringLiteral("scrollRateMain.init(false)"));
        s.pages->click(s.at(QStringLiteral("scrollScreen"), 5, 5, QStringLiteral("scrollRateMain")));
        QCOMPARE(s.pointer.calls, QStringList({QStringLiteral("lines 1000")}));
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    void liftOffAndAxisSteps()
    {
        Session s;
        QVERIFY(s.ready());
        myQQuickView *view = s.f.widget()->view();

        s.pages->click(s.at(QStringLiteral("jmgd1"), 5, 5));
        QCOMPARE(s.f.mouse().liftOff(), 3);
        QCOMPARE(s.stored(QStringLiteral("sensor/jmgd")).toInt(), 3);
        // A profile without the key reads as the factory height, so no lift-off of 0 ever
        // reaches the mouse.
        view->currentSettings()->remove(QStringLiteral("sensor/jmgd"));
        s.eval(QStringLiteral("jmgdMain.init(true)"));
        QCOMPARE(s.eval(QStringLiteral("jmgdMain.selModel")).toInt(), 0);
        QCOMPARE(s.f.lastBlock(0x0B).mid(0, 2), QByteArray::fromHex("0b02"));

        // Pointer x -> position at every step boundary; 9 sits at 200 when the pointer put it there.
        const QList<QPair<int, int>> steps = {{29, 0}, {30, 1}, {51, 1}, {52, 2}, {94, 3}, {95, 4},
                                              {136, 5}, {158, 6}, {179, 7}, {199, 8}, {200, 9}};
        for (const auto &step : steps) {
            s.pages->click(s.at(QStringLiteral("xSlider"), step.first, 8));
            QCOMPARE(s.eval(QStringLiteral("xySettingMain.xValue")).toInt(), step.second);
        }
        QCOMPARE(s.property(QStringLiteral("xSlider"), "handleX").toInt(), 200);
        QCOMPARE(view->getXYSensitive(0).toInt(), 9);
        QCOMPARE(blockBytes(s.f, 35, 2), QList<int>({200, 100}));

        // A drag back to where it started sends nothing; a key sends the new step.
        s.f.mouse().clearLog();
        s.pages->drag(s.at(QStringLiteral("ySlider"), 95, 8), s.at(QStringLiteral("ySlider"), 96, 8));
        QCOMPARE(s.blocksWith(0x06).size(), 0);
        s.focus(QStringLiteral("ySlider"));
        s.pages->key(Qt::Key_Left);
        QCOMPARE(blockBytes(s.f, 35, 2), QList<int>({200, 80}));
        QCOMPARE(view->getXYSensitive(1).toInt(), 3);

        // Loading places the handles from the table; junk shows as the top position.
        view->setXYSensitive(0, QStringLiteral("x"));
        view->setXYSensitive(1, 0);
        s.f.mouse().clearLog();
        s.eval(QStringLiteral("xySettingMain.init(true)"));
        QCOMPARE(s.property(QStringLiteral("xSlider"), "handleX").toInt(), 199);
        QCOMPARE(s.property(QStringLiteral("ySlider"), "handleX").toInt(), 10);
        QCOMPARE(blockBytes(s.f, 35, 2), QList<int>({200, 20}));
        QCOMPARE(s.blocksWith(0x06).size(), 1);
        QCOMPARE(s.pages->warnings(), QStringList());
    }

    // A folded panel ignores a second click while it moves; the title bar answers keys too.
    void panelsFoldByPointerAndKeys()
    {
        Session s;
        QVERIFY(s.ready());
        const int open = s.eval(QStringLiteral("jmgdMain.height")).toInt();
        s.eval(QStringLiteral("jmgdMain.openCloseMenu()"));
        s.eval(QStringLiteral("jmgdMain.openCloseMenu()"));
        QTRY_COMPARE(s.eval(QStringLiteral("jmgdMain.height")).toInt(), 18);
        QVERIFY(open > 18);
        s.f.widget()->view()->setFocus();
        s.eval(QStringLiteral("Array.from(jmgdMain.children).find(c => c.title !== undefined).forceActiveFocus()"));
        QTRY_VERIFY(!s.eval(QStringLiteral("jmgdMain.isMoving")).toBool());
        s.pages->key(Qt::Key_Return);
        QTRY_COMPARE(s.eval(QStringLiteral("jmgdMain.height")).toInt(), open);
        QCOMPARE(s.pages->warnings(), QStringList());
    }
};

QTEST_MAIN(TestSensorPages)
#include "tst_sensor_pages.moc"
