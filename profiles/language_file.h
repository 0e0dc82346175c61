#pragma once

#include <QString>
#include <QStringList>

// Language files: one INI section per string list, "total" strings under the keys 0..total-1.
namespace LanguageFile {

// A list longer than this is a damaged or hostile file: the longest list of the pages has 45
// entries, so reading stops here instead of trusting any count the file gives.
constexpr int MaxStrings = 1024;

// Section of string list `type` (0 main .. 7 screenEditor); empty above 7.
QString sectionForType(uint type);

// Language codes name a file in the language folder and nothing else.
bool isValidCode(const QString &langCode);
QString pathFor(const QString &langCode);

// The strings of one section; missing keys read as empty strings, a missing file or section
// gives an empty list.
QStringList readStrings(const QString &path, uint type);

// The `other` list replaces the eight DPI-change notification texts, as many as it holds.
void applyDpiSwitchTexts(const QStringList &texts);

} // namespace LanguageFile
