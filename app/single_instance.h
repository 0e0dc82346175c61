#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

// Makes the process the one running instance of its executable within the logon session.
// The identity is the executable's full path plus the session: copies in other folders, or
// the same copy in another session, are other instances.
class SingleInstance : public QObject
{
public:
    explicit SingleInstance(const QString &executablePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another instance already holds the identity. Asked once, before anything else
    // of the program is built.
    bool isRunning();

    QString id() const { return m_id; }

    // The running instance: `handler` is called when a later start asks for the window, with
    // the activation token the later start was given by its launcher (empty when none).
    void setShowRequestHandler(std::function<void(const QString &activationToken)> handler);

    // A later start: asks the running instance to bring its window to the front. False when
    // it could not be reached.
    bool askToShow(const QString &activationToken);

    // The request line a later start sends, and the token read back from one; false for a line
    // that is no such request.
    static QByteArray showRequest(const QString &activationToken);
    static bool parseShowRequest(const QByteArray &line, QString *activationToken);

    // Identity text of an executable path within the current logon session.
    static QString identityFor(const QString &executablePath);

private:
    void acceptConnections();

    QString m_id;
    std::function<void(const QString &)> m_showRequested;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    bool m_checked = false;
    bool m_running = false;
};
