#include "performance/pointer_backend_choice.h"
#include "performance/pointer_settings_kde.h"
#include "performance/pointer_settings_x11.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// Output of a started program, read until `marker` appears (or three seconds pass).
bool waitForOutput(QProcess &process, QByteArray &seen, const QByteArray &marker)
{
    for (int i = 0; i < 60 && !seen.contains(marker); ++i) {
        process.waitForReadyRead(50);
        seen += process.readAllStandardOutput();
    }
    return seen.contains(marker);
}

// Stops a helper process however the test ends.
struct Stopper {
    QProcess &process;
    ~Stopper()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace

class TestPointerBackends : public QObject
{
    Q_OBJECT

private slots:
    void backendFollowsTheSession()
    {
        const auto choose = [](const char *desktop, const char *kde, bool x11, bool wayland) {
            return choosePointerBackend({QString::fromLatin1(desktop), QString::fromLatin1(kde), x11, wayland});
        };
        QCOMPARE(choose("ubuntu:GNOME", "", true, true), PointerBackend::Gnome);
        QCOMPARE(choose("KDE", "", false, true), PointerBackend::Kde);
        QCOMPARE(choose("", "true", true, false), PointerBackend::Kde);
        QCOMPARE(choose("XFCE", "", true, false), PointerBackend::X11);
        QCOMPARE(choose("", "", true, true), PointerBackend::None);
        QCOMPARE(choose("", "", false, false), PointerBackend::None);
    }

    // The files as Plasma's settings modules leave them, other keys and groups kept, and the
    // change announced on the session bus (a private one here, watched with dbus-monitor).
    void kdeWritesItsFilesAndTellsTheSession()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        const QString monitorProgram = QStandardPaths::findExecutable(QStringLiteral("dbus-monitor"));
        if (daemon.isEmpty() || monitorProgram.isEmpty())
            QSKIP("dbus-daemon or dbus-monitor is missing");
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString config = home.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(config));
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), config);
        writeFile(config + QStringLiteral("/kdeglobals"),
                  "[General]\nColorScheme=BreezeDark\n\n[KDE]\nLookAndFeelPackage=org.kde.breezedark.desktop\n"
                  "DoubleClickInterval=400\n\n[Icons]\nTheme=breeze-dark\n");

        QProcess bus;
        bus.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        const Stopper stopBus{bus};
        QByteArray address;
        QVERIFY(waitForOutput(bus, address, "\n"));
        address = address.trimmed();
        QProcess monitor;
        monitor.start(monitorProgram, {QStringLiteral("--address"), QString::fromUtf8(address),
                                       QStringLiteral("interface='org.kde.KGlobalSettings'")});
        const Stopper stopMonitor{monitor};
        QByteArray watched;
        QVERIFY(waitForOutput(monitor, watched, "NameAcquired") || monitor.state() == QProcess::Running);

        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        KdePointerSettings kde(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                               &KdePointerSettings::sendSessionSignal);
        QVERIFY(kde.setMouseSpeed(15));
        QVERIFY(!kde.setMouseSpeed(22));
        const int flat[3] = {6, 10, 0};
        QVERIFY(kde.setMouse(flat));
        int triple[3] = {};
        QVERIFY(kde.getMouse(triple));
        QCOMPARE(triple[2], 0);
        QVERIFY(kde.setDoubleClickTime(550));
        QVERIFY(kde.setWheelScrollLines(7));

        QCOMPARE(readFile(config + QStringLiteral("/kcminputrc")),
                 QStringLiteral("[Mouse]\nXLbInptPointerAcceleration=0.5\nXLbInptAccelProfileFlat=true\n"));
        QCOMPARE(readFile(config + QStringLiteral("/kdeglobals")),
                 QStringLiteral("[General]\nColorScheme=BreezeDark\n\n[KDE]\nLookAndFeelPackage=org.kde.breezedark.desktop\n"
                                "DoubleClickInterval=550\nWheelScrollLines=7\n\n[Icons]\nTheme=breeze-dark\n"));

        QVERIFY(waitForOutput(monitor, watched, "int32 0"));
        for (int i = 0; i < 20 && watched.count("member=notifyChange") < 4; ++i) {
            monitor.waitForReadyRead(100);
            watched += monitor.readAllStandardOutput();
        }
        QCOMPARE(watched.count("path=/KGlobalSettings; interface=org.kde.KGlobalSettings; member=notifyChange"), 4);
        QVERIFY(watched.contains("int32 3\n   int32 0"));
    }

    // Under a private Xvfb: the speed reaches the server, as `xset q` shows it.
    void bareX11SetsTheServersAcceleration()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString xset = QStandardPaths::findExecutable(QStringLiteral("xset"));
        if (xvfb.isEmpty() || xset.isEmpty())
            QSKIP("Xvfb or xset is missing");
        QProcess server;
        server.setProcessChannelMode(QProcess::SeparateChannels);
        // -noreset: a desktop always has clients, so the server never resets its settings when
        // the program's own connection closes; a bare Xvfb would.
        server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                            QStringLiteral("tcp"), QStringLiteral("-noreset")});
        const Stopper stopServer{server};
        QByteArray number;
        QVERIFY(waitForOutput(server, number, "\n"));
        qputenv("DISPLAY", ":" + number.trimmed());

        X11PointerSettings x11;
        QVERIFY(x11.setMouseSpeed(15));
        QVERIFY(!x11.setMouseSpeed(0));
        QVERIFY(!x11.setDoubleClickTime(500));
        QVERIFY(!x11.setWheelScrollLines(3));
        QProcess query;
        query.start(xset, {QStringLiteral("q")});
        QVERIFY(query.waitForFinished(5000));
        const QByteArray shown = query.readAllStandardOutput();
        QVERIFY2(shown.contains("acceleration:  15/10"), shown.constData());
        QVERIFY(x11.setMouseSpeed(5));
        query.start(xset, {QStringLiteral("q")});
        QVERIFY(query.waitForFinished(5000));
        QVERIFY(query.readAllStandardOutput().contains("acceleration:  5/10"));
    }
};

QTEST_MAIN(TestPointerBackends)
#include "tst_pointer_backends.moc"
