#include "buttons/macro_file_check.h"

#include "buttons/key_names.h"

namespace MacroFileCheck {

namespace {

bool isWholeNumber(const QVariant &value, long long low, long long high)
{
    bool ok = false;
    const long long n = value.toString().trimmed().toLongLong(&ok);
    return ok && n >= low && n <= high;
}

} // namespace

bool isEvent(const QString &text)
{
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma != 1)
        return false;
    const QString info = text.mid(2);
    switch (text.at(0).unicode()) {
    case '0': {
        bool ok = false;
        const double ms = info.trimmed().toDouble(&ok);
        return ok && ms >= 0;
    }
    case '1': case '2':
        return info.isEmpty() || KeyNames::str2keycode(info) > 0;
    case '3': case '4':
        return info.isEmpty() || KeyNames::str2mousecode(info) > 0;
    default:
        return false;
    }
}

QString damage(const Content &content)
{
    if (!content.readable)
        return QStringLiteral("its file cannot be read as a macro file");
    if (!isWholeNumber(content.total, 0, 1000000) || !isWholeNumber(content.repeat, 0, 65535))
        return QStringLiteral("its file does not hold a macro (no event count or loop count)");
    if (content.missing > 0) {
        return QStringLiteral("its file is cut short: %1 of its %2 events are missing")
            .arg(content.missing)
            .arg(content.missing + content.events.size());
    }
    int bad = 0;
    for (const QString &event : content.events)
        bad += isEvent(event) ? 0 : 1;
    if (bad > 0)
        return QStringLiteral("%1 of its %2 events cannot be read").arg(bad).arg(content.events.size());
    return QString();
}

} // namespace MacroFileCheck
