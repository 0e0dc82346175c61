#include "app/widget.h"
#include "buttons/input_capture.h"
#include "app/input_receivers.h"
#include "app/myqquickview.h"
#include "tests/support/live_pages.h"
#include "tests/support/runtime_tree.h"
#include "tests/support/virtual_mouse_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

// Linux input codes of the keys the tests type.
constexpr unsigned KeyA = 30;
constexpr unsigned KeyB = 48;

QByteArray macroPayload(const char *hex)
{
    QByteArray bytes = QByteArray::fromHex(hex);
    bytes.append(QByteArray(128 - bytes.size(), '\0'));
    return bytes;
}

QStringList storedEvents(const QString &name)
{
    QSettings file(QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin"), QSettings::IniFormat);
    QStringList events;
    for (int i = 0; i < file.value(QStringLiteral("config/total")).toInt(); ++i)
        events << file.value(QStringLiteral("macro/") + QString::number(i)).toString();
    return events;
}

} // namespace

// The macro editor, the macro choice dialog and the recoil page of a real main window against
// the virtual mouse; keys arrive through the input capture as the platform back ends deliver them.
class TestMacroPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<RuntimeTree> tree;
    std::unique_ptr<VirtualMouseFixture> fixture;
    std::unique_ptr<InputCapture> capture;
    std::unique_ptr<LivePages> pages;

    void key(unsigned code, bool pressed)
    {
        capture->evdevKeyEvent(code, pressed);
        VirtualMouseFixture::settle(5);
    }

    int matrixSends() const
    {
        int n = 0;
        for (const QByteArray &block : fixture->blocks())
            n += quint8(block.at(0)) == 0x07 ? 1 : 0;
        return n;
    }

    void clickItem(const char *objectName, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = pages->centreOf(QLatin1String(objectName));
        QVERIFY2(at.x() >= 0, objectName);
        pages->click(at, button);
    }

    QVariant eval(const QString &expression) { return pages->eval(expression); }

    // The point of row `row` of one of the editor's lists, in the view.
    QPoint rowOf(const char *list, int row)
    {
        // Rows of a list that just grew are laid out on the next frame.
        VirtualMouseFixture::settle(30);
        return pages->pointOf(QStringLiteral("macroEditorMain.%1.mapToItem(null, 40, %2)")
                                  .arg(QLatin1String(list)).arg(row * 18 + 9));
    }

    void clickMenuRow(int row)
    {
        pages->click(pages->pointOf(QStringLiteral("macroEditorMain.contextMenu.mapToItem(null, 40, %1)").arg(row * 21 + 10)));
    }

    void assignByDialog(int button)
    {
        eval(QStringLiteral("mouseMain.selectKey = %1; builtDialog(macroKeyLoader); macroKeyMain.x = 340; macroKeyMain.y = 190;"
                            "mainMask.visible = true; macroKeyMain.showUI()").arg(button));
        clickItem("macroKeyOk");
    }

private slots:
    void init()
    {
        tree = std::make_unique<RuntimeTree>();
        fixture = std::make_unique<VirtualMouseFixture>();
        capture = std::make_unique<InputCapture>();
        Widget *window = fixture->widget();
        registerInputReceivers(*capture, window);
        window->resize(1000, 640);
        window->show();
        pages = std::make_unique<LivePages>(window);
        QVERIFY(pages->waitForWorkingScreen());
    }

    void cleanup()
    {
        if (pages)
            QVERIFY2(pages->warnings().isEmpty(), qPrintable(pages->warnings().join(QLatin1Char('\n'))));
        pages.reset();
        capture.reset();
        fixture.reset();
        tree.reset();
    }

    // Record, assign to two buttons, record again with delays, delete: the bytes on the wire.
    void recordAssignDelete()
    {
        clickItem("macroManagerButton");
        QVERIFY(eval(QStringLiteral("macroEditorMain.visible")).toBool());
        clickItem("macroNew");
        QCOMPARE(eval(QStringLiteral("macroEditorMain.selectedName")).toString(), QStringLiteral("Macro_0"));
        QVERIFY(QFile::exists(QStringLiteral("./modules/macro/Macro_0.bin")));
        // This session hears only its own window, and says so.
        clickItem("recordButton");
        QVERIFY(eval(QStringLiteral("macroEditorMain.isInputting")).toBool());
        QVERIFY(eval(QStringLiteral("macroEditorMain.notice")).toString().contains(QLatin1String("this window")));
        key(KeyA, true);
        key(KeyA, true);   // auto-repeat is not a new event
        key(KeyA, false);
        clickItem("recordButton");
        QCOMPARE(storedEvents(QStringLiteral("Macro_0")), (QStringList{QStringLiteral("1,A"), QStringLiteral("2,A")}));

        // Buttons 4 and 5 (index 3 and 4) play it; the second time the dialog offers the last choice.
        eval(QStringLiteral("mouseMain.selectKey = 3; mainMask.visible = true; builtDialog(macroKeyLoader).showUI()"));
        QCOMPARE(eval(QStringLiteral("macroKeyMain.fieldText")).toString(), QString());
        clickItem("macroField");
        QVERIFY(eval(QStringLiteral("macroKeyMain.isDropped")).toBool());
        pages->click(pages->pointOf(QStringLiteral("macroKeyMain.mapToItem(null, 12 + 100 + 20, 40 + 22 + 9)")));
        QCOMPARE(eval(QStringLiteral("macroKeyMain.fieldText")).toString(), QStringLiteral("Macro_0"));
        QVERIFY(!eval(QStringLiteral("macroKeyMain.isNullMacro")).toBool());
        clickItem("runMode2");
        clickItem("macroKeyOk");
        QVERIFY(!eval(QStringLiteral("macroKeyMain.visible")).toBool());
        QCOMPARE(fixture->mouse().macro(4), macroPayload("0001010481040000"));
        assignByDialog(4);
        QCOMPARE(fixture->mouse().macro(5), macroPayload("0001010481040000"));
        QCOMPARE(eval(QStringLiteral("ui_View.getKeydefine(3)")).toList(), (QVariantList{9, 2, 4, 0}));
        QCOMPARE(eval(QStringLiteral("ui_View.getKeydefine(4)")).toList(), (QVariantList{9, 2, 5, 0}));
        QVERIFY(fixture->mouse().keyMatrix(0).contains(QByteArray::fromHex("09020400")));

        // With "Rec Time", half a second between press and release is about 500 ms (a loaded
        // machine may deliver the queued release a little late); both buttons get the new macro.
        clickItem("recTime");
        clickItem("recordButton");
        key(KeyA, true);
        QElapsedTimer held;
        held.start();
        QTest::qWait(500);
        key(KeyA, false);
        const qint64 ms = held.elapsed();
        clickItem("recordButton");
        const QStringList events = storedEvents(QStringLiteral("Macro_0"));
        QCOMPARE(events.size(), 3);
        QCOMPARE(events[0], QStringLiteral("1,A"));
        QCOMPARE(events[2], QStringLiteral("2,A"));
        const int delay = events[1].mid(2).toInt();
        QVERIFY2(events[1].startsWith(QLatin1String("0,")) && delay % 10 == 0 && delay >= 490 && delay <= ms + 150,
                 qPrintable(events[1]));
        QCOMPARE(quint8(fixture->mouse().macro(4).at(2)), quint8(delay / 10));
        QCOMPARE(fixture->mouse().macro(5), fixture->mouse().macro(4));

        // Deleting it resets both rows, each reset sending the matrix (the second may fold into
        // the first while the link is busy); the list is then empty.
        const int before = matrixSends();
        clickItem("macroDelete");
        QVERIFY(matrixSends() > before && matrixSends() <= before + 2);
        QCOMPARE(fixture->mouse().keyMatrix(0).mid(12, 8), QByteArray::fromHex("0100f3000100f400"));
        QCOMPARE(eval(QStringLiteral("ui_View.getKeydefine(3)")).toList(), (QVariantList{1, 0, 0xf4, 0}));
        QCOMPARE(eval(QStringLiteral("ui_View.getKeydefine(4)")).toList(), (QVariantList{1, 0, 0xf3, 0}));
        QVERIFY(!QFile::exists(QStringLiteral("./modules/macro/Macro_0.bin")));
        QCOMPARE(eval(QStringLiteral("macroEditorMain.macroListModel.count")).toInt(), 0);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 0);

        // Reopened with nothing to offer, the dialog forgets the deleted macro and assigns nothing.
        const int sends = matrixSends();
        assignByDialog(3);
        QCOMPARE(matrixSends(), sends);
    }

    // 124 encoded bytes take one more event, 126 none; closing while recording asks first.
    void lengthLimitAndConfirmation()
    {
        clickItem("macroManagerButton");
        clickItem("macroNew");
        clickItem("recordButton");
        for (int i = 0; i < 40; ++i) {
            key(i % 2 ? KeyB : KeyA, true);
            key(i % 2 ? KeyB : KeyA, false);
        }
        // 2 + 2 x 61 + 2 = 126.
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 61);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.encodedLength()")).toInt(), 126);
        clickItem("macroOk");
        QVERIFY(eval(QStringLiteral("macroEditorMain.confirmBox.visible")).toBool());
        clickItem("confirmCancel");
        QVERIFY(eval(QStringLiteral("macroEditorMain.isInputting")).toBool());
        clickItem("macroCancel");
        clickItem("confirmOk");
        QVERIFY(!eval(QStringLiteral("macroEditorMain.visible")).toBool());
        QVERIFY(!eval(QStringLiteral("macroEditorMain.isInputting")).toBool());
        // The recording was dropped: the stored macro is still empty and shown so.
        QCOMPARE(storedEvents(QStringLiteral("Macro_0")), QStringList());
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 0);
    }

    // Names, the event list's menu and its inserts, by mouse and keyboard.
    void editing()
    {
        clickItem("macroManagerButton");
        for (int i = 0; i < 3; ++i)
            clickItem("macroNew");
        QSettings(QStringLiteral("./modules/setting/p3.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("macro/2"), QStringLiteral("Macro_1"));

        // Renaming to its own name or to a name in the list changes nothing.
        pages->doubleClick(rowOf("macroList", 1));
        QVERIFY(eval(QStringLiteral("macroEditorMain.macroList.isRenaming")).toBool());
        pages->key(Qt::Key_Return);
        pages->doubleClick(rowOf("macroList", 1));
        pages->key(Qt::Key_A, Qt::ControlModifier);
        pages->typeText(QStringLiteral("Macro_2"));
        pages->key(Qt::Key_Return);
        QCOMPARE(eval(QStringLiteral("ui_View.getNameList(0)")).toStringList(),
                 (QStringList{QStringLiteral("Macro_0"), QStringLiteral("Macro_1"), QStringLiteral("Macro_2")}));
        // F2 from the keyboard, a new name: file and profiles follow.
        pages->key(Qt::Key_F2);
        pages->key(Qt::Key_A, Qt::ControlModifier);
        pages->typeText(QStringLiteral("Jump"));
        pages->key(Qt::Key_Return);
        QVERIFY(QFile::exists(QStringLiteral("./modules/macro/Jump.bin")));
        QVERIFY(!QFile::exists(QStringLiteral("./modules/macro/Macro_1.bin")));
        QCOMPARE(QSettings(QStringLiteral("./modules/setting/p3.bin"), QSettings::IniFormat)
                     .value(QStringLiteral("macro/2")).toString(), QStringLiteral("Jump"));

        // The insert-key dialog: OK before any key inserts nothing, after one key a press and release.
        pages->click(rowOf("eventList", 0), Qt::RightButton);
        QVERIFY(eval(QStringLiteral("macroEditorMain.contextMenu.visible")).toBool());
        clickMenuRow(5);
        QVERIFY(eval(QStringLiteral("macroEditorMain.isInsertting")).toBool());
        clickItem("insertKeyOk");
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 0);
        QCOMPARE(storedEvents(QStringLiteral("Jump")), QStringList());
        pages->click(rowOf("eventList", 0), Qt::RightButton);
        clickMenuRow(5);
        key(KeyB, true);
        key(KeyB, false);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.insertKeyDialog.keyName")).toString(), QStringLiteral("B"));
        clickItem("insertKeyOk");
        // Right click on the press, Insert Delay: 50 ms before it. Then Insert Left Button after
        // the last row, from the keyboard's menu key.
        pages->click(rowOf("eventList", 0), Qt::RightButton);
        clickMenuRow(4);
        pages->click(rowOf("eventList", 2));
        pages->key(Qt::Key_Menu);
        pages->key(Qt::Key_Down);
        pages->key(Qt::Key_Return);
        QCOMPARE(storedEvents(QStringLiteral("Jump")),
                 (QStringList{QStringLiteral("0,50"), QStringLiteral("1,B"), QStringLiteral("2,B"),
                              QStringLiteral("3,MS-L"), QStringLiteral("4,MS-L")}));
        // The delay edited inline; text that is no number keeps the old value.
        pages->doubleClick(rowOf("eventList", 0));
        pages->key(Qt::Key_A, Qt::ControlModifier);
        pages->typeText(QStringLiteral("1270"));
        pages->key(Qt::Key_Return);
        QCOMPARE(storedEvents(QStringLiteral("Jump")).first(), QStringLiteral("0,1270"));
        pages->doubleClick(rowOf("eventList", 0));
        pages->key(Qt::Key_Backspace);
        pages->key(Qt::Key_Return);
        QCOMPARE(storedEvents(QStringLiteral("Jump")).first(), QStringLiteral("0,1270"));
        // Delete from the keyboard on the selected row.
        pages->click(rowOf("eventList", 4));
        pages->key(Qt::Key_Delete);
        QCOMPARE(storedEvents(QStringLiteral("Jump")).size(), 4);

        // Deleting the last macro leaves the others' indexes; the other deletion renumbers.
        pages->click(rowOf("macroList", 2));
        clickItem("macroDelete");
        QCOMPARE(QSettings(QStringLiteral("./modules/macro/Macro_0.bin"), QSettings::IniFormat)
                     .value(QStringLiteral("config/index")).toInt(), 0);
        QCOMPARE(QSettings(QStringLiteral("./modules/macro/Jump.bin"), QSettings::IniFormat)
                     .value(QStringLiteral("config/index")).toInt(), 1);
        pages->click(rowOf("macroList", 0));
        pages->key(Qt::Key_Delete);
        QCOMPARE(QSettings(QStringLiteral("./modules/macro/Jump.bin"), QSettings::IniFormat)
                     .value(QStringLiteral("config/index")).toInt(), 0);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.selectedName")).toString(), QStringLiteral("Jump"));
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 4);
    }

    // A macro file cut short or overwritten is named as damaged; the others load as ever.
    void damagedFiles()
    {
        eval(QStringLiteral("ui_View.createMacroIni('Good', 0); ui_View.saveMacroIni('Good', ['1,A', '2,A'], 3);"
                            "ui_View.createMacroIni('Cut', 1); ui_View.saveMacroIni('Cut', ['1,A', '0,20', '2,A'], 1);"
                            "ui_View.updataNameList(0, ['Good', 'Cut', 'Noise'])"));
        {
            QFile cut(QStringLiteral("./modules/macro/Cut.bin"));
            QVERIFY(cut.open(QIODevice::ReadWrite));
            const QByteArray text = cut.readAll();
            cut.resize(text.indexOf("1=") );   // the file ends before its second event
        }
        {
            QFile noise(QStringLiteral("./modules/macro/Noise.bin"));
            QVERIFY(noise.open(QIODevice::WriteOnly));
            static const char garbage[] = "\x00\xff\x13[[\n=\x7f garbage ";
            noise.write(garbage, sizeof garbage - 1);
        }
        // The page is opened as a user does, then reads the files written behind its back.
        clickItem("macroManagerButton");
        eval(QStringLiteral("macroEditorMain.init()"));
        QCOMPARE(eval(QStringLiteral("macroEditorMain.macroListModel.count")).toInt(), 3);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.notice")).toString(), QString());
        QCOMPARE(eval(QStringLiteral("macroEditorMain.eventModel.count")).toInt(), 2);
        QCOMPARE(eval(QStringLiteral("macroEditorMain.loopCount")).toString(), QStringLiteral("3"));
        for (int row = 1; row <= 2; ++row) {
            pages->click(rowOf("macroList", row));
            const QString notice = eval(QStringLiteral("macroEditorMain.notice")).toString();
            QVERIFY2(notice.contains(QLatin1String("damaged")), qPrintable(notice));
        }
        pages->click(rowOf("macroList", 0));
        QCOMPARE(eval(QStringLiteral("macroEditorMain.notice")).toString(), QString());
        QCOMPARE(storedEvents(QStringLiteral("Good")), (QStringList{QStringLiteral("1,A"), QStringLiteral("2,A")}));
    }

    // New preset: Y -10 on the page, 0 in the file until OK; deleting selects the next one.
    void recoilPresets()
    {
        // As the key menu's recoil entry opens it.
        eval(QStringLiteral("screenItem.openGunControl()"));
        clickItem("gunNew");
        clickItem("gunNew");
        QCOMPARE(eval(QStringLiteral("ui_View.getNameList(1)")).toStringList(),
                 (QStringList{QStringLiteral("Gun0"), QStringLiteral("Gun1")}));
        QCOMPARE(eval(QStringLiteral("gunControlMain.fireY")).toString(), QStringLiteral("-10"));
        QVERIFY(eval(QStringLiteral("gunControlMain.isUnlimited")).toBool());
        QCOMPARE(eval(QStringLiteral("ui_View.getGunData('Gun1')")).toList().value(3).toInt(), 0);
        // Run Times, interval typed: kept in the list only; Cancel writes nothing.
        clickItem("runTimes");
        QCOMPARE(eval(QStringLiteral("gunControlMain.fireTimes")).toString(), QStringLiteral("1"));
        pages->click(pages->centreOf(QStringLiteral("firePeriod")));
        pages->key(Qt::Key_A, Qt::ControlModifier);
        pages->typeText(QStringLiteral("300"));
        pages->key(Qt::Key_Tab);
        QCOMPARE(eval(QStringLiteral("gunControlMain.firePeriod")).toString(), QStringLiteral("255"));
        clickItem("gunCancel");
        QCOMPARE(eval(QStringLiteral("ui_View.getGunData('Gun1')")).toList(),
                 (QVariantList{QStringLiteral("L-Click"), 10, 0, 0, 0}));
        eval(QStringLiteral("gunControlMain.init()"));
        QCOMPARE(eval(QStringLiteral("gunControlMain.fireY")).toString(), QStringLiteral("0"));

        // Edited again and OK: the file takes the page's values.
        eval(QStringLiteral("gunControlMain.visible = true; mainMask.visible = true"));
        pages->click(pages->pointOf(QStringLiteral("gunControlMain.gunList.mapToItem(null, 40, 27)")));
        clickItem("runTimes");
        clickItem("gunOk");
        QVERIFY(!eval(QStringLiteral("gunControlMain.visible")).toBool());
        QCOMPARE(eval(QStringLiteral("ui_View.getGunData('Gun1')")).toList().value(4).toInt(), 1);

        // Delete Gun0: the fields show Gun1, which became selected; deleting the only one keeps its values.
        eval(QStringLiteral("gunControlMain.visible = true; mainMask.visible = true"));
        pages->click(pages->pointOf(QStringLiteral("gunControlMain.gunList.mapToItem(null, 40, 9)")));
        clickItem("gunDelete");
        QCOMPARE(eval(QStringLiteral("gunControlMain.fireTimes")).toString(), QStringLiteral("1"));
        clickItem("gunDelete");
        QCOMPARE(eval(QStringLiteral("gunControlMain.gunListModel.count")).toInt(), 0);
        QCOMPARE(eval(QStringLiteral("gunControlMain.fireTimes")).toString(), QStringLiteral("1"));
        QCOMPARE(eval(QStringLiteral("ui_View.getNameList(1)")).toStringList().size() <= 1, true);
        QVERIFY(eval(QStringLiteral("ui_View.getGunData('Gun1')")).toList().isEmpty());
    }
};

QTEST_MAIN(TestMacroPages)
#include "tst_macro_pages.moc"
