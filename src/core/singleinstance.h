#pragma once
// Only one instance runs per user: the first holds a shared-memory key (only its user may
// read it) with the port of its listener; a later start hands its file argument to the
// first over one local UDP datagram to that port and ends.
#include <QSharedMemory>
#include <QString>
#include <QStringList>

// The shared-memory key: the fixed key plus the user name, unless WYX_INSTANCE_KEY is set.
QString instanceKey();
// The local UDP port of the running instance's listener: 7890 unless WYX_INSTANCE_PORT
// holds another port number.
quint16 instancePort();

// The argument a second start passes on: the last command-line argument when there is
// one besides the program path, unless it is empty or ends in ".exe". Null otherwise.
QString handOffArgument(const QStringList& args);
// Sends handOffArgument(args) in the local 8-bit encoding to 127.0.0.1:port. Nothing is
// awaited. Returns true when a datagram was sent. Nothing is sent to a port that a program
// of another user holds: a file is never handed to another user's program.
bool handOffToRunningInstance(const QStringList& args, quint16 port);

// True when the local UDP port is held by a socket of this user, as the kernel's socket
// table (netUdpTable, Linux's /proc/net/udp) tells. Without such a table: true.
bool udpPortOwnedByThisUser(quint16 port, const QString& netUdpTable = QStringLiteral("/proc/net/udp"));

class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString& key);
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when this process is the first instance and now holds the key. A segment
    // left behind by a crashed instance is cleared first; an error other than "the key
    // exists" lets the program start rather than vanish silently.
    bool acquire();
    // Each user's instance listens on its own port: the preferred one, or any free one when
    // another user's program holds that. The first instance publishes it here ...
    void publishPort(quint16 port);
    // ... and a later start of the same user reads it (0: none published).
    static quint16 publishedPort(const QString& key);

private:
    QSharedMemory m_memory;
};
