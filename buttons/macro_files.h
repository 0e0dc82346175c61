#pragma once

#include <QString>

// Macro names become file names under "./modules/macro/"; only names that stay inside that
// folder as one plain file are accepted.
namespace MacroFiles {

// False for empty names, "." and "..", path separators, characters that some file system
// refuses (control characters, < > : " | ? *), names that Windows reserves for devices, and
// names too long for a file name.
bool isValidName(const QString &name);

// "./modules/macro/" + name + ".bin"; the name must be valid.
QString pathFor(const QString &name);

} // namespace MacroFiles
