#pragma once
// Runs the test helper (tests/helpers/otheruser.cpp) as another local user: an unused user
// id, reached through setpriv, which needs root. Where that cannot be done, unavailable()
// says why, for the test to skip.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class OtherUser
{
public:
    OtherUser();
    QString unavailable() const { return m_why; }
    // Its user id, also its only group.
    uint uid() const { return m_uid; }
    // Runs a helper command to its end; its output, or "<failed>".
    QByteArray run(const QStringList& args);
    // Starts a command that holds what it made until its input closes; true once it is ready.
    bool start(QProcess& process, const QStringList& args);

private:
    QStringList command(const QStringList& args) const;
    QTemporaryDir m_dir;
    QString m_helper;
    QString m_setpriv;
    uint m_uid = 54321;
    QString m_why;
};
