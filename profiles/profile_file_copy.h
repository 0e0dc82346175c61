#pragma once

#include <QString>

// Whole-file copies behind reset, copy, import and export of profiles.
namespace ProfileFileCopy {

// Both names lead to the same file on disk (so deleting one would lose the other).
bool isSameFile(const QString &a, const QString &b);

// Deletes `target`, then copies `source` to it. A missing source leaves no target; failures are
// not reported, the profile then reads whatever the target holds.
void replace(const QString &target, const QString &source);

} // namespace ProfileFileCopy
