#include "app/log_category.h"

Q_LOGGING_CATEGORY(lcApp, "skald.app", QtInfoMsg)
