#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// The text of the program's INI settings files, read and written byte for byte as Qt's own INI
// format does, so that files written before and after read the same both ways. The program
// writes through these functions instead of QSettings' own writer, which can rename an empty
// copy over a file when the disk fills up; see settings_file.h.
namespace IniText {

using Map = QMap<QString, QVariant>;

// Every key of `text` ("section/key", the [General] section's keys without a section) and its
// value. Returns false when some line is neither a section, a key nor a comment; the keys that
// did read are still in `map`.
bool read(const QByteArray &text, Map *map);

// The whole file for `map`: sections and keys in sorted order, a blank line between sections.
QByteArray write(const Map &map);

// A value as it follows "key=" on its line.
QByteArray valueText(const QVariant &value);

// `text` with the value of each key in `values` replaced on the key's line (the last one, if
// the key appears twice); every other byte stays as it was. Keys that are not in the text are
// left out.
QByteArray replaceValues(const QByteArray &text, const Map &values);

} // namespace IniText
