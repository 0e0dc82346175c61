#pragma once

#include <QVariant>
#include <QVariantList>

// A stored value as a list. Lists come back as they were stored; a single value (a file written
// by hand, or by an older program that kept one-element lists as plain text) is a list of that
// one value instead of the list of its characters that a plain conversion would give.
QVariantList settingsList(const QVariant &stored);
