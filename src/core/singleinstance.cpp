#include "core/singleinstance.h"

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QUdpSocket>
#include <QtGlobal>

#include <cstring>

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

bool udpPortOwnedByThisUser(quint16 port, const QString& netUdpTable)
{
#ifdef Q_OS_UNIX
    QFile table(netUdpTable);
    if (!table.open(QIODevice::ReadOnly))
        return true; // no table to ask (not Linux)
    const QString wanted = QStringLiteral(":%1").arg(port, 4, 16, QLatin1Char('0')).toUpper();
    // "sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid ..."
    // readAll: the kernel's tables report a size of 0, so atEnd() would hold at once.
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 8 || !fields.at(1).toUpper().endsWith(wanted.toLatin1()))
            continue;
        bool ok = false;
        const uint uid = fields.at(7).toUInt(&ok);
        if (ok && uid == uint(getuid()))
            return true;
    }
    return false;
#else
    Q_UNUSED(port)
    Q_UNUSED(netUdpTable)
    return true; // sessions keep users apart
#endif
}

bool handOffToRunningInstance(const QStringList& args, quint16 port)
{
    const QString arg = handOffArgument(args);
    if (arg.isNull() || port == 0 || !udpPortOwnedByThisUser(port))
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
    if (m_memory.create(sizeof(quint16), QSharedMemory::ReadWrite)) {
        publishPort(0);
        return true;
    }
    return m_memory.error() != QSharedMemory::AlreadyExists;
}

void SingleInstanceGuard::publishPort(quint16 port)
{
    if (!m_memory.isAttached() || m_memory.size() < int(sizeof port) || !m_memory.lock())
        return;
    std::memcpy(m_memory.data(), &port, sizeof port);
    m_memory.unlock();
}

quint16 SingleInstanceGuard::publishedPort(const QString& key)
{
    QSharedMemory memory(key);
    quint16 port = 0;
    if (!memory.attach(QSharedMemory::ReadOnly))
        return 0;
    if (memory.size() >= int(sizeof port) && memory.lock()) {
        std::memcpy(&port, memory.constData(), sizeof port);
        memory.unlock();
    }
    memory.detach();
    return port;
}
