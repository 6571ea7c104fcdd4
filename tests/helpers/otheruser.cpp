// What another local user can try against a user's program; the tests run it under an
// unused user id. Prints what it found and exits 0 when it could do what it was told.
//   squat <key> <port> [<slots>]
//                       : make segments under the key's first two slots, or as many as
//                         given (every other one readable by all, announcing the port), and
//                         one the way Qt keys it; print "ready" and hold them until the
//                         input closes
//   read <key>          : print what the segments under the key hold, "denied" when nothing
//   send <port> <path>  : send the path to the port, bare and behind a guessed secret
//   id                  : print the user id
//   save <path> <text>  : save the text as a document (with its backup); print why not
#include "core/safesave.h"
#include "core/singleinstance.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSharedMemory>
#include <QUdpSocket>
#include <QVector>

#include <cstdio>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

// Holds the segments until its input closes, then removes them.
int squat(const QString& key, quint16 port, int count)
{
    const int modes[] = {0600, 0666};
    QVector<int> ids;
    for (int slot = 0; slot < count; ++slot) {
        const int id = shmget(key_t(SingleInstanceGuard::segmentKey(key, slot)), publishedRecordSize,
                              IPC_CREAT | IPC_EXCL | modes[slot % 2]);
        if (id < 0)
            return 1;
        ids.append(id);
        void* data = shmat(id, nullptr, 0);
        if (data == reinterpret_cast<void*>(-1))
            return 1;
        const QByteArray record = publishedRecord({port, QByteArray(handOverSecretSize, 'S')});
        memcpy(data, record.constData(), size_t(record.size()));
    }
    QSharedMemory qtKeyed(key);
    if (!qtKeyed.create(1))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    for (int id : ids)
        shmctl(id, IPC_RMID, nullptr);
    return 0;
}

int read(const QString& key)
{
    bool any = false;
    for (int slot = 0; slot < SingleInstanceGuard::Slots; ++slot) {
        const int id = shmget(key_t(SingleInstanceGuard::segmentKey(key, slot)), 0, 0);
        if (id < 0)
            continue;
        void* data = shmat(id, nullptr, SHM_RDONLY);
        if (data == reinterpret_cast<void*>(-1))
            continue;
        any = true;
        std::printf("%s\n", QByteArray(static_cast<const char*>(data), publishedRecordSize).toHex().constData());
        shmdt(data);
    }
    if (!any)
        std::printf("denied\n");
    return 0;
}

int send(quint16 port, const QString& path)
{
    QUdpSocket socket;
    const QByteArray bytes = path.toLocal8Bit();
    const bool bare = socket.writeDatagram(bytes, QHostAddress(QHostAddress::LocalHost), port) == bytes.size();
    const QByteArray guessed = handOverDatagram(QByteArray(handOverSecretSize, '\0'), bytes);
    const bool behind = socket.writeDatagram(guessed, QHostAddress(QHostAddress::LocalHost), port) == guessed.size();
    return bare && behind ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("id")) {
        std::printf("%u\n", unsigned(getuid()));
        return 0;
    }
    if (command == QLatin1String("squat") && (args.size() == 3 || args.size() == 4))
        return squat(args.at(1), quint16(args.at(2).toUInt()), args.size() == 4 ? args.at(3).toInt() : 2);
    if (command == QLatin1String("read") && args.size() == 2)
        return read(args.at(1));
    if (command == QLatin1String("save") && args.size() == 3) {
        const QByteArray text = args.at(2).toUtf8();
        SafeSave::Result result;
        if (saveWithBackup(args.at(1), [&text](QIODevice& out) { return out.write(text) == text.size(); }, &result))
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(result.errorString));
        return 1;
    }
    if (command == QLatin1String("send") && args.size() == 3)
        return send(quint16(args.at(1).toUInt()), args.at(2));
    return 2;
}
