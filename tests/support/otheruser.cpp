#include "support/otheruser.h"

#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

OtherUser::OtherUser()
{
    if (getuid() != 0) {
        m_why = QStringLiteral("running as another user needs root");
        return;
    }
    m_setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (m_setpriv.isEmpty()) {
        m_why = QStringLiteral("setpriv is not installed");
        return;
    }
    while (getpwuid(m_uid)) // an id no account uses
        ++m_uid;
    // The build tree may be out of the other user's reach: the helper goes where it is not.
    const QFile::Permissions open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    m_helper = m_dir.filePath(QStringLiteral("otheruser"));
    if (!QFile::copy(QStringLiteral(WYX_OTHERUSER_HELPER), m_helper) || !QFile::setPermissions(m_helper, open)
        || !QFile::setPermissions(m_dir.path(), open)) {
        m_why = QStringLiteral("the helper cannot be put where another user may run it");
        return;
    }
    const QByteArray id = run({QStringLiteral("id")}).trimmed();
    if (id != QByteArray::number(m_uid))
        m_why = QStringLiteral("setpriv cannot run the helper as user %1 here (%2)")
                    .arg(m_uid)
                    .arg(QString::fromLocal8Bit(id));
}

QStringList OtherUser::command(const QStringList& args) const
{
    const QString uid = QString::number(m_uid);
    return QStringList{QStringLiteral("--reuid=") + uid, QStringLiteral("--regid=") + uid,
                       QStringLiteral("--clear-groups"), m_helper}
           + args;
}

QByteArray OtherUser::run(const QStringList& args)
{
    QProcess p;
    p.start(m_setpriv, command(args));
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished();
        return "<failed> " + p.readAllStandardError();
    }
    return p.readAllStandardOutput();
}

bool OtherUser::start(QProcess& process, const QStringList& args)
{
    process.start(m_setpriv, command(args));
    while (process.waitForReadyRead(20000)) {
        if (process.readAll().contains("ready"))
            return true;
    }
    return false;
}
