#pragma once

#include <QString>
#include <functional>

class QWidget;

// Where getPictureValue(true) asks for the image file: the file dialog, unless a test has put
// an answer of its own in its place. An empty result means the person cancelled.
using PictureFileChooser = std::function<QString(QWidget *parent)>;

// Replaces the dialog; an empty chooser puts the dialog back.
void setPictureFileChooser(PictureFileChooser chooser);

QString choosePictureFile(QWidget *parent);
