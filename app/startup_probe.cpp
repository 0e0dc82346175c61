#include "app/startup_probe.h"

#include <QEvent>
#include <QFile>
#include <QQuickWidget>
#include <QWidget>
#include <QWindow>
#include <chrono>

namespace {

void write(const QString &path, const char *what)
{
    QFile file(path);
    if (file.open(QIODevice::Append | QIODevice::Text)) {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now().time_since_epoch()).count();
        file.write(QByteArray(what) + ' ' + QByteArray::number(qint64(ns)) + '\n');
    }
}

} // namespace

StartupProbe::StartupProbe(QObject *parent, const QString &path) : QObject(parent), m_path(path) {}

void StartupProbe::mark(const char *what)
{
    const QString path = qEnvironmentVariable("SKALD_STARTUP_LOG");
    if (!path.isEmpty())
        write(path, what);
}

void StartupProbe::install(QWidget *window)
{
    const QString path = qEnvironmentVariable("SKALD_STARTUP_LOG");
    QWidget *view = window ? window->findChild<QQuickWidget *>() : nullptr;
    if (path.isEmpty() || !view)
        return;
    auto *probe = new StartupProbe(window, path);
    // The native window exists only once the widget is shown; watch the widget until then.
    window->installEventFilter(probe);
    view->installEventFilter(probe);
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_mapped && event->type() == QEvent::Show) {
        if (auto *w = qobject_cast<QWidget *>(watched); w && w->isWindow() && w->windowHandle())
            w->windowHandle()->installEventFilter(this);
    } else if (!m_mapped && event->type() == QEvent::Expose) {
        if (auto *w = qobject_cast<QWindow *>(watched); w && w->isExposed()) {
            m_mapped = true;
            write(m_path, "mapped");
        }
    } else if (!m_painted && event->type() == QEvent::Paint && !qobject_cast<QWindow *>(watched)
               && !static_cast<QWidget *>(watched)->isWindow()) {
        m_painted = true;
        write(m_path, "frame");
    }
    return QObject::eventFilter(watched, event);
}
