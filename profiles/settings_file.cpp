#include "profiles/settings_file.h"
#include "profiles/ini_text.h"
#include "profiles/log_category.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QSettings>

#include <cstdio>

namespace SettingsFile {

namespace {

bool readNothing(QIODevice &, QSettings::SettingsMap &)
{
    return true;
}

bool writeNothing(QIODevice &, const QSettings::SettingsMap &)
{
    return false;
}

bool readIni(QIODevice &device, QSettings::SettingsMap &map)
{
    // Whatever reads is kept, also from a file with lines that do not (isWellFormed tells).
    IniText::read(device.readAll(), &map);
    return true;
}

// QSettings hands over a temporary copy and renames it over the file when this returns true.
// Its own writer leaves the last bytes in a buffer that it flushes without looking, so a full
// disk could put an empty copy in the file's place: here all of it is written and flushed, and
// any failure keeps the old file.
bool writeIni(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QByteArray text = IniText::write(map);
    if (device.write(text) != text.size())
        return false;
    auto *file = qobject_cast<QFileDevice *>(&device);
    return file && file->flush() && file->error() == QFileDevice::NoError;
}

QSettings::Format iniFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("bin"), readIni, writeIni);
    return format;
}

QSettings::Format refusedFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("bin"), readNothing, writeNothing);
    return format;
}

// Once per file and run, whatever its number of readers.
bool firstTime(QSet<QString> &seen, const QString &path)
{
    static QMutex lock;
    const QMutexLocker locker(&lock);
    const QString key = QFileInfo(path).absoluteFilePath();
    if (seen.contains(key))
        return false;
    seen.insert(key);
    return true;
}

} // namespace

bool isOversized(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > MaxIniSize;
}

QSettings *open(const QString &path, QObject *parent)
{
    if (!isOversized(path))
        return new QSettings(path, iniFormat(), parent);
    static QSet<QString> reported;
    if (firstTime(reported, path)) {
        std::fprintf(stderr, "skald-config: %s is larger than %lld bytes and is not read; it is left as it is\n",
                     qPrintable(path), static_cast<long long>(MaxIniSize));
        qCDebug(lcProfiles) << "settings file too large, not read:" << path;
    }
    return new QSettings(path, refusedFormat(), parent);
}

bool isWellFormed(const QString &path)
{
    if (isOversized(path))
        return false;
    QFile file(path);
    if (!file.exists())
        return true;
    IniText::Map map;
    return file.open(QIODevice::ReadOnly) && IniText::read(file.readAll(), &map);
}

bool writeText(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush()
                    && file.error() == QFileDevice::NoError && file.commit();
    if (!ok) {
        static QSet<QString> reported;
        qCDebug(lcProfiles) << "settings not written:" << path << file.errorString();
        if (firstTime(reported, path))
            std::fprintf(stderr, "skald-config: cannot write %s; the change is not stored\n", qPrintable(path));
    }
    return ok;
}

std::unique_ptr<QSettings> openScoped(const QString &path)
{
    return std::unique_ptr<QSettings>(open(path));
}

bool syncAndCheck(QSettings *settings)
{
    if (!settings)
        return false;
    settings->sync();
    if (settings->status() != QSettings::AccessError)
        return true;
    static QSet<QString> reported;
    qCDebug(lcProfiles) << "settings not written:" << settings->fileName();
    if (firstTime(reported, settings->fileName()))
        std::fprintf(stderr, "skald-config: cannot write %s; the change is not stored\n", qPrintable(settings->fileName()));
    return false;
}

} // namespace SettingsFile
