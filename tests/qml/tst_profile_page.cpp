#include "tests/qml/page_host.h"

#include <QQuickItem>
#include <QtTest>

class TestProfilePage : public QObject
{
    Q_OBJECT

    // The page with the names list `entries`, opened over the main screen.
    static bool open(PageHost &host, const QVariantList &entries, const QVariant &lang = QVariant())
    {
        host.bridge().nameLists[2] = entries;
        host.bridge().lang = lang;
        if (!host.load() || !host.powerOn())
            return false;
        host.eval(QStringLiteral("screenItem.openCentred(profileMain)"));
        host.bridge().calls.clear();
        return true;
    }

    static QStringList names(PageHost &host)
    {
        return host.eval(QStringLiteral("profileMain.entries()")).toStringList();
    }

    static QPoint rowPoint(PageHost &host, int row)
    {
        return host.pointOf(QStringLiteral("profileMain.mapToItem(mainIten, 60, 31 + 18 * %1 + 9)").arg(row));
    }

    static QStringList stored(PageHost &host)
    {
        QStringList out;
        for (const QVariant &v : host.bridge().nameLists.value(2))
            out << v.toString();
        return out;
    }

private slots:
    void startUpListAndStandard()
    {
        PageHost host;
        host.bridge().storedProfile = 4;
        QVERIFY(open(host, {QStringLiteral("Office0"), QStringLiteral("Game4"), QStringLiteral("broken"),
                            QStringLiteral("Work7")}));
        // Entries that do not end in a profile number 0..5 are left out.
        QCOMPARE(names(host), QStringList({QStringLiteral("Standard0"), QStringLiteral("Game4")}));
        QCOMPARE(host.eval(QStringLiteral("profileMain.currentRow")).toInt(), 1);
        QCOMPARE(stored(host), QStringList({QStringLiteral("Standard0"), QStringLiteral("Game4")}));
        QCOMPARE(host.eval(QStringLiteral("profileMain.menuItems.get(0).menuText")).toString(), QStringLiteral("Delete"));
        QCOMPARE(host.eval(QStringLiteral("profileMain.menuItems.get(4).menuText")).toString(), QStringLiteral("Save"));
        QCOMPARE(host.warnings(), QStringList());
    }

    void chineseKeepsTheFirstName()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("办公0"), QStringLiteral("loadertobrel")}, QStringLiteral("ChineseSimplified")));
        QCOMPARE(names(host), QStringList({QStringLiteral("办公0")}));
        QVERIFY(host.bridge().callsNamed({QStringLiteral("updataNameList")}).isEmpty());
    }

    void emptyListThenNew()
    {
        PageHost host;
        QVERIFY(open(host, {}));
        QCOMPARE(host.eval(QStringLiteral("profileMain.listCount")).toInt(), 0);
        QCOMPARE(host.eval(QStringLiteral("profileMain.currentRow")).toInt(), -1);
        // Copy, Delete and the menu's Delete have nothing to work on.
        host.eval(QStringLiteral("profileMain.copyProfile(); profileMain.deleteProfile(false)"));
        QCOMPARE(host.bridge().calls, QStringList());

        host.click(host.centreOf(QStringLiteral("profileNewButton")));
        QCOMPARE(names(host), QStringList({QStringLiteral("profile_00")}));
        QCOMPARE(host.bridge().calls,
                 QStringList({QStringLiteral("updataNameList(2,[profile_00])"), QStringLiteral("resetProfile(0)")}));
        QCOMPARE(host.warnings(), QStringList());
    }

    void newTakesTheNextNameAndTheLowestFreeNumber()
    {
        PageHost host;
        host.bridge().storedProfile = 3;
        QVERIFY(open(host, {QStringLiteral("Standard3"), QStringLiteral("profile_05"), QStringLiteral("profile_11")}));
        host.click(host.centreOf(QStringLiteral("profileNewButton")));
        QCOMPARE(names(host).last(), QStringLiteral("profile_20"));
        QCOMPARE(host.eval(QStringLiteral("profileMain.currentRow")).toInt(), 3);
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("resetProfile"), QStringLiteral("ui_02H_SetCurrentProfile")}),
                 QStringList({QStringLiteral("resetProfile(0)"), QStringLiteral("ui_02H_SetCurrentProfile(0)")}));
        QCOMPARE(host.eval(QStringLiteral("profileMain.profileNo")).toInt(), 0);
    }

    void sixProfilesTakeNoMore()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("a0"), QStringLiteral("b1"), QStringLiteral("c2"), QStringLiteral("d3"),
                            QStringLiteral("e4"), QStringLiteral("f5")}));
        const QStringList before = names(host);
        host.click(host.centreOf(QStringLiteral("profileNewButton")));
        host.eval(QStringLiteral("profileMain.copyProfile()"));
        QCOMPARE(names(host), before);
        // No profile file is touched for an element that is not added.
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("resetProfile"), QStringLiteral("copyProfile"),
                                           QStringLiteral("updataNameList")}),
                 QStringList());
    }

    void copiesAreNumbered()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("Standard0"), QStringLiteral("fps2")}));
        host.eval(QStringLiteral("profileMain.selectRow(1)"));
        host.eval(QStringLiteral("profileMain.copyProfile()"));
        host.eval(QStringLiteral("profileMain.selectRow(1)"));
        host.eval(QStringLiteral("profileMain.copyProfile()"));
        QCOMPARE(names(host), QStringList({QStringLiteral("Standard0"), QStringLiteral("fps2"),
                                           QStringLiteral("fps(0)1"), QStringLiteral("fps(1)3")}));
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("copyProfile")}),
                 QStringList({QStringLiteral("copyProfile(1,2)"), QStringLiteral("copyProfile(3,2)")}));
        // The copy becomes current.
        QCOMPARE(host.eval(QStringLiteral("profileMain.profileNo")).toInt(), 3);
        QCOMPARE(stored(host).last(), QStringLiteral("fps(1)3"));
    }

    void rename()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("Standard0"), QStringLiteral("fps1"), QStringLiteral("moba2")}));

        // A double click edits the row; Enter commits a new name.
        QTest::mouseDClick(&host.bridge(), Qt::LeftButton, Qt::NoModifier, rowPoint(host, 1));
        QVERIFY(host.eval(QStringLiteral("profileMain.isRenaming")).toBool());
        QCOMPARE(host.eval(QStringLiteral("profileMain.editor.selectedText")).toString(), QStringLiteral("fps"));
        QTest::keyClicks(&host.bridge(), QStringLiteral("shooter"));
        QTest::keyClick(&host.bridge(), Qt::Key_Return);
        QVERIFY(!host.eval(QStringLiteral("profileMain.isRenaming")).toBool());
        QCOMPARE(names(host).at(1), QStringLiteral("shooter1"));
        QCOMPARE(stored(host).at(1), QStringLiteral("shooter1"));

        // The name of another profile is refused; a press on the mask ends the edit.
        host.bridge().calls.clear();
        host.eval(QStringLiteral("profileMain.startRename()"));
        host.eval(QStringLiteral("profileMain.editor.text = \"moba\""));
        host.click(QPoint(60, 600));
        QVERIFY(!host.eval(QStringLiteral("profileMain.isRenaming")).toBool());
        QCOMPARE(names(host).at(1), QStringLiteral("shooter1"));
        QVERIFY(host.bridge().callsNamed({QStringLiteral("updataNameList")}).isEmpty());

        // So is an empty name.
        host.eval(QStringLiteral("profileMain.startRename(); profileMain.editor.text = \"  \"; profileMain.profileEditorFocus()"));
        QCOMPARE(names(host).at(1), QStringLiteral("shooter1"));
        QCOMPARE(host.warnings(), QStringList());
    }

    void deleteKeepsTheLastOneOnTheButton()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("Standard0"), QStringLiteral("fps1")}));
        host.eval(QStringLiteral("profileMain.selectRow(1)"));
        host.bridge().calls.clear();
        host.click(host.centreOf(QStringLiteral("profileDeleteButton")));
        QCOMPARE(names(host), QStringList({QStringLiteral("Standard0")}));
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("updataNameList"), QStringLiteral("ui_02H_SetCurrentProfile")}),
                 QStringList({QStringLiteral("updataNameList(2,[Standard0])"), QStringLiteral("ui_02H_SetCurrentProfile(0)")}));

        host.bridge().calls.clear();
        host.click(host.centreOf(QStringLiteral("profileDeleteButton")));
        QCOMPARE(names(host), QStringList({QStringLiteral("Standard0")}));
        QCOMPARE(host.bridge().calls, QStringList());

        // The context menu's Delete removes even the last one; no file is touched.
        host.click(rowPoint(host, 0), Qt::RightButton);
        QVERIFY(host.eval(QStringLiteral("profileMain.isMenuOpen")).toBool());
        host.click(host.pointOf(QStringLiteral("profileMain.menu.mapToItem(mainIten, 40, 10)")));
        QCOMPARE(names(host), QStringList());
        QCOMPARE(host.bridge().callsNamed({QStringLiteral("resetProfile"), QStringLiteral("copyProfile")}), QStringList());
        QCOMPARE(host.warnings(), QStringList());
    }

    void loadAndSave()
    {
        PageHost host;
        QVERIFY(open(host, {QStringLiteral("Standard0"), QStringLiteral("fps1")}));
        host.eval(QStringLiteral("profileMain.selectRow(1)"));
        host.bridge().calls.clear();
        host.eval(QStringLiteral("profileMain.menuCommand(3)"));
        QCOMPARE(host.bridge().calls.value(0), QStringLiteral("loadProfile(1)"));
        // Every panel sends the imported profile, the lift-off height included, in one batch.
        const QStringList sent = host.bridge().callsNamed(
            {QStringLiteral("ui_07H_SetKeyMatrix"), QStringLiteral("ui_0EH_SetXYSensitive"),
             QStringLiteral("ui_11H_SetDPISelect"), QStringLiteral("ui_11H_SetDPISet"),
             QStringLiteral("mouseSetDPIColor"), QStringLiteral("mouseSetRGBLedEffect"),
             QStringLiteral("mouseSetReportRate"), QStringLiteral("setCursorSpeed"),
             QStringLiteral("setDoubleClickSpeed"), QStringLiteral("setVerticalScrollLines"),
             QStringLiteral("mouseSetJMGD")});
        QStringList sentNames;
        for (const QString &c : sent)
            sentNames << c.left(c.indexOf(QLatin1Char('(')));
        QCOMPARE(sentNames, QStringList({QStringLiteral("ui_07H_SetKeyMatrix"), QStringLiteral("ui_0EH_SetXYSensitive"),
                                         QStringLiteral("ui_11H_SetDPISelect"), QStringLiteral("ui_11H_SetDPISet"),
                                         QStringLiteral("mouseSetDPIColor"), QStringLiteral("mouseSetRGBLedEffect"),
                                         QStringLiteral("mouseSetReportRate"), QStringLiteral("setCursorSpeed"),
                                         QStringLiteral("setDoubleClickSpeed"), QStringLiteral("setVerticalScrollLines"),
                                         QStringLiteral("mouseSetJMGD")}));

        // A cancelled import sends nothing.
        host.bridge().loadResult = false;
        host.bridge().calls.clear();
        host.eval(QStringLiteral("profileMain.menuCommand(3)"));
        QCOMPARE(host.bridge().calls, QStringList({QStringLiteral("loadProfile(1)")}));

        host.bridge().calls.clear();
        host.eval(QStringLiteral("profileMain.menuCommand(4)"));
        QCOMPARE(host.bridge().calls, QStringList({QStringLiteral("saveProfile(1)")}));
        QCOMPARE(host.warnings(), QStringList());
    }
};

QTEST_MAIN(TestProfilePage)
#include "tst_profile_page.moc"
