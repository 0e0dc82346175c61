#include "tests/support/runtime_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

RuntimeTree::RuntimeTree(bool withShippedFiles) : m_previous(QDir::currentPath())
{
    const QString root = QStringLiteral(SKALD_RUNTIME_DIR);
    QDir(m_dir.path()).mkpath(QStringLiteral("modules/setting"));
    QDir(m_dir.path()).mkpath(QStringLiteral("modules/macro"));
    QDir(m_dir.path()).mkpath(QStringLiteral("modules/gun"));
    QDir(m_dir.path()).mkpath(QStringLiteral("modules/i18n"));
    if (withShippedFiles) {
        copyTree(root + QStringLiteral("/modules"), m_dir.filePath(QStringLiteral("modules")));
        if (QFile::exists(root + QStringLiteral("/HZK16")))
            QFile::copy(root + QStringLiteral("/HZK16"), m_dir.filePath(QStringLiteral("HZK16")));
    }
    QDir::setCurrent(m_dir.path());
}

RuntimeTree::~RuntimeTree()
{
    QDir::setCurrent(m_previous);
}

bool RuntimeTree::copyTree(const QString &from, const QString &to)
{
    bool ok = QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        ok = QFile::copy(file, target) && ok;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return ok;
}

QString RuntimeTree::installProgram(const QString &executable, const QString &folder)
{
    copyTree(QStringLiteral(SKALD_RUNTIME_DIR "/modules"), folder + QStringLiteral("/modules"));
    const QString exe = folder + QStringLiteral("/skald-config");
    QFile::copy(executable, exe);
    QFile(exe).setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    return exe;
}
