#include "performance/gb2312_codec.h"

#include "performance/gb2312_table.h"

#include <QStringEncoder>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kRows = 94;

// Whether GB2312 assigns the code, so that HZK16 holds a glyph for it.
bool isAssigned(unsigned char high, unsigned char low)
{
    if (high < 0xA1 || low < 0xA1 || high > 0xFE || low > 0xFE)
        return false;
    return kGb2312Unicode[(high - 0xA1) * kRows + (low - 0xA1)] != 0;
}

// Unicode -> cell, sorted by Unicode, built once.
const std::vector<std::pair<unsigned short, unsigned short>> &reverseTable()
{
    static const std::vector<std::pair<unsigned short, unsigned short>> table = [] {
        std::vector<std::pair<unsigned short, unsigned short>> t;
        for (int cell = 0; cell < kRows * kRows; ++cell) {
            if (kGb2312Unicode[cell])
                t.emplace_back(kGb2312Unicode[cell], static_cast<unsigned short>(cell));
        }
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

bool platformCodecAvailable()
{
    static const bool available = QStringEncoder("GB2312").isValid();
    return available;
}

} // namespace

bool gb2312EncodeFromTable(QChar ch, Gb2312Code &code)
{
    const auto &table = reverseTable();
    const unsigned short u = ch.unicode();
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(u, static_cast<unsigned short>(0)));
    if (u == 0 || it == table.end() || it->first != u)
        return false;
    code.high = static_cast<unsigned char>(0xA1 + it->second / kRows);
    code.low = static_cast<unsigned char>(0xA1 + it->second % kRows);
    return true;
}

bool gb2312Encode(QChar ch, Gb2312Code &code)
{
    if (ch.isSurrogate())
        return false;
    if (!platformCodecAvailable())
        return gb2312EncodeFromTable(ch, code);
    QStringEncoder encoder("GB2312");
    const QByteArray bytes = encoder.encode(QStringView(&ch, 1));
    // Some codecs put a few characters (ICU: the fullwidth apostrophe) into GBK's extension
    // rows, which HZK16 does not have; the table knows their GB2312 cell.
    if (encoder.hasError() || bytes.size() != 2
        || !isAssigned(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1])))
        return gb2312EncodeFromTable(ch, code);
    code.high = static_cast<unsigned char>(bytes[0]);
    code.low = static_cast<unsigned char>(bytes[1]);
    return true;
}
