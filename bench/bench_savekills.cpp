// Saves of a document by its owner and a member of its group, in turn, in a sticky folder,
// each ended by a kill at a random moment (within the microseconds given, 3000 by default):
// how many names the folder holds at most and on average, the document and its backup
// among them. Needs root, to act as the two users.
//     bench_savekills [rounds] [microseconds]
#include "benchsupport.h"
#include "core/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    reportUnexpectedPrompts();
    if (::geteuid() != 0) {
        std::printf("needs root to act as two users, left out\n");
        return 0;
    }
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/killpeak-XXXXXX"));
    const gid_t group = 64330;
    ::chown(QFile::encodeName(dir.path()).constData(), 0, group);
    ::chmod(QFile::encodeName(dir.path()).constData(), 01777);
    const QString doc = dir.filePath("doc.ewl");
    {
        QFile f(doc);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(200 * 1024, 'x'));
    }
    ::chown(QFile::encodeName(doc).constData(), 64331, group);
    ::chmod(QFile::encodeName(doc).constData(), 0660);
    int peak = 0, rounds = argc > 1 ? atoi(argv[1]) : 400;
    const int maxUs = argc > 2 ? atoi(argv[2]) : 3000;
    int sum = 0;
    for (int i = 0; i < rounds; ++i) {
        const uid_t who = (i % 2) ? 64331 : 64332;
        const pid_t child = ::fork();
        if (child == 0) {
            const gid_t groups[] = {group};
            ::setgroups(1, groups);
            ::setresgid(who, who, who);
            ::setresuid(who, who, who);
            static SafeSave::FaultScope faults; // only to tell the groups of users the system does not know
            faults.setUserGroups(64331, {64331, group});
            faults.setUserGroups(64332, {64332, group});
            struct itimerval t = {};
            t.it_value.tv_usec = 1 + QRandomGenerator::global()->bounded(maxUs);
            ::setitimer(ITIMER_REAL, &t, nullptr);
            const QByteArray bytes(200 * 1024, char('a' + i % 26));
            saveWithBackup(doc, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); });
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        const int names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size();
        peak = std::max(peak, names);
        sum += names;
    }
    std::printf("rounds %d, kills within %d us: peak names beside and with the document %d, mean %.1f\n", rounds,
                maxUs, peak, double(sum) / rounds);
    std::printf("%s\n", qPrintable(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).join(' ')));
    return 0;
}
