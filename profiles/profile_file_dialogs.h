#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of profile import and export, and the message box that tells of a
// profile operation that failed. Tests replace them to pick files and read the messages without
// a person at the screen.
struct ProfileFileDialogs
{
    using Function = QString (*)(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter);
    static Function open;
    static Function save;

    using Warning = void (*)(QWidget *parent, const QString &title, const QString &text);
    static Warning warn;
};
