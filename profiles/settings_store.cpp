#include "profiles/settings_store.h"

#include "profiles/settings_list.h"
#include "profiles/stored_value_rules.h"

#include <QSettings>
#include <QStringList>

#include <optional>

namespace {

// What a value becomes in the file: its elements as text. Numbers that came from a page as
// doubles write the same text as the integers read back from the file. Nested lists, maps
// and other values without a plain text form give nothing, and are always stored.
std::optional<QStringList> storedText(const QVariant &value)
{
    QStringList text;
    for (const QVariant &element : settingsList(value)) {
        const int type = element.typeId();
        if (type == QMetaType::QVariantList || type == QMetaType::QStringList || type == QMetaType::QVariantMap
            || !element.canConvert<QString>())
            return std::nullopt;
        text << element.toString();
    }
    return text;
}

} // namespace

void storeSetting(QSettings *settings, const QString &key, const QVariant &value)
{
    if (!settings)
        return;
    QVariant toStore = value;
    if (settings->contains(key)) {
        const QVariant current = settings->value(key);
        const std::optional<QStringList> stored = storedText(current);
        const std::optional<QStringList> wanted = storedText(value);
        if (stored && stored == wanted)
            return;
        // A list longer than the mouse needs keeps its unused entries, also when the used ones change.
        const StoredValues::Rule *rule = StoredValues::profileRule(key);
        if (rule && rule->length > 0 && stored && wanted && stored->size() > rule->length && wanted->size() == rule->length) {
            if (stored->mid(0, rule->length) == *wanted)
                return;
            toStore = QVariant(settingsList(value) + settingsList(current).mid(rule->length));
        }
    }
    settings->setValue(key, toStore);
}

void removeSetting(QSettings *settings, const QString &key)
{
    if (settings && settings->contains(key))
        settings->remove(key);
}
