#pragma once

#include <QString>
#include <QStringList>

namespace ProgramRules {
struct Rules;
}

// What is known of the program whose window is in front.
struct FrontProgram
{
    // The full path of its executable; empty when its process is not known.
    QString executable;
    // Its command line, the program's own name first.
    QStringList arguments;
    // The window's class names, for a window whose process is not known.
    QStringList windowClasses;
    // A window of this program itself.
    bool own = false;

    bool isKnown() const { return !executable.isEmpty() || !windowClasses.isEmpty(); }
    bool operator==(const FrontProgram &other) const
    {
        return executable == other.executable && arguments == other.arguments && windowClasses == other.windowClasses
            && own == other.own;
    }
    bool operator!=(const FrontProgram &other) const { return !(*this == other); }
};

namespace ProgramMatch {

// The names a rule may give `program`, the most telling first: the Windows executables its
// command line names (a game under Wine or Proton runs in the Wine loader's process, whose
// command line names game.exe), then its executable's file name; the window's class names
// when the process is not known.
QStringList namesOf(const FrontProgram &program);

// The profile the first of those names selects, or -1.
int profileFor(const ProgramRules::Rules &rules, const FrontProgram &program);

} // namespace ProgramMatch
