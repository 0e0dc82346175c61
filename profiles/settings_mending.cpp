#include "profiles/settings_mending.h"

#include "profiles/ini_text.h"
#include "profiles/log_category.h"
#include "profiles/settings_file.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"

#include <QFile>

#include <cstdio>

namespace SettingsMending {

namespace {

// The text of a settings file that is there to be read; an over-sized one is not.
QByteArray textOf(const QString &path, bool *readable = nullptr)
{
    QFile file(path);
    const bool ok = !path.isEmpty() && !SettingsFile::isOversized(path) && file.open(QIODevice::ReadOnly);
    if (readable)
        *readable = ok;
    return ok ? file.readAll() : QByteArray();
}

} // namespace

QStringList mend(const QString &path, RuleFor ruleFor, const QString &factoryPath)
{
    QStringList mended;
    bool readable = false;
    const QByteArray text = textOf(path, &readable);
    if (!readable || text.isEmpty())
        return mended;
    IniText::Map stored;
    IniText::read(text, &stored);
    IniText::Map factory;
    if (!factoryPath.isEmpty())
        IniText::read(textOf(factoryPath), &factory);

    IniText::Map changes;
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        const StoredValues::Rule *rule = ruleFor(it.key());
        if (!rule)
            continue;
        const ValueMend::Mended m = ValueMend::mend(*rule, it.value(), factory.value(it.key()));
        if (!m.changed)
            continue;
        qCDebug(lcProfiles).noquote() << path + QStringLiteral(": ") + it.key() << StoredValues::describe(it.value())
                                      << "does not fit, mended to" << StoredValues::describe(m.stored);
        changes.insert(it.key(), m.stored);
        mended << it.key();
    }
    if (mended.isEmpty())
        return mended;
    QString list = mended.mid(0, 8).join(QStringLiteral(", "));
    if (mended.size() > 8)
        list += QStringLiteral(" and %1 more").arg(mended.size() - 8);
    std::fprintf(stderr, "skald-config: %s was damaged; these values were mended: %s\n", qPrintable(path),
                 qPrintable(list));
    SettingsFile::writeText(path, IniText::replaceValues(text, changes));
    return mended;
}

bool holdsNothingKnown(const QString &path, RuleFor ruleFor)
{
    const QByteArray text = textOf(path);
    if (text.trimmed().isEmpty())
        return false;
    IniText::Map stored;
    IniText::read(text, &stored);
    for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
        if (ruleFor(it.key()))
            return false;
    }
    return true;
}

} // namespace SettingsMending
