#pragma once
// The save routine's own file operations (see safesave.h). Each step that can fail goes
// through the fault seam, so a test can fail any of them; every file is opened here, as a
// regular file only.
#include "core/safesave.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

#include <vector>

namespace SafeSave {

// Set as errno where a name holds no regular file; no system error has this number.
constexpr int errNotRegular = 0x10000;
// Set as errno where another save of the document held it for as long as a save waits.
constexpr int errBusy = 0x10001;

QString notRegularText();
// The reason a failed write gives where the system gave none.
QString writeFailedText();
QString systemError(int code);
Result failed(Failure failure, const QString& reason);
// A name found holding no regular file is reported as such, whatever the step.
Result failed(Failure failure, int code);

// Opens a name in the folder dir (AT_FDCWD: a path) without waiting and keeps the handle
// only for a regular file. Else -1, with errno (errNotRegular for anything but a regular
// file). O_CREAT without O_EXCL opens an existing file without O_CREAT and creates only a
// missing one, exclusively.
int openRegular(int dir, const QByteArray& name, int flags, mode_t mode = 0666);

// Bytes a failing write of the seam lets through first (-1: none).
qint64 shortWriteBytes();

// The steps of a save; every name is one in the folder dir.
int sysOpen(int dir, const QByteArray& name, int flags, mode_t mode = 0666);
bool sysWrite(int fd, const char* data, qint64 size, Op op);
bool sysSync(int fd);
bool sysClose(int fd);
bool sysLink(int dir, const QByteArray& from, const QByteArray& to);
bool sysRename(int dir, const QByteArray& from, const QByteArray& to);
// Fails (EEXIST) where the name holds anything.
bool sysRenameNew(int fromDir, const QByteArray& from, int toDir, const QByteArray& to);
bool sysRemove(int dir, const QByteArray& name);
bool sysTruncate(int fd, off_t size);
// Whether the real user may write the file.
bool sysMayWrite(int dir, const QByteArray& name);

// Collects a writer's bytes and hands them to the file in chunks; the first failure sticks,
// so a writer that ignores it still cannot make the save pass.
class ChunkedFile : public QIODevice
{
public:
    explicit ChunkedFile(int fd);
    ~ChunkedFile() override;

    // Flush, fsync and close, each checked. cutToWritten: the file ends where the writing
    // ended (it was written over, not created).
    bool finish(bool cutToWritten = false);
    void abandon();
    bool failed() const { return m_failed; }
    int errorCode() const { return m_code; }
    QString reason() const;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    void remember(int code);

    int m_fd;
    QByteArray m_pending;
    qint64 m_written = 0;
    int m_code = EIO;
    bool m_failed = false;
    QString m_reason;
};

// How far a file made in place of another could take its owner, group and mode.
enum class Fit {
    Whole,    // all three
    Readable, // not the owner, but whoever could read the old file can read this one
    Private,  // only this user can
    Unset     // the mode could not be set: as private as the file was made (errno says why)
};
// Gives a file made in place of another the old one's owner, group and mode, as far as this
// user may; never more open than the old file.
Fit takeOwnerAndMode(int fd, const struct stat& old);
// Whether a file may hold a version of the document: its owner can read it, and nobody the
// document's mode excludes can (by the file's owner, group or mode).
bool fitsAsBackupOf(const struct stat& file, const struct stat& document);
// Whether a file's owner may write the document: root, its owner, a member of its group where
// the group may write it, or anyone where all may.
bool ownedByAWriterOf(const struct stat& file, const struct stat& document);
// Whether a file holds only what writers of the document wrote: its owner may write the
// document and nobody else may write it.
bool writtenByWritersOf(const struct stat& file, const struct stat& document);
// Whether a file beside the document may be one a save of it made: a regular file of one
// name written by its writers. In a shared folder anyone may put a file under any free
// name, or link one there.
bool madeByAWriterOf(const struct stat& file, const struct stat& document);
// A file's bytes from an offset to its end.
bool readFrom(int fd, off_t from, QByteArray& out);
// A regular file's bytes, opened without following a link.
bool readFile(int dir, const QByteArray& name, QByteArray& out);
// Writes bytes over a file, which keeps its inode, owner, group and mode. The file written
// over is never reached through a symbolic link; with mustFit, it must be one a writer of that
// document made, that fits as its backup (else errno is EPERM).
bool writeOver(int dir, const QByteArray& bytes, const QByteArray& to, const struct stat* mustFit = nullptr);
bool copyOver(int dir, const QByteArray& from, const QByteArray& to, const struct stat* mustFit = nullptr);

// Exclusive locks on the files a save is writing, held until the save ends: a later save
// removes only leftovers it can lock, so never a file another save is still writing.
class Locks
{
public:
    explicit Locks(int dir) : m_dir(dir) {}
    ~Locks();
    Locks(const Locks&) = delete;
    Locks& operator=(const Locks&) = delete;
    // Locks the file open under fd and checks that it still has its name. False when another
    // save holds it or it lost its name (a save removing it as a leftover).
    bool hold(int fd);
    bool holdName(const QByteArray& name);
    // The document itself, so that no other save of it by this program runs meanwhile: waits a
    // while for one that holds it (then errno is errBusy) and takes what the name holds once
    // locked; doc, its state as first seen, becomes its state then. False with errno where it
    // could not be opened.
    bool holdDocument(const QByteArray& name, struct stat& doc);
    // Once everything the save made has its place.
    void release();
    int dir() const { return m_dir; }

private:
    int m_dir;
    std::vector<int> m_fds;
    int m_writers = -1; // the writers' lock beside the document (holdDocument)
    QByteArray m_writersName;
};

// Removes a file of this user's (root: a leftover of any writer's) that no save holds a lock on.
void removeUnheld(int dir, const QByteArray& name);

// Creates a fresh, locked temporary file beside target (in the folder the locks work in), with
// the given mode; its name goes to tempName. -1 with errno on failure.
int createTemp(const QByteArray& target, QByteArray& tempName, mode_t mode, Locks& locks);
// A new locked temporary beside target holding bytes, with the original's mode, and its owner
// and group as far as this user may; its state goes to made.
bool writeTemp(const QByteArray& bytes, const QByteArray& target, const struct stat& original,
               QByteArray& tempName, struct stat& made, Locks& locks);
void syncDirectory(int dir);

} // namespace SafeSave
