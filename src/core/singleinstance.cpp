#include "core/singleinstance.h"

#include "core/helpers.h"
#include "core/safesave.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QThread>
#include <QUdpSocket>
#include <QtEndian>
#include <QtGlobal>

#include <atomic>
#include <cstring>
#include <ctime>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSharedMemory>
#endif

namespace {

const char fixedKey[] = "XX_QUELTA_WYX_RUNNING_SEMAFOR_XX";
constexpr quint16 fixedPort = 7890;
const char recordMagic[4] = {'W', 'Y', 'X', '1'};
// The segment: the magic, the port (little-endian), the secret, two spare bytes.
constexpr int portOffset = 4;
constexpr int secretOffset = 6;
static_assert(secretOffset + handOverSecretSize <= publishedRecordSize, "record layout");
// The kernel's socket tables are read up to this size (a line per socket, ~150 bytes).
constexpr qint64 maxSocketTableBytes = 16 * 1024 * 1024;

QString userId()
{
#ifdef Q_OS_UNIX
    return QString::number(getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

#ifdef Q_OS_UNIX

constexpr int saltSize = 32;
const char saltFileName[] = "WYX-instance.salt";

QByteArray saltPath(const QString& folder)
{
    return QFile::encodeName(folder + QLatin1Char('/') + QLatin1String(saltFileName));
}

// The salt in the file, or empty unless it is a regular file of this user's that only they
// may read and write, of the salt's size. *missing tells that there is no file at all.
QByteArray readSalt(const QByteArray& path, bool* missing)
{
    // No symlink is followed, and a FIFO put there does not keep the start waiting.
    const int fd = open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    *missing = fd < 0 && errno == ENOENT;
    if (fd < 0)
        return QByteArray();
    struct stat st {};
    char salt[saltSize];
    const bool trusted = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == getuid()
                         && (st.st_mode & 07777) == 0600 && st.st_size == saltSize
                         && read(fd, salt, saltSize) == saltSize;
    close(fd);
    return trusted ? QByteArray(salt, saltSize) : QByteArray();
}

// A new salt in a new file of its own (mkstemp: O_CREAT | O_EXCL, mode 0600) in the folder;
// the file's path, empty when it could not be written whole.
QByteArray newSaltFile(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QByteArray();
    QByteArray path = saltPath(folder) + ".XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        return QByteArray();
    quint32 salt[saltSize / sizeof(quint32)];
    QRandomGenerator::system()->fillRange(salt);
    const bool written = fchmod(fd, 0600) == 0 && write(fd, salt, saltSize) == saltSize;
    if (close(fd) != 0 || !written) {
        unlink(path.constData());
        return QByteArray();
    }
    return path;
}

#endif

} // namespace

QByteArray instanceSalt(const QString& folder)
{
#ifdef Q_OS_UNIX
    if (folder.isEmpty())
        return QByteArray();
    const QByteArray path = saltPath(folder);
    bool missing = false;
    const QByteArray salt = readSalt(path, &missing);
    if (!missing)
        return salt;
    const QByteArray made = newSaltFile(folder);
    if (made.isEmpty())
        return QByteArray();
    // link() puts the whole file in place only where there is none: racing starts all read
    // the one that came first.
    link(made.constData(), path.constData());
    unlink(made.constData());
    return readSalt(path, &missing);
#else
    Q_UNUSED(folder)
    return QByteArray(); // sessions keep users' keys apart
#endif
}

bool renewInstanceSalt(const QString& folder)
{
#ifdef Q_OS_UNIX
    const QByteArray made = newSaltFile(folder);
    if (made.isEmpty())
        return false;
    if (std::rename(made.constData(), saltPath(folder).constData()) == 0)
        return true;
    unlink(made.constData());
    return false;
#else
    Q_UNUSED(folder)
    return false;
#endif
}

QString saltedInstanceKey(const QString& key, const QByteArray& salt)
{
    return salt.isEmpty() ? key : key + QLatin1Char('#') + QString::fromLatin1(salt.toHex());
}

QString instanceKey()
{
    const QString custom = qEnvironmentVariable("WYX_INSTANCE_KEY");
    if (!custom.isEmpty())
        return custom;
    // Unix segments are machine-wide; the user id keeps users apart as sessions do on Windows.
    return QLatin1String(fixedKey) + QLatin1Char('_') + userId();
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

QByteArray newHandOverSecret()
{
    QByteArray secret(handOverSecretSize, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(secret.data()),
                                          handOverSecretSize / int(sizeof(quint32)));
    return secret;
}

QByteArray handOverDatagram(const QByteArray& secret, const QByteArray& payload)
{
    return secret + payload;
}

bool handOverPayload(const QByteArray& datagram, const QByteArray& secret, QByteArray* payload)
{
    if (secret.size() != handOverSecretSize || datagram.size() < handOverSecretSize)
        return false;
    // Every byte is compared, so the time taken tells a sender nothing about the secret.
    unsigned char difference = 0;
    for (int i = 0; i < handOverSecretSize; ++i)
        difference |= static_cast<unsigned char>(datagram.at(i) ^ secret.at(i));
    if (difference != 0)
        return false;
    if (payload)
        *payload = datagram.mid(handOverSecretSize);
    return true;
}

QByteArray publishedRecord(const HandOverEndpoint& endpoint)
{
    QByteArray bytes(publishedRecordSize, '\0');
    if (!endpoint.isValid())
        return bytes;
    std::memcpy(bytes.data(), recordMagic, sizeof recordMagic);
    qToLittleEndian<quint16>(endpoint.port, bytes.data() + portOffset);
    std::memcpy(bytes.data() + secretOffset, endpoint.secret.constData(), handOverSecretSize);
    return bytes;
}

HandOverEndpoint parsePublishedRecord(const QByteArray& bytes)
{
    HandOverEndpoint endpoint;
    if (bytes.size() < publishedRecordSize || std::memcmp(bytes.constData(), recordMagic, sizeof recordMagic) != 0)
        return endpoint;
    endpoint.port = qFromLittleEndian<quint16>(bytes.constData() + portOffset);
    endpoint.secret = bytes.mid(secretOffset, handOverSecretSize);
    if (!endpoint.isValid())
        return HandOverEndpoint();
    return endpoint;
}

QVector<uint> udpPortOwners(const QByteArray& table, quint16 port)
{
    // "sl local_address rem_address st tx_queue:rx_queue tr:tm->when retrnsmt uid ..."
    // with the local address as hexadecimal address, ':', four hexadecimal digits of port.
    QVector<uint> owners;
    const QByteArray wanted = QByteArray::number(port, 16).rightJustified(4, '0').toUpper();
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 8)
            continue;
        const QByteArray& local = fields.at(1);
        const int colon = local.lastIndexOf(':');
        if (colon < 0 || local.mid(colon + 1).toUpper() != wanted)
            continue;
        bool ok = false;
        const uint uid = fields.at(7).toUInt(&ok);
        if (ok)
            owners.append(uid);
    }
    return owners;
}

bool udpPortOwnedByThisUser(quint16 port, const QStringList& tables)
{
#ifdef Q_OS_UNIX
    bool anyTable = false;
    QVector<uint> owners;
    for (const QString& name : tables) {
        QFile table(name);
        if (!openRegularFile(table).isEmpty())
            continue;
        anyTable = true;
        // read(), not atEnd(): the kernel's tables report a size of 0.
        owners += udpPortOwners(table.read(maxSocketTableBytes), port);
    }
    if (!anyTable)
        return true; // no table to ask (not Linux)
    if (owners.isEmpty())
        return false;
    for (uint uid : owners) {
        if (uid != uint(getuid()))
            return false;
    }
    return true;
#else
    Q_UNUSED(port)
    Q_UNUSED(tables)
    return true; // sessions keep users apart
#endif
}

bool handOffToRunningInstance(const QStringList& args, const HandOverEndpoint& endpoint)
{
    const QString arg = handOffArgument(args);
    if (arg.isNull() || !endpoint.isValid() || !udpPortOwnedByThisUser(endpoint.port))
        return false;
    // The running instance has another working directory: send the path absolute.
    QUdpSocket socket;
    const QByteArray bytes = handOverDatagram(endpoint.secret, absolutePathOf(arg).toLocal8Bit());
    return socket.writeDatagram(bytes, QHostAddress(QHostAddress::LocalHost), endpoint.port) == bytes.size();
}

HandOverEndpoint SingleInstanceGuard::awaitPublished(const QString& key, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const HandOverEndpoint endpoint = published(key);
        if (endpoint.isValid() || waited.hasExpired(timeoutMs))
            return endpoint;
        QThread::msleep(20);
    }
}

int SingleInstanceGuard::segmentKey(const QString& key, int slot)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8() + '#' + QByteArray::number(slot),
                                                     QCryptographicHash::Sha256);
    const int value = int(qFromLittleEndian<quint32>(hash.constData()) & 0x7fffffffu);
    return value == 0 ? 1 : value; // 0 would be IPC_PRIVATE
}

SingleInstanceGuard::SingleInstanceGuard(const QString& key) : m_key(key) {}

#ifdef Q_OS_UNIX

namespace {

enum class SegmentState { Gone, Foreign, OwnLive, OwnStale };

// What the segment under a system key is to this user. Only a segment this user created,
// owns and alone may read is ours; another user's (readable or not) is foreign.
SegmentState inspectSegment(int key, int* id)
{
    *id = shmget(key_t(key), 0, 0);
    if (*id < 0)
        return errno == ENOENT ? SegmentState::Gone : SegmentState::Foreign;
    shmid_ds ds{};
    if (shmctl(*id, IPC_STAT, &ds) < 0)
        return errno == EIDRM || errno == EINVAL ? SegmentState::Gone : SegmentState::Foreign;
    const uid_t me = getuid();
    if (ds.shm_perm.cuid != me || ds.shm_perm.uid != me || (ds.shm_perm.mode & 0077) != 0
        || ds.shm_segsz < size_t(publishedRecordSize))
        return SegmentState::Foreign;
    // A live instance stays attached. Its creator attaches right after creating it: a
    // segment nobody attaches whose creator is gone, or that was made seconds ago, was
    // left by a crash.
    const bool creatorGone = kill(ds.shm_cpid, 0) < 0 && errno == ESRCH;
    if (ds.shm_nattch == 0 && (creatorGone || std::time(nullptr) - ds.shm_ctime > 5))
        return SegmentState::OwnStale;
    return SegmentState::OwnLive;
}

} // namespace

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (m_data)
        shmdt(m_data);
    if (m_id >= 0)
        shmctl(m_id, IPC_RMID, nullptr);
}

bool SingleInstanceGuard::acquire()
{
    // An instance of ours may sit in a later slot: one that was taken by another user when
    // it started, and has since been freed.
    for (int slot = 0; slot < Slots; ++slot) {
        int id = -1;
        if (inspectSegment(segmentKey(m_key, slot), &id) == SegmentState::OwnLive)
            return false;
    }
    for (int slot = 0; slot < Slots; ++slot) {
        const int key = segmentKey(m_key, slot);
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int id = shmget(key_t(key), publishedRecordSize, IPC_CREAT | IPC_EXCL | 0600);
            if (id >= 0) {
                void* data = shmat(id, nullptr, 0);
                if (data == reinterpret_cast<void*>(-1)) {
                    shmctl(id, IPC_RMID, nullptr);
                    return true;
                }
                m_id = id;
                m_data = data;
                return true;
            }
            if (errno != EEXIST)
                return true; // no segment to be had: start without the guard
            int existing = -1;
            switch (inspectSegment(key, &existing)) {
            case SegmentState::OwnLive:
                return false;
            case SegmentState::OwnStale:
                shmctl(existing, IPC_RMID, nullptr);
                continue;
            case SegmentState::Gone:
                continue;
            case SegmentState::Foreign:
                attempt = 3; // never ours: the next slot
                break;
            }
        }
    }
    return true; // every slot taken by others: start without the guard
}

void SingleInstanceGuard::publish(const HandOverEndpoint& endpoint)
{
    if (!m_data)
        return;
    // The magic goes last: a start reading meanwhile sees no record rather than half of one.
    const QByteArray record = publishedRecord(endpoint);
    auto* out = static_cast<char*>(m_data);
    std::memcpy(out + sizeof recordMagic, record.constData() + sizeof recordMagic,
                size_t(publishedRecordSize) - sizeof recordMagic);
    std::atomic_thread_fence(std::memory_order_release);
    std::memcpy(out, record.constData(), sizeof recordMagic);
}

HandOverEndpoint SingleInstanceGuard::published(const QString& key)
{
    for (int slot = 0; slot < Slots; ++slot) {
        int id = -1;
        if (inspectSegment(segmentKey(key, slot), &id) != SegmentState::OwnLive)
            continue;
        void* data = shmat(id, nullptr, SHM_RDONLY);
        if (data == reinterpret_cast<void*>(-1))
            return HandOverEndpoint();
        QByteArray bytes(publishedRecordSize, '\0');
        std::memcpy(bytes.data(), data, size_t(publishedRecordSize));
        shmdt(data);
        return parsePublishedRecord(bytes);
    }
    return HandOverEndpoint();
}

#else

SingleInstanceGuard::~SingleInstanceGuard()
{
    delete m_memory;
}

bool SingleInstanceGuard::acquire()
{
    // Sessions keep users apart here, and a segment goes with its last process.
    m_memory = new QSharedMemory(m_key);
    if (m_memory->create(publishedRecordSize, QSharedMemory::ReadWrite)) {
        std::memset(m_memory->data(), 0, size_t(publishedRecordSize));
        return true;
    }
    return m_memory->error() != QSharedMemory::AlreadyExists;
}

void SingleInstanceGuard::publish(const HandOverEndpoint& endpoint)
{
    if (!m_memory || !m_memory->isAttached() || !m_memory->lock())
        return;
    const QByteArray record = publishedRecord(endpoint);
    std::memcpy(m_memory->data(), record.constData(), size_t(publishedRecordSize));
    m_memory->unlock();
}

HandOverEndpoint SingleInstanceGuard::published(const QString& key)
{
    QSharedMemory memory(key);
    if (!memory.attach(QSharedMemory::ReadOnly))
        return HandOverEndpoint();
    QByteArray bytes;
    if (memory.size() >= publishedRecordSize && memory.lock()) {
        bytes = QByteArray(static_cast<const char*>(memory.constData()), publishedRecordSize);
        memory.unlock();
    }
    memory.detach();
    return parsePublishedRecord(bytes);
}

#endif
