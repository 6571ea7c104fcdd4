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
// A free name for an old version waiting beside the document: "<file>.bak.tmp", else a fresh
// "<file>.<random>.bak.tmp" (a leftover under the first is cleared only by its owner's save).
QByteArray claimOldCopyName(const QByteArray& target);
// ".<random>", for a fresh name beside a document.
QByteArray randomSuffix();

} // namespace SafeSave
