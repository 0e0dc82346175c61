#pragma once

#include <QLoggingCategory>

// Debug output of the sensor, lighting, screen and pointer settings; off unless QT_LOGGING_RULES or --verbose turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcPerformance)
