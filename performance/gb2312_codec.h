#pragma once

#include <QChar>

// Two-byte GB2312 code of one character, as the HZK16 font indexes its glyphs.
struct Gb2312Code
{
    unsigned char high = 0;
    unsigned char low = 0;
};

// Encodes explicitly to GB2312, whatever the system's locale: through the platform's codec
// when Qt has one, else through the program's own table. False for characters that GB2312
// lacks (and for lone surrogates).
bool gb2312Encode(QChar ch, Gb2312Code &code);

// The same from the program's table alone.
bool gb2312EncodeFromTable(QChar ch, Gb2312Code &code);
