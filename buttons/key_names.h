#pragma once

#include <QString>

// Names of keyboard usages (HID page 0x07) and of the mouse button codes 0xF0 to 0xF4, as the
// pages show them and as macro files store them. The pages read the same table from
// modules/qml/J2/keyNames.js; a test keeps the two equal.
namespace KeyNames {

struct Row
{
    int code;
    const char *name;   // UTF-8
};

extern const Row keyRows[];
extern const int keyRowCount;
extern const Row mouseRows[];
extern const int mouseRowCount;

// Empty for codes without a name (and for negative codes).
QString keycode2str(int code);
QString mousecode2str(int code);

// -1 for names without a code. "\ |" names two keys; the name gives the second, 0x32.
int str2keycode(const QString &name);
int str2mousecode(const QString &name);

} // namespace KeyNames
