#include "device/device_table.h"

#include <QSettings>

namespace {

// The count and the report length come from the file. Beyond these bounds a value cannot be
// meant (the shipped table lists two mice with 64-byte reports): an endless count would keep
// the device check reading forever, and a huge length would make every transfer ask for
// gigabytes. A longer table is read up to the bound; a larger length reads as 0, which makes
// payload transfers fail instead.
constexpr int MaxEntries = 256;
constexpr uint MaxReportLength = 4096;

// Values are kept as text; anything that is not a number reads as 0.
quint16 hexField(const QSettings &table, const QString &key)
{
    return quint16(table.value(key, QStringLiteral("0")).toString().toUInt(nullptr, 16));
}

} // namespace

DeviceTable parseDeviceTable(const QSettings &table, const QStringList &productNames)
{
    DeviceTable entries;
    for (int n = 0;; ++n) {
        // The count is read again before every entry, as the table's own readers always did.
        const int total = table.value(QStringLiteral("common/total"), 0).toString().toInt();
        if (n >= total || n >= MaxEntries)
            break;
        const QString group = QString::number(n) + QLatin1Char('/');
        DeviceTableEntry e;
        e.type = table.value(group + QStringLiteral("type"), QStringLiteral("-1")).toString().toInt(nullptr, 16);
        e.vid = hexField(table, group + QStringLiteral("vid"));
        e.pid = hexField(table, group + QStringLiteral("pid"));
        e.usagePage = hexField(table, group + QStringLiteral("usagePage"));
        e.usage = hexField(table, group + QStringLiteral("usage"));
        e.usagePage2 = hexField(table, group + QStringLiteral("usagePage2"));
        e.usage2 = hexField(table, group + QStringLiteral("usage2"));
        e.name = productNames.value(n);
        e.reportLength = table.value(group + QStringLiteral("reportLength"), 0).toString().toUInt();
        if (e.reportLength > MaxReportLength)
            e.reportLength = 0;
        entries.append(e);
    }
    return entries;
}

bool deviceTableIsEncode(const QSettings &table)
{
    return table.value(QStringLiteral("common/isEncode"), false).toBool();
}

DeviceTable loadBuiltInDeviceTable(const QStringList &productNames)
{
    const QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    return parseDeviceTable(table, productNames);
}

bool builtInDeviceTableIsEncode()
{
    const QSettings table(QStringLiteral(":/DevInfo.ini"), QSettings::IniFormat);
    return deviceTableIsEncode(table);
}
