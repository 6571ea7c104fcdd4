// Times a save of a document with its backup, on the path that renames a new file into place
// and on the one that writes over another user's document (run as root, which then acts as
// a member of the document's group), for a small and a large document.
#include "benchsupport.h"
#include "core/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The median of some runs, in milliseconds.
double medianMs(int rounds, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i)
        ms.push_back(bestMs(1, work));
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    reportUnexpectedPrompts();
    // On the disk, not a memory file system: a save's cost is mostly its syncs.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-save-XXXXXX"));
    const bool root = ::geteuid() == 0;
    const uid_t owner = 64331, member = 64332;
    const gid_t group = 64330;
    if (root) {
        ::chown(QFile::encodeName(dir.path()).constData(), 0, group);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0770);
    }
    std::printf("%-10s %-9s %10s %10s\n", "path", "size", "median ms", "best ms");
    for (const bool inPlace : {false, true}) {
        if (inPlace && !root) {
            std::printf("in place: needs root to act as another user, left out\n");
            continue;
        }
        for (const int size : {64 * 1024, 10 * 1024 * 1024}) {
            const QString doc = dir.filePath(QStringLiteral("doc%1%2.ewl").arg(int(inPlace)).arg(size));
            const QByteArray bytes(size, 'x');
            writeFile(doc, bytes);
            if (inPlace) {
                ::chown(QFile::encodeName(doc).constData(), owner, group);
                ::chmod(QFile::encodeName(doc).constData(), 0660);
                const gid_t groups[] = {group};
                if (::setgroups(1, groups) != 0 || ::setresgid(member, member, 0) != 0
                    || ::setresuid(member, member, 0) != 0)
                    return 1;
            }
            bool ok = true;
            const auto save = [&] {
                ok = saveWithBackup(doc, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); }) && ok;
            };
            const int rounds = size > 1024 * 1024 ? 15 : 60;
            const double median = medianMs(rounds, save);
            const double best = bestMs(rounds, save);
            if (inPlace) {
                ::setresuid(0, 0, 0);
                ::setresgid(0, 0, 0);
            }
            std::printf("%-10s %-9s %10.1f %10.1f%s\n", inPlace ? "in place" : "rename",
                        size > 1024 * 1024 ? "10 MB" : "64 KB", median, best, ok ? "" : "  (a save failed)");
        }
    }
    return 0;
}
