#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// One supported device: the USB ids and the two HID interfaces the program needs on it.
struct DeviceTableEntry
{
    int type = -1;
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    quint16 usagePage2 = 0;
    quint16 usage2 = 0;
    QString name;
    uint reportLength = 0;
};

using DeviceTable = QList<DeviceTableEntry>;

// Reads the entries of a device table held in `table`. Names come from `productNames` by
// position; a position the list lacks gives an empty name.
DeviceTable parseDeviceTable(const QSettings &table, const QStringList &productNames);

// The scrambling switch of the table, false when absent.
bool deviceTableIsEncode(const QSettings &table);

// The table compiled into the program, named from `productNames` (the application
// configuration's "common/product_name").
DeviceTable loadBuiltInDeviceTable(const QStringList &productNames);
bool builtInDeviceTableIsEncode();
