#include "profiles/settings_mending.h"

#include "profiles/stored_value_rules.h"
#include "profiles/log_category.h"

#include <QSettings>

#include <cstdio>

namespace SettingsMending {

QStringList mend(QSettings *file, RuleFor ruleFor, QSettings *factory)
{
    QStringList replaced;
    if (!file)
        return replaced;
    const QStringList keys = file->allKeys();
    for (const QString &key : keys) {
        const StoredValues::Rule *rule = ruleFor(key);
        if (!rule)
            continue;
        const QVariant stored = file->value(key);
        if (StoredValues::fit(*rule, stored))
            continue;
        const QVariant value =
            StoredValues::fitOrDefault(*rule, stored, factory ? factory->value(key) : QVariant());
        qCDebug(lcProfiles).noquote() << file->fileName() + QStringLiteral(": ") + key << StoredValues::describe(stored)
                           << "does not fit, replaced by" << StoredValues::describe(value);
        file->setValue(key, value);
        replaced << key;
    }
    if (!replaced.isEmpty()) {
        QString list = replaced.mid(0, 8).join(QStringLiteral(", "));
        if (replaced.size() > 8)
            list += QStringLiteral(" and %1 more").arg(replaced.size() - 8);
        std::fprintf(stderr, "skald-config: %s was damaged; replaced by defaults: %s\n", qPrintable(file->fileName()),
                     qPrintable(list));
    }
    return replaced;
}

} // namespace SettingsMending
