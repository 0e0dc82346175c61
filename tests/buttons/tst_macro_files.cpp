#include "buttons/macro_files.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtTest>

class TestMacroFiles : public QObject
{
    Q_OBJECT

    static QString macroFile(const QString &name) { return QStringLiteral("modules/macro/%1.bin").arg(name); }

private slots:
    void newFileRoundTrip()
    {
        RuntimeTree tree;
        myQQuickView view;
        QCOMPARE(view.createMacroIni(QStringLiteral("Combo"), 3), QVariant(true));
        QVERIFY(QFile::exists(macroFile(QStringLiteral("Combo"))));
        QCOMPARE(view.loadMacroIni(QStringLiteral("Combo")), QStringList{QStringLiteral("1")});
        QCOMPARE(view.loadMacroType(QStringLiteral("Combo")).toInt(), -1);
        QCOMPARE(view.loadMacroIndex(QStringLiteral("Combo")).toUInt(), 3u);
        view.setMacroIndex(QStringLiteral("Combo"), 5);
        QCOMPARE(view.loadMacroIndex(QStringLiteral("Combo")).toUInt(), 5u);

        const QStringList steps{"1,A", "0,50", "2,A", "1,, <", "2,, <"};
        QCOMPARE(view.saveMacroIni(QStringLiteral("Combo"), steps, 7), QVariant(true));
        QCOMPARE(view.loadMacroIni(QStringLiteral("Combo")), steps + QStringList{QStringLiteral("7")});
        {
            const QSettings file(macroFile(QStringLiteral("Combo")), QSettings::IniFormat);
            QCOMPARE(file.value(QStringLiteral("config/total")).toInt(), 5);
            QCOMPARE(file.value(QStringLiteral("macro/1")).toString(), QStringLiteral("0,50"));
        }

        // A shorter list leaves no trace of the longer one.
        QVERIFY(view.saveMacroIni(QStringLiteral("Combo"), {"3,MS-L", "4,MS-L"}, 1).toBool());
        QCOMPARE(view.loadMacroIni(QStringLiteral("Combo")), (QStringList{"3,MS-L", "4,MS-L", "1"}));
        QSettings file(macroFile(QStringLiteral("Combo")), QSettings::IniFormat);
        file.beginGroup(QStringLiteral("macro"));
        QCOMPARE(file.childKeys(), (QStringList{"0", "1"}));
        file.endGroup();
        QCOMPARE(view.loadMacroType(QStringLiteral("Combo")).toInt(), -1);   // never changed

        QCOMPARE(view.deleteMacroIni(QStringLiteral("Combo")), QVariant(true));
        QVERIFY(!QFile::exists(macroFile(QStringLiteral("Combo"))));
        QCOMPARE(view.deleteMacroIni(QStringLiteral("Combo")), QVariant(false));
    }

    void missingFile()
    {
        RuntimeTree tree;
        myQQuickView view;
        QCOMPARE(view.saveMacroIni(QStringLiteral("Ghost"), {"1,A"}, 1), QVariant(false));
        QVERIFY(!QFile::exists(macroFile(QStringLiteral("Ghost"))));
        QVERIFY(view.loadMacroIni(QStringLiteral("Ghost")).isEmpty());
        QCOMPARE(view.loadMacroType(QStringLiteral("Ghost")).toInt(), 0);
        QCOMPARE(view.loadMacroIndex(QStringLiteral("Ghost")).toInt(), 0);
        view.setMacroIndex(QStringLiteral("Ghost"), 2);
        QVERIFY(!QFile::exists(macroFile(QStringLiteral("Ghost"))));
        QCOMPARE(view.modifyMacroName(QStringLiteral("Ghost"), QStringLiteral("Other")), QVariant(false));
    }

    void damagedCount()
    {
        RuntimeTree tree;
        myQQuickView view;
        QVERIFY(view.createMacroIni(QStringLiteral("Big"), 0).toBool());
        QVERIFY(view.saveMacroIni(QStringLiteral("Big"), {"1,A", "2,A"}, 1).toBool());
        {
            QSettings file(macroFile(QStringLiteral("Big")), QSettings::IniFormat);
            file.setValue(QStringLiteral("config/total"), 2000000000);
        }
        QCOMPARE(view.loadMacroIni(QStringLiteral("Big")), (QStringList{"1,A", "2,A", "1"}));
        {
            QSettings file(macroFile(QStringLiteral("Big")), QSettings::IniFormat);
            file.setValue(QStringLiteral("config/total"), -4);
        }
        QCOMPARE(view.loadMacroIni(QStringLiteral("Big")), QStringList{QStringLiteral("1")});
    }

    void pathLikeNamesRefused()
    {
        RuntimeTree tree;
        myQQuickView view;
        QFile outside(QStringLiteral("modules/setting/p1.bin"));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write("[macro]\n0=x\n");
        outside.close();

        const QStringList bad{"", ".", "..", "../setting/p1", "a/b", "a\\b", "..\\..\\x", "a:b", "a*", "a?",
                              "a\"b", "a<b", "a>b", "a|b", QStringLiteral("a\nb"), QStringLiteral("a\tb"),
                              "CON", "nul", "Com1", "lpt9", QString(300, QLatin1Char('x'))};
        for (const QString &name : bad) {
            QVERIFY2(!MacroFiles::isValidName(name), qPrintable(name));
            QCOMPARE(view.createMacroIni(name, 0), QVariant(false));
            QCOMPARE(view.saveMacroIni(name, {"1,A"}, 1), QVariant(false));
            QVERIFY(view.loadMacroIni(name).isEmpty());
            QCOMPARE(view.deleteMacroIni(name), QVariant(false));
        }
        QVERIFY(QFile::exists(QStringLiteral("modules/setting/p1.bin")));
        QVERIFY(view.createMacroIni(QStringLiteral("ok"), 0).toBool());
        QCOMPARE(view.modifyMacroName(QStringLiteral("ok"), QStringLiteral("../escaped")), QVariant(false));
        QVERIFY(QFile::exists(macroFile(QStringLiteral("ok"))));
        QVERIFY(!QFile::exists(QStringLiteral("modules/escaped.bin")));
        QCOMPARE(QDir(QStringLiteral("modules/macro")).entryList(QDir::Files),
                 (QStringList{QStringLiteral("ok.bin")}));

        for (const QString &name : {QStringLiteral("Macro 1"), QStringLiteral("a.b"), QStringLiteral("...x"),
                                    QStringLiteral("宏"), QStringLiteral("CONSOLE")})
            QVERIFY2(MacroFiles::isValidName(name), qPrintable(name));
    }

    void renameAcrossProfiles()
    {
        RuntimeTree tree;
        myQQuickView view;
        QVERIFY(view.createMacroIni(QStringLiteral("Old"), 0).toBool());
        for (int p = 0; p < 10; ++p) {
            view.profileFile(p)->setValue(QStringLiteral("macro/%1").arg(p % 8), QStringLiteral("Old"));
            view.profileFile(p)->setValue(QStringLiteral("macro/8"), QStringLiteral("Keep"));
        }
        view.setMacroKey(8, QStringLiteral("Old"));   // the current profile: index 0
        QCOMPARE(view.getMacroKey(8), QVariant(QStringLiteral("Old")));
        view.currentSettings()->remove(QStringLiteral("macro/7"));
        QCOMPARE(view.getMacroKey(7), QVariant(0));   // absent: the number 0

        QCOMPARE(view.isMacroUse(QStringLiteral("Old")), (QStringList{"Name", "0", "8", "1", "2", "3", "4", "5"}));
        QCOMPARE(view.isMacroUse(QStringLiteral("Nobody")), QStringList{QStringLiteral("Name")});

        QCOMPARE(view.modifyMacroName(QStringLiteral("Old"), QStringLiteral("New")), QVariant(true));
        QVERIFY(!QFile::exists(macroFile(QStringLiteral("Old"))));
        QVERIFY(QFile::exists(macroFile(QStringLiteral("New"))));
        for (int p = 0; p < 6; ++p)
            QCOMPARE(view.profileFile(p)->value(QStringLiteral("macro/%1").arg(p)).toString(), QStringLiteral("New"));
        QCOMPARE(view.profileFile(1)->value(QStringLiteral("macro/8")).toString(), QStringLiteral("Keep"));
        QCOMPARE(view.getMacroKey(8), QVariant(QStringLiteral("New")));
        for (int p = 6; p < 10; ++p)
            QCOMPARE(view.profileFile(p)->value(QStringLiteral("macro/%1").arg(p % 8)).toString(), QStringLiteral("Old"));

        // Onto a macro that exists: refused before any profile names the other macro.
        QVERIFY(view.createMacroIni(QStringLiteral("Other"), 1).toBool());
        QCOMPARE(view.modifyMacroName(QStringLiteral("New"), QStringLiteral("Other")), QVariant(false));
        QCOMPARE(view.profileFile(2)->value(QStringLiteral("macro/2")).toString(), QStringLiteral("New"));
        QVERIFY(QFile::exists(macroFile(QStringLiteral("New"))));
    }

    void renumberAfterDelete()
    {
        RuntimeTree tree;
        myQQuickView view;
        // Buttons 0..6: macro slots 1..4 and other types; button 7 is outside the sweep.
        const QList<QVariantList> entries{
            {9, 0, 2, 0}, {9, 1, 3, 0}, {9, 2, 1, 0}, {1, 0, 0xF4, 0}, {9, 0, 2, 0}, {7, 0, 1, 0}, {9, 0, 4, 0}, {9, 0, 3, 0},
        };
        for (int p = 0; p < 10; ++p) {
            for (int b = 0; b < entries.size(); ++b)
                view.profileFile(p)->setValue(QStringLiteral("keydefine_J2/%1").arg(b), entries[b]);
        }
        view.changeMacroFileIndex(2);

        auto entry = [&](int p, int b) {
            QVariantList out;
            for (const QVariant &v : view.profileFile(p)->value(QStringLiteral("keydefine_J2/%1").arg(b)).toList())
                out.append(v.toInt());
            return out;
        };
        for (int p = 1; p < 6; ++p) {
            QCOMPARE(entry(p, 0), (QVariantList{1, 0, 0xF0, 0}));   // slot 2 gone: the button's default
            QCOMPARE(entry(p, 1), (QVariantList{9, 1, 2, 0}));      // later slots move down
            QCOMPARE(entry(p, 2), (QVariantList{9, 2, 1, 0}));
            QCOMPARE(entry(p, 3), (QVariantList{1, 0, 0xF4, 0}));
            QCOMPARE(entry(p, 4), (QVariantList{1, 0, 0xF3, 0}));   // button 4's default is Back
            QCOMPARE(entry(p, 5), (QVariantList{7, 0, 1, 0}));
            QCOMPARE(entry(p, 6), (QVariantList{9, 0, 3, 0}));
            QCOMPARE(entry(p, 7), (QVariantList{9, 0, 3, 0}));      // button 7 untouched
        }
        // The current profile (the page's business) and the files the pages never use are not
        // touched; the sixth profile is renumbered like the others.
        for (int p : {0, 6, 9}) {
            for (int b = 0; b < entries.size(); ++b)
                QCOMPARE(entry(p, b), entries[b]);
        }

        // With another profile current, that one is left out and the first one is swept.
        view.ui_02H_SetCurrentProfile(2);
        QCOMPARE(view.currentProfile(), 2);
        view.changeMacroFileIndex(1);
        QCOMPARE(entry(0, 2), (QVariantList{1, 0, 0xF2, 0}));
        QCOMPARE(entry(0, 0), (QVariantList{9, 0, 1, 0}));
        QCOMPARE(entry(2, 2), (QVariantList{9, 2, 1, 0}));
        QCOMPARE(entry(1, 2), (QVariantList{1, 0, 0xF2, 0}));
        QCOMPARE(entry(1, 1), (QVariantList{9, 1, 1, 0}));
    }

    // Macro and recoil values go through the rules of their keys, as profile values do: what
    // does not fit reads as its default, with one debug line per key and file however often it
    // is read; a file over the size limit reads as absent and stays on disk as it was.
    void damagedValuesThroughTheRules()
    {
        RuntimeTree tree;
        myQQuickView view;
        static QStringList lines;
        lines.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
            lines << m;
        });
        auto linesAbout = [](const QString &text) {
            return int(std::count_if(lines.cbegin(), lines.cend(), [&](const QString &l) { return l.contains(text); }));
        };
        auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        auto bytesOf = [](const QString &path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };

        write(macroFile(QStringLiteral("Bad")), "[config]\nindex=-3\ntotal=3\nrepeat=70000\ndid=9999\n"
                                                "[macro]\n0=\"1,A\"\n1=\"7,zz\"\n2=\"0,inf\"\n");
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(view.loadMacroIni(QStringLiteral("Bad")), (QStringList{"1,A", "", "", "1"}));
            QCOMPARE(view.loadMacroType(QStringLiteral("Bad")).toInt(), -1);
            QCOMPARE(view.loadMacroIndex(QStringLiteral("Bad")).toUInt(), 0u);
            QVERIFY(view.checkMacroIni(QStringLiteral("Bad")).contains(QLatin1String("no event count or loop count")));
        }
        for (const QString key : {"config/index", "config/repeat", "config/did", "macro/1", "macro/2"})
            QCOMPARE(linesAbout(QStringLiteral("Bad.bin: ") + key), 1);
        QCOMPARE(linesAbout(QStringLiteral("Bad.bin: macro/0")), 0);
        // Only the events are damaged: the editor is told how many.
        QVERIFY(view.saveMacroIni(QStringLiteral("Bad"), {"1,A", "2,A"}, 2).toBool());
        {
            QSettings file(macroFile(QStringLiteral("Bad")), QSettings::IniFormat);
            file.setValue(QStringLiteral("macro/1"), QStringLiteral("2,NoSuchKey"));
        }
        QCOMPARE(view.checkMacroIni(QStringLiteral("Bad")), QStringLiteral("1 of its 2 events cannot be read"));

        const QByteArray huge = "[config]\ntotal=1\nrepeat=1\n[macro]\n0=\"1,A\"\n; " + QByteArray(1100000, 'x') + "\n";
        write(macroFile(QStringLiteral("Huge")), huge);
        QVERIFY(view.loadMacroIni(QStringLiteral("Huge")).isEmpty());
        QCOMPARE(view.loadMacroIndex(QStringLiteral("Huge")).toUInt(), 0u);
        QVERIFY(view.checkMacroIni(QStringLiteral("Huge")).contains(QLatin1String("not read")));
        QCOMPARE(view.saveMacroIni(QStringLiteral("Huge"), {"1,B"}, 1), QVariant(false));
        view.setMacroIndex(QStringLiteral("Huge"), 4);
        QCOMPARE(bytesOf(macroFile(QStringLiteral("Huge"))), huge);

        const QString presets = QStringLiteral("modules/gun/gunData.bin");
        write(presets, "[gunData]\nWide=L-Click, 10, 200, 0, 0\nShort=L-Click, 10\nFine=L-Click, 10, -10, 127, 0\n");
        for (int round = 0; round < 2; ++round) {
            QVERIFY(view.getGunData(QStringLiteral("Wide")).isEmpty());
            QVERIFY(view.getGunData(QStringLiteral("Short")).isEmpty());
            QCOMPARE(view.getGunData(QStringLiteral("Fine")), (QVariantList{QStringLiteral("L-Click"), 10, -10, 127, 0}));
        }
        QCOMPARE(linesAbout(QStringLiteral("gunData.bin: gunData/Wide")), 1);
        QCOMPARE(linesAbout(QStringLiteral("gunData.bin: gunData/Short")), 1);
        QCOMPARE(linesAbout(QStringLiteral("gunData.bin: gunData/Fine")), 0);
        const QByteArray hugePresets = "[gunData]\nFine=L-Click, 10, -10, 127, 0\n; " + QByteArray(1100000, 'x') + "\n";
        write(presets, hugePresets);
        QVERIFY(view.getGunData(QStringLiteral("Fine")).isEmpty());
        view.saveGundata({QStringLiteral("New"), QStringLiteral("L-Click"), 10, 0, 0, 0});
        QCOMPARE(bytesOf(presets), hugePresets);
        qInstallMessageHandler(previous);
    }
};

QTEST_MAIN(TestMacroFiles)
#include "tst_macro_files.moc"
