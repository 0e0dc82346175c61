#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// Whether a macro file can be taken as it stands. A file cut short or overwritten with
// something else still reads, but as fewer events than it should hold, or as none at all;
// the editor says so instead of showing the remains as if they were the macro.
namespace MacroFileCheck {

struct Content
{
    bool readable = true;     // the settings library could parse the file
    QVariant total;           // "config/total" as stored (invalid when absent)
    QVariant repeat;          // "config/repeat" as stored (invalid when absent)
    QStringList events;       // "macro/0" .. "macro/total-1", those that exist
    int missing = 0;          // how many of "macro/0" .. "macro/total-1" do not exist
};

// A "type,information" string that the editor can show: a delay in milliseconds, or a key
// or button press or release by its name (an empty name is what the insert-key dialog of
// earlier versions stored for "no key").
bool isEvent(const QString &text);

// The problem in words for the user, empty when there is none.
QString damage(const Content &content);

} // namespace MacroFileCheck
