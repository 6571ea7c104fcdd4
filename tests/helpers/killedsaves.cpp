// Runs saves on request, each in a child of its own that ends just before a given operation
// of the save, as a kill would end it; run as root, the child takes the saving user's ids.
// This process stays small, so its forks stay cheap (tests/support/killedsaves.h).
// A request on the input: a 32-bit length, then (QDataStream) the path, the text, the step,
// the user and its second group, whether it starts anew, the short-write bytes and the
// users' groups; answered by a line: "killed" where the child ended at its step, "ended" where
// it ran to its end, else its wait status. Ends when the input closes.
#include "core/safesave.h"
#include "support/actingas.h"

#include <QDataStream>
#include <QtEndian>
#include <QMap>
#include <QVector>

#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The child's exit codes, apart from a sanitizer's.
enum { Killed = 10, Ended = 11 };

bool readFully(char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::read(0, data, size);
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

[[noreturn]] void saveUntilKilled(QDataStream& in)
{
    QString path;
    QByteArray text;
    qint32 step;
    uint uid, group;
    bool anew;
    qint64 shortWriteBytes;
    QMap<uint, QVector<uint>> userGroups;
    in >> path >> text >> step >> uid >> group >> anew >> shortWriteBytes >> userGroups;
    if (in.status() != QDataStream::Ok)
        ::_exit(3);
    ActingAs as(uid, uid, group);
    SafeSave::FaultScope faults;
    for (auto it = userGroups.cbegin(); it != userGroups.cend(); ++it)
        faults.setUserGroups(it.key(), std::vector<gid_t>(it.value().cbegin(), it.value().cend()));
    faults.setBusyWait(0);
    faults.runAt(step, [] { ::_exit(Killed); });
    faults.setShortWriteBytes(shortWriteBytes);
    const SafeSave::Result moved = anew ? moveToBackup(path) : SafeSave::Result();
    if (as.ok() && moved.ok())
        saveWithBackup(path, [&text](QIODevice& out) { return out.write(text) == text.size(); });
    ::_exit(Ended);
}

} // namespace

int main()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // One buffer for every request: this process allocates nothing more, so it stays small.
    QByteArray request;
    char header[4];
    while (readFully(header, sizeof header)) {
        const quint32 size = qFromBigEndian<quint32>(header); // as QDataStream wrote it
        request.resize(int(size));
        if (!readFully(request.data(), size))
            return 1;
        const pid_t child = ::fork();
        if (child == 0) {
            QDataStream in(request);
            saveUntilKilled(in);
        }
        int status = -1;
        if (child < 0 || ::waitpid(child, &status, 0) != child)
            status = -1;
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (code == Killed || code == Ended)
            std::printf("%s\n", code == Killed ? "killed" : "ended");
        else
            std::printf("status %d\n", status);
        std::fflush(stdout);
    }
    return 0;
}
