#include "profiles/front_program.h"

#include "profiles/program_rules.h"

namespace ProgramMatch {

QStringList namesOf(const FrontProgram &program)
{
    QStringList names;
    const auto add = [&names](const QString &name) {
        if (ProgramRules::isProgramName(name) && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    };
    if (program.executable.isEmpty()) {
        for (const QString &c : program.windowClasses)
            add(c);
        return names;
    }
    for (const QString &argument : program.arguments) {
        const QString name = ProgramRules::fileNameOf(argument);
        if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
            add(name);
    }
    add(ProgramRules::fileNameOf(program.executable));
    return names;
}

int profileFor(const ProgramRules::Rules &rules, const FrontProgram &program)
{
    for (const QString &name : namesOf(program)) {
        const int profile = ProgramRules::profileOf(rules, name);
        if (profile >= 0)
            return profile;
    }
    return -1;
}

} // namespace ProgramMatch
