#pragma once
// The names a save uses beside its document: temporaries, "<file>.bak.tmp" and "<file>.bak".
#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace SafeSave {

// The file a name finally stands for: links are followed (also a dangling one), so the link
// itself is never replaced. A link in a sticky folder everyone may write is followed only
// where it is this user's or the folder owner's: else, and past 40 links, the name is empty
// and refusal says why, naming the link.
QString resolveLinks(const QString& path, QString* refusal = nullptr);
// The reason a save gives for a link it does not follow.
QString foreignLinkText(const QString& link);
// "<path><suffix>", cut to fit the file system's limit on a name (see safesave.h).
QByteArray besideName(const QByteArray& path, const QByteArray& suffix);
// Whether the backup name holds anything but a regular file: a link, to anything, counts.
bool backupNameTaken(const QByteArray& backupName);
// A free name for an old version waiting beside the document: "<file>.bak.tmp", else a fresh
// "<file>.<random>.bak.tmp" (a leftover under the first is cleared only by its owner's save).
QByteArray claimOldCopyName(const QByteArray& target);
// ".<random>", for a fresh name beside a document.
QByteArray randomSuffix();

} // namespace SafeSave
