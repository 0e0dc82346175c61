#pragma once

#include <QString>
#include <QStringList>

namespace StoredValues {
struct Rule;
}

// Mending a settings file whose values do not fit their rules: each such value is mended by the
// smallest change (value_mend.h), from the factory file's value where that fits, else from the
// rule's own. Only the lines of mended values are rewritten; every other byte of the file stays
// as it is.
namespace SettingsMending {

using RuleFor = const StoredValues::Rule *(*)(const QString &key);

// Mends the file at `path` in place; `factoryPath` may be empty. Each mend gets a debug line;
// when any was made, one line on stderr names the file and the keys. Returns the keys mended
// (also when the mended file could not be written: it is then left as it was, and the readers'
// rules mend the same values again where they are read).
QStringList mend(const QString &path, RuleFor ruleFor, const QString &factoryPath = QString());

// A file that holds something but no key with a rule (garbage, or some other kind of file).
bool holdsNothingKnown(const QString &path, RuleFor ruleFor);

} // namespace SettingsMending
