#include "profiles/profile_file_copy.h"

#include <QFile>
#include <QFileInfo>

namespace ProfileFileCopy {

bool isSameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

void replace(const QString &target, const QString &source)
{
    QFile::remove(target);
    if (QFile::copy(source, target)) {
        // A copy keeps the source's permissions; a read-only source must not give a profile
        // that can no longer be written.
        QFile(target).setPermissions(QFile(target).permissions() | QFile::WriteOwner | QFile::ReadOwner);
    }
}

} // namespace ProfileFileCopy
