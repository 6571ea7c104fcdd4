#include "core/singleinstance.h"

#include <QHostAddress>
#include <QFileInfo>
#include <QUdpSocket>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

const char fixedKey[] = "XX_QUELTA_WYX_RUNNING_SEMAFOR_XX";
constexpr quint16 fixedPort = 7890;

QString userName()
{
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

QString instanceKey()
{
    const QString custom = qEnvironmentVariable("WYX_INSTANCE_KEY");
    if (!custom.isEmpty())
        return custom;
    // Unix segments are machine-wide; the user name keeps users apart as sessions do on Windows.
    return QLatin1String(fixedKey) + QLatin1Char('_') + userName();
}

quint16 instancePort()
{
    bool ok = false;
    const uint port = qEnvironmentVariable("WYX_INSTANCE_PORT").toUInt(&ok);
    return ok && port > 0 && port <= 65535 ? quint16(port) : fixedPort;
}

QString handOffArgument(const QStringList& args)
{
    // The first argument is the program path, whatever its suffix on this platform.
    if (args.size() < 2)
        return QString();
    const QString last = args.last();
    if (last.isEmpty() || last.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return QString();
    return last;
}

bool handOffToRunningInstance(const QStringList& args, quint16 port)
{
    const QString arg = handOffArgument(args);
    if (arg.isNull())
        return false;
    // The running instance has another working directory: send the path absolute.
    QUdpSocket socket;
    const QByteArray bytes = QFileInfo(arg).absoluteFilePath().toLocal8Bit();
    return socket.writeDatagram(bytes, QHostAddress(QHostAddress::LocalHost), port) == bytes.size();
}

SingleInstanceGuard::SingleInstanceGuard(const QString& key) : m_memory(key) {}

bool SingleInstanceGuard::acquire()
{
#ifdef Q_OS_UNIX
    // Detaching the last user removes the segment: that clears one left by a crash,
    // while a live instance stays attached and keeps its segment.
    if (m_memory.attach())
        m_memory.detach();
#endif
    if (m_memory.create(1, QSharedMemory::ReadWrite))
        return true;
    return m_memory.error() != QSharedMemory::AlreadyExists;
}
