#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace StoredValues {
struct Rule;
}

// Mending a settings file whose values do not fit their rules: each such value is replaced in
// the file by its default, the factory file's value when that fits, else the rule's own.
namespace SettingsMending {

using RuleFor = const StoredValues::Rule *(*)(const QString &key);

// Replaces every value of `file` that does not fit; `factory` may be null. Each replacement
// gets a debug line; when any was made, one line on stderr names the file and the keys.
// Returns the keys replaced.
QStringList mend(QSettings *file, RuleFor ruleFor, QSettings *factory = nullptr);

} // namespace SettingsMending
