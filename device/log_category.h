#pragma once

#include <QLoggingCategory>

// Debug output of the device link; off unless QT_LOGGING_RULES or --verbose turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
