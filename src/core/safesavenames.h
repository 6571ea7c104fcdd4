#pragma once
// The folder a save works in and the names it uses there: temporaries, "<file>.bak.tmp" and
// "<file>.bak".
#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <sys/types.h>

namespace SafeSave {

// A folder opened once: every later step of a save names files in it (openat, renameat,
// unlinkat, ...), so what a path meant when it was walked is what the save works on, whatever
// is renamed or linked on the way meanwhile.
class Folder
{
public:
    Folder() = default;
    explicit Folder(int fd) : m_fd(fd) {}
    ~Folder();
    Folder(Folder&& other) noexcept;
    Folder& operator=(Folder&& other) noexcept;
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Where the kernel has it, for messages.
    QString path() const;

private:
    int m_fd = -1;
};

// Opens the folder of a path's last part by walking the path a part at a time, as the kernel
// does (".." after a link is the parent of its target); leaf gets the last part's name, which
// holds no link. Links are followed, also a dangling last one, so the link itself is never
// replaced; in a sticky folder everyone may write, only where the link is this user's or the
// folder owner's. Else, and past 40 links, the folder is not open and refusal says why,
// naming the link.
Folder openFolder(const QString& path, QByteArray& leaf, QString* refusal = nullptr);
// The reason a save gives for a link it does not follow.
QString foreignLinkText(const QString& link);
// "<name><suffix>", cut to fit the limit on a name of the file system of dir (see safesave.h).
// A name with a folder in it is cut in its last part; dir AT_FDCWD: the current folder's.
QByteArray besideName(int dir, const QByteArray& name, const QByteArray& suffix);
// "<name>.bak", the backup's name (cut as besideName cuts).
QByteArray backupNameOf(int dir, const QByteArray& name);
// Whether the backup name holds anything but a regular file: a link, to anything, counts.
bool backupNameTaken(int dir, const QByteArray& backupName);
// A free name for an old version waiting beside the document: "<file>.bak.tmp", else a fresh
// "<file>.<random>.bak.tmp" (a leftover under the first is cleared only by its owner's save).
QByteArray claimOldCopyName(int dir, const QByteArray& target);
// ".<random>", for a fresh name beside a document.
QByteArray randomSuffix();

} // namespace SafeSave
