#include "app/working_directory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifndef SKALD_SHIPPED_DATA_DIR
#define SKALD_SHIPPED_DATA_DIR "../share/skald-config"
#endif

namespace WorkingDirectory {

namespace {

const QString Modules = QStringLiteral("modules");
const QString Font = QStringLiteral("HZK16");

// Through a temporary file beside the target, so that a full disk or a killed process never
// leaves a truncated settings file for the next start to take as the user's own.
bool makeFolder(const QString &path, QString *error);

bool copyFile(const QString &from, const QString &to, QString *error)
{
    if (!makeFolder(QFileInfo(to).path(), error))
        return false;
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(from, in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot copy %1 to %2: %3").arg(from, to, out.errorString());
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            *error = QStringLiteral("cannot read %1: %2").arg(from, in.errorString());
            return false;
        }
        if (out.write(chunk) != chunk.size())
            break;
    }
    if (!out.commit()) {
        *error = QStringLiteral("cannot copy %1 to %2: %3").arg(from, to, out.errorString());
        return false;
    }
    return true;
}

bool makeFolder(const QString &path, QString *error)
{
    if (QFileInfo(path).isDir() || QDir().mkpath(path))
        return true;
    *error = QStringLiteral("cannot create the folder %1").arg(path);
    return false;
}

bool addMissingEntry(const QString &from, const QString &to, QString *error)
{
    const QFileInfo source(from);
    if (source.isDir())
        return makeFolder(to, error);
    if (QFileInfo(to).isFile())
        return true;
    return copyFile(from, to, error);
}

} // namespace

bool holdsTree(const QString &folder)
{
    return QFileInfo(folder + QStringLiteral("/modules/setting")).isDir();
}

bool isPortable(const QString &programFolder)
{
    const QFileInfo setting(programFolder + QStringLiteral("/modules/setting"));
    return setting.isDir() && setting.isWritable();
}

QString shippedTree(const QString &programFolder)
{
    if (holdsTree(programFolder))
        return QDir::cleanPath(programFolder);
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SKALD_SHIPPED_DATA_DIR));
    return holdsTree(installed) ? installed : QString();
}

bool addMissingFiles(const QString &shipped, const QString &target, QString *error)
{
    const QDir from(shipped);
    if (!makeFolder(target + QLatin1Char('/') + Modules, error))
        return false;
    QDirIterator it(from.filePath(Modules), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!addMissingEntry(path, target + QLatin1Char('/') + from.relativeFilePath(path), error))
            return false;
    }
    if (QFileInfo(from.filePath(Font)).isFile())
        return addMissingEntry(from.filePath(Font), target + QLatin1Char('/') + Font, error);
    return true;
}

QString choose(const QString &programFolder, const QString &userDataFolder, QString *error)
{
    if (isPortable(programFolder))
        return QDir::cleanPath(programFolder);
    if (userDataFolder.isEmpty()) {
        *error = QStringLiteral("no folder for the user's settings (is HOME set?)");
        return {};
    }
    const QString shipped = shippedTree(programFolder);
    if (shipped.isEmpty()) {
        if (holdsTree(userDataFolder))
            return QDir::cleanPath(userDataFolder);
        *error = QStringLiteral("cannot find the program's files beside it or in %1")
                     .arg(QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(SKALD_SHIPPED_DATA_DIR)));
        return {};
    }
    if (!addMissingFiles(shipped, userDataFolder, error))
        return {};
    return QDir::cleanPath(userDataFolder);
}

} // namespace WorkingDirectory
