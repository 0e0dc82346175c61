#include "performance/log_category.h"

Q_LOGGING_CATEGORY(lcPerformance, "skald.performance", QtInfoMsg)
