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

// A settings object on `path`: INI format, or, for an over-sized file, one that reads nothing
// and writes nothing.
QSettings *open(const QString &path, QObject *parent = nullptr);
std::unique_ptr<QSettings> openScoped(const QString &path);

// Writes what `settings` holds back to its file and tells whether the file now holds it. A
// failure (a full disk, a folder that cannot be written, an over-sized file) is written to the
// debug output and, once per file, to stderr.
bool syncAndCheck(QSettings *settings);

} // namespace SettingsFile
