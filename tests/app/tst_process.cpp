#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QtTest>

// Starts the real program, as a user would, in folders of its own.
class TestProcess : public QObject
{
    Q_OBJECT

    // A private installation: the executable with its runtime tree beside it.
    static QString install(const QString &folder)
    {
        RuntimeTree::copyTree(QStringLiteral(SKALD_RUNTIME_DIR "/modules"), folder + QStringLiteral("/modules"));
        const QString exe = folder + QStringLiteral("/skald-config");
        QFile::copy(QStringLiteral(SKALD_EXECUTABLE), exe);
        QFile(exe).setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
        return exe;
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
        start(second, exeA);
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
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
        QTemporaryDir dir;
        const QString exe = install(dir.path());
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(exe, {QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("2")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(!p.readAllStandardError().contains("skald-config:"));
        QSettings config(dir.filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        QCOMPARE(config.value(QStringLiteral("J2/profileNo")).toInt(), 2);
    }

    // From a login script or a remote shell there is no display: the apply needs none, and
    // Qt has nothing to warn about on the way.
    void applyProfileWithoutDisplay()
    {
        QTemporaryDir dir;
        QTemporaryDir runtime;
        const QString exe = install(dir.path());
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{type}: %{message}"));
        p.setProcessEnvironment(env);
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        p.start(exe, {QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("3")});
        QVERIFY(p.waitForFinished(20000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        for (const QString &line : err.split(QLatin1Char('\n'))) {
            QVERIFY2(!line.startsWith(QLatin1String("warning:")) && !line.startsWith(QLatin1String("critical:")),
                     qPrintable(line));
        }
        QSettings config(dir.filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        QCOMPARE(config.value(QStringLiteral("J2/profileNo")).toInt(), 3);
    }

    void applyProfileWithoutMouse()
    {
        QTemporaryDir dir;
        const QString exe = install(dir.path());
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false;qt.*=false"));
        p.setProcessEnvironment(env);
        p.start(exe, {QStringLiteral("--apply-profile"), QStringLiteral("1")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 2);
        const QStringList lines = QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            .filter(QStringLiteral("skald-config:"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines.at(0).contains(QStringLiteral("no mouse found")));
        // Nothing was made current.
        QSettings config(dir.filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
        QVERIFY(!config.contains(QStringLiteral("J2/profileNo")) || config.value(QStringLiteral("J2/profileNo")).toInt() != 1);
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
