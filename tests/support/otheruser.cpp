#include "support/otheruser.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

SharedTempDir::SharedTempDir(bool readable)
    : m_dir(QStringLiteral("/tmp/wyx-shared-XXXXXX"))
{
    m_valid = m_dir.isValid()
              && ::chmod(QFile::encodeName(m_dir.path()).constData(), readable ? 0755 : 0711) == 0;
}

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
    m_helper = m_dir.filePath(QStringLiteral("otheruser"));
    const QByteArray own = QFile::encodeName(folder());
    if (!m_dir.isValid() || !QFile::copy(QStringLiteral(WYX_OTHERUSER_HELPER), m_helper)
        || ::chmod(QFile::encodeName(m_helper).constData(), 0755) != 0 || ::mkdir(own.constData(), 0700) != 0
        || ::chown(own.constData(), m_uid, m_uid) != 0) {
        m_why = QStringLiteral("the helper cannot be put where another user may run it");
        return;
    }
    const QByteArray id = run({QStringLiteral("id")}).trimmed();
    if (id != QByteArray::number(m_uid))
        m_why = QStringLiteral("setpriv cannot run the helper as user %1 here (%2)")
                    .arg(m_uid)
                    .arg(QString::fromLocal8Bit(id));
}

void OtherUser::prepare(QProcess& process, const QStringList& args) const
{
    // Its temporary files go to its own folder, not to this process's TMPDIR.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), folder());
    environment.insert(QStringLiteral("HOME"), folder());
    process.setProcessEnvironment(environment);
    const QString uid = QString::number(m_uid);
    process.setProgram(m_setpriv);
    process.setArguments(QStringList{QStringLiteral("--reuid=") + uid, QStringLiteral("--regid=") + uid,
                                     QStringLiteral("--clear-groups"), m_helper}
                         + args);
}

QByteArray OtherUser::run(const QStringList& args)
{
    QProcess p;
    prepare(p, args);
    p.start();
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished();
        return "<failed> " + p.readAllStandardError();
    }
    return p.readAllStandardOutput();
}

bool OtherUser::start(QProcess& process, const QStringList& args)
{
    prepare(process, args);
    process.start();
    while (process.waitForReadyRead(20000)) {
        if (process.readAll().contains("ready"))
            return true;
    }
    return false;
}
