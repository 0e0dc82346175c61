#include "buttons/macro_files.h"

#include <QRegularExpression>

namespace MacroFiles {

bool isValidName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        switch (c.unicode()) {
        case '/': case '\\': case '<': case '>': case ':': case '"': case '|': case '?': case '*':
            return false;
        default:
            break;
        }
    }
    // "CON.bin" and the like are devices on Windows, whatever the extension.
    static const QRegularExpression reserved(QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(name).hasMatch())
        return false;
    // File names are at most 255 bytes, ".bin" included.
    return (name + QLatin1String(".bin")).toUtf8().size() <= 255;
}

QString pathFor(const QString &name)
{
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

} // namespace MacroFiles
