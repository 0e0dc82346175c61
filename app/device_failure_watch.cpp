#include "app/device_failure_watch.h"

#include <QtGlobal>

namespace {

DeviceFailureWatch *g_watch = nullptr;
QtMessageHandler g_previous = nullptr;

void watchHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_watch)
        g_watch->notice(message);
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

DeviceFailureWatch::DeviceFailureWatch()
{
    if (g_watch)
        return;
    g_watch = this;
    g_previous = qInstallMessageHandler(watchHandler);
}

DeviceFailureWatch::~DeviceFailureWatch()
{
    if (g_watch != this)
        return;
    qInstallMessageHandler(g_previous);
    g_watch = nullptr;
    g_previous = nullptr;
}

void DeviceFailureWatch::notice(const QString &message)
{
    if (!message.startsWith(QLatin1String("cmd Failed")))
        return;
    if (m_failures++ == 0)
        m_first = message;
}
