#pragma once

#include <QString>
#include <QStringList>

namespace StoredValues {
struct Rule;
}

// A macro file as the editor takes it. Every value goes through the rule of its key, as the
// values of the other settings files do; a file cut short or overwritten with something else
// still reads, but as fewer events than it should hold, or as none at all, and the editor says
// so instead of showing the remains as if they were the macro.
namespace MacroFileReader {

// The rule of a key of a macro file ("config/index", "config/total", "config/repeat",
// "config/did", "macro/<n>"); null for other keys.
const StoredValues::Rule *ruleFor(const QString &key);

// A "type,information" string that the editor can show: a delay in milliseconds, or a key or
// button press or release by its name (an empty name is what the insert-key dialog of earlier
// versions stored for "no key").
bool isEvent(const QString &text);

struct Content
{
    // "macro/0" .. up to "config/total" - 1, as many as the file holds keys for; one that is
    // missing or does not fit reads as empty text, which the editor skips.
    QStringList events;
    QString repeat;   // "config/repeat" as text; empty when absent
    int type = 0;     // "config/did"; 0 when absent
    uint index = 0;   // "config/index"; 0 when absent
    QString damage;   // what is wrong, in words for the user; empty when nothing is
    bool oversized = false;   // not parsed at all: it reads as if absent
};

// Reads the macro file at `path`, which exists. An over-sized file is not parsed.
Content read(const QString &path);

} // namespace MacroFileReader
