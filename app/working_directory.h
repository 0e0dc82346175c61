#pragma once

#include <QString>

// Where the program keeps its files. Every settings, macro, language and image file is opened
// relative to the working directory, so this decides where the user's profiles live.
//
// A portable tree (the executable's folder holds a writable modules/setting/, as in the build
// folder or an unpacked Windows folder) is used in place. An installed program's folder is
// read-only for the user, so it works in the user's data folder instead: that folder receives
// the shipped tree on the first start, and on later starts any shipped file it lacks (one that
// a newer version added). The user's own files are never overwritten.
namespace WorkingDirectory {

// Whether `folder` holds a working tree (its modules/setting/ folder).
bool holdsTree(const QString &folder);

// Whether the program can keep its files beside the executable in `programFolder`.
bool isPortable(const QString &programFolder);

// The folder whose modules/ and HZK16 an installed program copies: the executable's own folder
// when it holds a (read-only) tree, else the installed data folder relative to it. Empty when
// neither holds one.
QString shippedTree(const QString &programFolder);

// Copies every file and folder of the shipped tree (modules/ and HZK16) that `target` lacks,
// each file whole or not at all; files already there are kept. On failure returns false with
// a one-line message naming what could not be copied.
bool addMissingFiles(const QString &shipped, const QString &target, QString *error);

// The folder to work in, ready for use, or an empty string and a one-line message.
QString choose(const QString &programFolder, const QString &userDataFolder, QString *error);

} // namespace WorkingDirectory
