#pragma once

#include <QVariantList>

// The entries as unsigned integers, as the pages expect the stored lists; malformed entries
// read as 0.
QVariantList unsignedEntries(const QVariantList &list);
