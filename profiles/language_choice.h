#pragma once

#include <QString>
#include <QStringList>

// The user-interface languages a person can choose, by the names "common/language" holds.
namespace LanguageChoice {

constexpr char English[] = "English";
constexpr char Chinese[] = "ChineseSimplified";

// The language of a first start, from the desktop's preferred user-interface languages in
// order (QLocale::uiLanguages: "zh-CN", "zh-Hans-CN", "en-US", ...): Chinese when the first
// of them is a Chinese one, English otherwise.
QString forDesktop(const QStringList &uiLanguages);

// Whether `name` is one a person can choose from the help menu.
bool isChoosable(const QString &name);

} // namespace LanguageChoice
