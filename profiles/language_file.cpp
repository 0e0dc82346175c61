#include "profiles/language_file.h"

#include "profiles/balloon_texts.h"
#include "profiles/settings_file.h"
#include "profiles/stored_value_rules.h"
#include "profiles/value_mend.h"
#include "profiles/log_category.h"

#include <QRegularExpression>
#include <QSettings>

namespace LanguageFile {

QString sectionForType(uint type)
{
    static const char *const sections[] = {"main",      "keyMatrix",  "keyMenu", "macroEditor",
                                           "gunControl", "macroKey",  "other",   "screenEditor"};
    return type < 8 ? QString::fromLatin1(sections[type]) : QString();
}

bool isValidCode(const QString &langCode)
{
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return allowed.match(langCode).hasMatch();
}

QString pathFor(const QString &langCode)
{
    return QStringLiteral("./modules/i18n/") + langCode + QStringLiteral(".ini");
}

QStringList readStrings(const QString &path, uint type)
{
    const std::unique_ptr<QSettings> file = SettingsFile::openScoped(path);
    const QString section = sectionForType(type);
    const QString prefix = section.isEmpty() ? QString() : section + QLatin1Char('/');
    // One message per list read, not per string: a damaged file can hold thousands.
    QStringList damaged;
    auto read = [&](const QString &key, const StoredValues::Rule &rule, const QVariant &absent) {
        const QVariant stored = file->value(key);
        if (!stored.isValid())
            return absent;
        bool replaced = false;
        const QVariant value = StoredValues::fitOrDefault(rule, stored, QVariant(), &replaced);
        if (replaced)
            damaged << key;
        return value;
    };
    const int total = read(prefix + QStringLiteral("total"), StoredValues::languageTotalRule(), 0).toInt();
    QStringList result;
    for (int i = 0; i < total && i < MaxStrings; ++i)
        result.append(read(prefix + QString::number(i), StoredValues::languageTextRule(), QString()).toString());
    if (!damaged.isEmpty())
        qCDebug(lcProfiles).noquote() << path + QStringLiteral(": ") + damaged.mid(0, 4).join(QStringLiteral(", "))
                           << "do not fit, read as their defaults";
    return result;
}

void applyDpiSwitchTexts(const QStringList &texts)
{
    for (int i = 0; i < 8 && i < texts.size(); ++i)
        BalloonTexts::setDpiSwitchText(i, texts[i]);
}

} // namespace LanguageFile
