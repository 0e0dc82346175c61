#pragma once

#include <QString>
#include <QVariant>

class QSettings;

namespace StoredValues {

struct Rule;

// One value of a settings file read through its rule: the stored value when it fits; when it
// does not, `factory` if that fits, else the rule's fallback. The first time a key of a file
// does not fit, a debug line names the file, the key, what it held and what it reads as; a
// file read again and again (the names list, a macro) does not repeat it. An absent key reads
// as `absent`, without a message. `replaced` tells whether the stored value was set aside.
QVariant read(const QSettings &file, const QString &key, const Rule &rule, const QVariant &absent = QVariant(),
              const QVariant &factory = QVariant(), bool *replaced = nullptr);

// A profile file's value as the pages read it: a list stored longer than the mouse needs cut
// to the entries it needs (profileRule); anything else as stored, for the page to read with
// its own defaults. The file itself was mended when it was opened.
QVariant profileValue(const QSettings &file, const QString &key);

} // namespace StoredValues
