#include "profiles/settings_store.h"

#include "profiles/settings_list.h"

#include <QSettings>
#include <QStringList>

namespace {

// What a value becomes in the file: its elements as text. Numbers that came from a page as
// doubles write the same text as the integers read back from the file.
QStringList storedText(const QVariant &value)
{
    QStringList text;
    for (const QVariant &element : settingsList(value))
        text << element.toString();
    return text;
}

} // namespace

void storeSetting(QSettings *settings, const QString &key, const QVariant &value)
{
    if (!settings)
        return;
    if (settings->contains(key) && storedText(settings->value(key)) == storedText(value))
        return;
    settings->setValue(key, value);
}

void removeSetting(QSettings *settings, const QString &key)
{
    if (settings && settings->contains(key))
        settings->remove(key);
}
