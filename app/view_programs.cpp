// The programs that select profiles when they come to the front: their rules file and what the
// page needs to edit it.
#include "app/myqquickview.h"

#include "profiles/front_window_watch.h"
#include "profiles/profile_file_dialogs.h"
#include "profiles/program_rules.h"

#include <QDir>

#include <algorithm>


QVariant myQQuickView::getFollowPrograms()
{
    return ProgramRules::load().enabled;
}

void myQQuickView::setFollowPrograms(QVariant on)
{
    const bool enabled = on.toBool();
    ProgramRules::update([enabled](ProgramRules::Rules rules) {
        rules.enabled = enabled;
        return rules;
    });
}

QVariant myQQuickView::getGoBackProfile()
{
    return ProgramRules::load().goBack;
}

void myQQuickView::setGoBackProfile(QVariant profile)
{
    bool ok = false;
    const int n = profile.toInt(&ok);
    if (!ok || n < ProgramRules::Stay || n >= ProgramRules::ProfileCount)
        return;
    ProgramRules::update([n](ProgramRules::Rules rules) {
        rules.goBack = n;
        return rules;
    });
}

QStringList myQQuickView::getProfilePrograms(int profile)
{
    if (profile < 0 || profile >= ProgramRules::ProfileCount)
        return {};
    return ProgramRules::load().programs[profile];
}

void myQQuickView::addProfileProgram(int profile, QString program)
{
    const QString name = ProgramRules::fileNameOf(program.trimmed());
    ProgramRules::update([&](ProgramRules::Rules rules) { return ProgramRules::withProgram(rules, profile, name); });
}

void myQQuickView::removeProfileProgram(int profile, QString program)
{
    ProgramRules::update([&](ProgramRules::Rules rules) { return ProgramRules::withoutProgram(rules, profile, program); });
}

QVariant myQQuickView::getFrontProgramUnavailable()
{
    return int(frontWatch ? frontWatch->unavailable() : FrontWindowWatch::NotInThisRun);
}

QVariantList myQQuickView::getWindowPrograms()
{
    QVariantList list;
    if (!frontWatch)
        return list;
    QList<WindowProgram> programs = frontWatch->windowPrograms();
    std::sort(programs.begin(), programs.end(), [](const WindowProgram &a, const WindowProgram &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    for (const WindowProgram &p : programs)
        list.append(QVariantMap{{QStringLiteral("name"), p.name}, {QStringLiteral("icon"), p.icon}});
    return list;
}

QString myQQuickView::browseProgram()
{
#ifdef Q_OS_WIN
    const QString filter = QStringLiteral("Programs (*.exe)");
#else
    const QString filter = QStringLiteral("Programs (*)");
#endif
    const QString chosen = ProfileFileDialogs::open(this, QStringLiteral("Choose Program"), QDir::homePath(), filter);
    const QString name = ProgramRules::fileNameOf(chosen);
    return ProgramRules::isProgramName(name) ? name : QString();
}
