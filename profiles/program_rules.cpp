#include "profiles/program_rules.h"

#include "profiles/log_category.h"
#include "profiles/settings_file.h"
#include "profiles/settings_store.h"
#include "profiles/stored_value_reader.h"
#include "profiles/stored_value_rules.h"

#include <QSettings>

#include <algorithm>

namespace ProgramRules {

namespace {

const QString EnabledKey = QStringLiteral("follow/enabled");
const QString GoBackKey = QStringLiteral("follow/goBack");

QString programsKey(int profile)
{
    return QStringLiteral("programs/%1").arg(profile);
}

bool acceptsProgram(const QString &text)
{
    return isProgramName(text);
}

const StoredValues::Rule &enabledRule()
{
    static const StoredValues::Rule rule = StoredValues::number(0, 1, 0);
    return rule;
}

const StoredValues::Rule &goBackRule()
{
    static const StoredValues::Rule rule = StoredValues::number(Stay, ProfileCount - 1, Stay);
    return rule;
}

const StoredValues::Rule &programsRule()
{
    static const StoredValues::Rule rule = [] {
        StoredValues::Rule r;
        r.kind = StoredValues::Rule::TextList;
        r.minLength = 1;
        r.maxLength = 256;
        r.maxTextLength = 255;
        r.accepts = acceptsProgram;
        r.fallback = QVariantList();
        return r;
    }();
    return rule;
}

bool isValidProfile(int profile)
{
    return profile >= 0 && profile < ProfileCount;
}

} // namespace

bool isProgramName(const QString &name)
{
    if (name.isEmpty() || name.size() > 255 || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

QString fileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

Rules read(const QSettings &file, bool *damaged)
{
    if (damaged)
        *damaged = false;
    Rules rules;
    bool unfit = file.status() != QSettings::NoError || !SettingsFile::isWellFormed(file.fileName());
    bool replaced = false;
    rules.enabled = StoredValues::read(file, EnabledKey, enabledRule(), 0, QVariant(), &replaced).toInt() == 1;
    unfit = unfit || replaced;
    rules.goBack = StoredValues::read(file, GoBackKey, goBackRule(), Stay, QVariant(), &replaced).toInt();
    unfit = unfit || replaced;
    QStringList seen;
    for (int p = 0; p < ProfileCount; ++p) {
        const QVariantList list =
            StoredValues::read(file, programsKey(p), programsRule(), QVariantList(), QVariant(), &replaced).toList();
        unfit = unfit || replaced;
        for (const QVariant &v : list) {
            const QString name = v.toString();
            // A file edited by hand may name a program twice: the first profile keeps it.
            if (seen.contains(name, Qt::CaseInsensitive))
                continue;
            seen << name;
            rules.programs[p] << name;
        }
    }
    if (!unfit)
        return rules;
    qCDebug(lcProfiles).noquote() << file.fileName() << "is damaged: it reads as no program rules";
    if (damaged)
        *damaged = true;
    return Rules();
}

void write(QSettings *file, const Rules &rules)
{
    if (!file)
        return;
    QStringList known = {EnabledKey, GoBackKey};
    if (rules.enabled)
        storeSetting(file, EnabledKey, 1);
    else
        removeSetting(file, EnabledKey);
    if (rules.goBack != Stay && isValidProfile(rules.goBack))
        storeSetting(file, GoBackKey, rules.goBack);
    else
        removeSetting(file, GoBackKey);
    for (int p = 0; p < ProfileCount; ++p) {
        known << programsKey(p);
        if (rules.programs[p].isEmpty())
            removeSetting(file, programsKey(p));
        else
            storeSetting(file, programsKey(p), rules.programs[p]);
    }
    // Whatever else a damaged file held goes with the first write the user asked for.
    const QStringList keys = file->allKeys();
    for (const QString &key : keys) {
        if (!known.contains(key))
            file->remove(key);
    }
}

Rules load(const QString &path)
{
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(path);
    return read(*file);
}

bool update(const std::function<Rules(Rules)> &change, const QString &path)
{
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(path);
    const Rules before = read(*file);
    const Rules after = change(before);
    if (after == before)
        return true;
    write(file.get(), after);
    return SettingsFile::syncAndCheck(file.get());
}

int profileOf(const Rules &rules, const QString &program)
{
    for (int p = 0; p < ProfileCount; ++p) {
        if (rules.programs[p].contains(program, Qt::CaseInsensitive))
            return p;
    }
    return -1;
}

Rules withProgram(Rules rules, int profile, const QString &program)
{
    if (!isValidProfile(profile) || !isProgramName(program))
        return rules;
    for (QStringList &list : rules.programs)
        list.removeIf([&](const QString &name) { return name.compare(program, Qt::CaseInsensitive) == 0; });
    rules.programs[profile] << program;
    return rules;
}

Rules withoutProgram(Rules rules, int profile, const QString &program)
{
    if (isValidProfile(profile))
        rules.programs[profile].removeIf(
            [&](const QString &name) { return name.compare(program, Qt::CaseInsensitive) == 0; });
    return rules;
}

Rules afterCopy(Rules rules, int destination)
{
    if (isValidProfile(destination))
        rules.programs[destination].clear();
    return rules;
}

Rules keepProfiles(Rules rules, const QList<int> &existing)
{
    for (int p = 0; p < ProfileCount; ++p) {
        if (!existing.contains(p))
            rules.programs[p].clear();
    }
    if (rules.goBack != Stay && !existing.contains(rules.goBack))
        rules.goBack = Stay;
    return rules;
}

QList<int> profilesOfNames(const QStringList &entries)
{
    QList<int> numbers;
    for (const QString &entry : entries) {
        if (entry.isEmpty())
            continue;
        const int n = entry.back().unicode() - '0';
        if (isValidProfile(n) && !numbers.contains(n))
            numbers << n;
    }
    return numbers;
}

} // namespace ProgramRules
