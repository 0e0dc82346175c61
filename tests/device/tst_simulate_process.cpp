#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <csignal>

// The real program against its virtual mouse, as a tester drives it from a shell.
class TestSimulateProcess : public QObject
{
    Q_OBJECT

    static QString install(const QString &folder)
    {
        return RuntimeTree::installProgram(QStringLiteral(SKALD_EXECUTABLE), folder);
    }

    struct Output
    {
        QProcess &p;
        QByteArray seen;

        // Waits until `pattern` matches output that arrived after `from`; returns where it ended.
        int waitFor(const QRegularExpression &pattern, int from = 0, int ms = 10000)
        {
            QElapsedTimer t;
            t.start();
            for (;;) {
                const auto m = pattern.match(QString::fromUtf8(seen), from);
                if (m.hasMatch())
                    return int(m.capturedEnd());
                if (t.elapsed() > ms || p.state() == QProcess::NotRunning)
                    return -1;
                p.waitForReadyRead(100);
                seen += p.readAll();
            }
        }
        int waitFor(const QString &text, int from = 0, int ms = 10000)
        {
            return waitFor(QRegularExpression(QRegularExpression::escape(text)), from, ms);
        }
    };

    static void start(QProcess &p, const QString &exe, const QStringList &args, const QString &workingDir)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setWorkingDirectory(workingDir);
        p.start(exe, args);
        QVERIFY(p.waitForStarted());
    }

    static void stop(QProcess &p)
    {
        p.terminate();
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished();
        }
    }

private slots:
    void findsItsFilesFromAnotherFolder()
    {
        QTemporaryDir home, elsewhere;
        const QString exe = install(home.path());
        {
            QSettings config(home.filePath(QStringLiteral("modules/setting/apConfig.bin")), QSettings::IniFormat);
            config.setValue(QStringLiteral("common/language"), QStringLiteral("ChineseSimplified"));
        }
        QProcess p;
        start(p, exe, {QStringLiteral("--simulate")}, elsewhere.path());
        Output out{p, {}};
        QVERIFY2(out.waitFor(QStringLiteral(u"balloon: Info: 检测到鼠标!")) >= 0, out.seen.constData());
        stop(p);
    }

    void simulatedMouseEndToEnd()
    {
        QTemporaryDir home;
        const QString exe = install(home.path());
        const QString log = home.filePath(QStringLiteral("hid.txt"));
        QProcess p;
        start(p, exe, {QStringLiteral("--simulate"), QStringLiteral("--hid-log"), log}, home.path());
        Output out{p, {}};
        int at = out.waitFor(QStringLiteral("Device Connect"));
        QVERIFY2(at >= 0, out.seen.constData());

        const pid_t pid = pid_t(p.processId());
        ::kill(pid, SIGUSR1);
        at = out.waitFor(QRegularExpression(QStringLiteral("balloon: Info: DPI Switch to \\d+")), at);
        QVERIFY2(at >= 0, out.seen.constData());

        ::kill(pid, SIGUSR2);
        at = out.waitFor(QStringLiteral("Device removed"), at);
        QVERIFY2(at >= 0, out.seen.constData());
        ::kill(pid, SIGUSR2);
        at = out.waitFor(QStringLiteral("Device Connect"), at);
        QVERIFY2(at >= 0, out.seen.constData());
        stop(p);

        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        const QRegularExpression shape(QStringLiteral("^\\d+ (SF|GF|WO|RI|RN)!?( [0-9a-f]+)?$"));
        int notifications = 0;
        for (const QByteArray &l : lines) {
            if (l.isEmpty())
                continue;
            QVERIFY2(shape.match(QString::fromLatin1(l)).hasMatch(), l.constData());
            notifications += l.contains(" RN 060700") ? 1 : 0;
        }
        QCOMPARE(notifications, 1);   // the DPI button
    }

    // --hid-log as a caller in another folder gives it: a relative path is the caller's, an
    // existing log grows, and the program's own files are refused and left as they were.
    void hidLogPaths()
    {
        QTemporaryDir home, caller;
        const QString exe = install(home.path());
        QVERIFY(QDir(caller.path()).mkpath(QStringLiteral("logs")));
        const QString log = caller.filePath(QStringLiteral("logs/hid.txt"));
        {
            QFile old(log);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("1 SF 00\n");
        }
        auto run = [&](const QString &logArgument, QByteArray *output) {
            QProcess p;
            start(p, exe, {QStringLiteral("--simulate"), QStringLiteral("--apply-profile"), QStringLiteral("1"),
                           QStringLiteral("--hid-log"), logArgument},
                  caller.path());
            if (!p.waitForFinished(30000))
                stop(p);
            *output = p.readAll();
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };

        QByteArray output;
        QCOMPARE(run(QStringLiteral("logs/hid.txt"), &output), 0);
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("logs/hid.txt"))));
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY2(written.startsWith("1 SF 00\n"), written.left(200).constData());
        // The key matrix of the apply went out after the old line.
        QVERIFY2(written.indexOf(" SF 0007") > 8, written.left(400).constData());

        const QString ownFiles[] = {QDir(caller.path()).relativeFilePath(home.filePath(QStringLiteral("modules/setting/p2.bin"))),
                                    home.filePath(QStringLiteral("modules/setting/apConfig.bin")), exe};
        for (const QString &own : ownFiles) {
            const QString path = QDir(caller.path()).absoluteFilePath(own);
            QFile before(path);
            QVERIFY2(before.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray bytes = before.readAll();
            before.close();
            QCOMPARE(run(own, &output), 2);
            QVERIFY2(output.contains("refusing to write the HID log over"), output.constData());
            QFile after(path);
            QVERIFY(after.open(QIODevice::ReadOnly));
            QVERIFY2(after.readAll() == bytes, qPrintable(own));
        }
    }
};

QTEST_GUILESS_MAIN(TestSimulateProcess)
#include "tst_simulate_process.moc"
