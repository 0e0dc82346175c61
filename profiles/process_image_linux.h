#pragma once

#include "profiles/front_program.h"

#include <QByteArray>
#include <QStringList>

namespace ProcessImage {

// The arguments of a /proc/<pid>/cmdline text: NUL-separated, the last one NUL-terminated.
QStringList argumentsOf(const QByteArray &cmdline);

// The executable and command line of process `pid` from `procRoot` (/proc), or an empty
// program when the process is gone or not ours to look at.
FrontProgram ofProcess(qint64 pid, const QString &procRoot = QStringLiteral("/proc"));

} // namespace ProcessImage
