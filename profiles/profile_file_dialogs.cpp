#include "profiles/profile_file_dialogs.h"

#include <QFileDialog>

namespace {

QString openDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString saveDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

} // namespace

ProfileFileDialogs::Function ProfileFileDialogs::open = openDialog;
ProfileFileDialogs::Function ProfileFileDialogs::save = saveDialog;
