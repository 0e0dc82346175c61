#include "profiles/profile_data_block.h"

#include <cstring>

namespace ProfileBlock {

void fillFromList(unsigned char *block, const QVariantList &list)
{
    const int n = list.size() < Size ? int(list.size()) : Size;
    for (int i = 0; i < n; ++i)
        block[i] = static_cast<unsigned char>(list[i].toInt() & 0xFF);
}

QVariantList toList(const unsigned char *block)
{
    QVariantList list;
    list.reserve(Size);
    for (int i = 0; i < Size; ++i)
        list.append(int(block[i]));
    return list;
}

void markForSend(unsigned char *block)
{
    block[SendMark] = 1;
    block[SendMark + 1] = 1;
}

bool patch(unsigned char *block, int offset, const unsigned char *bytes, int count)
{
    if (offset < 0 || count < 0 || offset > Size - count)
        return false;
    std::memcpy(block + offset, bytes, size_t(count));
    return true;
}

} // namespace ProfileBlock
