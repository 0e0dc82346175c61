#pragma once

#include <QVariant>
#include <QVariantList>

// A list-valued setting as read back from an INI file: a list stays a list, a single scalar
// (a hand-edited file) becomes a list of one, and an absent or empty value an empty list. A
// plain string is never split into its characters.
QVariantList storedList(const QVariant &value);

// The entries as unsigned integers; malformed entries read as 0.
QVariantList unsignedEntries(const QVariantList &list);
