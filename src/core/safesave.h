#pragma once
// Saving a document so that a failure at any moment leaves the old file or its backup.
//
// The rule, whoever saves and whatever fails or ends a save (a kill, the machine stopping) at
// any step: after the next save, by any user, the document and its backup are the last two
// whole versions (a version cut short never counts); a copy that may hold the only whole
// version is never deleted; no version is written into a file that someone the document's
// mode excludes can read, nor through a symbolic link; the backup is readable by the
// document's owner, and where no such backup can be made the save goes through, keeps the
// old backup and says so (Result::backupNotKept, shown by tellIfBackupNotKept); a failure is
// reported, never shown as success; the document keeps its owner, group and mode; a save
// clears what earlier saves of its own user left beside the document (root: also every
// writer's waiting old versions, which it gives the owner), never another user's nor a file
// another save still holds; and one save of a document runs at a time.
//
// saveWithBackup writes the new contents completely to a temporary file beside the
// document, checking every write, the flush, fsync and close. Only then is the old file
// hard-linked to "<file>.bak.tmp", the new file renamed over the document and the link
// renamed over "<file>.bak" (the rename path, safesave.cpp). So the document's name holds a
// complete file (old or new) at every instant, and the previous backup goes only once the
// new file is in place. Every writer opens the document's folder once, walking its path a
// part at a time as the kernel does (".." after a link is the parent of the link's target),
// and takes every later step in that folder (openat, renameat, unlinkat, ...): a folder on
// the way renamed or swapped for a link meanwhile changes nothing. A document reached through
// symbolic links is saved into their target (the links stay), and the target's old contents
// become the backup beside the target. Links are followed as the kernel's protection of
// sticky folders would, on or off, even for root: in a sticky folder everyone may write, only
// the user's own link or the folder owner's; any other it refuses, naming it, and changes
// nothing. A name beside the document is looked at, never through: a link there holds it.
// Where no hard link can be made (some file systems), the old file is copied instead. Should
// only the very last step fail, the document is saved (and reported so, with backupNotKept)
// and its old version waits under "<file>[.<random>].bak.tmp" beside the untouched previous
// backup; the next save, the document being whole, makes the document the backup. So does
// a copy of the old version that could not be given the document's group or mode: it keeps
// the version, as private as it was made, until a backup holds it.
//
// The temporary beside an old document is made private, then takes the old one's owner,
// group and mode. Where it may not (another user's document in a shared, group-writable
// folder: only root may give a file away; the owner's own document in a group the owner is
// not in), or the mode cannot be set, renaming it over the document would hand the document
// to this user or open it to others; its contents are instead written over the document's
// own file (the in-place path, safesaveinplace.cpp); the new contents are held whole in
// memory until then. First the old version is copied whole to "<file>.<random>.bak.kept",
// then "<file>.<random>.bak.keep" names the document for good (its inode number and birth
// time, never the device number, which changes where a disk comes back under another) and
// that copy (its inode number, birth time and length): the marker that the document is being
// written over, set before the document is touched. It goes only once the document holds the
// new contents whole, and its copy then becomes the backup; a failure puts the old contents
// back and clears both, and where even that fails, or the save is killed, they stand. A save
// that finds a standing marker takes the document for damaged and the copy's version for the
// one before it; a marker it may not remove (another user's, in a sticky folder) it voids,
// once the document is whole, by "<file>.<random>.bak.done" beside it, and the marker's
// owner's next save removes them.
//
// A marker or void note counts only where a writer of the document made it and nobody else
// may write it: a regular file of one name, reached without a link, owned by the document's
// owner, root, a member of its group where the group may write the document (a user the
// user database does not know is in no group), or anyone where all may, and writable by no
// more than that. A marker counts only where it names the document and its copy is the one
// it names; each is judged and read through one open, and only what was read is used. A writer's
// marker that names no document there is (a save ended before it voided it, and the inode
// number came back) means the document may be cut: it never becomes the backup silently; it
// waits beside the kept backup, the save says so, and the marker is voided. In a
// shared folder anyone may put a file under any free name, or link one there: anything else
// is never trusted, removed or written through, and where it holds a name a save wants, the
// save takes another. A marker this user cannot read counts by its maker alone: the document
// is written over without a copy of its own, the marker stands until the document is whole,
// and the save keeps no backup.
//
// Copies take the document's owner, group and mode as far as this user may (a member of the
// group may give a file its group), so they are never readable by more people than the
// document. A copy becomes the backup only where the document's owner can read it: not one
// another user made in a group the owner is not in, nor root's where the owner cannot be
// given. A backup that no writer of the document made is left as it is, as anything else
// under its name would be: the old version waits, and the save says so; a writer's is
// replaced whatever its mode, and the new one has the document's. One this user may not
// replace (another writer's, in a sticky folder) is written over only where it would count as
// a marker and the owner can read it and nobody the document's mode excludes can; else the
// old version waits.
//
// Locks (flock): a save holds a lock beside its document ("<file>.lock") that only the
// document's writers may open, from its start to its end, so no other save of it by this
// program runs meanwhile; another waits a few seconds for it (the window shows it waits), then
// fails and says why. A lock anyone else may take, also on the document itself, never delays
// a save. A new document is never put over one another save made meanwhile. Temporaries
// "<file>.<random>.tmp" are held while a save writes them, and a save removes, once it has
// succeeded, this user's temporaries, waiting old versions and void markers that it can
// lock; never a standing marker, another user's file, or one another save holds.
//
// Temporaries, waiting old versions, markers, their copies, the lock and the backup are named
// "<file>.<random>.tmp", "<file>[.<random>].bak.tmp", "<file>.<random>.bak.keep" (voided by
// "….bak.done"), "<file>.<random>.bak.kept", "<file>.lock" and "<file>.bak"
// (safesavenames.cpp, safesavebeside.cpp); where such a name would pass the file
// system's limit on a name, the document's name in it is cut short and followed by "~" and a
// digest of the whole.
//
// Test seam: every file operation of saveWithBackup, saveReplacing, appendToFile and
// moveToBackup goes through one hook. A test makes the Nth operation fail, whatever its
// kind, or the Nth operation of one kind:
//
//     SafeSave::FaultScope faults;          // counts from here, restores on destruction
//     faults.failAt(3);                     // the third operation fails with ENOSPC
//     faults.failNth(SafeSave::Op::Sync, 1, EIO);
//     faults.runBefore(SafeSave::Op::Open, 2, [] { ... }); // another program acts just then
//     ... save ...; faults.operations()     // how many were done (for a sweep over all)
//
// A sweep runs the save once without faults to learn its operation count, then once per
// operation with failAt(i), or in a child process ended there by runAt(i, ...) as by a kill,
// and checks the document, its backup and the report each time, and after the next save.
// Any new save goes through saveWithBackup, saveReplacing, appendToFile or createWhole
// (safesavecreate.h), so it is covered by the seam without further work.
//
// Every file a save opens (the document written over or appended to, the old contents
// copied, the backup put back) is opened without waiting and kept only as a regular file, as
// by openRegularFile: a FIFO, folder or device put under the name, even after the first look
// at it, is refused with the reason and never hangs the save. A backup name holding anything
// but a regular file is left as it is: the save goes through, its old version waits beside
// the document, and it says it kept no backup. An existing file is opened without O_CREAT
// (only a missing one is created, exclusively): the kernel refuses O_CREAT on another user's
// file in a sticky folder, even to root.
#include <QFile>
#include <QString>
#include <cerrno>
#include <functional>
#include <vector>

#include <sys/types.h>

class QIODevice;

namespace SafeSave {

// Access: the check that the user may write an existing document.
// Chown: giving a new file the old one's owner and group; Mode: giving it the old one's mode.
enum class Op { Open, Write, Flush, Sync, Close, Link, Rename, Remove, Truncate, Access, Chown, Mode, Count };

enum class Failure {
    None,
    Open,       // the new file (or the file appended to) could not be created or opened, the
                // user may not write the existing document, or a link to it is not followed
    Write,      // writing, flushing, syncing or closing the new contents failed
    Replace,    // the new file could not take the document's place
    NotRegular  // the document's name holds a folder, a device or a FIFO
};

struct Result {
    Failure failure = Failure::None;
    QString errorString; // the system's reason, empty on success
    bool ok() const { return failure == Failure::None; }
    // The document could not be opened for writing at all (reported as such, with the reason).
    bool notOpened() const { return failure == Failure::Open || failure == Failure::NotRegular; }
    explicit operator bool() const { return ok(); }
    // Saved, but its old version could not become the backup: none could be made that the
    // document's owner can read and nobody the document's mode excludes can (the old backup
    // stays), or the backup's name could not take it (it waits beside the document).
    bool backupNotKept = false;
};

// Fault injection for tests. Thread-unsafe by design: saves run on the GUI thread.
class FaultScope
{
public:
    FaultScope();
    ~FaultScope();
    FaultScope(const FaultScope&) = delete;
    FaultScope& operator=(const FaultScope&) = delete;

    // The nth operation (from 1, counted over all kinds) fails with errorCode.
    void failAt(int n, int errorCode = ENOSPC);
    // The nth operation of this kind fails (may be given for several kinds).
    void failNth(Op op, int n, int errorCode = EIO);
    // Runs action just before the nth operation of this kind, as another program might act
    // between two steps of a save.
    void runBefore(Op op, int n, std::function<void()> action);
    // Runs action just before the nth operation of any kind (a test may end the process
    // there, as a kill would).
    void runAt(int n, std::function<void()> action);
    // The groups of a user, where the user database does not know them (test users).
    void setUserGroups(uid_t uid, std::vector<gid_t> groups);
    // A write or flush that fails writes only this many bytes first (a short write);
    // -1: it writes nothing and reports the error.
    void setShortWriteBytes(qint64 bytes);
    // How long a save waits for another save of the same document to end.
    void setBusyWait(int milliseconds);
    void reset();
    int operations() const;
    int operations(Op op) const;
};

// Hooks the seam's users call; they return false (with errno set) when a fault is due.
bool injectedFault(Op op);
// The groups a test gave a user; false where it gave none.
bool testUserGroups(uid_t uid, std::vector<gid_t>& groups);
int busyWaitMilliseconds();

} // namespace SafeSave

// writer fills the device and returns false on failure. On failure the old file and its
// backup are as they were (see the header comment) and error, when given, says why. A
// document the real user may not write (a write-protected file) is refused, as opening it
// for writing would be, though the folder would allow the rename. A new document takes
// the owner, group and mode of the file accessFrom names (when given) as far as this user
// may, as a backup does: never more open than that file.
bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer,
                    SafeSave::Result* error = nullptr, const QString& accessFrom = QString());
// The same, without keeping a backup (documents whose old version need not be kept).
bool saveReplacing(const QString& path, const std::function<bool(QIODevice&)>& writer,
                   SafeSave::Result* error = nullptr);
// Appends bytes to a file (created when missing), flushed and synced. On failure the file
// is cut back to its old length, so it never keeps half an addition.
SafeSave::Result appendToFile(const QString& path, const QByteArray& bytes);

// Moves a document to its backup name, replacing an older backup, for a command that
// starts the document afresh: its old version is kept as a save would keep it (the copy a
// standing marker holds, rather than a document that may be damaged). Does nothing
// when there is no document, or no regular file, under the name; refuses where the backup
// name holds anything but a regular file.
SafeSave::Result moveToBackup(const QString& path);

// Opens a file only when it is a regular file: a FIFO, device or folder under a
// document's name would block the program or feed it endless data. Every file the program
// reads by name (documents, imports, a name another start hands over) is opened here. Returns an empty string
// on success, else the reason (the file's own error text, or one saying it is no file).
// QFile then holds the checked handle and no longer tells the file's name: keep the path.
QString openRegularFile(QFile& file, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// "<path>.bak" (for a very long name, see above)
QString backupPathFor(const QString& path);

// Whether anything holds a name: a file, a folder, a link, also a dangling one or one the
// kernel would not follow. Only a name that holds nothing at all is free to take.
bool nameHeld(const QString& path);
// Gives a file another name only where nothing holds it, never replacing nor following what
// appears there meanwhile (a step of the fault seam). False with errno, EEXIST where the name
// is held.
bool renameToFreeName(const QString& from, const QString& to);

class QWidget;
// Tells the user that a save went through but its old version could not be kept as the
// backup; nothing otherwise. Every caller of saveWithBackup that reports to the user does so
// through here.
void tellIfBackupNotKept(QWidget* parent, const QString& path, const SafeSave::Result& result);
