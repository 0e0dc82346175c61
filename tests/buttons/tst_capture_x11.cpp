#include "tests/support/runtime_tree.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

// Keys typed on a real X server (Xvfb, driven by xdotool) reach the pages' "detectKeyboard" as
// HID usages, whichever window has the focus.
class TestCaptureX11 : public QObject
{
    Q_OBJECT

    std::unique_ptr<RuntimeTree> m_tree;
    QProcess m_xvfb;
    QProcess m_probe;
    QProcess m_other;
    QString m_display;
    QStringList m_lines;
    QByteArray m_pending;

    QProcessEnvironment x11Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        return env;
    }

    QString xdotool(const QStringList &args)
    {
        QProcess p;
        p.setProcessEnvironment(x11Environment());
        p.start(QStringLiteral("xdotool"), args);
        if (!p.waitForFinished(10000) || p.exitCode() != 0)
            qWarning("xdotool %s failed: %s", qPrintable(args.join(u' ')), p.readAllStandardError().constData());
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    void readProbe()
    {
        m_pending += m_probe.readAllStandardOutput();
        int eol;
        while ((eol = int(m_pending.indexOf('\n'))) >= 0) {
            m_lines.append(QString::fromUtf8(m_pending.left(eol)));
            m_pending.remove(0, eol + 1);
        }
    }

    // Waits until the probe has printed `count` more lines starting with `prefix` and takes them;
    // other lines stay for later.
    QStringList collect(const QString &prefix, int count, int ms = 10000)
    {
        QStringList got;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            readProbe();
            for (auto it = m_lines.begin(); it != m_lines.end();) {
                if (it->startsWith(prefix)) {
                    got.append(*it);
                    it = m_lines.erase(it);
                } else {
                    ++it;
                }
            }
            if (got.size() >= count)
                break;
            m_probe.waitForReadyRead(100);
        }
        return got;
    }

    // `keys` typed with xdotool, and the key lines they must bring.
    void typeAndExpect(const QStringList &keys, const QStringList &expected)
    {
        xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
        const QStringList got = collect(QStringLiteral("key "), int(expected.size()));
        QCOMPARE(got.join(u','), expected.join(u','));
        // Nothing more trails behind.
        QCOMPARE(collect(QStringLiteral("key "), 1, 300), QStringList());
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            QSKIP("Xvfb is not installed");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");

        m_tree = std::make_unique<RuntimeTree>();
        // Xvfb picks a free display itself and names it on standard output.
        m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                              QStringLiteral("tcp")});
        QVERIFY(m_xvfb.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        QByteArray number;
        while (!number.contains('\n') && timer.elapsed() < 15000) {
            m_xvfb.waitForReadyRead(200);
            number += m_xvfb.readAllStandardOutput();
        }
        QVERIFY2(number.contains('\n'), "Xvfb did not report its display");
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());

        m_probe.setProcessEnvironment(x11Environment());
        m_probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_probe.start(QStringLiteral(SKALD_CAPTURE_PROBE), {});
        QVERIFY(m_probe.waitForStarted());
        QCOMPARE(collect(QStringLiteral("ready"), 1), QStringList{QStringLiteral("ready 1")});
        QVERIFY(!collect(QStringLiteral("shown"), 1).isEmpty());
    }

    void keysOfTheProgramsOwnWindow()
    {
        const QString probeWindow = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--pid"),
                                             QString::number(m_probe.processId())}).section(u'\n', 0, 0);
        QVERIFY(!probeWindow.isEmpty());
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), probeWindow});

        // xdotool lets go of the modifiers first, and holds the left-hand modifier of a kind
        // around its right-hand key.
        typeAndExpect({"a", "shift+b", "Return", "KP_Enter", "Control_R", "Alt_R", "KP_Divide", "Delete", "Pause", "F5"},
                      {"key 1 04", "key 0 04", "key 1 e1", "key 1 05", "key 0 e1", "key 0 05", "key 1 28",
                       "key 0 28", "key 1 58", "key 0 58", "key 1 e0", "key 1 e4", "key 0 e0", "key 0 e4", "key 1 e2", "key 1 e6", "key 0 e2",
                       "key 0 e6",
                       "key 1 54", "key 0 54", "key 1 4c", "key 0 4c", "key 1 48", "key 0 48", "key 1 3e",
                       "key 0 3e"});
    }

    void keysWhileAnotherWindowHasTheFocus()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xev")).isEmpty())
            QSKIP("xev is not installed");
        m_other.setProcessEnvironment(x11Environment());
        m_other.start(QStringLiteral("xev"), {QStringLiteral("-name"), QStringLiteral("skald-focus-thief"),
                                             QStringLiteral("-event"), QStringLiteral("keyboard")});
        QVERIFY(m_other.waitForStarted());
        const QString other = xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                                       QStringLiteral("skald-focus-thief")}).section(u'\n', 0, 0);
        QVERIFY(!other.isEmpty());
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), other});
        QCOMPARE(xdotool({QStringLiteral("getwindowfocus")}), other);

        typeAndExpect({"z", "ctrl+c", "Right", "space", "9"},
                      {"key 1 1d", "key 0 1d", "key 1 e0", "key 1 06", "key 0 e0", "key 0 06", "key 1 4f",
                       "key 0 4f", "key 1 2c", "key 0 2c", "key 1 26", "key 0 26"});

        // The other window really had them.
        m_other.waitForReadyRead(1000);
        QVERIFY(m_other.readAllStandardOutput().contains("KeyPress"));
    }

    void hotKeyBringsBackTheHiddenWindow()
    {
        m_probe.write("hide\n");
        QVERIFY(!collect(QStringLiteral("hidden"), 1).isEmpty());
        // Ctrl+Alt+F12 is not the hot key.
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+F12")});
        QCOMPARE(collect(QStringLiteral("shown"), 1, 1000), QStringList());
        xdotool({QStringLiteral("key"), QStringLiteral("shift+alt+F12")});
        QVERIFY(!collect(QStringLiteral("shown"), 1).isEmpty());
    }

    void buttonsReachDetectMouse()
    {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("600"), QStringLiteral("500"), QStringLiteral("click"),
                 QStringLiteral("1"), QStringLiteral("click"), QStringLiteral("3"), QStringLiteral("click"),
                 QStringLiteral("4")});
        QCOMPARE(collect(QStringLiteral("mouse "), 4),
                 (QStringList{"mouse 1 f0", "mouse 0 f0", "mouse 1 f1", "mouse 0 f1"}));
        QCOMPARE(collect(QStringLiteral("mouse "), 1, 300), QStringList());   // the wheel is not reported
    }

    void cleanupTestCase()
    {
        for (QProcess *p : {&m_other, &m_probe, &m_xvfb}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(5000)) {
                    p->kill();
                    p->waitForFinished(2000);
                }
            }
        }
        m_tree.reset();
    }
};

QTEST_MAIN(TestCaptureX11)
#include "tst_capture_x11.moc"
