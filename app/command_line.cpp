#include "app/command_line.h"

#include "device/mouse_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

bool parseCommandLine(const QStringList &arguments, CommandLineOptions *options, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration utility of the Skald gaming mouse."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
        QStringLiteral("Use the built-in virtual mouse instead of a real one; <model> is %1 "
                       "(--simulate alone means %2).").arg(modelIdList()).arg(defaultModel().id),
        QStringLiteral("model"));
    const QCommandLineOption hidLog(QStringLiteral("hid-log"),
        QStringLiteral("Write every HID report exchanged with the mouse to <file>."), QStringLiteral("file"));
    const QCommandLineOption tray(QStringLiteral("tray"), QStringLiteral("Start with the window hidden in the tray (minimised where the desktop has no tray)."));
    const QCommandLineOption apply(QStringLiteral("apply-profile"),
        QStringLiteral("Send profile <n> (0..5) to the mouse without showing the window, then exit."),
        QStringLiteral("n"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
        QStringLiteral("Print the program's debug messages (as QT_LOGGING_RULES=\"skald.*.debug=true\")."));
    parser.addOptions({simulate, hidLog, tray, apply, verbose});

    // QCommandLineParser has no optional values: a bare --simulate stands for the default model.
    QStringList args = arguments;
    for (QString &a : args) {
        if (a == QLatin1String("--simulate") || a == QLatin1String("-simulate"))
            a = QStringLiteral("--simulate=") + QString::number(defaultModel().id);
    }

    *options = CommandLineOptions();
    options->helpText = parser.helpText();
    if (!parser.parse(args)) {
        *error = parser.errorText();
        return false;
    }
    options->showHelp = parser.isSet(help);
    options->showVersion = parser.isSet(version);
    if (parser.isSet(simulate)) {
        options->simulate = true;
        const QString model = parser.value(simulate);
        bool number = false;
        const MouseModel *known = modelWithId(model.toInt(&number));
        // Only the id as the models write it: no sign, no leading zeros or blanks.
        if (!number || !known || QString::number(known->id) != model) {
            *error = QStringLiteral("Unknown model for --simulate: %1 (use %2).").arg(model, modelIdList());
            return false;
        }
        options->simulateModel = known->id;
    }
    // The program moves to its own folder at start; a relative log path means the caller's folder.
    if (parser.isSet(hidLog)) {
        if (parser.value(hidLog).isEmpty()) {
            *error = QStringLiteral("--hid-log needs a file name.");
            return false;
        }
        options->hidLogFile = QFileInfo(parser.value(hidLog)).absoluteFilePath();
    }
    options->tray = parser.isSet(tray);
    options->verbose = parser.isSet(verbose);
    if (parser.isSet(apply)) {
        bool ok = false;
        const int n = parser.value(apply).toInt(&ok);
        if (!ok || n < 0 || n > 5) {
            *error = QStringLiteral("Profile for --apply-profile must be 0 to 5, not \"%1\".").arg(parser.value(apply));
            return false;
        }
        options->applyProfile = n;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    return true;
}

bool appliesProfile(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLineOptions options;
    QString error;
    return parseCommandLine(arguments, &options, &error) && !options.showHelp && !options.showVersion
        && options.applyProfile >= 0;
}

bool needsNoDisplay(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLineOptions options;
    QString error;
    return !parseCommandLine(arguments, &options, &error) || options.showHelp || options.showVersion
        || options.applyProfile >= 0;
}

namespace {
CommandLineOptions g_startupOptions;
}

const CommandLineOptions &startupOptions()
{
    return g_startupOptions;
}

void setStartupOptions(const CommandLineOptions &options)
{
    g_startupOptions = options;
}
