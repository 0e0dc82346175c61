#include "profiles/names_list_rule.h"

namespace NamesList {

QString keyForType(uint type)
{
    switch (type) {
    case 0: return QStringLiteral("macro/macroName");
    case 1: return QStringLiteral("gun/gunName");
    case 2: return QStringLiteral("profile/profileName");
    case 3: return QStringLiteral("gun/selectGun");
    default: return QString();
    }
}

QStringList withFiller(QStringList names)
{
    if (names.size() == 1)
        names.append(QLatin1String(Filler));
    return names;
}

QVariantList withoutFiller(QVariantList names)
{
    if (names.size() == 2 && names[1].toString() == QLatin1String(Filler))
        names.removeLast();
    return names;
}

} // namespace NamesList
