#include "profiles/product_names.h"

#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"

#include <QSettings>

QStringList productNamesFromConfig()
{
    const std::unique_ptr<QSettings> config = SettingsFile::openScoped(QLatin1String(ProfileKeys::ConfigFile));
    return config->value(QStringLiteral("common/product_name")).toStringList();
}
