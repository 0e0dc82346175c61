#include "buttons/log_category.h"

Q_LOGGING_CATEGORY(lcButtons, "skald.buttons", QtInfoMsg)
