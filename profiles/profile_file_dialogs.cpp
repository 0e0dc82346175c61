#include "profiles/profile_file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QString openDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString saveDialog(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

void warningBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

} // namespace

ProfileFileDialogs::Function ProfileFileDialogs::open = openDialog;
ProfileFileDialogs::Function ProfileFileDialogs::save = saveDialog;
ProfileFileDialogs::Warning ProfileFileDialogs::warn = warningBox;
