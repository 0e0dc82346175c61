#include "profiles/profile_keys.h"

#include "device/mouse_model.h"

namespace ProfileKeys {

QString profileFileName(int index)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(index + 1);
}

QString dpiListKey(int deviceKind)
{
    return QStringLiteral("sensor/dpi_J2") + QLatin1String(modelForDeviceKind(deviceKind).settingsSuffix);
}

} // namespace ProfileKeys
