// Language string lists of the pages.
#include "app/myqquickview.h"

#include "profiles/language_file.h"
#include "profiles/log_category.h"

QStringList myQQuickView::getGlobalStrings(QVariant type, QString langCode)
{
    if (!LanguageFile::isValidCode(langCode)) {
        qCDebug(lcProfiles) << "getGlobalStrings refused: language code" << langCode;
        return {};
    }
    const uint list = type.toUInt();
    const QStringList strings = LanguageFile::readStrings(LanguageFile::pathFor(langCode), list);
    if (list == 6)
        LanguageFile::applyDpiSwitchTexts(strings);
    return strings;
}
