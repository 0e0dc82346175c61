// The programs that select profiles: which profile a program in front selects, and the rules
// file as the profile page's operations leave it.
#include "app/myqquickview.h"
#include "profiles/front_program.h"
#include "profiles/process_image_linux.h"
#include "profiles/program_rules.h"
#include "tests/support/runtime_tree.h"

#include <QFile>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "0:game.exe,supertux2;1:racer" as rules.
ProgramRules::Rules rulesOf(const QString &text)
{
    ProgramRules::Rules rules;
    for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int profile = part.section(QLatin1Char(':'), 0, 0).toInt();
        rules.programs[profile] = part.section(QLatin1Char(':'), 1).split(QLatin1Char(','));
    }
    return rules;
}

const QString RulesFile = QStringLiteral("modules/setting/programs.bin");

} // namespace

class TestProgramRules : public QObject
{
    Q_OBJECT

private slots:
    void matchesTheProgramInFront_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QByteArray>("cmdline");
        QTest::addColumn<QStringList>("classes");
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("profile");

        const QString rules = QStringLiteral("0:SuperTux2;2:game.exe;3:wine64-preloader,xterm");
        QTest::newRow("file name, any case") << "/usr/games/supertux2" << QByteArray("supertux2\0--fullscreen\0", 23)
                                             << QStringList() << rules << QStringList{"supertux2"} << 0;
        // A game under Wine runs in the loader's process; its command line names the game,
        // which is the more telling name.
        QTest::newRow("wine command line") << "/usr/lib/wine/wine64-preloader"
                                           << QByteArray("C:\\games\\GAME.EXE\0-windowed\0", 28) << QStringList()
                                           << rules << QStringList{"GAME.EXE", "wine64-preloader"} << 2;
        QTest::newRow("proton, unix folders") << "/usr/bin/python3"
                                              << QByteArray("python3\0/home/u/Steam/common/x/game.exe\0", 40)
                                              << QStringList() << rules << QStringList{"game.exe", "python3"} << 2;
        QTest::newRow("only exe arguments count") << "/usr/bin/hexedit" << QByteArray("hexedit\0game.exe.bak\0", 21)
                                                  << QStringList() << rules << QStringList{"hexedit"} << -1;
        QTest::newRow("no rule") << "/usr/bin/xmessage" << QByteArray("xmessage\0hi\0", 12) << QStringList() << rules
                                 << QStringList{"xmessage"} << -1;
        QTest::newRow("no process: window class") << "" << QByteArray() << QStringList{"xterm", "XTerm"} << rules
                                                  << QStringList{"xterm"} << 3;
        QTest::newRow("a known process is not matched by class") << "/usr/bin/foot" << QByteArray("foot\0", 5)
                                                                 << QStringList{"xterm"} << rules
                                                                 << QStringList{"foot"} << -1;
        QTest::newRow("nothing known") << "" << QByteArray() << QStringList() << rules << QStringList() << -1;
        QTest::newRow("empty cmdline") << "C:\\Program Files\\Game\\Game.exe" << QByteArray() << QStringList()
                                       << rules << QStringList{"Game.exe"} << 2;
    }

    void matchesTheProgramInFront()
    {
        QFETCH(QString, executable);
        QFETCH(QByteArray, cmdline);
        QFETCH(QStringList, classes);
        QFETCH(QString, rules);
        QFETCH(QStringList, names);
        QFETCH(int, profile);
        FrontProgram program;
        program.executable = executable;
        program.arguments = ProcessImage::argumentsOf(cmdline);
        program.windowClasses = classes;
        QCOMPARE(ProgramMatch::namesOf(program), names);
        QCOMPARE(ProgramMatch::profileFor(rulesOf(rules), program), profile);
    }

    void followsTheProfiles_data()
    {
        QTest::addColumn<QByteArray>("before");   // null: no file
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("readBefore");  // the rules as the page first reads them
        QTest::addColumn<QByteArray>("after");    // null: still no file

        // Written by hand, with a comment: any write would show as QSettings' own layout.
        const QByteArray good = "; mine\n[follow]\nenabled=1\ngoBack=1\n\n[programs]\n0=game.exe, supertux2\n1=racer\n";
        const QByteArray damaged = "[follow]\nenabled=1\ngoBack=banana\n\n[programs]\n0=game.exe\n";
        const QByteArray stale = good + "3=old.exe\n";

        QTest::newRow("missing, delete") << QByteArray() << "delete" << "" << QByteArray();
        QTest::newRow("missing, add") << QByteArray() << "add" << "" << QByteArray("[programs]\n1=GAME.exe\n");
        QTest::newRow("damaged, delete") << damaged << "delete" << "" << damaged;
        QTest::newRow("damaged, copy") << damaged << "copy" << "" << damaged;
        QTest::newRow("damaged, add") << damaged << "add" << "" << QByteArray("[programs]\n1=GAME.exe\n");
        QTest::newRow("renamed") << good << "rename" << "0:game.exe,supertux2;1:racer" << good;
        QTest::newRow("deleted") << good << "delete" << "0:game.exe,supertux2;1:racer"
                                 << QByteArray("[follow]\nenabled=1\n\n[programs]\n0=game.exe, supertux2\n");
        QTest::newRow("copied onto a slot with leftovers")
            << stale << "copy" << "0:game.exe,supertux2;1:racer;3:old.exe"
            << QByteArray("[follow]\nenabled=1\ngoBack=1\n\n[programs]\n0=game.exe, supertux2\n1=racer\n");
        QTest::newRow("added program moves") << good << "add" << "0:game.exe,supertux2;1:racer"
                                             << QByteArray("[follow]\nenabled=1\ngoBack=1\n\n[programs]\n"
                                                           "0=supertux2\n1=racer, GAME.exe\n");
    }

    void followsTheProfiles()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, action);
        QFETCH(QString, readBefore);
        QFETCH(QByteArray, after);
        RuntimeTree tree;
        QFile::remove(RulesFile);
        if (!before.isNull()) {
            QFile f(RulesFile);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        const QStringList names = {"Standard0", "Racing1", "Shooter2"};
        {
            QSettings nameFile(QStringLiteral("modules/setting/name.bin"), QSettings::IniFormat);
            nameFile.setValue(QStringLiteral("profile/profileName"), names);
        }
        myQQuickView view;
        QCOMPARE(bytesOf(RulesFile), before.isNull() ? QByteArray() : before);
        const ProgramRules::Rules expected = rulesOf(readBefore);
        for (int p = 0; p < ProgramRules::ProfileCount; ++p)
            QCOMPARE(view.getProfilePrograms(p), expected.programs[p]);
        QCOMPARE(view.getFollowPrograms().toBool(), !readBefore.isEmpty());

        if (action == QLatin1String("rename")) {
            view.updataNameList(2, {"Standard0", "Cars1", "Shooter2"});
        } else if (action == QLatin1String("delete")) {
            view.updataNameList(2, {"Standard0", "Shooter2"});
        } else if (action == QLatin1String("copy")) {
            view.copyProfile(3, 0);
            view.updataNameList(2, names + QStringList{"Standard(0)3"});
        } else if (action == QLatin1String("add")) {
            view.addProfileProgram(1, QStringLiteral("C:\\Games\\GAME.exe"));
        }
        QCOMPARE(QFile::exists(RulesFile), !after.isNull());
        QCOMPARE(bytesOf(RulesFile), after.isNull() ? QByteArray() : after);
    }
};

QTEST_MAIN(TestProgramRules)
#include "tst_program_rules.moc"
