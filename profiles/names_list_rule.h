#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The names file keeps the lists of macro, recoil preset and profile names. A list of one name
// is stored with a filler as its second element, so that no stored list has a single element;
// the pages drop the filler when they read the list.
namespace NamesList {

constexpr char FileName[] = "./modules/setting/name.bin";
constexpr char Filler[] = "loadertobrel";

// Key of list type 0 (macros), 1 (recoil presets), 2 (profiles), 3 (selected presets);
// empty for any other type.
QString keyForType(uint type);

// The list as it is stored: one name gets the filler.
QStringList withFiller(QStringList names);

// The list as the pages use it: a two-element list whose second element is the filler loses it.
QVariantList withoutFiller(QVariantList names);

} // namespace NamesList
