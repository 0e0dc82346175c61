#include "app/program_follower.h"

#include "app/log_category.h"
#include "app/myqquickview.h"
#include "app/widget.h"
#include "device/link_state.h"
#include "profiles/balloon_texts.h"
#include "profiles/front_window_watch.h"
#include "profiles/names_list_rule.h"
#include "profiles/program_rules.h"

#include <QQuickItem>

ProgramFollower::ProgramFollower(Widget *window, std::unique_ptr<FrontWindowWatch> watch)
    : m_window(window), m_watch(std::move(watch))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { settled(); });
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { trySwitch(); });
    if (myQQuickView *view = m_window->view())
        view->frontWatch = m_watch.get();
    m_watch->setHandler([this](const FrontProgram &program) { frontChanged(program); });
    // A game already in front when the program starts counts too.
    frontChanged(m_watch->current());
}

ProgramFollower::~ProgramFollower()
{
    if (myQQuickView *view = m_window->view())
        view->frontWatch = nullptr;
}

void ProgramFollower::frontChanged(const FrontProgram &program)
{
    m_settle.stop();
    if (program.own || !program.isKnown())
        return;
    m_pending = program;
    m_settle.start();
}

void ProgramFollower::settled()
{
    if (m_pending == m_settled)
        return;
    m_settled = m_pending;
    qCDebug(lcApp).noquote() << "in front:" << ProgramMatch::namesOf(m_settled).join(QStringLiteral(", "));
    m_switchDue = true;
    m_retry.stop();
    trySwitch();
}

void ProgramFollower::trySwitch()
{
    if (!m_switchDue)
        return;
    const ProgramRules::Rules rules = ProgramRules::load();
    int profile = ProgramMatch::profileFor(rules, m_settled);
    if (profile < 0)
        profile = rules.goBack;
    myQQuickView *view = m_window->view();
    QQuickItem *root = view ? view->rootObject() : nullptr;
    if (!rules.enabled || profile < 0 || !root || !root->property("isPowerOn").toBool()
        || !LinkState::deviceConnected || profile == view->currentProfile()) {
        m_switchDue = false;
        return;
    }
    const QString name = profileName(profile);
    // A profile the page does not list is not one to switch to.
    if (name.isNull()) {
        m_switchDue = false;
        return;
    }
    // What the link is sending goes out whole first.
    if (!m_window->hid().isLinkFree()) {
        if (!m_waitingForLink) {
            m_waitingForLink = true;
            m_window->hid().whenIdle(this, [this] {
                m_waitingForLink = false;
                trySwitch();
            });
        }
        return;
    }
    QVariant blocked;
    QMetaObject::invokeMethod(root, "isSwitchBlocked", Q_RETURN_ARG(QVariant, blocked));
    if (blocked.toBool()) {
        m_retry.start();
        return;
    }
    m_switchDue = false;
    qCDebug(lcApp) << "switching to profile" << profile << "for the program in front";
    QMetaObject::invokeMethod(root, "applyProfile", Q_ARG(QVariant, profile));
    m_window->showBalloon(QStringLiteral("Info"), BalloonTexts::profileSwitched(view->getLang().toString(), name));
}

QString ProgramFollower::profileName(int profile) const
{
    const QVariantList entries = NamesList::withoutFiller(m_window->view()->getNameList(2));
    for (const QVariant &v : entries) {
        const QString entry = v.toString();
        if (!entry.isEmpty() && entry.back() == QLatin1Char(char('0' + profile)))
            return entry.left(entry.size() - 1);
    }
    return QString();
}
