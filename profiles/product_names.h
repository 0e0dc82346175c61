#pragma once

#include <QStringList>

// The names of the supported devices, in device-table order, as the application configuration
// file holds them ("common/product_name").
QStringList productNamesFromConfig();
