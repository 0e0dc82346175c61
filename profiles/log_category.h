#pragma once

#include <QLoggingCategory>

// Debug output of the profiles and settings files; off unless QT_LOGGING_RULES or --verbose turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcProfiles)
