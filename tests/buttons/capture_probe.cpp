// Test-only stand-in for the program: the main window, the input capture and its receivers
// exactly as start-up registers them, but pages that print what reaches "detectKeyboard" and
// "detectMouse" on standard output. Reads "hide" on standard input and reports "shown" when
// the window comes back.
#include "app/widget.h"
#include "buttons/input_capture.h"
#include "app/input_receivers.h"
#include "app/myqquickview.h"

#include <QApplication>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

class Probe : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE void report(const QString &what, bool down, int code)
    {
        say(QStringLiteral("%1 %2 %3").arg(what).arg(down ? 1 : 0).arg(code, 2, 16, QLatin1Char('0')));
    }

    static void say(const QString &line)
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            say(QStringLiteral("shown"));
        else if (event->type() == QEvent::Hide)
            say(QStringLiteral("hidden"));
        return QObject::eventFilter(watched, event);
    }
};

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    Widget window;
    InputCapture capture;
    registerInputReceivers(capture, &window);

    Probe probe;
    window.view()->rootContext()->setContextProperty(QStringLiteral("probe"), &probe);
    window.view()->setSource(QUrl(QStringLiteral("qrc:/probe/probe.qml")));
    window.installEventFilter(&probe);
    window.showNormal();

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &window, [&] {
        char line[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof(line) - 1);
        if (n <= 0)
            QApplication::quit();
        else if (QByteArray(line).startsWith("hide"))
            window.hide();
    });

    Probe::say(QStringLiteral("ready %1").arg(capture.isListening() ? 1 : 0));
    const int result = app.exec();
    capture.removeHooks();
    return result;
}

#include "capture_probe.moc"
