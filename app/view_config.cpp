// Application configuration of the bridge: the language and lists the pages keep there.
#include "app/myqquickview.h"

#include "profiles/language_choice.h"
#include "profiles/log_category.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"

#include <QSettings>

QVariant myQQuickView::getLang()
{
    return apConfig->value(QLatin1String(ProfileKeys::Language));
}

bool myQQuickView::setLang(QVariant language)
{
    const QString name = language.toString();
    if (!LanguageChoice::isChoosable(name)) {
        qCDebug(lcProfiles) << "setLang refused: language" << name;
        return false;
    }
    apConfig->setValue(QLatin1String(ProfileKeys::Language), name);
    return SettingsFile::syncAndCheck(apConfig);
}

void myQQuickView::setGlobalData(QVariant key, QVariantList tmpdata)
{
    const QString name = key.toString();
    if (!name.isEmpty())
        storeSetting(apConfig, name, tmpdata);
}

QVariantList myQQuickView::getGlobalData(QVariant key)
{
    const QString name = key.toString();
    return name.isEmpty() ? QVariantList() : settingsList(apConfig->value(name));
}
