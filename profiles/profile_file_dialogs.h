#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of profile import and export. Tests replace them to pick files
// without a person at the screen.
struct ProfileFileDialogs
{
    using Function = QString (*)(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
    static Function open;
    static Function save;
};
