#pragma once

#include <QLoggingCategory>

// Debug output of the keys, macros and input capture; off unless QT_LOGGING_RULES or --verbose turns it on.
Q_DECLARE_LOGGING_CATEGORY(lcButtons)
