#include "app/single_instance.h"
#include "app/log_category.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

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

// A request is one short line; anything longer is no request of ours.
constexpr int MaxRequestLength = 300;
constexpr int MaxTokenLength = 256;

bool isTokenText(const QByteArray &token)
{
    if (token.size() > MaxTokenLength)
        return false;
    for (char c : token) {
        if (c < 0x21 || c > 0x7e)
            return false;
    }
    return true;
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
    // Only this user's later starts may ask for the window.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    if (!m_server.listen(m_id))
        qCDebug(lcApp) << "single instance: cannot listen on" << m_id << m_server.errorString();
    return false;
}

void SingleInstance::setShowRequestHandler(std::function<void(const QString &)> handler)
{
    m_showRequested = std::move(handler);
}

QByteArray SingleInstance::showRequest(const QString &activationToken)
{
    const QByteArray token = activationToken.toLatin1();
    if (token.isEmpty() || !isTokenText(token))
        return QByteArrayLiteral("show\n");
    return QByteArrayLiteral("show ") + token + '\n';
}

bool SingleInstance::parseShowRequest(const QByteArray &line, QString *activationToken)
{
    if (!line.endsWith('\n'))
        return false;
    const QByteArray text = line.chopped(1);
    QByteArray token;
    if (text != "show") {
        if (!text.startsWith("show "))
            return false;
        token = text.mid(5);
        if (token.isEmpty() || !isTokenText(token))
            return false;
    }
    if (activationToken)
        *activationToken = QString::fromLatin1(token);
    return true;
}

bool SingleInstance::askToShow(const QString &activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(m_id);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(showRequest(activationToken));
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(1000);
    return sent;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                // A peer that never ends its line is cut off before it fills the memory.
                if (socket->bytesAvailable() > MaxRequestLength)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(MaxRequestLength + 1);
            socket->disconnectFromServer();
            QString token;
            if (parseShowRequest(line, &token) && m_showRequested)
                m_showRequested(token);
            else
                qCDebug(lcApp) << "single instance: ignored a request of" << line.size() << "bytes";
        });
    }
}
