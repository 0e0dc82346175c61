#include "app/command_line.h"
#include "app/copydata_filter.h"
#include "app/profile_applier.h"
#include "app/program_follower.h"
#include "app/single_instance.h"
#include "app/skin_palette.h"
#include "app/startup_probe.h"
#include "app/myqquickview.h"
#include "app/ui_controler.h"
#ifndef Q_OS_WIN
#include "app/wayland_seat_guard.h"
#endif
#include "app/widget.h"
#include "app/working_directory.h"
#include "buttons/input_capture.h"
#include "app/input_receivers.h"
#include "device/device_environment.h"
#include "profiles/front_window_choice.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    StartupProbe::mark("main");
    // The pages need nothing the software scene graph lacks, and it maps the window faster and
    // smaller than OpenGL through a software rasteriser. QT_QUICK_BACKEND still overrides it.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

#ifndef Q_OS_WIN
    // Applying a profile, like printing the help, shows nothing, so it runs on Qt's minimal
    // platform: it then works without a display (from a login script or a remote shell) and
    // starts sooner. QT_QPA_PLATFORM and -platform still choose.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && needsNoDisplay(argc, argv))
        qputenv("QT_QPA_PLATFORM", "minimal");
#endif

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("skald-config"));
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    useSkinPalette();

    CommandLineOptions options;
    QString error;
    if (!parseCommandLine(QApplication::arguments(), &options, &error)) {
        std::fprintf(stderr, "skald-config: %s\n", qPrintable(error));
        return 2;
    }
    if (options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("skald.*.debug=true"));
    if (options.showHelp) {
        std::fputs(qPrintable(options.helpText), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::printf("skald-config %s\n", PROJECT_VERSION);
        return 0;
    }
    setStartupOptions(options);
#ifndef Q_OS_WIN
    if (const int status = guardWaylandSeat(argv); status >= 0)
        return status;
#endif

    SingleInstance instance(QApplication::applicationFilePath());
    if (instance.isRunning()) {
        // A plain start asks the running instance for its window; a scripted or tray start
        // has nothing to show.
        if (options.applyProfile < 0 && !options.tray
            && instance.askToShow(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"))) {
            std::fprintf(stderr, "skald-config: already running; its window was brought to the front\n");
            return 1;
        }
        std::fprintf(stderr, "skald-config: another instance is running; nothing was done\n");
        return 1;
    }

    // Portable beside the executable, or in the user's data folder when installed read-only.
    QString folderError;
    const QString folder = WorkingDirectory::choose(QApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), &folderError);
    if (folder.isEmpty() || !QDir::setCurrent(folder)) {
        if (folderError.isEmpty())
            folderError = QStringLiteral("cannot enter the folder %1").arg(folder);
        std::fprintf(stderr, "skald-config: %s\n", qPrintable(folderError));
        if (options.applyProfile < 0)
            QMessageBox::critical(nullptr, QStringLiteral("skald-config"), folderError);
        return 2;
    }

    // Chooses the mouse the link talks to (real, virtual, logged); outlives the window.
    DeviceEnvironment devices(options.simulate, options.simulateModel, options.hidLogFile);
    if (!devices.isUsable())
        return 2;

    auto window = std::make_unique<Widget>();
    StartupProbe::mark("window");
    Widget *shown = window.get();
    devices.attach(shown, [shown] { shown->onDeviceChange(); });

    StartupProbe::install(window.get());

    InputCapture capture;
    registerInputReceivers(capture, window.get());

    CopyDataFilter copyDataFilter(window.get());
    app.installNativeEventFilter(&copyDataFilter);

    // --apply-profile works without the window; --tray starts in the tray, or minimised
    // where there is no tray to start in.
    std::unique_ptr<ProfileApplier> applier;
    std::unique_ptr<ProgramFollower> follower;
    if (options.applyProfile >= 0) {
        applier = std::make_unique<ProfileApplier>(window.get(), options.applyProfile);
    } else {
        follower = std::make_unique<ProgramFollower>(window.get(), createFrontWindowWatch());
        instance.setShowRequestHandler([shown](const QString &token) { shown->bringToFront(token); });
        if (!options.tray)
            window->showNormal();
        else if (!Ui_Controler::trayHolds(window.get()))
            window->showMinimized();
    }
    window->checkDevice();

    int result = applier && !applier->start() ? 2 : app.exec();
    // A scripted run whose traffic log is incomplete has not done what it was asked.
    if (applier && devices.logFailed())
        result = 2;

    follower.reset();
    capture.removeHooks();
    app.removeNativeEventFilter(&copyDataFilter);
    if (applier) {
        // An apply has stored and sent everything before it ended the event loop, and its
        // window was never shown: taking its pages apart object by object would only hold up
        // the end of a run that scripts wait for.
        window.release();
    } else {
        window.reset();
    }
    StartupProbe::mark("ended");
    return result;
}
