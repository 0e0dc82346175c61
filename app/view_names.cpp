// Names of macros, recoil presets and profiles, as the pages list them.
#include "app/myqquickview.h"

#include "profiles/names_list_rule.h"
#include "profiles/program_rules.h"
#include "profiles/settings_list.h"
#include "profiles/settings_file.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_reader.h"
#include "profiles/stored_value_rules.h"

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
    // A profile that left the list takes its programs with it.
    if (key == NamesList::keyForType(2)) {
        const QList<int> kept = ProgramRules::profilesOfNames(nameList);
        ProgramRules::update([&kept](ProgramRules::Rules rules) { return ProgramRules::keepProfiles(rules, kept); });
    }
    return true;
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    const QString key = NamesList::keyForType(type.toUInt());
    if (key.isEmpty())
        return {};
    const std::unique_ptr<QSettings> names = SettingsFile::openScoped(QLatin1String(NamesList::FileName));
    return StoredValues::read(*names, key, *StoredValues::namesRule(key)).toList();
}
