#pragma once

#include <QString>

// KDE's settings files (kcminputrc, kdeglobals) as KConfig writes them: "[Group]" headers and
// "Key=Value" lines. Only the one line changes; every other line, comment and group is kept as
// it was, so that values of other programs (and KConfig's own "[$i]" markers) survive.
namespace KdeConfigText {

// The value of `key` in `group`, or a null string.
QString value(const QString &text, const QString &group, const QString &key);

// `text` with `key` in `group` set to `value`; the group is added at the end when missing.
QString withValue(const QString &text, const QString &group, const QString &key, const QString &value);

} // namespace KdeConfigText
