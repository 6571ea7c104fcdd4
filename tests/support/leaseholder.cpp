#include "support/leaseholder.h"

LeaseHolder::LeaseHolder(const QString& path, Kind kind)
{
    m_process.start(QStringLiteral(WYX_LEASEHOLDER_HELPER),
                    {path, kind == Read ? QStringLiteral("read") : QStringLiteral("write")});
    while (!m_process.canReadLine() && m_process.waitForReadyRead(20000)) {
    }
    if (!m_process.canReadLine()) {
        m_why = QStringLiteral("the lease holder does not answer");
        return;
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (line != "held")
        m_why = QString::fromLocal8Bit(line);
}

LeaseHolder::~LeaseHolder()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

bool LeaseHolder::givenUp()
{
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(5000);
    return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
           && m_process.exitCode() == 0;
}
