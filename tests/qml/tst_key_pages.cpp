#include "app/widget.h"
#include "buttons/input_capture.h"
#include "app/input_receivers.h"
#include "app/myqquickview.h"
#include "tests/support/live_pages.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QQuickItem>
#include <QSettings>
#include <QtTest>

#include <memory>

// The button pages of the real window against the virtual mouse: a person's clicks, keys
// captured through the capture path, and what the mouse receives.
class TestKeyPages : public QObject
{
    Q_OBJECT

    // Linux input codes of the keys the tests press.
    enum Evdev { KeyEnter = 28, KeyLeftCtrl = 29, KeyA = 30, KeyLeftShift = 42, KeyBackslash = 43, KeyLeftAlt = 56 };

    // One window, its pages and a capture that feeds it, on a private runtime tree; `profile`
    // entries are written into the current profile before the window reads it.
    struct Session
    {
        RuntimeTree tree;
        std::unique_ptr<VirtualMouseFixture> f;
        std::unique_ptr<LivePages> pages;
        InputCapture capture{false};

        explicit Session(const QMap<QString, QVariant> &profile = {}, bool emptyProfile = false)
        {
            {
                QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
                if (emptyProfile)
                    file.clear();
                for (auto it = profile.begin(); it != profile.end(); ++it)
                    file.setValue(it.key(), it.value());
            }
            f = std::make_unique<VirtualMouseFixture>();
            pages = std::make_unique<LivePages>(f->widget());
            registerInputReceivers(capture, f->widget());
        }

        bool ready() { return pages->waitForWorkingScreen(); }
        QVariant eval(const QString &js) { return pages->eval(js); }
        // Repeater rows are no QObject children of the page, so the search walks the item tree.
        static QQuickItem *find(QQuickItem *item, const QString &name)
        {
            if (item->objectName() == name)
                return item;
            for (QQuickItem *child : item->childItems()) {
                if (QQuickItem *found = find(child, name))
                    return found;
            }
            return nullptr;
        }
        QQuickItem *item(const QString &name) { return find(pages->root(), name); }
        QPoint centre(const QString &name)
        {
            QQuickItem *it = item(name);
            if (!it) {
                qWarning("no item %s", qPrintable(name));
                return {-1, -1};
            }
            return it->mapToScene(QPointF(it->width() / 2, it->height() / 2)).toPoint();
        }
        void click(const QString &name) { pages->click(centre(name)); }
        // A move without buttons, sent as the window system would, so that hover handlers run.
        void hover(const QString &name)
        {
            const QPoint at = centre(name);
            QWidget *view = pages->view();
            QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view->mapToGlobal(at)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &move);
            VirtualMouseFixture::settle(10);
        }
        // Device slot `slot` of the last matrix the mouse received, as eight hex digits.
        QByteArray slot(int s) { return f->mouse().keyMatrix(0).mid(s * 4, 4).toHex(); }
        int matrixSends() { return int(f->mouse().commandBlocks().count() - otherBlocks()); }
        int otherBlocks()
        {
            int n = 0;
            for (const QByteArray &b : f->mouse().commandBlocks())
                n += quint8(b.at(0)) != 0x07;
            return n;
        }
        void press(int evdev)
        {
            capture.evdevKeyEvent(unsigned(evdev), true);
            VirtualMouseFixture::settle(20);
        }
        void release(int evdev)
        {
            capture.evdevKeyEvent(unsigned(evdev), false);
            VirtualMouseFixture::settle(20);
        }
        // Opens the menu of a row with the pointer and chooses a top-level item.
        void choose(int row, int item)
        {
            click(QStringLiteral("keyRow%1").arg(row));
            hover(QStringLiteral("menuItem%1").arg(item));
            click(QStringLiteral("menuItem%1").arg(item));
        }
        QString label(int row) { return eval(QStringLiteral("keyMatrixMain.keyCodetoText(keyMatrixMain.modKeys[%1])").arg(row)).toString(); }
        QStringList warnings() { return pages->warnings(); }
    };

private slots:
    void leftButtonGuardAndStoredEntries()
    {
        Session s({{QStringLiteral("keydefine_J2/3"), QVariantList{9, 1, 3, 0}},
                   {QStringLiteral("keydefine_J2/5"), QVariantList{5, 1, 2, 3}},
                   {QStringLiteral("keydefine_J2/6"), QVariantList{1, 2}},
                   {QStringLiteral("macro/3"), QStringLiteral("Reload")}});
        QVERIFY(s.ready());

        // A macro entry is held with its slot 0-based and labelled by its button's macro.
        QCOMPARE(s.eval(QStringLiteral("keyMatrixMain.modKeys[3]")).toList(), (QVariantList{9, 1, 2, 0}));
        QCOMPARE(s.label(3), QStringLiteral("Macro: ") + s.eval(QStringLiteral("ui_View.getMacroKey(2)")).toString());
        // No label in either table: an empty cell. Too short: the button's default.
        QCOMPARE(s.label(5), QString());
        QCOMPARE(s.eval(QStringLiteral("keyMatrixMain.modKeys[6]")).toList(), (QVariantList{7, 0, 2, 0}));
        QCOMPARE(s.label(6), QStringLiteral("DPI -"));

        // The only Left Button keeps its function, yet the matrix goes out.
        s.choose(0, 1);
        QVERIFY(!s.eval(QStringLiteral("keyMenuMain.visible")).toBool());
        QCOMPARE(s.eval(QStringLiteral("mouseMain.selectKey")).toInt(), -1);
        QCOMPARE(s.matrixSends(), 1);
        QCOMPARE(s.slot(0), QByteArray("0100f000"));
        // The macro goes back out with its stored slot 3 (entry 3 lies in device slot 4).
        QCOMPARE(s.slot(4), QByteArray("09010300"));
        QCOMPARE(s.slot(7), QByteArray("07000200"));   // entry 6, stored short, sent as its default

        // With a second Left Button the first one may change.
        s.choose(1, 0);
        s.choose(0, 1);
        QCOMPARE(s.slot(0), QByteArray("0100f100"));
        QCOMPARE(s.slot(1), QByteArray("0100f000"));
        QCOMPARE(s.matrixSends(), 3);
        QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("keydefine_J2/3")).toList(), (QVariantList{9, 1, 3, 0}));
        QCOMPARE(s.warnings(), QStringList());
    }

    void emptyProfileApplied()
    {
        Session s({}, true);
        QVERIFY(s.ready());
        s.eval(QStringLiteral("mainIten.applyProfile(0)"));
        QVERIFY(s.pages->waitUntilEnabled());
        const QByteArray expected = QByteArray::fromHex(
            "0100f000" "0100f100" "0100f200" "0100f300" "0100f400" "00000000" "00000000" "07000200" "07000100"
            "00000000" "00000000" "00000000" "00000000" "00000000" "04000100" "04000200");
        QCOMPARE(s.f->mouse().keyMatrix(0).left(64).toHex(), expected.toHex());
        const char *const stored[16] = {"0100f000", "0100f100", "0100f200", "0100f400", "0100f300", "07000100",
                                        "07000200", "00000000", "00000000", "00000000", "00000000", "00000000",
                                        "00000000", "00000000", "04000100", "04000200"};
        QSettings file(QStringLiteral("./modules/setting/p1.bin"), QSettings::IniFormat);
        for (int i = 0; i < 16; ++i) {
            QByteArray entry;
            for (const QVariant &b : file.value(QStringLiteral("keydefine_J2/%1").arg(i)).toList())
                entry.append(char(b.toInt()));
            QCOMPARE(entry.toHex(), QByteArray(stored[i]));
        }
        QCOMPARE(s.warnings(), QStringList());
    }

    void singleKeyDialog()
    {
        Session s;
        QVERIFY(s.ready());
        s.choose(2, 10);
        QVERIFY(s.eval(QStringLiteral("singleKeyMain.visible && mainMask.visible && !keyMenuMain.visible")).toBool());
        QCOMPARE(s.eval(QStringLiteral("mouseMain.selectKey")).toInt(), 2);

        // A modifier alone.
        s.press(KeyLeftCtrl);
        QCOMPARE(s.eval(QStringLiteral("singleKeyMain.keyText")).toString(), QStringLiteral("L Ctrl"));
        s.release(KeyLeftCtrl);
        s.click(QStringLiteral("singleKeyOk"));
        QVERIFY(!s.eval(QStringLiteral("singleKeyMain.visible || mainMask.visible")).toBool());
        QCOMPARE(s.eval(QStringLiteral("mouseMain.selectKey")).toInt(), -1);
        QCOMPARE(s.slot(2), QByteArray("0000e000"));
        QCOMPARE(s.label(2), QStringLiteral("Keyboard Key-L Ctrl"));

        // Two modifiers and a key: the key pressed last is the one meant, whatever is let go last.
        s.choose(5, 10);
        QCOMPARE(s.eval(QStringLiteral("singleKeyMain.keyText")).toString(), QStringLiteral("L Ctrl"));
        s.press(KeyLeftCtrl);
        s.press(KeyLeftShift);
        s.press(KeyA);
        s.release(KeyA);
        s.release(KeyLeftShift);
        s.release(KeyLeftCtrl);
        QCOMPARE(s.eval(QStringLiteral("singleKeyMain.keyText")).toString(), QStringLiteral("A"));
        s.click(QStringLiteral("singleKeyOk"));
        QCOMPARE(s.slot(8), QByteArray("00000400"));   // entry 5 lies in device slot 8

        // Cancel changes nothing; the backslash keeps its own code although 0x32 shares its name.
        s.choose(6, 10);
        s.press(KeyBackslash);
        s.release(KeyBackslash);
        const int sends = s.matrixSends();
        s.click(QStringLiteral("singleKeyCancel"));
        QCOMPARE(s.matrixSends(), sends);
        s.choose(6, 10);
        QCOMPARE(s.eval(QStringLiteral("singleKeyMain.keyText")).toString(), QStringLiteral("\\ |"));
        s.click(QStringLiteral("singleKeyOk"));
        QCOMPARE(s.slot(7), QByteArray("00003100"));

        // By keyboard: the row, the menu, the dialog; the Enter that confirms stays out of the field.
        s.eval(QStringLiteral("keyMatrixMain.focusRow(7)"));
        s.pages->key(Qt::Key_Return);
        QVERIFY(s.eval(QStringLiteral("keyMenuMain.visible && keyMenuMain.activeFocus")).toBool());
        for (int i = 0; i < 10; ++i)
            s.pages->key(Qt::Key_Down);
        s.pages->key(Qt::Key_Return);
        QVERIFY(s.eval(QStringLiteral("singleKeyMain.visible && singleKeyMain.keyboardMode")).toBool());
        s.press(KeyLeftAlt);
        s.release(KeyLeftAlt);
        s.press(KeyEnter);
        s.pages->key(Qt::Key_Return);
        s.release(KeyEnter);
        QVERIFY(!s.eval(QStringLiteral("singleKeyMain.visible")).toBool());
        QCOMPARE(s.slot(5), QByteArray("0000e200"));   // entry 7 lies in device slot 5
        QCOMPARE(s.warnings(), QStringList());
    }

    void menuEntriesReachTheMouse()
    {
        Session s;
        QVERIFY(s.ready());
        struct Sub { int menuRow; QList<QByteArray> entries; };
        const QList<Sub> subs = {
            {5, {"0000e011", "0000e01b", "0000e006", "0000e019", "0000e016", "0000e013", "0000e009", "0000e01c",
                 "0000e01d", "0000e004"}},
            {6, {"03008301", "0300b500", "0300b600", "0300b700", "0300cd00", "0300e200", "0300e900", "0300ea00"}},
            {7, {"03009401", "03002302", "03002102", "00022c1b", "00022c11", "0000e307", "0000e315"}},
            {8, {"07000100", "07000200", "07000300"}}};
        for (int sub = 0; sub < subs.size(); ++sub) {
            for (int i = 0; i < subs[sub].entries.size(); ++i) {
                s.click(QStringLiteral("keyRow1"));
                QCOMPARE(s.eval(QStringLiteral("keyMenuMain.openSub")).toInt(), -1);
                s.hover(QStringLiteral("menuItem%1").arg(subs[sub].menuRow));
                s.hover(QStringLiteral("subItem%1_%2").arg(sub).arg(i));
                s.click(QStringLiteral("subItem%1_%2").arg(sub).arg(i));
                QCOMPARE(s.slot(1), subs[sub].entries[i]);
            }
        }
        // The first level, and the hover rules of the parents.
        const QList<QPair<int, QByteArray>> top = {{1, "0100f100"}, {2, "0100f200"}, {3, "0100f400"}, {4, "0100f300"},
                                                   {9, "0bf04000"}, {13, "0a070000"}, {14, "00000000"}, {0, "0100f000"}};
        for (const auto &item : top) {
            s.choose(1, item.first);
            QCOMPARE(s.slot(1), item.second);
        }
        s.click(QStringLiteral("keyRow1"));
        s.hover(QStringLiteral("menuItem7"));
        QCOMPARE(s.eval(QStringLiteral("keyMenuMain.openSub")).toInt(), 2);
        s.hover(QStringLiteral("menuItem0"));
        QCOMPARE(s.eval(QStringLiteral("keyMenuMain.openSub")).toInt(), 2);
        s.click(QStringLiteral("menuItem7"));
        QVERIFY(s.eval(QStringLiteral("keyMenuMain.visible")).toBool());
        s.hover(QStringLiteral("menuItem9"));
        QCOMPARE(s.eval(QStringLiteral("keyMenuMain.openSub")).toInt(), -1);
        QQuickItem *recoil = s.item(QStringLiteral("menuItem12"));
        QVERIFY(recoil && !recoil->isVisible());
        // The macro choice opens over the mask for the same button.
        s.click(QStringLiteral("menuItem11"));
        QVERIFY(s.eval(QStringLiteral("macroKeyMain.visible && mainMask.visible && !keyMenuMain.visible")).toBool());
        QCOMPARE(s.eval(QStringLiteral("mouseMain.selectKey")).toInt(), 1);
        QCOMPARE(s.warnings(), QStringList());
    }

    void labelTables()
    {
        // Rows of the English and the Chinese table, and the rules that come before them.
        const QList<QPair<QByteArray, QString>> english = {
            {"00000000", "Deactivated"}, {"0000e011", "New"}, {"0000e01b", "Cut"}, {"0000e006", "Copy"},
            {"0000e019", "Paste"}, {"0000e016", "Save"}, {"0000e013", "Print"}, {"0000e009", "Find"},
            {"0000e01c", "Redo"}, {"0000e01d", "Undo"}, {"0000e004", "Select All"}, {"0000e307", "Show Desktop"},
            {"0000e315", "Run"}, {"00022c1b", "Maximize"}, {"00022c11", "Minimize"}, {"0100f000", "Left Button"},
            {"0100f100", "Right Button"}, {"0100f200", "Middle Button"}, {"0100f300", "Back"},
            {"0100f400", "Forward"}, {"03008301", "Media Player"}, {"0300b500", "Next Track"},
            {"0300b600", "Previous Track"}, {"0300b700", "Stop"}, {"0300cd00", "Play/Pause"}, {"0300e200", "Mute"},
            {"0300e900", "Volume Up"}, {"0300ea00", "Volume Down"}, {"03009401", "My Computer"},
            {"03002302", "Web Home"}, {"03002102", "Search Computer"}, {"07000100", "DPI +"}, {"07000200", "DPI -"},
            {"07000300", "DPI LOOP"}, {"0a070000", "Fn"}, {"0af01e02", "Fn"}, {"0bf04000", "Fire Key"},
            {"0bf0ff11", "Fire Key"}, {"0f002e00", "Auto Run"}, {"0f000500", "Fire Mode"},
            {"08000200", "Gun Management"}, {"08000101", ""}, {"00002900", "Keyboard Key-Esc"},
            {"00008600", "Keyboard Key-"}, {"04000100", ""}};
        const QList<QPair<QByteArray, QString>> chinese = {
            {"0100f000", "左键"}, {"0100f100", "右键"}, {"0100f200", "中键"}, {"0100f400", "前进"},
            {"0100f300", "后退"}, {"0f002e00", "自动奔跑"}, {"0f000500", "开火模式"}, {"0af01e02", "Fn"},
            {"07000100", "DPI +"}, {"07000200", "DPI -"}, {"07000300", "DPI LOOP"}, {"03008301", "多媒体播放键"},
            {"0300b500", "下一首"}, {"0300b600", "上一首"}, {"0300b700", "停止"}, {"0300cd00", "播放/暂停"},
            {"0300e200", "静音"}, {"0300e900", "音量+"}, {"0300ea00", "音量-"}, {"0000e011", "新建"},
            {"0000e01b", "剪切"}, {"0000e006", "复制"}, {"0000e019", "粘贴"}, {"0000e016", "保存"},
            {"0000e013", "打印"}, {"0000e009", "查找"}, {"0000e01c", "重复"}, {"0000e01d", "撤销"},
            {"0000e004", "全选"}, {"03009401", "我的电脑"}, {"03002302", "浏览器-主页"}, {"03002102", "搜索"},
            {"00022c1b", "最大化"}, {"00022c11", "最小化"}, {"0000e307", "显示桌面"}, {"0000e315", "运行"},
            {"08000101", "枪键开关"}, {"08000200", ""}, {"00000000", "Deactivated"}, {"0bf04000", "Fire Key"}};
        Session s;
        QVERIFY(s.ready());
        for (int language = 0; language < 2; ++language) {
            s.eval(QStringLiteral("mainIten.language = %1").arg(language));
            for (const auto &row : language ? chinese : english) {
                const QByteArray b = QByteArray::fromHex(row.first);
                const QString entry = QStringLiteral("[%1,%2,%3,%4]").arg(quint8(b[0])).arg(quint8(b[1]))
                                          .arg(quint8(b[2])).arg(quint8(b[3]));
                QCOMPARE(s.eval(QStringLiteral("keyMatrixMain.keyCodetoText(%1)").arg(entry)).toString(), row.second);
            }
        }
        // Names of keys and mouse buttons both ways.
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.keycodeTostr(0x31) + _KeyCodeString.keycodeTostr(0x32)")).toString(),
                 QStringLiteral("\\ |\\ |"));
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.strTokeycode('\\\\ |')")).toInt(), 0x32);
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.keycodeTostr(-1) + _KeyCodeString.keycodeTostr(0x86)")).toString(), QString());
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.strTokeycode('toString')")).toInt(), -1);
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.mousecodeTostr(0xf3)")).toString(), QStringLiteral("MS-B4"));
        QCOMPARE(s.eval(QStringLiteral("_KeyCodeString.strTomousecode('MS-B5')")).toInt(), 0xf4);
        QCOMPARE(s.warnings(), QStringList());
    }
};

QTEST_MAIN(TestKeyPages)
#include "tst_key_pages.moc"
