#pragma once

#include <QByteArray>
#include <QString>

#include "performance/screen_image.h"

class Hzk16Font;

// Width in pixels on the screen: 8 for a character below code 255, 16 for any other.
int screenTextWidth(const QString &text);

// The bytes the renderer draws from, character by character: a narrow character gives one
// byte in the narrow font's code page 437 ('?' when it has no glyph there), a wide character
// its two-byte GB2312 code (0 0 when GB2312 lacks it, drawn blank). Each character always
// takes its own bytes, so one unknown character cannot shift the glyphs of the next.
QByteArray screenTextBytes(const QString &text);

// Draws the text with its top-left pixel at (column, row) on a blank screen. Pixels falling
// outside the 96 columns or the 64 rows of the column buffer are dropped.
ScreenImage renderScreenText(int row, int column, const QString &text, Hzk16Font &wideFont);
