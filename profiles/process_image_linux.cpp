#include "profiles/process_image_linux.h"

#include <QFile>
#include <QFileInfo>

namespace ProcessImage {

QStringList argumentsOf(const QByteArray &cmdline)
{
    QStringList arguments;
    QByteArray text = cmdline;
    if (text.endsWith('\0'))
        text.chop(1);
    if (text.isEmpty())
        return arguments;
    const QList<QByteArray> parts = text.split('\0');
    for (const QByteArray &part : parts)
        arguments << QString::fromLocal8Bit(part);
    return arguments;
}

FrontProgram ofProcess(qint64 pid, const QString &procRoot)
{
    FrontProgram program;
    if (pid <= 0)
        return program;
    const QString folder = procRoot + QLatin1Char('/') + QString::number(pid);
    QString executable = QFileInfo(folder + QStringLiteral("/exe")).symLinkTarget();
    // A program replaced on disk since it started still runs as itself.
    if (executable.endsWith(QLatin1String(" (deleted)")))
        executable.chop(10);
    QFile cmdline(folder + QStringLiteral("/cmdline"));
    if (cmdline.open(QIODevice::ReadOnly))
        program.arguments = argumentsOf(cmdline.read(64 * 1024));
    // Another user's process hides its executable; its command line still names it.
    if (executable.isEmpty() && !program.arguments.isEmpty())
        executable = program.arguments.front();
    program.executable = executable;
    return program;
}

} // namespace ProcessImage
