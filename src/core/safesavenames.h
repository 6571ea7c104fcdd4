#pragma once
// The names a save uses beside its document: temporaries, "<file>.bak.tmp" and "<file>.bak".
#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace SafeSave {

// The file a name finally stands for: links are followed (also a dangling one), so the link
// itself is never replaced.
QString resolveLinks(const QString& path);
// "<path><suffix>", cut to fit the file system's limit on a name (see safesave.h).
QByteArray besideName(const QByteArray& path, const QByteArray& suffix);
// Whether the backup name holds anything but a regular file (also through a link).
bool backupNameTaken(const QByteArray& backupName);
// Creates a fresh temporary file beside target, with the given mode; its name goes to
// tempName. -1 with errno on failure.
int createTemp(const QByteArray& target, QByteArray& tempName, mode_t mode);
// A free name for the old contents' copy: "<file>.bak.tmp", cleared of an interrupted save's
// leftover. A leftover this user may not remove (another user's, in a sticky folder) is left
// for its owner's next save, and a fresh name beside it is taken instead. False with errno
// when the leftover could not be cleared for another reason.
bool claimOldCopyName(const QByteArray& target, QByteArray& name);

} // namespace SafeSave
