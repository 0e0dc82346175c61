// Names of macros, recoil presets and profiles, as the pages list them.
#include "profiles/myqquickview.h"

#include "profiles/names_list_rule.h"
#include "profiles/settings_list.h"
#include "profiles/settings_file.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_rules.h"

#include <QDebug>

#include <QSettings>

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(QLatin1String(NamesList::FileName));
    QSettings &names = *file;
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
    const QString key = NamesList::keyForType(type.toUInt());
    if (key.isEmpty())
        return {};
    const std::unique_ptr<QSettings> names = SettingsFile::openScoped(QLatin1String(NamesList::FileName));
    const QVariant stored = names->value(key);
    if (!stored.isValid())
        return {};
    bool replaced = false;
    const QVariant value = StoredValues::fitOrDefault(*StoredValues::namesRule(key), stored, QVariant(), &replaced);
    if (replaced)
        qDebug().noquote() << names->fileName() + QStringLiteral(": ") + key << StoredValues::describe(stored)
                           << "does not fit, read as an empty list";
    return value.toList();
}
