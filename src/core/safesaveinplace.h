#pragma once
#include "core/safesave.h"
#include "core/safesavebeside.h"
#include "core/safesavefiles.h"

#include <QByteArray>

#include <sys/stat.h>

namespace SafeSave {

// Where the version before this save is whole: the document, or, after a write over it that
// may not have ended, the copy a standing marker holds (this user's own first).
struct Previous {
    bool documentWhole = true;
    QByteArray marker; // empty: none this user can read
    bool ownMarker = false;
};

// Writes the complete temporary over the document targetName (whose state was old), keeping
// the old version as the backup under backupName (none when empty); the temporary goes.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old,
                   const QByteArray& backupName, const Beside& beside, const Previous& prev, Locks& locks);
// Once the document is whole again: the old version under oldCopy (none when empty) becomes
// the backup under backupName (none kept when empty) where it fits as one, and every standing
// marker goes; then this user's leftovers.
Result settle(const QByteArray& targetName, const struct stat& old, const QByteArray& backupName,
              const Beside& beside, const QByteArray& oldCopy, bool copyIsMarker, Locks& locks);

} // namespace SafeSave
