#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QSettings;

// Which programs select which profile when they come to the front. The rules live in a settings
// file of their own; a profile's programs are kept under its number, so a rename leaves them
// alone, and a program selects at most one profile.
namespace ProgramRules {

constexpr char FileName[] = "./modules/setting/programs.bin";
constexpr int ProfileCount = 6;
// The go-back profile that means "stay with the profile in use".
constexpr int Stay = -1;

struct Rules
{
    bool enabled = false;
    int goBack = Stay;
    std::array<QStringList, ProfileCount> programs;

    bool operator==(const Rules &other) const
    {
        return enabled == other.enabled && goBack == other.goBack && programs == other.programs;
    }
    bool operator!=(const Rules &other) const { return !(*this == other); }
};

// A program as a rule names it: an executable's file name, without folders ("game.exe").
bool isProgramName(const QString &name);
// The file name of `path`, whichever of / and \ separates its folders.
QString fileNameOf(const QString &path);

// The rules `file` holds. A file that does not parse, or a value that does not fit, makes the
// whole file read as no rules (`damaged` tells); a missing file is no rules too.
Rules read(const QSettings &file, bool *damaged = nullptr);
// Makes `file` hold `rules` and nothing else; unchanged values are not written again.
void write(QSettings *file, const Rules &rules);

// The rules of the file at `path`.
Rules load(const QString &path = QLatin1String(FileName));
// Lets `change` work on the rules of the file at `path` and writes the result when it differs,
// so that a damaged file (no rules) stays as it is unless the user changes a rule. False when
// the file could not be written.
bool update(const std::function<Rules(Rules)> &change, const QString &path = QLatin1String(FileName));

// The profile that `program` (a name as isProgramName accepts) selects, or -1.
int profileOf(const Rules &rules, const QString &program);
// `program` added to `profile`'s list, and taken from any other profile's.
Rules withProgram(Rules rules, int profile, const QString &program);
Rules withoutProgram(Rules rules, int profile, const QString &program);

// Following the profiles. A copy starts without programs (each program selects one profile);
// profiles that the names list no longer holds lose their programs, and stop being the
// go-back profile.
Rules afterCopy(Rules rules, int destination);
Rules keepProfiles(Rules rules, const QList<int> &existing);
// The profile numbers of the names list's entries (name followed by one digit 0..5).
QList<int> profilesOfNames(const QStringList &entries);

} // namespace ProgramRules
