#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
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

    // Identity text of an executable path within the current logon session.
    static QString identityFor(const QString &executablePath);

private:
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    bool m_checked = false;
    bool m_running = false;
};
