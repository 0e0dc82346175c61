#include "performance/picture_file_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

PictureFileChooser &chooser()
{
    static PictureFileChooser installed;
    return installed;
}

} // namespace

void setPictureFileChooser(PictureFileChooser replacement)
{
    chooser() = std::move(replacement);
}

QString choosePictureFile(QWidget *parent)
{
    if (chooser())
        return chooser()(parent);
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("myQQuickView", "Open File"),
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        QCoreApplication::translate("myQQuickView", "Images (*.png *.bmp *.jpg *.tif)"));
}
