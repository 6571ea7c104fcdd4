#pragma once
#include "core/safesave.h"
#include "core/safesavebeside.h"
#include "core/safesavefiles.h"

#include <QByteArray>

#include <sys/stat.h>

#include <vector>

namespace SafeSave {

// Where the version before this save is whole: the document, or, after a write over it that
// may not have ended, the version a standing marker holds (this user's own first).
struct Previous {
    bool documentWhole = true;
    // A writer's marker stands that names no document there is (Beside::documentSuspect).
    bool suspect = false;
    bool read = false; // a marker's version, read: in version
    QByteArray version;
    QByteArray ownMarker; // this user's marker that holds it, if any
};

// The old version under a name of its own ("<file>[.<random>].bak.tmp"), locked: a second
// link to the document where version is null, else a copy of version (or of the document,
// where no link can be made). fits: whether it may become the backup; one that may not waits,
// no more open than it was made. False where making it failed.
bool oldVersionCopy(const QByteArray& targetName, const struct stat& old, const QByteArray* version, Locks& locks,
                    QByteArray& copy, bool& fits);
// Writes the new contents, complete, over the document targetName (whose state was old),
// keeping the old version as the backup under backupName (none when empty).
Result saveInPlace(const QByteArray& targetName, const QByteArray& contents, const struct stat& old,
                   const QByteArray& backupName, const Beside& beside, const Previous& prev, Locks& locks);
// Once the document is whole again: every standing marker goes; then the old version under
// oldCopy (none when empty) becomes the backup under backupName where it fits and was not
// suspect (Beside::documentSuspect), else waits (with no backupName kept, it goes); then this
// user's leftovers.
Result settle(const QByteArray& targetName, const struct stat& old, const QByteArray& backupName,
              const std::vector<Marker>& markers, const Beside& beside, const QByteArray& oldCopy, bool copyFits,
              Locks& locks);

} // namespace SafeSave
