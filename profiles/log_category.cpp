#include "profiles/log_category.h"

Q_LOGGING_CATEGORY(lcProfiles, "skald.profiles", QtInfoMsg)
