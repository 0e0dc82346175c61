#pragma once

#include <QString>

#include <memory>

class QObject;
class QSettings;

// Opening the program's INI settings files. A file far larger than any the program writes is
// damaged or hostile: parsing it would cost many times its size in memory, so it is not read at
// all. It reads as absent, a write to it fails (the file stays on disk as it is, for the user to
// look at), and the first time it is met a message names it.
namespace SettingsFile {

constexpr qint64 MaxIniSize = qint64(1) << 20;

bool isOversized(const QString &path);

// A settings object on `path`: the INI text of ini_text.h, or, for an over-sized file, one that
// reads nothing and writes nothing. A write replaces the file only when all of it reached the
// disk; otherwise the file stays as it was and the status is AccessError.
QSettings *open(const QString &path, QObject *parent = nullptr);
std::unique_ptr<QSettings> openScoped(const QString &path);

// Whether every line of the file at `path` reads as a section, a key or a comment (an absent
// file does). A file with other lines is still read for the keys it has.
bool isWellFormed(const QString &path);

// Replaces the file at `path` by `text` when all of it could be written and flushed; on any
// failure the file stays as it was, and the failure is reported as by syncAndCheck.
bool writeText(const QString &path, const QByteArray &text);

// Writes what `settings` holds back to its file and tells whether the file now holds it. A
// failure (a full disk, a folder that cannot be written, an over-sized file) is written to the
// debug output and, once per file, to stderr.
bool syncAndCheck(QSettings *settings);

} // namespace SettingsFile
