#pragma once

#include "device/mouse_model.h"

#include <QString>
#include <QStringList>

struct CommandLineOptions
{
    bool showHelp = false;
    bool showVersion = false;
    bool simulate = false;
    int simulateModel = defaultModel().id;  // the id of one of mouseModels()
    QString hidLogFile;
    bool tray = false;
    bool verbose = false;      // the program's debug messages on stderr
    int applyProfile = -1;     // -1: none; otherwise the profile index to apply and exit
    QString helpText;
};

// Parses the program's arguments (argv[0] first). On a malformed command line returns false
// and sets `error` to a one-line message.
bool parseCommandLine(const QStringList &arguments, CommandLineOptions *options, QString *error);

// Whether the raw arguments of main() ask to apply a profile and exit (a well-formed command
// line with --apply-profile); usable before the application object exists.
bool appliesProfile(int argc, char *argv[]);

// Whether the raw arguments of main() ask for nothing that needs a display: applying a
// profile, the help or version text, or a malformed command line (which only prints an error).
bool needsNoDisplay(int argc, char *argv[]);

// The options the program was started with, set once by the entry point.
const CommandLineOptions &startupOptions();
void setStartupOptions(const CommandLineOptions &options);
