#include "profiles/settings_file.h"
#include "profiles/log_category.h"

#include <QFileInfo>
#include <QMutex>
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
        return new QSettings(path, QSettings::IniFormat, parent);
    static QSet<QString> reported;
    if (firstTime(reported, path)) {
        std::fprintf(stderr, "skald-config: %s is larger than %lld bytes and is not read; it is left as it is\n",
                     qPrintable(path), static_cast<long long>(MaxIniSize));
        qCDebug(lcProfiles) << "settings file too large, not read:" << path;
    }
    return new QSettings(path, refusedFormat(), parent);
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
    // A file that did not parse (FormatError) is still written; only a failed write counts.
    if (settings->status() != QSettings::AccessError)
        return true;
    static QSet<QString> reported;
    qCDebug(lcProfiles) << "settings not written:" << settings->fileName();
    if (firstTime(reported, settings->fileName()))
        std::fprintf(stderr, "skald-config: cannot write %s; the change is not stored\n", qPrintable(settings->fileName()));
    return false;
}

} // namespace SettingsFile
