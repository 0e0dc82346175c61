#include "app/profile_applier.h"

#include "app/device_failure_watch.h"
#include "app/startup_probe.h"
#include "app/widget.h"
#include "device/link_state.h"
#include "app/myqquickview.h"
#include "profiles/profile_keys.h"
#include "profiles/settings_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QQmlProperty>
#include <QQuickItem>
#include <cstdio>

ProfileApplier::ProfileApplier(Widget *window, int profile)
    : m_window(window), m_profile(profile), m_onFinished([](int code) { QCoreApplication::exit(code); })
{
}

ProfileApplier::~ProfileApplier() = default;

bool ProfileApplier::start()
{
    if (m_window->trayIcon())
        m_window->trayIcon()->hide();
    if (!LinkState::deviceConnected) {
        std::fprintf(stderr, "skald-config: no mouse found; profile %d was not applied\n", m_profile);
        return false;
    }
    QQuickItem *root = m_window->view() ? m_window->view()->rootObject() : nullptr;
    if (!root) {
        std::fprintf(stderr, "skald-config: the pages could not be loaded; profile %d was not applied\n", m_profile);
        return false;
    }
    // A profile that is there but cannot be read would go out as page defaults: send nothing.
    const QString file = ProfileKeys::profileFileName(m_profile);
    const QFileInfo info(file);
    if (info.exists() && (!info.isReadable() || SettingsFile::isOversized(file) || !QFile(file).open(QIODevice::ReadOnly))) {
        std::fprintf(stderr, "skald-config: %s cannot be read; profile %d was not applied, nothing was sent\n",
                     qPrintable(file), m_profile);
        return false;
    }
    // Nothing here listens to the mouse's own reports; a stopped worker also lets the program
    // end without waiting for its last read.
    m_window->hid().stopWorker();
    // The stored profile is what was asked for: the first start must not replace it with
    // the mouse's values before it is sent.
    root->setProperty("adoptMouseValues", false);
    QQmlProperty(root, QStringLiteral("isPowerOn")).connectNotifySignal(this, SLOT(pagesReady()));
    pagesReady();
    return true;
}

void ProfileApplier::pagesReady()
{
    QQuickItem *root = m_window->view() ? m_window->view()->rootObject() : nullptr;
    if (m_started || !root || !root->property("isPowerOn").toBool())
        return;
    m_started = true;
    // The notification comes from inside initUI: apply once it has returned.
    QMetaObject::invokeMethod(this, &ProfileApplier::apply, Qt::QueuedConnection);
}

void ProfileApplier::apply()
{
    QQuickItem *root = m_window->view() ? m_window->view()->rootObject() : nullptr;
    if (!root) {
        finish(2, QStringLiteral("the pages went away"));
        return;
    }
    m_watch = std::make_unique<DeviceFailureWatch>(m_window->hid());
    StartupProbe::mark("apply");
    // The pages only ask: the link sends on its own thread, and says when it has sent all.
    QMetaObject::invokeMethod(root, "applyProfile", Q_ARG(QVariant, m_profile));
    m_window->hid().whenIdle(this, [this] { sent(); });
}

void ProfileApplier::sent()
{
    StartupProbe::mark("applied");
    // The profile file is the reference: a setting the mouse took but the file did not keep is
    // a failure too.
    const bool stored = m_window->view()->syncSettings();
    if (m_watch->failures() > 0)
        finish(2, QStringLiteral("the mouse did not take every setting (%1 of them failed, first %2)")
                      .arg(m_watch->failures()).arg(m_watch->firstFailure()));
    else if (!stored)
        finish(2, QStringLiteral("the settings could not be stored"));
    else
        finish(0, QString());
}

void ProfileApplier::finish(int code, const QString &message)
{
    if (!message.isEmpty()) {
        m_message = QStringLiteral("skald-config: %1; profile %2 was not fully applied").arg(message).arg(m_profile);
        std::fprintf(stderr, "%s\n", qPrintable(m_message));
    }
    m_finished = true;
    m_exitCode = code;
    if (m_onFinished)
        m_onFinished(code);
}
