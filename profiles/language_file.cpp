#include "profiles/language_file.h"

#include "device/link_state.h"

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
    const QSettings file(path, QSettings::IniFormat);
    const QString section = sectionForType(type);
    const QString prefix = section.isEmpty() ? QString() : section + QLatin1Char('/');
    int total = file.value(prefix + QStringLiteral("total"), 0).toInt();
    if (total > MaxStrings)
        total = MaxStrings;
    QStringList result;
    for (int i = 0; i < total; ++i)
        result.append(file.value(prefix + QString::number(i), QString()).toString());
    return result;
}

void applyDpiSwitchTexts(const QStringList &texts)
{
    for (int i = 0; i < 8 && i < texts.size(); ++i)
        LinkState::setDpiSwitchText(i, texts[i]);
}

} // namespace LanguageFile
