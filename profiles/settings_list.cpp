#include "profiles/settings_list.h"

#include <QStringList>

QVariantList settingsList(const QVariant &stored)
{
    if (!stored.isValid())
        return {};
    switch (stored.typeId()) {
    case QMetaType::QVariantList:
        return stored.toList();
    case QMetaType::QStringList: {
        QVariantList list;
        const QStringList strings = stored.toStringList();
        list.reserve(strings.size());
        for (const QString &s : strings)
            list.append(s);
        return list;
    }
    default:
        return {stored};
    }
}
