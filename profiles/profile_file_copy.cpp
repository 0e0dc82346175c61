#include "profiles/profile_file_copy.h"

#include "profiles/settings_file.h"
#include "profiles/stored_value_rules.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace ProfileFileCopy {

bool isSameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

bool replace(const QString &target, const QString &source, QString *error)
{
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1 cannot be read").arg(source);
        return false;
    }
    if (in.size() > SettingsFile::MaxIniSize) {
        *error = QStringLiteral("%1 is larger than any profile").arg(source);
        return false;
    }
    const QByteArray content = in.readAll();

    const QFileInfo before(target);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit()) {
        *error = QStringLiteral("%1 cannot be written (%2)").arg(target, out.errorString());
        return false;
    }
    // A copy keeps the source's permissions; a read-only source must not give a profile that
    // can no longer be written.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    // Settings objects share a cache of each file's content that is re-read only when the file's
    // size or time stamp changed; a copy of equal size made within the same clock tick would go
    // unseen.
    const QFileInfo after(target);
    if (before.exists() && after.size() == before.size() && after.lastModified() == before.lastModified()) {
        QFile touched(target);
        if (touched.open(QIODevice::ReadWrite))
            touched.setFileTime(before.lastModified().addSecs(1), QFileDevice::FileModificationTime);
    }
    return true;
}

bool isReadableProfile(const QString &path, QString *why)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        *why = QStringLiteral("it cannot be read");
        return false;
    }
    if (info.size() > SettingsFile::MaxIniSize) {
        *why = QStringLiteral("it is far larger than any profile");
        return false;
    }
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        *why = QStringLiteral("it is not a settings file");
        return false;
    }
    const QStringList keys = file.allKeys();
    for (const QString &key : keys) {
        if (StoredValues::profileRule(key))
            return true;
    }
    *why = QStringLiteral("it holds no profile settings");
    return false;
}

} // namespace ProfileFileCopy
