#include "profiles/config_link_host.h"

#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"

#include <QSettings>

QString ConfigLinkHost::secrecyCodeKey(int device)
{
    return QStringLiteral("common/sCode") + QString::number(device);
}

QString ConfigLinkHost::secrecyCode(int device, const QString &fallback) const
{
    const std::unique_ptr<QSettings> config = SettingsFile::openScoped(QLatin1String(ProfileKeys::ConfigFile));
    return config->value(secrecyCodeKey(device), fallback).toString();
}
