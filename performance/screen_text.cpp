#include "performance/screen_text.h"

#include "performance/font8x16.h"
#include "performance/gb2312_codec.h"
#include "performance/hzk16_font.h"

#include <cstring>

namespace {

bool isWide(QChar ch)
{
    return ch.unicode() > 254;
}

unsigned char narrowByte(QChar ch)
{
    const unsigned short u = ch.unicode();
    if (u < 0x80)
        return static_cast<unsigned char>(u);
    for (int i = 0; i < 128; ++i) {
        if (kCp437Upper[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    }
    return '?';
}

// Replaces bits row .. row+15 of a column entry by the glyph column, clipped to the entry.
void putGlyphColumn(std::uint64_t &entry, std::uint16_t value, int row)
{
    std::uint64_t bits = value;
    std::uint64_t mask = 0xFFFF;
    if (row >= 64 || row <= -16)
        return;
    if (row >= 0) {
        bits <<= row;
        mask <<= row;
    } else {
        bits >>= -row;
        mask >>= -row;
    }
    entry = (entry & ~mask) | bits;
}

} // namespace

int screenTextWidth(const QString &text)
{
    int width = 0;
    for (QChar ch : text)
        width += isWide(ch) ? 16 : 8;
    return width;
}

QByteArray screenTextBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar ch : text) {
        if (isWide(ch)) {
            Gb2312Code code;
            if (!gb2312Encode(ch, code))
                code = Gb2312Code{};
            bytes.append(static_cast<char>(code.high));
            bytes.append(static_cast<char>(code.low));
        } else {
            bytes.append(static_cast<char>(narrowByte(ch)));
        }
    }
    return bytes;
}

ScreenImage renderScreenText(int row, int column, const QString &text, Hzk16Font &wideFont)
{
    ScreenColumns columns{};
    const QByteArray bytes = screenTextBytes(text);
    int pos = 0;
    long long pen = column;
    for (QChar ch : text) {
        if (pen >= kScreenWidth)
            break;
        unsigned char glyph[32] = {};
        int width = 8;
        if (isWide(ch)) {
            const Gb2312Code code{static_cast<unsigned char>(bytes[pos]), static_cast<unsigned char>(bytes[pos + 1])};
            wideFont.glyph(code, glyph);
            pos += 2;
            width = 16;
        } else {
            std::memcpy(glyph, kFont8x16 + 16 * static_cast<unsigned char>(bytes[pos]), 16);
            pos += 1;
        }
        for (int c = 0; c < width; ++c) {
            const long long x = pen + c;
            if (x < 0 || x >= kScreenWidth)
                continue;
            std::uint16_t value = 0;
            for (int j = 0; j < 16; ++j) {
                bool lit;
                if (width == 8)
                    lit = glyph[j] & (0x80 >> c);
                else if (c < 8)
                    lit = glyph[2 * j] & (0x80 >> c);
                else
                    lit = glyph[2 * j + 1] & (0x80 >> (c - 8));
                if (lit)
                    value |= static_cast<std::uint16_t>(1u << j);
            }
            putGlyphColumn(columns[static_cast<size_t>(x)], value, row);
        }
        pen += width;
    }
    return packScreenColumns(columns);
}
