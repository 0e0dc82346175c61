#include "profiles/stored_value_reader.h"

#include "profiles/settings_list.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"
#include "profiles/log_category.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QSettings>

namespace StoredValues {

namespace {

bool firstReplacement(const QString &fileName, const QString &key)
{
    static QMutex lock;
    static QSet<QString> seen;
    const QMutexLocker locker(&lock);
    const QString id = QFileInfo(fileName).absoluteFilePath() + QLatin1Char('\n') + key;
    if (seen.contains(id))
        return false;
    // A run meets a handful of files; only a flood of ever new ones (a fuzzer) gets this far,
    // and it is worth a repeated line rather than unbounded memory.
    if (seen.size() >= 10000)
        seen.clear();
    seen.insert(id);
    return true;
}

} // namespace

QVariant read(const QSettings &file, const QString &key, const Rule &rule, const QVariant &absent,
              const QVariant &factory, bool *replaced)
{
    if (replaced)
        *replaced = false;
    const QVariant stored = file.value(key);
    if (!stored.isValid())
        return absent;
    bool unfit = false;
    const QVariant value = fitOrDefault(rule, stored, factory, &unfit);
    if (unfit && firstReplacement(file.fileName(), key))
        qCDebug(lcProfiles).noquote() << file.fileName() + QStringLiteral(": ") + key << describe(stored)
                           << "does not fit, read as" << describe(value);
    if (replaced)
        *replaced = unfit;
    return value;
}

QVariant profileValue(const QSettings &file, const QString &key)
{
    const QVariant stored = file.value(key);
    const Rule *rule = profileRule(key);
    if (!rule || rule->length <= 0 || !stored.isValid())
        return stored;
    const QVariantList list = settingsList(stored);
    return list.size() > rule->length ? QVariant(list.mid(0, rule->length)) : stored;
}

} // namespace StoredValues
