#include "app/command_line.h"
#include "app/copydata_text.h"
#include "app/modifier_tracker.h"
#include "app/single_instance.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "app/myqquickview.h"
#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QLocalSocket>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>
#include <vector>

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void hotKeyRules()
    {
        ModifierTracker t;
        // Shift+Alt+F12 restores only a hidden window.
        QVERIFY(!t.feed(0xE1, true, true));
        QVERIFY(!t.feed(0xE2, true, true));
        QVERIFY(t.feed(0x45, true, true));
        QVERIFY(!t.feed(0x45, true, false));
        QVERIFY(!t.feed(0x45, false, true));   // releases never count

        // Right-hand modifiers count the same; Ctrl and Win take no part.
        ModifierTracker r;
        r.feed(0xE5, true, true);
        r.feed(0xE6, true, true);
        r.feed(0xE0, true, true);
        r.feed(0xE3, true, true);
        QVERIFY(r.feed(0x45, true, true));

        // Ctrl+Alt+F12 does nothing.
        ModifierTracker c;
        c.feed(0xE0, true, true);
        c.feed(0xE2, true, true);
        QVERIFY(!c.feed(0x45, true, true));

        // Alt pressed and released while Shift is held: the Alt flag is gone.
        ModifierTracker s;
        s.feed(0xE1, true, true);
        s.feed(0xE2, true, true);
        s.feed(0xE2, false, true);
        QVERIFY(!s.feed(0x45, true, true));
        QVERIFY(s.shift() && !s.alt());
    }

    void copyDataChecks()
    {
        std::string text;
        const char hello[] = "h\xc3\xa9llo";    // 6 UTF-8 bytes
        QVERIFY(copyDataTextToShow(9487, hello, 6, &text));
        QCOMPARE(QString::fromStdString(text), QStringLiteral("h\u00e9llo"));
        QVERIFY(!copyDataTextToShow(9487, hello, 7, &text));   // count includes the zero
        QVERIFY(!copyDataTextToShow(9488, hello, 6, &text));   // another tag
        QVERIFY(!copyDataTextToShow(9487, nullptr, 0, &text));
        const char inner[] = {'a', 0, 'b'};
        QVERIFY(!copyDataTextToShow(9487, inner, 3, &text));
        const char unterminated[] = {'a', 'b'};
        QVERIFY(copyDataTextToShow(9487, unterminated, 2, &text));   // never read past the block
        QCOMPARE(text, std::string("ab"));
    }

    void commandLine()
    {
        CommandLineOptions o;
        QString error;
        QVERIFY(parseCommandLine({QStringLiteral("x")}, &o, &error));
        QVERIFY(!o.simulate && !o.tray && o.applyProfile == -1);
        QVERIFY(parseCommandLine({QStringLiteral("x"), QStringLiteral("--simulate")}, &o, &error));
        QVERIFY(o.simulate);
        QCOMPARE(o.simulateModel, 3389);
        QVERIFY(parseCommandLine({QStringLiteral("x"), QStringLiteral("--simulate=3337"), QStringLiteral("--tray")}, &o, &error));
        QCOMPARE(o.simulateModel, 3337);
        QVERIFY(o.tray);
        QVERIFY(parseCommandLine({QStringLiteral("x"), QStringLiteral("--apply-profile"), QStringLiteral("5")}, &o, &error));
        QCOMPARE(o.applyProfile, 5);
        QVERIFY(!parseCommandLine({QStringLiteral("x"), QStringLiteral("--apply-profile"), QStringLiteral("6")}, &o, &error));
        QVERIFY(!parseCommandLine({QStringLiteral("x"), QStringLiteral("--apply-profile=a")}, &o, &error));
        QVERIFY(!parseCommandLine({QStringLiteral("x"), QStringLiteral("--simulate=1234")}, &o, &error));
        QVERIFY(!parseCommandLine({QStringLiteral("x"), QStringLiteral("--bogus")}, &o, &error));

        // Before the application object exists: only a well-formed request to apply counts.
        const auto applies = [](std::initializer_list<const char *> list) {
            std::vector<char *> argv;
            for (const char *a : list)
                argv.push_back(const_cast<char *>(a));
            return appliesProfile(int(argv.size()), argv.data());
        };
        QVERIFY(applies({"x", "--simulate", "--apply-profile", "3"}));
        QVERIFY(applies({"x", "--apply-profile=0"}));
        QVERIFY(!applies({"x"}));
        QVERIFY(!applies({"x", "--hid-log", "--apply-profile"}));   // the log file's name
        QVERIFY(!applies({"x", "--apply-profile", "3", "--help"}));
        QVERIFY(!applies({"x", "-platform", "xcb", "--apply-profile", "3"}));
        QVERIFY(!error.isEmpty());
    }

    void windowTitleRules()
    {
        RuntimeTree tree;
        const QString path = QStringLiteral("./modules/setting/apConfig.bin");
        auto write = [&](const QString &language) {
            QSettings s(path, QSettings::IniFormat);
            s.setValue(QStringLiteral("common/language"), language);
            s.setValue(QStringLiteral("common/name0"), QStringLiteral("T\u00edtulo"));
            s.setValue(QStringLiteral("common/name1"), QStringLiteral("Title"));
        };
        write(QStringLiteral("Portuguese"));
        QCOMPARE(Ui_Controler::windowTitleFor(path), QStringLiteral("T\u00edtulo"));
        write(QStringLiteral("ChineseSimplified"));
        QCOMPARE(Ui_Controler::windowTitleFor(path), QStringLiteral("Title"));
        QCOMPARE(Ui_Controler::windowTitleFor(QStringLiteral("./nothing.bin")), QString());
    }

    void windowAndController()
    {
        RuntimeTree tree;
        Widget w;
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(w.size(), QSize(1000, 640));
        QCOMPARE(w.trayIcon()->toolTip(), QStringLiteral("MORVANT SKALD MOUSE Q410"));
        QCOMPARE(w.deviceCheckTimer().interval(), 2048);
        QVERIFY(w.deviceCheckTimer().isSingleShot());
        QVERIFY(w.view()->rootObject());
        QCOMPARE(w.view()->objectName(), QStringLiteral("ui_View"));

        w.move(100, 100);
        w.show();
        Ui_Controler *c = w.controller();
        c->onXChanged(15);
        c->onYChanged(-7);
        QTRY_COMPARE(w.pos(), QPoint(115, 93));
        // Close goes to the tray where there is one; without, the window is minimised.
        c->onClose();
        if (Ui_Controler::trayHolds(&w))
            QVERIFY(w.isHidden());
        else
            QTRY_VERIFY(w.isMinimized() && w.isVisible());
        w.hide();

        // The hot key brings the hidden window back, and does nothing while it is visible.
        w.onKeyEvent(0xE1, true);
        w.onKeyEvent(0xE2, true);
        w.onKeyEvent(0x45, true);
        QVERIFY(w.isVisible());

        // Tray double click without a connected mouse does nothing.
        w.hide();
        w.trayIconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isHidden());

        // A burst of device changes while nobody listens gives one pending check.
        w.onDeviceChange();
        w.onDeviceChange();
        QVERIFY(w.deviceCheckTimer().isActive());
    }

    void secondStartAsksForTheWindow()
    {
        const QString exe = QDir::temp().filePath(QStringLiteral("tst-shell-%1/skald-config").arg(QCoreApplication::applicationPid()));
        SingleInstance first(exe);
        QVERIFY(!first.isRunning());
        QStringList tokens;
        first.setShowRequestHandler([&](const QString &token) { tokens << token; });

        SingleInstance second(exe);
        QVERIFY(second.isRunning());
        QVERIFY(second.askToShow(QStringLiteral("launcher-token_1")));
        QVERIFY(second.askToShow(QString()));
        // A token that could carry anything but a plain word is not passed on.
        QVERIFY(second.askToShow(QStringLiteral("two words")));
        QTRY_COMPARE(tokens, QStringList({QStringLiteral("launcher-token_1"), QString(), QString()}));

        // Only whole request lines count.
        QString token;
        for (const QByteArray &line : {QByteArray("show"), QByteArray("show \n"), QByteArray("shows\n"),
                                       QByteArray("show a b\n"), QByteArray("show a\tb\n"),
                                       QByteArray("show ") + QByteArray(257, 'x') + '\n', QByteArray("\n")})
            QVERIFY2(!SingleInstance::parseShowRequest(line, &token), line.constData());
        QVERIFY(SingleInstance::parseShowRequest(QByteArray("show ") + QByteArray(256, 'x') + '\n', &token));
        QCOMPARE(token.size(), 256);

        // A peer that sends an endless line is cut off and changes nothing.
        QLocalSocket flood;
        flood.connectToServer(first.id());
        QVERIFY(flood.waitForConnected(1000));
        flood.write(QByteArray(4096, 's'));
        QVERIFY(flood.waitForBytesWritten(1000));
        QTRY_COMPARE(flood.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(tokens.size(), 3);
    }

    void initUiShowsThePagesOnce()
    {
        RuntimeTree tree;
        Widget w;
        QQuickItem *root = w.view()->rootObject();
        QVERIFY(!root->isVisible());
        w.notifyInit(1);
        QTRY_VERIFY(root->isVisible());
        QCOMPARE(root->property("curDev").toInt(), 1);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
