#pragma once

#include <QString>

// Whole-file copies behind reset, copy, import and export of profiles.
namespace ProfileFileCopy {

// Both names lead to the same file on disk (so deleting one would lose the other).
bool isSameFile(const QString &a, const QString &b);

// Replaces `target` by a copy of `source` through a temporary file in the target's folder and a
// rename, so that the target is whole until the copy is: on any failure (missing or over-sized
// source, full disk, folder that cannot be written) it is left as it was, and `error` says why.
bool replace(const QString &target, const QString &source, QString *error);

// Whether `path` is a profile file this program can read: a settings file of sane size that
// holds at least one profile setting. `why` says what is wrong with it.
bool isReadableProfile(const QString &path, QString *why);

} // namespace ProfileFileCopy
