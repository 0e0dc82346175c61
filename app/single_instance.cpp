#include "app/single_instance.h"
#include "app/log_category.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

QString logonSession()
{
#ifdef Q_OS_WIN
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QString::number(session);
#else
    QString session = qEnvironmentVariable("XDG_SESSION_ID");
    if (session.isEmpty()) {
        QFile f(QStringLiteral("/proc/self/sessionid"));
        if (f.open(QIODevice::ReadOnly))
            session = QString::fromLatin1(f.readAll().trimmed());
    }
    return QString::number(getuid()) + QLatin1Char('-') + session;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &executablePath, QObject *parent)
    : QObject(parent), m_id(identityFor(executablePath))
{
}

SingleInstance::~SingleInstance()
{
    m_server.close();
    if (m_lock)
        m_lock->unlock();
}

QString SingleInstance::identityFor(const QString &executablePath)
{
    QString path = QFileInfo(executablePath).absoluteFilePath();
#ifdef Q_OS_WIN
    path = path.toLower();
#endif
    const QByteArray digest = QCryptographicHash::hash((path + QLatin1Char('|') + logonSession()).toUtf8(),
                                                       QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("skald-config-") + QString::fromLatin1(digest);
}

bool SingleInstance::isRunning()
{
    if (m_checked)
        return m_running;
    m_checked = true;

    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_id + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_running = true;
        return true;
    }
    // We hold the lock: a server name left behind by a crashed instance is ours to reuse.
    QLocalServer::removeServer(m_id);
    if (!m_server.listen(m_id))
        qCDebug(lcApp) << "single instance: cannot listen on" << m_id << m_server.errorString();
    return false;
}
