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

namespace SafeSave {

// Set as errno where a name holds no regular file; no system error has this number.
constexpr int errNotRegular = 0x10000;

QString notRegularText();
QString systemError(int code);
Result failed(Failure failure, const QString& reason);
// A name found holding no regular file is reported as such, whatever the step.
Result failed(Failure failure, int code);

// Opens a name without waiting and keeps the handle only for a regular file. Else -1, with
// errno (errNotRegular for anything but a regular file).
int openRegular(const QByteArray& name, int flags, mode_t mode = 0666);

// Bytes a failing write of the seam lets through first (-1: none).
qint64 shortWriteBytes();

int sysOpen(const QByteArray& path, int flags, mode_t mode = 0666);
bool sysWrite(int fd, const char* data, qint64 size, Op op);
bool sysSync(int fd);
bool sysClose(int fd);
bool sysLink(const QByteArray& from, const QByteArray& to);
bool sysRename(const QByteArray& from, const QByteArray& to);
bool sysRemove(const QByteArray& path);
bool sysTruncate(int fd, off_t size);
// Whether the real user may write the file.
bool sysMayWrite(const QByteArray& path);

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
    Private   // only this user can
};
// Gives a file made in place of another the old one's owner, group and mode, as far as this
// user may; never more open than the old file.
Fit takeOwnerAndMode(int fd, const struct stat& old);
// A new file "to" with the contents of "from", the original's mode, and its owner and group
// as far as this user may.
bool copyFile(const QByteArray& from, const QByteArray& to, const struct stat& original);
// Writes a file's contents over another file, which keeps its inode, owner, group and mode.
bool copyOver(const QByteArray& from, const QByteArray& to);
// The old version, complete under oldCopy, becomes the backup; on failure it waits there.
void keepAsBackup(const QByteArray& oldCopy, const QByteArray& backupName);
void syncDirectory(const QByteArray& file);

} // namespace SafeSave
