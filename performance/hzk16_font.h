#pragma once

#include <QFile>
#include <QString>

#include "performance/gb2312_codec.h"

// The screen's wide font: the file "HZK16" of 16 x 16 GB2312 glyphs, 32 bytes each (row j in
// bytes 2j and 2j+1, bit 7 leftmost) at ((high - 0xA1) * 94 + (low - 0xA1)) * 32.
class Hzk16Font
{
public:
    explicit Hzk16Font(const QString &path = QStringLiteral("HZK16"));

    // Fills `glyph` with the character's 32 bytes; a missing file, a short one or a code
    // outside the table gives a blank glyph and false.
    bool glyph(Gb2312Code code, unsigned char glyph[32]);

private:
    QFile m_file;
    bool m_open = false;
};
