#include "buttons/macro_file_reader.h"

#include "buttons/key_names.h"
#include "profiles/settings_file.h"
#include "profiles/stored_value_reader.h"
#include "profiles/stored_value_rules.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <limits>

namespace MacroFileReader {

namespace {

const QString TotalKey = QStringLiteral("config/total");
const QString RepeatKey = QStringLiteral("config/repeat");

StoredValues::Rule eventRule()
{
    StoredValues::Rule r = StoredValues::text(64);
    r.accepts = isEvent;
    return r;
}

} // namespace

const StoredValues::Rule *ruleFor(const QString &key)
{
    using StoredValues::number;
    // A count larger than the events the file holds is a file cut short, told as such; only a
    // count that no file could mean does not fit.
    static const StoredValues::Rule total = number(0, std::numeric_limits<int>::max(), 0);
    static const StoredValues::Rule repeat = number(0, 65535, 1);
    // Positions in a list of at most as many names as the names list keeps.
    static const StoredValues::Rule index = number(0, 1023, 0);
    static const StoredValues::Rule type = number(-1, 255, -1);
    static const StoredValues::Rule event = eventRule();
    if (key == TotalKey)
        return &total;
    if (key == RepeatKey)
        return &repeat;
    if (key == QLatin1String("config/index"))
        return &index;
    if (key == QLatin1String("config/did"))
        return &type;
    if (key.startsWith(QLatin1String("macro/")))
        return &event;
    return nullptr;
}

bool isEvent(const QString &text)
{
    if (text.size() < 2 || text.at(1) != QLatin1Char(','))
        return false;
    const QString info = text.mid(2);
    switch (text.at(0).unicode()) {
    case '0': {
        bool ok = false;
        const double ms = info.trimmed().toDouble(&ok);
        return ok && std::isfinite(ms) && ms >= 0;
    }
    case '1': case '2':
        return info.isEmpty() || KeyNames::str2keycode(info) > 0;
    case '3': case '4':
        return info.isEmpty() || KeyNames::str2mousecode(info) > 0;
    default:
        return false;
    }
}

Content read(const QString &path)
{
    Content content;
    if (SettingsFile::isOversized(path)) {
        SettingsFile::openScoped(path);   // tells the user once
        content.damage = QStringLiteral("its file is larger than %1 bytes and is not read").arg(SettingsFile::MaxIniSize);
        content.oversized = true;
        return content;
    }
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(path);
    auto value = [&](const QString &key, const QVariant &absent, bool *replaced = nullptr) {
        return StoredValues::read(*file, key, *ruleFor(key), absent, QVariant(), replaced);
    };
    content.type = value(QStringLiteral("config/did"), 0).toInt();
    content.index = value(QStringLiteral("config/index"), 0).toUInt();
    bool totalReplaced = false, repeatReplaced = false;
    const QVariant total = value(TotalKey, QVariant(), &totalReplaced);
    const QVariant repeat = value(RepeatKey, QVariant(), &repeatReplaced);
    content.repeat = repeat.isValid() ? repeat.toString() : QString();

    // A damaged count is not a loop bound: only as many events as the file holds keys for.
    const qint64 count = total.toLongLong();
    file->beginGroup(QStringLiteral("macro"));
    const QStringList keys = file->childKeys();
    file->endGroup();
    qint64 present = 0;
    for (const QString &key : keys) {
        bool ok = false;
        const qint64 n = key.toLongLong(&ok);
        present += ok && n >= 0 && n < count && QString::number(n) == key ? 1 : 0;
    }
    const qint64 missing = count - present;
    const qsizetype listed = std::min<qsizetype>(count, keys.size());
    int unreadable = 0;
    content.events.reserve(listed);
    for (qsizetype i = 0; i < listed; ++i) {
        bool replaced = false;
        content.events.append(value(QStringLiteral("macro/") + QString::number(i), QString(), &replaced).toString());
        unreadable += replaced ? 1 : 0;
    }

    if (file->status() != QSettings::NoError || !SettingsFile::isWellFormed(path))
        content.damage = QStringLiteral("its file cannot be read as a macro file");
    else if (!total.isValid() || totalReplaced || !repeat.isValid() || repeatReplaced)
        content.damage = QStringLiteral("its file does not hold a macro (no event count or loop count)");
    else if (missing > 0)
        content.damage = QStringLiteral("its file is cut short: %1 of its %2 events are missing").arg(missing).arg(total.toLongLong());
    else if (unreadable > 0)
        content.damage = QStringLiteral("%1 of its %2 events cannot be read").arg(unreadable).arg(content.events.size());
    return content;
}

} // namespace MacroFileReader
