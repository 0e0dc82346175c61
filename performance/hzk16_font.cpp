#include "performance/hzk16_font.h"

#include <cstring>

Hzk16Font::Hzk16Font(const QString &path) : m_file(path)
{
    m_open = m_file.open(QIODevice::ReadOnly);
}

bool Hzk16Font::glyph(Gb2312Code code, unsigned char glyph[32])
{
    std::memset(glyph, 0, 32);
    if (!m_open || code.high < 0xA1 || code.low < 0xA1 || code.high > 0xFE || code.low > 0xFE)
        return false;
    const qint64 offset = ((code.high - 0xA1) * 94 + (code.low - 0xA1)) * qint64(32);
    if (offset + 32 > m_file.size() || !m_file.seek(offset))
        return false;
    char bytes[32];
    if (m_file.read(bytes, 32) != 32)
        return false;
    std::memcpy(glyph, bytes, 32);
    return true;
}
