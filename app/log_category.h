#pragma once

#include <QLoggingCategory>

// Debug output of the window, start-up and bridge; off unless QT_LOGGING_RULES or --verbose turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
