#include "performance/stored_list.h"

#include <QStringList>

QVariantList storedList(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    const int type = value.metaType().id();
    if (type == QMetaType::QVariantList)
        return value.toList();
    if (type == QMetaType::QStringList) {
        QVariantList list;
        for (const QString &s : value.toStringList())
            list.append(s);
        return list;
    }
    if (type == QMetaType::QString && value.toString().isEmpty())
        return {};
    return {value};
}

QVariantList unsignedEntries(const QVariantList &list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QVariant &v : list)
        result.append(v.toUInt());
    return result;
}
