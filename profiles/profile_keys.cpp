#include "profiles/profile_keys.h"

namespace ProfileKeys {

QString profileFileName(int index)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(index + 1);
}

QString dpiListKey(int deviceKind)
{
    return deviceKind == 0 ? QStringLiteral("sensor/dpi_J2_3337") : QStringLiteral("sensor/dpi_J2");
}

} // namespace ProfileKeys
