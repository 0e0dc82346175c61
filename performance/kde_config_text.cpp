#include "performance/kde_config_text.h"

#include <QStringList>

namespace {

QString groupOf(const QString &line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')) ? t.mid(1, t.size() - 2) : QString();
}

// The key of a "Key=Value" or "Key[$e]=Value" line, without its markers.
QString keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return QString();
    QString key = line.left(eq).trimmed();
    const qsizetype marker = key.indexOf(QLatin1Char('['));
    return marker < 0 ? key : key.left(marker);
}

} // namespace

namespace KdeConfigText {

QString value(const QString &text, const QString &group, const QString &key)
{
    QString current;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QLatin1Char('['))) {
            current = groupOf(line);
            continue;
        }
        if (current == group && !line.trimmed().startsWith(QLatin1Char('#')) && keyOf(line) == key)
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return QString();
}

QString withValue(const QString &text, const QString &group, const QString &key, const QString &value)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = key + QLatin1Char('=') + value;
    QString current;
    qsizetype groupEnd = -1; // the index after the group's last key line
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().startsWith(QLatin1Char('['))) {
            current = groupOf(line);
            if (current == group)
                groupEnd = i + 1;
            continue;
        }
        if (current != group)
            continue;
        if (!line.trimmed().isEmpty())
            groupEnd = i + 1;
        if (!line.trimmed().startsWith(QLatin1Char('#')) && keyOf(line) == key) {
            lines[i] = entry;
            return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    }
    if (groupEnd >= 0) {
        lines.insert(groupEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + group + QLatin1Char(']'));
        lines.append(entry);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace KdeConfigText
