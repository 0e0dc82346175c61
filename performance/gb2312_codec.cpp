#include "performance/gb2312_codec.h"

#include "performance/gb2312_table.h"

#include <QStringEncoder>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kRows = 94;

bool isCodeByte(unsigned char b)
{
    return b >= 0xA1 && b <= 0xFE;
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
    if (encoder.hasError() || bytes.size() != 2)
        return false;
    const auto high = static_cast<unsigned char>(bytes[0]);
    const auto low = static_cast<unsigned char>(bytes[1]);
    if (!isCodeByte(high) || !isCodeByte(low))
        return false;
    code.high = high;
    code.low = low;
    return true;
}
