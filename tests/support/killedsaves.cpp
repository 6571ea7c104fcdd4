#include "support/killedsaves.h"

#include <QDataStream>

KilledSaves::KilledSaves()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(WYX_KILLEDSAVES_HELPER), QStringList());
    m_process.waitForStarted();
}

KilledSaves::~KilledSaves()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(20000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString KilledSaves::run(const Save& save)
{
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << quint32(0) << save.path << save.text << qint32(save.step) << save.uid << save.group << save.anew
        << save.shortWriteBytes << save.userGroups;
    out.device()->seek(0);
    out << quint32(request.size() - 4);
    m_process.write(request);
    while (!m_process.canReadLine() && m_process.waitForReadyRead(20000)) {
    }
    const QString answer = QString::fromLatin1(m_process.readLine().trimmed());
    return answer.isEmpty() ? QStringLiteral("no answer") : answer;
}
