#include "performance/unsigned_list.h"

QVariantList unsignedEntries(const QVariantList &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QVariant &v : list)
        result.append(v.toUInt());
    return result;
}
