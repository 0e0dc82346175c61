// Application configuration of the bridge: the language and lists the pages keep there.
#include "app/myqquickview.h"

#include "profiles/profile_keys.h"
#include "profiles/settings_list.h"
#include "profiles/settings_store.h"

#include <QSettings>

QVariant myQQuickView::getLang()
{
    return apConfig->value(QLatin1String(ProfileKeys::Language));
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
