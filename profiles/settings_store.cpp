#include "profiles/settings_store.h"

#include "profiles/settings_list.h"

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
    if (settings->contains(key)) {
        const std::optional<QStringList> stored = storedText(settings->value(key));
        if (stored && stored == storedText(value))
            return;
    }
    settings->setValue(key, value);
}

void removeSetting(QSettings *settings, const QString &key)
{
    if (settings && settings->contains(key))
        settings->remove(key);
}
