#pragma once

#include <QImage>
#include <QString>
#include <QVariantList>

// Largest image, in pixels, that is decoded at all (a 32-bit copy of it takes 256 MB); larger
// files convert to a black screen without being loaded.
constexpr qint64 kPictureMaxPixels = qint64(8192) * 8192;

// Screen picture of an image: on a black 96 x 39 canvas, the image scaled without smoothing to
// fit while keeping its aspect ratio, centred; a pixel is lit when red + green + blue >= 192.
// Returns 480 values, pages 0..4 by columns (bit b of page p's byte is row 8p + b).
QVariantList pictureFromImage(const QImage &image);

// The same from a file, format detected from its content. A file that is not a readable image,
// or one above kPictureMaxPixels, gives 480 zeros.
QVariantList pictureFromFile(const QString &path);
