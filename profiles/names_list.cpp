// Names of macros, recoil presets and profiles, as the pages list them.
#include "profiles/myqquickview.h"

#include "profiles/names_list_rule.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"

#include <QSettings>

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    QSettings names(QLatin1String(NamesList::FileName), QSettings::IniFormat);
    const QStringList stored = NamesList::withFiller(nameList);
    const QString key = NamesList::keyForType(type.toUInt());
    if (!key.isEmpty()) {
        if (stored.isEmpty())
            removeSetting(&names, key);
        else
            storeSetting(&names, key, stored);
    }
    return true;
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    const QSettings names(QLatin1String(NamesList::FileName), QSettings::IniFormat);
    const QString key = NamesList::keyForType(type.toUInt());
    return key.isEmpty() ? QVariantList() : settingsList(names.value(key));
}
