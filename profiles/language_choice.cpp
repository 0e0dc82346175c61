#include "profiles/language_choice.h"

namespace LanguageChoice {

QString forDesktop(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return QLatin1String(English);
    // The language subtag alone: "zh", "zh-CN", "zh_TW", but not "zu" nor "zha".
    const QString first = uiLanguages.first().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return first.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0 ? QLatin1String(Chinese)
                                                                       : QLatin1String(English);
}

bool isChoosable(const QString &name)
{
    return name == QLatin1String(English) || name == QLatin1String(Chinese);
}

} // namespace LanguageChoice
