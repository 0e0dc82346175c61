#pragma once

#include <QString>
#include <QTemporaryDir>

// A private copy of the program's runtime tree (modules/ and HZK16) in a temporary folder,
// made the working directory for as long as the object lives. No test touches the source
// tree or the build's own modules/.
class RuntimeTree
{
public:
    explicit RuntimeTree(bool withShippedFiles = true);
    ~RuntimeTree();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    bool isValid() const { return m_dir.isValid(); }

    // Copies a folder recursively; used for the runtime tree and by tests that need variants.
    static bool copyTree(const QString &from, const QString &to);

    // A private installation for process tests: `executable` with the runtime tree beside it,
    // in `folder`. Returns the copied executable's path.
    static QString installProgram(const QString &executable, const QString &folder);

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
