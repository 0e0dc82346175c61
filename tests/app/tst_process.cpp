#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QtTest>
#include <functional>

#include <unistd.h>

// Starts the real program, as a user would, in folders of its own.
class TestProcess : public QObject
{
    Q_OBJECT

    static QString install(const QString &folder)
    {
        return RuntimeTree::installProgram(QStringLiteral(SKALD_EXECUTABLE), folder);
    }

    static void start(QProcess &p, const QString &exe, const QStringList &args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(exe, args);
        QVERIFY(p.waitForStarted());
    }

    static bool waitForOutput(QProcess &p, const QByteArray &text, int ms = 10000)
    {
        QByteArray seen;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            p.waitForReadyRead(100);
            seen += p.readAll();
            if (seen.contains(text))
                return true;
            if (p.state() == QProcess::NotRunning)
                return false;
        }
        return false;
    }

    // One --apply-profile run in a private installation: exit code, stderr and the current
    // profile it left stored (-1 when none).
    struct Apply
    {
        int exitCode = -1;
        QString err;
        int currentProfile = -1;
    };
    static Apply apply(const QStringList &args, const std::function<void(QProcessEnvironment &)> &adjust = {})
    {
        QTemporaryDir dir;
        const QString exe = install(dir.path());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (adjust)
            adjust(env);
        p.setProcessEnvironment(env);
        p.start(exe, args);
        Apply run;
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = p.exitCode();
        run.err = QString::fromLocal8Bit(p.readAllStandardError());
        const QSettings config(dir.filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        run.currentProfile = config.value(QStringLiteral("J2/profileNo"), -1).toInt();
        return run;
    }

private slots:
    void secondInstanceExitsWithOne()
    {
        QTemporaryDir a, b;
        const QString exeA = install(a.path());
        const QString exeB = install(b.path());

        QProcess first;
        start(first, exeA);
        QVERIFY(waitForOutput(first, "Device"));

        QProcess second;
        start(second, exeA, {QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("1")});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        const QByteArray why = second.readAll();
        QVERIFY2(why.contains("skald-config: another instance is running") && why.count("skald-config:") == 1,
                 why.constData());
        QCOMPARE(first.state(), QProcess::Running);   // not disturbed

        // A copy in another folder is another instance.
        QProcess other;
        start(other, exeB);
        QVERIFY(waitForOutput(other, "Device"));
        QCOMPARE(other.state(), QProcess::Running);

        other.kill();
        first.kill();
        other.waitForFinished();
        first.waitForFinished();
    }

    void helpAndBadOptions()
    {
        QProcess p;
        start(p, QStringLiteral(SKALD_EXECUTABLE), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAll().contains("--simulate"));

        QProcess bad;
        start(bad, QStringLiteral(SKALD_EXECUTABLE), {QStringLiteral("--apply-profile"), QStringLiteral("9")});
        QVERIFY(bad.waitForFinished(5000));
        QCOMPARE(bad.exitCode(), 2);
    }

    void applyProfileToTheVirtualMouse()
    {
        const Apply run = apply({QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("2")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!run.err.contains(QStringLiteral("skald-config:")));
        QCOMPARE(run.currentProfile, 2);
    }

    // What an apply sends is fixed: any change of a byte, of the order or of the count of the
    // reports shows here against the traffic recorded for each model.
    void applyTrafficIsUnchanged_data()
    {
        QTest::addColumn<QString>("model");
        QTest::newRow("3389") << QStringLiteral("3389");
        QTest::newRow("3337") << QStringLiteral("3337");
    }
    void applyTrafficIsUnchanged()
    {
        QFETCH(QString, model);
        QTemporaryDir logs;
        const QString log = logs.filePath(QStringLiteral("hid.txt"));
        const Apply run = apply({QStringLiteral("--simulate=") + model, QStringLiteral("--apply-profile"),
                                 QStringLiteral("1"), QStringLiteral("--hid-log"), log});
        QCOMPARE(run.exitCode, 0);
        QFile got(log), expected(QStringLiteral(SKALD_SOURCE_DIR "/tests/app/traffic/apply_profile_1_") + model
                                 + QStringLiteral(".txt"));
        QVERIFY(got.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        QStringList sent, recorded;
        for (const QByteArray &line : got.readAll().split('\n')) {
            if (!line.isEmpty())
                sent << QString::fromLatin1(line.mid(line.indexOf(' ') + 1));   // without the time
        }
        for (const QByteArray &line : expected.readAll().split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                recorded << QString::fromLatin1(line);
        }
        QCOMPARE(sent, recorded);
    }

    // From a login script or a remote shell there is no display: the apply needs none, and
    // Qt has nothing to warn about on the way.
    // A log that cannot be written fails the run, said once; a hard link to a profile, under a
    // name of its own, is still the profile and is refused.
    void hidLogFaults()
    {
        const Apply full = apply({QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("1"),
                                  QStringLiteral("--hid-log"), QStringLiteral("/dev/full")});
        QCOMPARE(full.exitCode, 2);
        QCOMPARE(full.err.count(QStringLiteral("cannot write the HID log")), 1);

        QTemporaryDir dir;
        const QString exe = install(dir.path());
        const QString profile = dir.filePath(QStringLiteral("modules/setting/p1.bin"));
        { QSettings s(profile, QSettings::IniFormat); s.setValue(QStringLiteral("sensor/x"), 1); }
        QFile before(profile);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray content = before.readAll();
        before.close();
        const QString link = dir.filePath(QStringLiteral("traffic.txt"));
        QVERIFY(::link(QFile::encodeName(profile).constData(), QFile::encodeName(link).constData()) == 0);
        QProcess p;
        start(p, exe, {QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("0"),
                       QStringLiteral("--hid-log"), link});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAll().contains("refusing to write the HID log"));
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), content);
    }

    void applyProfileWithoutDisplay()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const Apply run = apply({QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("3")},
                                [&](QProcessEnvironment &env) {
            for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(QString::fromLatin1(name));
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{type}: %{message}"));
        });
        QCOMPARE(run.exitCode, 0);
        for (const QString &line : run.err.split(QLatin1Char('\n'))) {
            QVERIFY2(!line.startsWith(QLatin1String("warning:")) && !line.startsWith(QLatin1String("critical:")),
                     qPrintable(line));
        }
        QCOMPARE(run.currentProfile, 3);
    }

    // A plain start and an apply say nothing but warnings; --verbose brings the debug lines back.
    void quietUnlessVerbose()
    {
        const auto messages = [](QProcessEnvironment &env) {
            env.remove(QStringLiteral("QT_LOGGING_RULES"));
            env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{type}: %{category}: %{message}"));
        };
        const auto chatter = [](const QString &err) {
            QStringList lines;
            for (const QString &line : err.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                if (!line.startsWith(QLatin1String("warning:")) && !line.startsWith(QLatin1String("critical:")))
                    lines << line;
            }
            return lines;
        };
        const Apply applied = apply({QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("2")}, messages);
        QCOMPARE(applied.exitCode, 0);
        QCOMPARE(chatter(applied.err), QStringList());

        QTemporaryDir dir;
        const QString exe = install(dir.path());
        const QString log = dir.filePath(QStringLiteral("hid.log"));
        for (const bool verbose : {false, true}) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            messages(env);
            p.setProcessEnvironment(env);
            QStringList args{QStringLiteral("--simulate"), QStringLiteral("--hid-log"), log};
            if (verbose)
                args << QStringLiteral("--verbose");
            QFile::remove(log);
            p.start(exe, args);
            QVERIFY(p.waitForStarted());
            // Started once the start-up reads of the mouse are over: the log stops growing.
            qint64 size = -1;
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < 10000 && (QFileInfo(log).size() == 0 || QFileInfo(log).size() != size)) {
                size = QFileInfo(log).size();
                QTest::qWait(400);
            }
            p.terminate();
            QVERIFY(p.waitForFinished(5000));
            const QStringList lines = chatter(QString::fromLocal8Bit(p.readAllStandardError()));
            if (verbose) {
                QVERIFY2(lines.contains(QStringLiteral("debug: skald.device: Device Connect")), qPrintable(lines.join(u'\n')));
                QVERIFY(lines.contains(QStringLiteral("debug: skald.app: balloon: Info: Detect Mouse!")));
            } else {
                QCOMPARE(lines, QStringList());
            }
        }
    }

    void applyProfileWithoutMouse()
    {
        const Apply run = apply({QStringLiteral("--apply-profile"), QStringLiteral("1")}, [](QProcessEnvironment &env) {
            env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false;qt.*=false"));
        });
        QCOMPARE(run.exitCode, 2);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("skald-config:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.at(0).contains(QStringLiteral("no mouse found")));
        QVERIFY(run.currentProfile != 1);   // nothing was made current
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
