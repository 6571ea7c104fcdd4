#pragma once
// Only one instance runs per user: the first holds a shared-memory segment that only its
// user may read, holding the port of its listener and a random secret; a later start of
// the same user hands its file argument to the first over one local UDP datagram to that
// port, the secret in front of the path, and ends. The listener drops every datagram
// without the secret, so no other user can hand files in.
// The segment's key mixes in a random salt from a file only the user may read, beside the
// options, so no other user can work it out and take it first; the running instance puts a
// new salt there on its way out, as its key was in view of anyone listing the segments.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The shared-memory key: the fixed key plus the user id, unless WYX_INSTANCE_KEY is set.
QString instanceKey();
// The user's salt for the key, kept in the file WYX-instance.salt in the folder and made
// there on first use. Empty (the key is then used as it stands) when the file cannot be
// trusted: it must be a regular file, no symlink, of this user's, of mode 0600.
QByteArray instanceSalt(const QString& folder);
// Puts a new salt in the folder in place of the one there. True when it did.
bool renewInstanceSalt(const QString& folder);
// The key with the salt mixed in; the key itself without a salt.
QString saltedInstanceKey(const QString& key, const QByteArray& salt);
// The local UDP port of the running instance's listener: 7890 unless WYX_INSTANCE_PORT
// holds another port number.
quint16 instancePort();

// The argument a second start passes on: the last command-line argument when there is
// one besides the program path, unless it is empty or ends in ".exe". Null otherwise.
QString handOffArgument(const QStringList& args);

constexpr int handOverSecretSize = 32;
// A new secret from the system's random source.
QByteArray newHandOverSecret();
// A hand-over datagram: the secret, then the payload (the path in the local 8-bit encoding).
QByteArray handOverDatagram(const QByteArray& secret, const QByteArray& payload);
// True when the datagram begins with the secret (compared in constant time); the payload
// is then what follows it.
bool handOverPayload(const QByteArray& datagram, const QByteArray& secret, QByteArray* payload);

// Where the running instance takes hand-overs, as it publishes it in its segment.
struct HandOverEndpoint {
    quint16 port = 0;
    QByteArray secret;
    bool isValid() const { return port != 0 && secret.size() == handOverSecretSize; }
};
constexpr int publishedRecordSize = 40;
// The bytes of the segment, and back; an invalid endpoint for anything else.
QByteArray publishedRecord(const HandOverEndpoint& endpoint);
HandOverEndpoint parsePublishedRecord(const QByteArray& bytes);

// Sends handOffArgument(args), made absolute, with the endpoint's secret to 127.0.0.1 at
// its port. Nothing is awaited. Returns true when a datagram was sent. Nothing is sent to a
// port that a socket of another user holds.
bool handOffToRunningInstance(const QStringList& args, const HandOverEndpoint& endpoint);

// The user ids of the sockets bound to this local UDP port in a table in the form of
// Linux's /proc/net/udp (at most one per line of the table).
QVector<uint> udpPortOwners(const QByteArray& table, quint16 port);
// True when sockets of this user, and only such, hold the local UDP port, as the kernel's
// tables tell (Linux's /proc/net/udp and udp6). Without such tables: true.
bool udpPortOwnedByThisUser(quint16 port, const QStringList& tables = {QStringLiteral("/proc/net/udp"),
                                                                     QStringLiteral("/proc/net/udp6")});

class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString& key);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when this process is the first instance of its user and now holds a segment.
    // A segment of this user left behind by a crashed instance is cleared first. A segment
    // of another user under the key (or one this user cannot read) is no instance of ours:
    // the next of a few keys derived from the key is tried, the same way by every start.
    // An error other than "an instance of ours runs" lets the program start rather than
    // vanish silently.
    bool acquire();
    // The first instance publishes its listener's port and secret here ...
    void publish(const HandOverEndpoint& endpoint);
    // ... and a later start of the same user reads them (invalid: none published).
    static HandOverEndpoint published(const QString& key);
    // The same, waiting up to timeoutMs for it: the first instance takes its segment at once
    // but publishes only once its window, and the listener in it, are made.
    static HandOverEndpoint awaitPublished(const QString& key, int timeoutMs);

    // The system key of the segment in a slot; a test and its other user reach it so.
    static int segmentKey(const QString& key, int slot);
    enum { Slots = 8 };

private:
    QString m_key;
#ifdef Q_OS_UNIX
    int m_id = -1;
    void* m_data = nullptr;
#else
    class QSharedMemory* m_memory = nullptr;
#endif
};
