#include "device/log_category.h"

Q_LOGGING_CATEGORY(lcDevice, "skald.device", QtInfoMsg)
