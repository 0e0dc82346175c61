#pragma once

#include <QImage>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>

// A button picture of the mouse views is mostly transparent: only its button's shape and glow
// are drawn. The pages keep each one cut to what it draws and lay it at its place in the view,
// which looks the same and holds a fraction of the decoded pixels.
namespace PictureCrop {

// The smallest rectangle holding every pixel that is not fully transparent; a 1 x 1 rectangle
// at the origin for a picture that draws nothing, so that every picture has a place.
QRect contentBounds(const QImage &picture);

// The inverse of the crop: `piece` laid at `place` on a transparent canvas of `size`.
QImage placed(const QImage &piece, QPoint place, QSize size);

// The table of places the pages read (modules/qml/J2/mousePictures.js): button picture (file
// name without ".png" and without the lit picture's "_h") -> [x, y] in its view.
QString placesScript(const QMap<QString, QPoint> &places);

} // namespace PictureCrop
