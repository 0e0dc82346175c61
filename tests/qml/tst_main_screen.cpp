#include "tests/qml/page_host.h"

#include <QDesktopServices>
#include <QFile>
#include <QQuickItem>
#include <QtTest>

// Records the addresses the help menu hands to the system browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestMainScreen : public QObject
{
    Q_OBJECT

    static const QStringList &readers()
    {
        static const QStringList names = {
            QStringLiteral("getKeydefine"), QStringLiteral("getXYSensitive"), QStringLiteral("ui_91H_GetDPISet"),
            QStringLiteral("ui_91H_GetDPISelect"), QStringLiteral("ui_90H_GetLED8StageColor"),
            QStringLiteral("ui_8DH_GetRGBLedEffect"), QStringLiteral("ui_81H_GetReportRate"),
            QStringLiteral("getCursorSpeed"), QStringLiteral("getDoubleClickSpeed"),
            QStringLiteral("getVerticalScrollLines"), QStringLiteral("getData")};
        return names;
    }

    static const QStringList &senders()
    {
        static const QStringList names = {
            QStringLiteral("ui_07H_SetKeyMatrix"), QStringLiteral("ui_0EH_SetXYSensitive"),
            QStringLiteral("ui_11H_SetDPISelect"), QStringLiteral("ui_11H_SetDPISet"),
            QStringLiteral("mouseSetDPIColor"), QStringLiteral("mouseSetRGBLedEffect"),
            QStringLiteral("mouseSetReportRate"), QStringLiteral("setCursorSpeed"),
            QStringLiteral("setDoubleClickSpeed"), QStringLiteral("setVerticalScrollLines"),
            QStringLiteral("mouseSetJMGD")};
        return names;
    }

    // Consecutive repeats of a name collapse to one, so that sixteen getKeydefine calls read
    // as one step.
    static QStringList steps(const QStringList &names)
    {
        QStringList out;
        for (const QString &n : names) {
            if (out.isEmpty() || out.last() != n)
                out << n;
        }
        return out;
    }

    // The nine panels pushing the current profile to the mouse, in the order of an apply.
    static QStringList applyOrder()
    {
        return {QStringLiteral("ui_07H_SetKeyMatrix"), QStringLiteral("ui_0EH_SetXYSensitive"),
                QStringLiteral("ui_11H_SetDPISelect"), QStringLiteral("ui_11H_SetDPISet"),
                QStringLiteral("mouseSetDPIColor"), QStringLiteral("mouseSetRGBLedEffect"),
                QStringLiteral("mouseSetReportRate"), QStringLiteral("setCursorSpeed"),
                QStringLiteral("setDoubleClickSpeed"), QStringLiteral("setVerticalScrollLines"),
                QStringLiteral("mouseSetJMGD")};
    }

    // A language file of our own in place of the shipped one.
    static void writeLanguageFile()
    {
        QFile::remove(QStringLiteral("./modules/i18n/lang_025044.ini"));
        QSettings file(QStringLiteral("./modules/i18n/lang_025044.ini"), QSettings::IniFormat);
        QStringList main;
        for (int i = 0; i < 35; ++i)
            main << QStringLiteral("主%1").arg(i);
        main[19] = QStringLiteral("配置文件");
        file.setValue(QStringLiteral("main/total"), main.size());
        for (int i = 0; i < main.size(); ++i)
            file.setValue(QStringLiteral("main/%1").arg(i), main[i]);
        // A short list: the missing positions must keep their English texts.
        file.setValue(QStringLiteral("keyMatrix/total"), 2);
        file.setValue(QStringLiteral("keyMatrix/0"), QStringLiteral("宏: "));
        file.setValue(QStringLiteral("keyMatrix/1"), QStringLiteral("禁用"));
        file.setValue(QStringLiteral("macroEditor/total"), 1);
        file.setValue(QStringLiteral("macroEditor/0"), QStringLiteral("宏管理"));
        file.setValue(QStringLiteral("screenEditor/total"), 1);
        file.setValue(QStringLiteral("screenEditor/0"), QStringLiteral("屏幕编辑"));
    }

private slots:
    void loadsEveryPageWithoutWarnings()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(!host.root()->isVisible());
        QVERIFY(!host.root()->property("screen").value<QObject *>());
        QVERIFY(host.powerOn());
        // Open every dialog page and fold every panel, as a user would; the larger pages are
        // built on the way.
        for (const char *opener : {"openMacroEditor", "openScreenEditor", "openGunControl"}) {
            host.eval(QStringLiteral("screenItem.%1()").arg(QLatin1String(opener)));
            QCoreApplication::processEvents();
        }
        for (const char *page : {"macroEditorMain", "screenEditorMain", "gunControlMain"})
            QVERIFY(host.eval(QStringLiteral("%1.visible").arg(QLatin1String(page))).toBool());
        for (const char *page : {"builtDialog(singleKeyLoader)", "builtDialog(macroKeyLoader)", "profileMain",
                                 "builtDialog(keyMenuLoader)", "builtDialog(colorBarLoader)", "factorysure", "askMenu"}) {
            host.eval(QStringLiteral("%1.visible = true").arg(QLatin1String(page)));
            QCoreApplication::processEvents();
        }
        for (const char *panel : {"keyMatrixMain", "xySettingMain", "jmgdMain", "dpiSettingMain",
                                  "lightControlMain", "reportRateMain", "mouseRateMain", "doubleRateMain",
                                  "scrollRateMain"}) {
            host.eval(QStringLiteral("%1.openCloseMenu()").arg(QLatin1String(panel)));
        }
        host.eval(QStringLiteral("mouseMain.isSide = true"));
        host.call("refreashDPI");
        QTest::qWait(400);
        QCOMPARE(host.warnings(), QStringList());
    }

    void firstInitUiAndLaterOnes()
    {
        PageHost host;
        host.bridge().storedProfile = QStringLiteral("3");
        QVERIFY(host.load());
        // A busy period before the pages exist leaves them alone.
        host.call("setProtectUI", {0});
        QVERIFY(!host.bridge().isEnabled());
        QTRY_VERIFY(host.bridge().isEnabled());
        QVERIFY(!host.eval(QStringLiteral("mainIten.isWorkingScreen")).toBool());
        QVERIFY(!host.root()->isVisible());
        QCOMPARE(host.bridge().calls, QStringList());

        host.call("initUI", {1});

        QVERIFY(host.root()->isVisible());
        QVERIFY(!host.bridge().isEnabled());   // busy for 1000 ms
        QCOMPARE(host.eval(QStringLiteral("busyIndicator.visible")).toBool(), true);
        QCOMPARE(host.eval(QStringLiteral("powerOnLogo.visible")).toBool(), true);
        QCOMPARE(host.root()->property("curDev").toInt(), 1);
        QCOMPARE(host.root()->property("isPowerOn").toBool(), true);
        QCOMPARE(host.eval(QStringLiteral("profileMain.profileNo")).toInt(), 3);

        const QStringList expected = {
            QStringLiteral("getLang"), QStringLiteral("getProfile"), QStringLiteral("ui_02H_SetCurrentProfile"),
            QStringLiteral("getNameList"),                                   // macro editor, recoil page
            QStringLiteral("getselectGun"),
            QStringLiteral("getPictureValue"),                               // screen editor
            QStringLiteral("getNameList"),                                   // profile page
            QStringLiteral("ui_81H_GetReportRate"),
            QStringLiteral("getKeydefine"),
            QStringLiteral("getXYSensitive"),
            QStringLiteral("ui_91H_GetDPISet"), QStringLiteral("mouseReadDPISet"), QStringLiteral("ui_91H_GetDPISelect"),
            QStringLiteral("ui_90H_GetLED8StageColor"),
            QStringLiteral("ui_8DH_GetRGBLedEffect"),
            QStringLiteral("getCursorSpeed"), QStringLiteral("getDoubleClickSpeed"),
            QStringLiteral("getVerticalScrollLines"), QStringLiteral("getData")};
        QCOMPARE(steps(host.bridge().callNames()), expected);
        QCOMPARE(host.bridge().calls.at(2), QStringLiteral("ui_02H_SetCurrentProfile(3)"));
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("getNameList")}),
                 QStringList({QStringLiteral("getNameList(0)"), QStringLiteral("getNameList(1)"),
                              QStringLiteral("getNameList(2)")}));
        // Nothing reaches the mouse at start-up.
        QCOMPARE(host.bridge().callsNamed(senders()), QStringList());

        // The working screen appears when the busy period ends.
        QVERIFY(!host.eval(QStringLiteral("mainIten.isWorkingScreen")).toBool());
        QTRY_VERIFY(host.bridge().isEnabled());
        QVERIFY(host.eval(QStringLiteral("mainIten.isWorkingScreen")).toBool());
        QVERIFY(!host.eval(QStringLiteral("powerOnLogo.visible")).toBool());
        QVERIFY(!host.eval(QStringLiteral("busyIndicator.visible")).toBool());

        // A reconnection only changes the device kind.
        host.bridge().calls.clear();
        host.call("initUI", {0});
        QCOMPARE(host.root()->property("curDev").toInt(), 0);
        QCOMPARE(host.bridge().calls, QStringList());
        QVERIFY(host.bridge().isEnabled());
        QCOMPARE(host.warnings(), QStringList());
    }

    void storedProfileOutOfRangeCountsAsZero()
    {
        PageHost host;
        host.bridge().storedProfile = 9;
        QVERIFY(host.load());
        host.call("initUI", {1});
        QCOMPARE(host.eval(QStringLiteral("profileMain.profileNo")).toInt(), 0);
        QVERIFY(host.bridge().calls.contains(QStringLiteral("ui_02H_SetCurrentProfile(0)")));
        QCOMPARE(host.warnings(), QStringList());
    }

    void protectUiZero()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        host.call("setProtectUI", {0});
        QVERIFY(!host.bridge().isEnabled());
        QVERIFY(host.eval(QStringLiteral("busyIndicator.visible")).toBool());
        QTRY_VERIFY(host.bridge().isEnabled());
        QVERIFY(!host.eval(QStringLiteral("busyIndicator.visible")).toBool());
        QCOMPARE(host.warnings(), QStringList());
    }

    void englishWithoutLanguage()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        QCOMPARE(host.root()->property("language").toInt(), 0);
        const QStringList lang = host.root()->property("mainLang").toStringList();
        QCOMPARE(lang.size(), 54);
        QCOMPARE(lang.at(52), QStringLiteral("Language"));
        QCOMPARE(lang.at(8), QStringLiteral("Finger \nTapping"));
        QCOMPARE(lang.at(19), QStringLiteral("Profiles"));
        QCOMPARE(lang.at(27), QStringLiteral("Reset Factroy Setting"));
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("getGlobalStrings")}), QStringList());
        QCOMPARE(host.eval(QStringLiteral("keyMatrixMain.keyMatrixLang[1]")).toString(), QStringLiteral("Deactivated"));
    }

    void chineseFromTheLanguageFile()
    {
        PageHost host;
        writeLanguageFile();
        host.bridge().lang = QStringLiteral("ChineseSimplified");
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        QCOMPARE(host.root()->property("language").toInt(), 1);
        QCOMPARE(host.root()->property("mainLang").toStringList().at(19), QStringLiteral("配置文件"));
        QCOMPARE(host.root()->property("mainLang").toStringList().at(0), QStringLiteral("主0"));
        QStringList types;
        for (int t = 0; t < 8; ++t)
            types << QStringLiteral("getGlobalStrings(%1,lang_025044)").arg(t);
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("getGlobalStrings")}), types);
        QCOMPARE(host.eval(QStringLiteral("keyMatrixMain.keyMatrixLang[1]")).toString(), QStringLiteral("禁用"));
        QCOMPARE(host.eval(QStringLiteral("keyMatrixMain.keyMatrixLang[3]")).toString(), QStringLiteral("Button Assignment"));
        // The buttons of the pages that are built later show their loaded texts at once.
        QCOMPARE(host.eval(QStringLiteral("macroEditorLang[0]")).toString(), QStringLiteral("宏管理"));
        QCOMPARE(host.eval(QStringLiteral("screenEditorLang[0]")).toString(), QStringLiteral("屏幕编辑"));
        host.eval(QStringLiteral("openMacroEditor(); openScreenEditor()"));
        QCOMPARE(host.eval(QStringLiteral("macroEditorMain.title")).toString(), QStringLiteral("宏管理"));
        QCOMPARE(host.eval(QStringLiteral("screenEditorMain.title")).toString(), QStringLiteral("屏幕编辑"));
        // No list in the file at all: English.
        QCOMPARE(host.eval(QStringLiteral("builtDialog(keyMenuLoader).keyMenuLang[0]")).toString(), QStringLiteral("Left Button"));
        QCOMPARE(host.warnings(), QStringList());
    }

    void chineseFromTheShippedFile()
    {
        PageHost host;
        host.bridge().lang = QStringLiteral("ChineseSimplified");
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        QSettings file(QStringLiteral("./modules/i18n/lang_025044.ini"), QSettings::IniFormat);
        QStringList expected;
        for (int i = 0; i < file.value(QStringLiteral("main/total")).toInt(); ++i)
            expected << file.value(QStringLiteral("main/%1").arg(i)).toString();
        QCOMPARE(expected.size(), 54);
        QCOMPARE(host.root()->property("mainLang").toStringList(), expected);
        QCOMPARE(host.eval(QStringLiteral("profileMain.menuItems.get(0).menuText")).toString(), expected.at(21));
        QCOMPARE(host.warnings(), QStringList());
    }

    void colourPickerArithmetic()
    {
        PageHost host;
        QVERIFY(host.load());
        host.call("initUI", {1});
        host.eval(QStringLiteral("builtDialog(colorBarLoader)"));
        const auto colourAt = [&](int p) { return host.eval(QStringLiteral("colorBar.colorAt(%1)").arg(p)).toString(); };
        QCOMPARE(colourAt(-2), QStringLiteral("#ff0000"));
        QCOMPARE(colourAt(8), QStringLiteral("#ff7900"));     // t = floor(10 * 255 / 21) = 121
        QCOMPARE(colourAt(20), QStringLiteral("#f3ff00"));    // segment 1, t = 12
        QCOMPARE(colourAt(40), QStringLiteral("#00ff00"));    // segment 2 starts
        QCOMPARE(colourAt(70), QStringLiteral("#0092ff"));    // segment 3, t = 109
        QCOMPARE(colourAt(90), QStringLiteral("#6100ff"));    // segment 4, t = 97
        QCOMPARE(colourAt(110), QStringLiteral("#ff00aa"));   // segment 5, t = 85
        QCOMPARE(colourAt(125), QStringLiteral("#ff0000"));   // past the sixth segment

        const auto sliderFor = [&](const QString &c) {
            return host.eval(QStringLiteral("colorBar.sliderXFor(\"%1\")").arg(c)).toInt();
        };
        QCOMPARE(sliderFor(QStringLiteral("#ff0000")), -2);
        QCOMPARE(sliderFor(QStringLiteral("#ff8000")), 8);     // 128/6/256 * 128 - 2
        QCOMPARE(sliderFor(QStringLiteral("#00ff00")), 40);    // d + v * 255
        QCOMPARE(sliderFor(QStringLiteral("#0000ff")), 83);    // 3d + v * 255
        QCOMPARE(sliderFor(QStringLiteral("#ff00ff")), 104);   // 4d + v * 255
        QCOMPARE(sliderFor(QStringLiteral("#00ff80")), 51);    // 2d + v * 128
        QCOMPARE(sliderFor(QStringLiteral("#ff0080")), 115);   // 5d + v * 127
        QCOMPARE(sliderFor(QStringLiteral("#123456")), -2);    // no rule
        QCOMPARE(sliderFor(QStringLiteral("blue")), -2);
        QCOMPARE(host.warnings(), QStringList());
    }

    void colourPickerSliderAndWiring()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        host.eval(QStringLiteral("dpiSettingMain.selectRect = 2"));
        host.eval(QStringLiteral("dpiSettingMain.openColorBar(2, \"#00ff00\")"));
        QVERIFY(host.eval(QStringLiteral("colorBar.visible")).toBool());
        QCOMPARE(host.eval(QStringLiteral("colorBar.sliderX")).toInt(), 40);
        // At x 98 of the DPI panel, y 252.
        QCOMPARE(host.pointOf(QStringLiteral("Qt.point(colorBar.x, colorBar.y)")),
                 host.pointOf(QStringLiteral("dpiSettingMain.mapToItem(mainIten, 98, 252)")));

        // Dragging past the left end stops at -2 and picks red.
        host.bridge().calls.clear();
        const QPoint slider = host.centreOf(QStringLiteral("colorSlider"));
        QTest::mousePress(&host.bridge(), Qt::LeftButton, Qt::NoModifier, slider);
        for (int dx = 10; dx <= 300; dx += 10)
            QTest::mouseMove(&host.bridge(), slider - QPoint(dx, 0));
        QTest::mouseRelease(&host.bridge(), Qt::LeftButton, Qt::NoModifier, slider - QPoint(300, 0));
        QCOMPARE(host.eval(QStringLiteral("colorBar.sliderX")).toInt(), -2);
        QCOMPARE(host.eval(QStringLiteral("dpiSettingMain.dpiColors[2]")).toString(), QStringLiteral("#ff0000"));
        QStringList colours = {QStringLiteral("#ff0000"), QStringLiteral("#0000ff"), QStringLiteral("#ff0000"),
                               QStringLiteral("#ffff00"), QStringLiteral("#00ffff"), QStringLiteral("#ff00ff"),
                               QStringLiteral("#ff00ff"), QStringLiteral("#ff00ff")};
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("mouseSetDPIColor")}).value(0),
                 QStringLiteral("mouseSetDPIColor(1,[%1])").arg(
                     [&] { QStringList s; for (const QVariant &v : colourBytes(colours)) s << v.toString(); return s.join(QLatin1Char(',')); }()));

        // And past the right end at 125.
        const QPoint left = host.centreOf(QStringLiteral("colorSlider"));
        QTest::mousePress(&host.bridge(), Qt::LeftButton, Qt::NoModifier, left);
        for (int dx = 10; dx <= 400; dx += 10)
            QTest::mouseMove(&host.bridge(), left + QPoint(dx, 0));
        QTest::mouseRelease(&host.bridge(), Qt::LeftButton, Qt::NoModifier, left + QPoint(400, 0));
        QCOMPARE(host.eval(QStringLiteral("colorBar.sliderX")).toInt(), 125);

        // A preset swatch moves the slider to its colour.
        host.eval(QStringLiteral("colorBar.pickPreset(2)"));
        QCOMPARE(host.eval(QStringLiteral("colorBar.sliderX")).toInt(), 40);
        QCOMPARE(host.eval(QStringLiteral("dpiSettingMain.dpiColors[2]")).toString(), QStringLiteral("#00ff00"));

        // Stages 3 and above open further left, as the original layout had them.
        host.eval(QStringLiteral("dpiSettingMain.openColorBar(3, \"#ff0000\")"));
        QCOMPARE(host.pointOf(QStringLiteral("Qt.point(colorBar.x, colorBar.y)")),
                 host.pointOf(QStringLiteral("dpiSettingMain.mapToItem(mainIten, -17, 252)")));
        host.eval(QStringLiteral("dpiSettingMain.openColorBar(7, \"#ff0000\")"));
        QCOMPARE(host.pointOf(QStringLiteral("Qt.point(colorBar.x, colorBar.y)")),
                 host.pointOf(QStringLiteral("dpiSettingMain.mapToItem(mainIten, 58, 252)")));
        QCOMPARE(host.warnings(), QStringList());
    }

    void helpMenu()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");

        auto openMenu = [&] {
            host.call("focusControl");
            host.eval(QStringLiteral("askMenu.visible = true"));
            QCoreApplication::processEvents();
        };

        // The third row only closes the menu.
        openMenu();
        host.bridge().calls.clear();
        host.click(QPoint(790 + 80, 24 + 21 * 2 + 11));
        QVERIFY(!host.eval(QStringLiteral("askMenu.visible")).toBool());
        QCOMPARE(host.bridge().calls, QStringList());
        QVERIFY(catcher.urls.isEmpty());

        openMenu();
        host.click(QPoint(790 + 80, 24 + 21 * 1 + 11));
        QCOMPARE(host.bridge().calls, QStringList({QStringLiteral("openUpdateExe()")}));
        QVERIFY(!host.eval(QStringLiteral("askMenu.visible")).toBool());

        openMenu();
        host.click(QPoint(790 + 80, 24 + 21 * 0 + 11));
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.at(0).host(), QStringLiteral("www.morvant.example"));

        // The title bar buttons: help toggles the menu, minimise and close reach the controller.
        host.click(QPoint(935 + 9, 5 + 9));
        QVERIFY(host.eval(QStringLiteral("askMenu.visible")).toBool());
        host.click(QPoint(935 + 9, 5 + 9));
        QVERIFY(!host.eval(QStringLiteral("askMenu.visible")).toBool());
        host.click(QPoint(935 + 20 + 9, 5 + 9));
        host.click(QPoint(935 + 40 + 9, 5 + 9));
        QCOMPARE(host.controller().calls, QStringList({QStringLiteral("onMinimize"), QStringLiteral("onClose")}));
        QCOMPARE(host.warnings(), QStringList());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    void windowDrag()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        auto drag = [&] {
            host.controller().calls.clear();
            QTest::mousePress(&host.bridge(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 600));
            QTest::mouseMove(&host.bridge(), QPoint(630, 590));
            QTest::mouseMove(&host.bridge(), QPoint(640, 590));
            QTest::mouseRelease(&host.bridge(), Qt::LeftButton, Qt::NoModifier, QPoint(640, 590));
            return host.controller().calls;
        };
        // The window manager is asked once per drag; where it cannot move the window, the page
        // moves it by the pointer's offset.
        QCOMPARE(drag(), QStringList({QStringLiteral("startSystemMove"), QStringLiteral("onXChanged(30)"),
                                      QStringLiteral("onYChanged(-10)"), QStringLiteral("onXChanged(40)"),
                                      QStringLiteral("onYChanged(-10)")}));
        host.controller().systemMove = true;
        QCOMPARE(drag(), QStringList({QStringLiteral("startSystemMove")}));
        QCOMPARE(host.warnings(), QStringList());
    }

    void applySequence()
    {
        PageHost host;
        host.bridge().nameLists[2] = {QStringLiteral("Standard0"), QStringLiteral("fps3")};
        host.bridge().stageColors = colourBytes({QStringLiteral("#010203"), QStringLiteral("#040506"),
                                                 QStringLiteral("#070809"), QStringLiteral("#0a0b0c"),
                                                 QStringLiteral("#0d0e0f"), QStringLiteral("#101112"),
                                                 QStringLiteral("#131415"), QStringLiteral("#161718")});
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        host.eval(QStringLiteral("screenItem.openCentred(profileMain)"));

        // Choosing a profile makes it current and re-reads the panels; nothing is sent.
        host.bridge().calls.clear();
        host.eval(QStringLiteral("profileMain.selectRow(1)"));
        QCOMPARE(host.bridge().calls.value(0), QStringLiteral("ui_02H_SetCurrentProfile(3)"));
        QCOMPARE(steps(host.bridge().callNames().mid(1)),
                 QStringList({QStringLiteral("getKeydefine"), QStringLiteral("getXYSensitive"),
                              QStringLiteral("ui_91H_GetDPISet"), QStringLiteral("ui_91H_GetDPISelect"),
                              QStringLiteral("ui_90H_GetLED8StageColor"), QStringLiteral("ui_8DH_GetRGBLedEffect"),
                              QStringLiteral("ui_81H_GetReportRate"), QStringLiteral("getCursorSpeed"),
                              QStringLiteral("getDoubleClickSpeed"), QStringLiteral("getVerticalScrollLines"),
                              QStringLiteral("getData")}));
        QCOMPARE(host.bridge().callsNamed(senders()), QStringList());

        // Hiding the page with the Profiles button sends nothing either.
        host.click(host.centreOf(QStringLiteral("profilesButton")));
        QVERIFY(!host.eval(QStringLiteral("profileMain.visible")).toBool());
        QVERIFY(!host.eval(QStringLiteral("mainMask.visible")).toBool());
        QCOMPARE(host.bridge().callsNamed(senders()), QStringList());

        // Its own close icon sends every setting, under a 1200 ms busy period.
        host.click(host.centreOf(QStringLiteral("profilesButton")));
        QVERIFY(host.eval(QStringLiteral("profileMain.visible")).toBool());
        host.bridge().calls.clear();
        host.click(host.centreOf(QStringLiteral("profileClose")));
        QVERIFY(!host.eval(QStringLiteral("profileMain.visible")).toBool());
        QVERIFY(!host.eval(QStringLiteral("mainMask.visible")).toBool());
        QVERIFY(!host.bridge().isEnabled());
        QCOMPARE(host.eval(QStringLiteral("tmrProtectUI.interval")).toInt(), 1200);
        const QStringList sent = host.bridge().callsNamed(senders());
        QCOMPARE(steps(host.bridge().callNames()).filter(QRegularExpression(QStringLiteral("^(ui_0|ui_1|mouse|set)"))), applyOrder());
        QCOMPARE(sent.at(0), QStringLiteral("ui_07H_SetKeyMatrix([%1])").arg(
            QStringList(16, QStringLiteral("1,0,240,0")).join(QLatin1Char(','))));
        QCOMPARE(sent.at(1), QStringLiteral("ui_0EH_SetXYSensitive(100,100)"));
        QCOMPARE(sent.at(2), QStringLiteral("ui_11H_SetDPISelect([1,1,1,1,1,0,0,0])"));
        QCOMPARE(sent.at(3), QStringLiteral("ui_11H_SetDPISet([8,16,32,64,128,240,320,320],"
                                            "[400,800,1600,3200,6400,12000,16000,16000])"));
        QCOMPARE(sent.at(4), QStringLiteral("mouseSetDPIColor(1,[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,"
                                            "19,20,21,22,23,24])"));
        QCOMPARE(sent.at(5), QStringLiteral("mouseSetRGBLedEffect(2,8,0,255,0,0,[2,3,0,255,0,0])"));
        QCOMPARE(sent.at(6), QStringLiteral("mouseSetReportRate(1)"));
        QCOMPARE(sent.at(7), QStringLiteral("setCursorSpeed(5)"));
        QCOMPARE(sent.at(8), QStringLiteral("setDoubleClickSpeed(6)"));
        QCOMPARE(sent.at(9), QStringLiteral("setVerticalScrollLines(3)"));
        QCOMPARE(sent.at(10), QStringLiteral("mouseSetJMGD(2)"));
        QCOMPARE(sent.size(), 11);
        QTRY_VERIFY(host.bridge().isEnabled());

        // Closing again without a change sends nothing.
        host.eval(QStringLiteral("screenItem.openCentred(profileMain)"));
        host.bridge().calls.clear();
        host.click(host.centreOf(QStringLiteral("profileClose")));
        QCOMPARE(host.bridge().callsNamed(senders()), QStringList());

        // The command line's apply sends even the current profile.
        host.bridge().calls.clear();
        host.call("applyProfile", {3});
        QCOMPARE(host.bridge().calls.value(0), QStringLiteral("ui_02H_SetCurrentProfile(3)"));
        QCOMPARE(steps(host.bridge().callNames()).filter(QRegularExpression(QStringLiteral("^(ui_0|ui_1|mouse|set)"))),
                 QStringList({QStringLiteral("ui_02H_SetCurrentProfile")}) + applyOrder());
        QCOMPARE(host.warnings(), QStringList());
    }

    void factoryReset()
    {
        PageHost host;
        host.bridge().storedProfile = 2;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        host.click(QPoint(913 + 39, 604 + 14));
        QVERIFY(host.eval(QStringLiteral("factorysure.visible")).toBool());
        QVERIFY(host.eval(QStringLiteral("mainMask.visible")).toBool());

        // Cancel closes only.
        host.bridge().calls.clear();
        host.click(host.centreOf(QStringLiteral("resetCancel")));
        QVERIFY(!host.eval(QStringLiteral("factorysure.visible")).toBool());
        QVERIFY(!host.eval(QStringLiteral("mainMask.visible")).toBool());
        QCOMPARE(host.bridge().calls, QStringList());

        host.click(QPoint(913 + 39, 604 + 14));
        host.click(host.centreOf(QStringLiteral("resetOk")));
        QVERIFY(!host.eval(QStringLiteral("factorysure.visible")).toBool());
        QVERIFY(!host.bridge().isEnabled());
        QCOMPARE(host.eval(QStringLiteral("tmrProtectUI.interval")).toInt(), 1000);
        QCOMPARE(host.bridge().calls.value(0), QStringLiteral("resetProfile(2)"));
        QCOMPARE(steps(host.bridge().callNames()).filter(QRegularExpression(QStringLiteral("^(ui_0|ui_1|mouse|set)"))), applyOrder());
        QCOMPARE(host.warnings(), QStringList());
    }

    void lightingTranslation()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        const auto sent = [&](const QString &args) {
            host.bridge().calls.clear();
            host.eval(QStringLiteral("lightControlMain.setLED(%1)").arg(args));
            return host.bridge().calls.value(0);
        };
        QCOMPARE(sent(QStringLiteral("1, 0, 0, 1, 2, 3")), QStringLiteral("mouseSetRGBLedEffect(0,0,0,1,2,3,[1,0,0,1,2,3])"));
        QCOMPARE(sent(QStringLiteral("1, 1, 0, 1, 2, 3")), QStringLiteral("mouseSetRGBLedEffect(1,2,0,1,2,3,[1,1,0,1,2,3])"));
        QCOMPARE(sent(QStringLiteral("1, 4, 0, 1, 2, 3")), QStringLiteral("mouseSetRGBLedEffect(1,10,0,1,2,3,[1,4,0,1,2,3])"));
        QCOMPARE(sent(QStringLiteral("1, 7, 0, 1, 2, 3")), QStringLiteral("mouseSetRGBLedEffect(1,1,0,1,2,3,[1,7,0,1,2,3])"));
        QCOMPARE(sent(QStringLiteral("2, 3, 0, 9, 9, 9")), QStringLiteral("mouseSetRGBLedEffect(2,8,0,9,9,9,[2,3,0,9,9,9])"));
        QCOMPARE(sent(QStringLiteral("3, 2, 5, 0, 0, 0")), QStringLiteral("mouseSetRGBLedEffect(3,18,5,0,0,0,[3,2,5,0,0,0])"));
        QCOMPARE(sent(QStringLiteral("4, 4, 0, 0, 0, 0")), QStringLiteral("mouseSetRGBLedEffect(4,30,0,0,0,0,[4,4,0,0,0,0])"));
        QCOMPARE(sent(QStringLiteral("5, 1, 0, 0, 0, 0")), QStringLiteral("mouseSetRGBLedEffect(5,1,0,0,0,0,[5,1,0,0,0,0])"));
        QCOMPARE(host.warnings(), QStringList());
    }

    void panelWiring()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        host.bridge().calls.clear();
        host.eval(QStringLiteral("dpiSettingMain.dpiSelectChange(1)"));
        host.eval(QStringLiteral("dpiSettingMain.dpiValueChange(1, \"800\")"));
        host.eval(QStringLiteral("reportRateMain.reportValue = 4"));
        host.eval(QStringLiteral("mouseRateMain.mouseRateValue = 7; mouseRateMain.mouseRateChange(7)"));
        host.eval(QStringLiteral("doubleRateMain.doubleRateValue = 2; doubleRateMain.doubleRateChange(2)"));
        host.eval(QStringLiteral("scrollRateMain.linesChange(1000)"));
        QCOMPARE(host.bridge().callNames(),
                 QStringList({QStringLiteral("ui_11H_SetDPISelect"), QStringLiteral("ui_11H_SetDPISet"),
                              QStringLiteral("ui_11H_SetDPISet"), QStringLiteral("mouseSetReportRate"),
                              QStringLiteral("setCursorSpeed"), QStringLiteral("setDoubleClickSpeed"),
                              QStringLiteral("setVerticalScrollLines")}));
        QCOMPARE(host.bridge().calls.value(3), QStringLiteral("mouseSetReportRate(4)"));
        QCOMPARE(host.bridge().calls.value(4), QStringLiteral("setCursorSpeed(7)"));
        QCOMPARE(host.eval(QStringLiteral("scrollRateMain.lines")).toInt(), 1000);

        // Key menu: a click on a row opens it there; a choice assigns, redraws and closes.
        host.eval(QStringLiteral("keyMatrixMain.clickKeyMatrix(3)"));
        QVERIFY(host.eval(QStringLiteral("keyMenuMain.visible")).toBool());
        QCOMPARE(host.eval(QStringLiteral("keyMenuMain.y")).toInt(), 131 + 21 * 3);
        QCOMPARE(host.eval(QStringLiteral("mouseMain.selectKey")).toInt(), 3);
        host.bridge().calls.clear();
        host.eval(QStringLiteral("keyMenuMain.menuCmd(\"0700a1b2\")"));
        QCOMPARE(host.eval(QStringLiteral("keyMatrixMain.modKeys[3]")).toList(), QVariantList({7, 0, 0xa1, 0xb2}));
        QCOMPARE(host.bridge().callNames(), QStringList({QStringLiteral("ui_07H_SetKeyMatrix")}));
        QVERIFY(!host.eval(QStringLiteral("keyMenuMain.visible")).toBool());
        QCOMPARE(host.eval(QStringLiteral("mouseMain.selectKey")).toInt(), -1);

        // Hovering highlights only while the menu is closed; a background press closes it.
        host.eval(QStringLiteral("keyMatrixMain.enterBtn(5)"));
        QCOMPARE(host.eval(QStringLiteral("mouseMain.selectKey")).toInt(), 5);
        host.eval(QStringLiteral("keyMatrixMain.clickKeyMatrix(2)"));
        host.eval(QStringLiteral("keyMatrixMain.leaveBtn()"));
        QCOMPARE(host.eval(QStringLiteral("mouseMain.selectKey")).toInt(), 2);
        host.click(QPoint(600, 600));
        QVERIFY(!host.eval(QStringLiteral("keyMenuMain.visible")).toBool());
        QCOMPARE(host.eval(QStringLiteral("mouseMain.selectKey")).toInt(), -1);

        // Captured keys reach the single-key dialog only while it is shown.
        host.eval(QStringLiteral("builtDialog(singleKeyLoader)"));
        host.call("detectKeyboard", {true, 0x04});
        QCOMPARE(host.eval(QStringLiteral("singleKeyMain.keyCode")).toInt(), -1);
        host.eval(QStringLiteral("singleKeyMain.visible = true"));
        host.call("detectKeyboard", {true, 0x05});
        QTRY_COMPARE(host.eval(QStringLiteral("singleKeyMain.keyCode")).toInt(), 5);
        QCOMPARE(host.warnings(), QStringList());
    }

    void scrollBar()
    {
        PageHost host;
        QVERIFY(host.load());
        QVERIFY(host.powerOn());
        const double contentHeight = host.eval(QStringLiteral("rightColumn.contentHeight")).toDouble();
        QVERIFY2(contentHeight > 563, "the right column is meant to scroll");
        QCOMPARE(host.eval(QStringLiteral("rightColumn.height")).toInt(), 563);
        const double end = contentHeight - 563;

        const QPoint bar = host.pointOf(QStringLiteral("Qt.point(scrollBar.x + 4, scrollBar.y + 20)"));
        QTest::mousePress(&host.bridge(), Qt::LeftButton, Qt::NoModifier, bar);
        for (int dy = 10; dy <= 600; dy += 10)
            QTest::mouseMove(&host.bridge(), bar + QPoint(0, dy));
        QTest::mouseRelease(&host.bridge(), Qt::LeftButton, Qt::NoModifier, bar + QPoint(0, 600));
        QCOMPARE(host.eval(QStringLiteral("rightColumn.contentY")).toDouble(), end);
        QCOMPARE(qRound(host.eval(QStringLiteral("scrollBar.y + scrollBar.height")).toDouble()), 32 + 563);

        const QPoint up = host.pointOf(QStringLiteral("Qt.point(scrollBar.x + 4, scrollBar.y + 5)"));
        QTest::mousePress(&host.bridge(), Qt::LeftButton, Qt::NoModifier, up);
        for (int dy = 10; dy <= 600; dy += 10)
            QTest::mouseMove(&host.bridge(), up - QPoint(0, dy));
        QTest::mouseRelease(&host.bridge(), Qt::LeftButton, Qt::NoModifier, up - QPoint(0, 600));
        QCOMPARE(host.eval(QStringLiteral("rightColumn.contentY")).toDouble(), 0.0);
        QCOMPARE(qRound(host.eval(QStringLiteral("scrollBar.y")).toDouble()), 32);
        QCOMPARE(host.warnings(), QStringList());
    }
};

QTEST_MAIN(TestMainScreen)
#include "tst_main_screen.moc"
