// Language string lists of the pages.
#include "app/myqquickview.h"

#include "profiles/language_file.h"

#include <QDebug>

QStringList myQQuickView::getGlobalStrings(QVariant type, QString langCode)
{
    if (!LanguageFile::isValidCode(langCode)) {
        qDebug() << "getGlobalStrings refused: language code" << langCode;
        return {};
    }
    const uint list = type.toUInt();
    const QStringList strings = LanguageFile::readStrings(LanguageFile::pathFor(langCode), list);
    if (list == 6)
        LanguageFile::applyDpiSwitchTexts(strings);
    return strings;
}
