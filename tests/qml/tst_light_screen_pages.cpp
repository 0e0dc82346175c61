// The lighting panel and the screen editor of the real main window, driven by mouse and keyboard
// against the virtual mouse; what reaches the mouse is checked byte for byte.
#include "app/widget.h"
#include "performance/hzk16_font.h"
#include "performance/picture_convert.h"
#include "performance/picture_file_dialog.h"
#include "performance/screen_text.h"
#include "app/myqquickview.h"
#include "tests/support/live_pages.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QFile>
#include <QImage>
#include <QInputMethodEvent>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray screenOf(VirtualMouse &mouse, int pictureNo)
{
    QByteArray image;
    for (int k = 0; k < 4; ++k)
        image += mouse.screenChunk(k, pictureNo);
    return image;
}

QByteArray bytesOf(const ScreenImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size()));
}

QByteArray renderedText(int column, const QString &text)
{
    Hzk16Font font;
    return bytesOf(renderScreenText(11, column, text, font));
}

int commandCount(const QList<QByteArray> &blocks, unsigned char code)
{
    int n = 0;
    for (const QByteArray &b : blocks)
        n += b.size() > 0 && uchar(b[0]) == code ? 1 : 0;
    return n;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Text as an input method hands it over, the way Chinese reaches the field.
void commitText(LivePages &pages, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(pages.view(), &event);
}

// The pages of a connected window, past the power-on busy period.
struct Session
{
    explicit Session(int model = 3389) : f(model), pages(f.widget()) {}

    bool ready()
    {
        // Shown and active, so that keyboard focus reaches the pages.
        f.widget()->show();
        f.widget()->activateWindow();
        return pages.waitForWorkingScreen() && QTest::qWaitForWindowActive(f.widget());
    }

    myQQuickView *view() { return pages.view(); }

    // A point of the hue bar for handle position pos (the click lands 2 pixels right of it).
    QPoint huePoint(int pos)
    {
        const QPoint centre = pages.centreOf(QStringLiteral("lightHueBar"));
        return QPoint(centre.x() - 64 + pos + 2, centre.y());
    }

    void openScreenEditor()
    {
        pages.click(pages.centreOf(QStringLiteral("screenEditorButton")));
    }

    RuntimeTree tree;
    VirtualMouseFixture f;
    LivePages pages;
};

} // namespace

class TestLightScreenPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        setPictureFileChooser({});
    }

    void hueBarPresetsAndKeyboard()
    {
        Session s;
        QVERIFY(s.ready());
        VirtualMouse &mouse = s.f.mouse();
        QByteArray stageColours;
        for (const QVariant &v : s.view()->ui_90H_GetLED8StageColor(1))
            stageColours += char(v.toInt());

        // The stored Static at level 4 stays; only the colour follows the bar.
        s.pages.click(s.huePoint(40));
        QCOMPARE(mouse.lighting(), hex("010a0000ff00"));
        QCOMPARE(s.pages.eval(QStringLiteral("[lightControlMain.settingColorR, lightControlMain.settingColorG, "
                                             "lightControlMain.settingColorB]")).toList(),
                 QVariantList({0, 255, 0}));
        s.pages.click(s.huePoint(8));
        QCOMPARE(mouse.lighting(), hex("010a00ff7900"));
        // The right end is past the sixth segment: red again.
        s.pages.drag(s.huePoint(60), s.huePoint(200));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.huePos")).toInt(), 125);
        QCOMPARE(mouse.lighting(), hex("010a00ff0000"));
        // No DPI square is chosen: the stored stage colours go out unchanged.
        QCOMPARE(mouse.profileBlock(0).mid(100, 24), stageColours);

        // A preset square: the handle is placed on its colour (3d + 255 u - 2 for blue).
        s.pages.click(s.pages.centreOf(QStringLiteral("lightPreset1")));
        QCOMPARE(mouse.lighting(), hex("010a000000ff"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.huePos")).toInt(), 83);

        // Keyboard: an arrow moves the handle, letting it go takes the colour.
        s.pages.eval(QStringLiteral("lightControlMain.initPos(\"#00ff00\")"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.huePos")).toInt(), 40);
        QQuickItem *bar = s.pages.item(QStringLiteral("lightHueBar"));
        QVERIFY(bar);
        bar->forceActiveFocus();
        s.pages.key(Qt::Key_Left);
        // Position 39: segment 1 at fraction 242, green with a little red.
        QCOMPARE(mouse.lighting(), hex("010a000dff00"));
        // A busy period (the view disabled and enabled again) leaves the keyboard where it was.
        s.view()->setFocus();
        QVERIFY(bar->hasActiveFocus());
        QMetaObject::invokeMethod(s.pages.root(), "setProtectUI", Q_ARG(QVariant, 50));
        QVERIFY(s.pages.waitUntilEnabled());
        QVERIFY2(bar->hasActiveFocus(), qPrintable(QDebug::toString(s.view()->quickWindow()->activeFocusItem())));

        // The DPI page's colour square moves the colour section under it and sends nothing;
        // the fourth stage's place is kept inside the panel.
        const int blocks = s.f.blocks().size();
        s.pages.eval(QStringLiteral("dpiSettingMain.openColorBar(2, \"#0000ff\")"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.colorSectionX")).toInt(), 98);
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.huePos")).toInt(), 83);
        s.pages.eval(QStringLiteral("dpiSettingMain.openColorBar(3, \"#ffff00\")"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.colorSectionX")).toInt(), 0);
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.settingColorB")).toInt(), 0);
        QCOMPARE(s.f.blocks().size(), blocks);
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }

    void effectsLevelsAndRoundTrip()
    {
        Session s;
        QVERIFY(s.ready());
        VirtualMouse &mouse = s.f.mouse();
        const QString profile = s.tree.filePath(QStringLiteral("modules/setting/p1.bin"));

        // Breath by its radio: level 4 gives option 10; its slider is now the one that moves.
        s.pages.click(s.pages.centreOf(QStringLiteral("lightEffect1")) - QPoint(80, 0));
        QCOMPARE(mouse.lighting(), hex("020a00ff0000"));
        const QPoint breath = s.pages.centreOf(QStringLiteral("lightLevel1"));
        s.pages.click(breath + QPoint(-66 + 93 + 3, 0));
        QCOMPARE(mouse.lighting(), hex("020800ff0000"));
        // A drag that ends where it began sends nothing.
        const int before = s.f.blocks().size();
        s.pages.drag(breath + QPoint(-66 + 96, 0), breath + QPoint(-66 + 100, 0));
        QCOMPARE(s.f.blocks().size(), before);
        // The other sliders do not move while their effect is not chosen.
        s.pages.click(s.pages.centreOf(QStringLiteral("lightLevel3")) - QPoint(60, 0));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.levels")).toList(), QVariantList({4, 3, 4, 4}));

        // Static at level 0 is the light off on the wire, and Static at 0 on the page.
        s.pages.click(s.pages.centreOf(QStringLiteral("lightEffect0")) - QPoint(80, 0));
        s.pages.drag(s.pages.centreOf(QStringLiteral("lightLevel0")), s.pages.centreOf(QStringLiteral("lightLevel0")) - QPoint(90, 0));
        QCOMPARE(mouse.lighting(), hex("000000ff0000"));
        s.view()->syncSettings();
        QCOMPARE(QSettings(profile, QSettings::IniFormat).value(QStringLiteral("color_J2/ledEffect")).toStringList(),
                 QStringList({"1", "0", "0", "255", "0", "0"}));
        s.pages.eval(QStringLiteral("lightControlMain.selModel = 2; lightControlMain.levels = [1, 1, 1, 1]"));
        s.pages.eval(QStringLiteral("lightControlMain.init(false)"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.selModel")).toInt(), 0);
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.levels")).toList(), QVariantList({0, 4, 4, 4}));

        // Keyboard on the focused effect: Right raises its level, Space chooses another effect.
        QQuickItem *row = s.pages.item(QStringLiteral("lightEffect0"));
        QVERIFY(row);
        row->forceActiveFocus();
        s.pages.key(Qt::Key_Right);
        QCOMPARE(mouse.lighting(), hex("010200ff0000"));
        s.pages.key(Qt::Key_Tab);
        s.pages.key(Qt::Key_Space);
        QCOMPARE(mouse.lighting(), hex("020a00ff0000"));
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }

    // init(true) sends the stored record as it is; what the record lacks is the page's default,
    // not what the panel showed before.
    void lightingInitSends()
    {
        Session s;
        QVERIFY(s.ready());
        VirtualMouse &mouse = s.f.mouse();
        const QString profile = s.tree.filePath(QStringLiteral("modules/setting/p1.bin"));

        // Effect 0 is shown as finger tapping.
        s.view()->mouseSetRGBLedEffect(0, 0, 0, 10, 20, 30, {0, 2, 0, 10, 20, 30});
        s.f.mouse().clearLog();
        s.pages.eval(QStringLiteral("lightControlMain.init(true)"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.selModel")).toInt(), 3);
        QCOMPARE(mouse.lighting(), hex("0412000a141e"));
        QCOMPARE(commandCount(s.f.blocks(), 0x06), 1);
        QCOMPARE(s.f.blocks().size(), 1);
        s.view()->syncSettings();
        QCOMPARE(QSettings(profile, QSettings::IniFormat).value(QStringLiteral("color_J2/ledEffect")).toStringList(),
                 QStringList({"4", "2", "0", "10", "20", "30"}));

        // A record with the effect alone: level 4 and red, although the panel showed 2 and 10 20 30.
        s.view()->mouseSetRGBLedEffect(2, 0, 0, 0, 0, 0, {2});
        s.pages.eval(QStringLiteral("lightControlMain.init(true)"));
        QCOMPARE(mouse.lighting(), hex("020a00ff0000"));
        // No record at all.
        s.view()->currentSettings()->remove(QStringLiteral("color_J2/ledEffect"));
        s.pages.eval(QStringLiteral("lightControlMain.init(true)"));
        QCOMPARE(s.pages.eval(QStringLiteral("lightControlMain.selModel")).toInt(), 3);
        QCOMPARE(mouse.lighting(), hex("041e00ff0000"));
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }

    void screenTextByKeyboard()
    {
        Session s;
        QVERIFY(s.ready());
        VirtualMouse &mouse = s.f.mouse();
        s.openScreenEditor();
        QVERIFY(s.pages.eval(QStringLiteral("screenEditorMain.visible && mainMask.visible")).toBool());

        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode5")));
        QCOMPARE(mouse.screenMode(), 5);
        QCOMPARE(s.f.lastBlock(0x0A), hex("0a050000000000f0"));

        // Twelve narrow characters fill the 96 columns: drawn from column 0.
        s.pages.click(s.pages.centreOf(QStringLiteral("screenTextInput")));
        s.pages.typeText(QStringLiteral("ABCDEFGHIJKL"));
        s.pages.key(Qt::Key_Return);
        QCOMPARE(screenOf(mouse, 0), renderedText(0, QStringLiteral("ABCDEFGHIJKL")));
        QVERIFY(!s.pages.item(QStringLiteral("screenTextInput"))->hasActiveFocus());
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.isTooLong")).toBool(), false);

        // A thirteenth is refused with "Overflow!" and nothing is sent.
        mouse.clearLog();
        s.pages.click(s.pages.centreOf(QStringLiteral("screenTextInput")));
        s.pages.key(Qt::Key_End);
        s.pages.typeText(QStringLiteral("M"));
        s.pages.key(Qt::Key_Return);
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.isTooLong")).toBool(), true);
        QCOMPARE(s.f.blocks().size(), 0);

        // Five GB2312 characters are 80 pixels wide: centred from column 8. A mode button takes
        // the focus from the field, which sends the text first.
        s.pages.click(s.pages.centreOf(QStringLiteral("screenTextInput")));
        s.pages.key(Qt::Key_A, Qt::ControlModifier);
        commitText(s.pages, QStringLiteral("你好世界啊"));
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.screenText")).toString(), QStringLiteral("你好世界啊"));
        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode3")));
        const QByteArray chinese = screenOf(mouse, 0);
        QCOMPARE(chinese, renderedText(8, QStringLiteral("你好世界啊")));
        QVERIFY(chinese.mid(96 + 8, 80).count('\0') < 80);
        QCOMPARE(chinese.mid(96, 8), QByteArray(8, '\0'));
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.isTooLong")).toBool(), false);
        QCOMPARE(mouse.screenMode(), 3);

        // An empty text measures 0 and blanks the screen; a press on the page's background
        // leaves the field too.
        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode5")));
        s.pages.click(s.pages.centreOf(QStringLiteral("screenTextInput")));
        s.pages.key(Qt::Key_A, Qt::ControlModifier);
        s.pages.key(Qt::Key_Delete);
        s.pages.click(s.pages.pointOf(QStringLiteral("screenEditorMain.mapToItem(null, 40, 260)")));
        QCOMPARE(screenOf(mouse, 0), QByteArray(512, '\0'));

        // Escape closes the page and its mask.
        s.pages.key(Qt::Key_Escape);
        QVERIFY(!s.pages.eval(QStringLiteral("screenEditorMain.visible || mainMask.visible")).toBool());
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }

    void screenPicture()
    {
        Session s;
        QVERIFY(s.ready());
        VirtualMouse &mouse = s.f.mouse();
        const QString config = s.tree.filePath(QStringLiteral("modules/setting/apConfig.bin"));

        // init() reads the stored picture into the preview and touches neither mouse nor files.
        QVariantList stored;
        for (int i = 0; i < 480; ++i)
            stored << (i * 37) % 256;
        s.view()->setGlobalData(QStringLiteral("common/pictureData"), stored);
        s.view()->syncSettings();
        const QByteArray configBefore = readFile(config);
        mouse.clearLog();
        // The page is built when first needed; its init() is what the first opening runs.
        s.pages.eval(QStringLiteral("screenItem.builtDialog(screenEditorLoader).init()"));
        QCOMPARE(s.f.blocks().size(), 0);
        QCOMPARE(readFile(config), configBefore);
        const auto cell = [&](int r, int c) {
            return s.pages.eval(QStringLiteral("screenEditorMain.previewModel.get(%1).textValue").arg(r * 96 + c)).toInt();
        };
        for (int r : {0, 7, 8, 20, 38}) {
            for (int c : {0, 5, 95}) {
                const int byte = stored[c + r / 8 * 96].toInt();
                QCOMPARE(cell(r, c), (byte >> (r % 8)) & 1);
            }
        }

        s.openScreenEditor();
        // Choosing the picture mode alone sends nothing.
        mouse.clearLog();
        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode6")));
        QCOMPARE(s.f.blocks().size(), 0);
        s.pages.click(s.pages.centreOf(QStringLiteral("screenLogoBox")));
        QCOMPARE(mouse.screenMode(), 0);
        s.pages.click(s.pages.centreOf(QStringLiteral("screenPictureBox")));
        QCOMPARE(mouse.screenMode(), 6);

        // A cancelled dialog sends and stores the stored picture again.
        setPictureFileChooser([](QWidget *) { return QString(); });
        mouse.clearLog();
        s.pages.click(s.pages.centreOf(QStringLiteral("screenAddPicture")));
        QCOMPARE(s.f.lastBlock(0x0A), hex("0a060000000000ef"));
        QByteArray expected(512, '\0');
        for (int i = 0; i < 480; ++i)
            expected[i] = char(stored[i].toInt());
        QCOMPARE(screenOf(mouse, 1), expected);
        QCOMPARE(s.view()->getGlobalData(QStringLiteral("common/pictureData")), stored);

        // A chosen file: a 10 x 10 white square becomes columns 28..66 of every page.
        const QString file = s.tree.filePath(QStringLiteral("square.png"));
        QImage square(10, 10, QImage::Format_RGB32);
        square.fill(Qt::white);
        QVERIFY(square.save(file));
        setPictureFileChooser([file](QWidget *) { return file; });
        s.pages.click(s.pages.centreOf(QStringLiteral("screenAddPicture")));
        const QVariantList picture = pictureFromFile(file);
        QCOMPARE(s.view()->getGlobalData(QStringLiteral("common/pictureData")), picture);
        QCOMPARE(uchar(screenOf(mouse, 1)[4 * 96 + 28]), uchar(127));
        QCOMPARE(uchar(screenOf(mouse, 1)[27]), uchar(0));
        QCOMPARE(cell(38, 66), 1);
        QCOMPARE(cell(0, 67), 0);
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.pictureSelect")).toInt(), 1);

        // With nothing stored, a cancel keeps the mouse's picture rather than blanking it.
        s.view()->setGlobalData(QStringLiteral("common/pictureData"), {});
        setPictureFileChooser([](QWidget *) { return QString(); });
        mouse.clearLog();
        s.pages.click(s.pages.centreOf(QStringLiteral("screenAddPicture")));
        QCOMPARE(commandCount(s.f.blocks(), 0x09), 0);
        QCOMPARE(s.view()->getGlobalData(QStringLiteral("common/pictureData")), QVariantList());
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }

    void currentDpiAndCaptions_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QString>("top");
        QTest::newRow("3337") << 3337 << "PMW3337" << "DPI8:18000";
        QTest::newRow("3389") << 3389 << "PMW3389" << "DPI8:16000";
    }

    // The editor's button reads the current DPI first; the halved 3337 stage reads as 18000.
    void currentDpiAndCaptions()
    {
        QFETCH(int, model);
        QFETCH(QString, sensor);
        QFETCH(QString, top);
        Session s(model);
        QVERIFY(s.ready());
        s.f.mouse().setCurrentStage(8);
        s.openScreenEditor();
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.dpiValueTxt")).toString(), top);
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.curDPISegment")).toInt(), 8);
        s.f.mouse().setCurrentStage(2);
        QMetaObject::invokeMethod(s.pages.root(), "refreashDPI");
        QCOMPARE(s.pages.eval(QStringLiteral("screenEditorMain.dpiValueTxt")).toString(), QStringLiteral("DPI2:800"));

        const auto caption = [&] {
            return s.pages.item(QStringLiteral("screenCaption"))->property("text").toString();
        };
        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode1")));
        QCOMPARE(caption(), sensor);
        s.pages.click(s.pages.centreOf(QStringLiteral("screenMode3")));
        QCOMPARE(caption(), QStringLiteral("VERSIONS 1.1"));
        // Report rate: by the report-rate page's value; keyboard works the buttons too.
        s.pages.eval(QStringLiteral("reportRateMain.reportValue = 4"));
        for (int i = 0; i < 4; ++i)
            s.pages.key(Qt::Key_Tab);
        s.pages.key(Qt::Key_Space);
        QCOMPARE(s.f.mouse().screenMode(), 4);
        QCOMPARE(caption(), QStringLiteral("250Hz"));
        QVERIFY2(s.pages.warnings().isEmpty(), qPrintable(s.pages.warnings().join('\n')));
    }
};

QTEST_MAIN(TestLightScreenPages)
#include "tst_light_screen_pages.moc"
