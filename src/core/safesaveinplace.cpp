// The in-place path of a save (see safesave.h): where the new file could not become the
// document as it was (another user's document in a shared folder: only root may give a file
// away), its contents are written over the document's own file, which keeps its owner, group
// and mode.
#include "core/safesaveinplace.h"

#include "core/safesavenames.h"

#include <unistd.h>

namespace SafeSave {

// Order: a whole copy of the old version is made first and set as the marker; only then is
// the document written over, and only once it holds the new contents whole does the marker
// go, by becoming the backup. A failure while writing over puts the old version back and
// clears the marker; where even that fails, the marker stands, so the next save takes its
// copy for the last whole version, not the damaged document.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old,
                   const QByteArray& backupName, const Beside& beside, const Previous& prev, Locks& locks)
{
    QByteArray marker;
    bool madeMarker = false;
    if (prev.ownMarker) {
        marker = prev.marker; // it already holds the whole version
    } else if (prev.documentWhole || !prev.marker.isEmpty()) {
        QByteArray copy;
        struct stat made;
        const bool copied = copyToTemp(prev.documentWhole ? targetName : prev.marker, targetName, old, copy, made, locks);
        if (copied) {
            marker = newMarkerName(targetName);
            madeMarker = !marker.isEmpty() && sysRename(copy, marker);
        }
        if (!madeMarker) {
            const int code = errno;
            if (copied)
                ::unlink(copy.constData());
            sysRemove(temp);
            return failed(Failure::Replace, code);
        }
        syncDirectory(targetName);
    }
    // Else the document is damaged and only another user's marker, which this user cannot read,
    // holds its last whole version: that marker stands until the document is whole.
    if (!copyOver(temp, targetName)) {
        const int code = errno;
        // Refused as no regular file: nothing was written over.
        if (madeMarker && (code == errNotRegular || copyOver(marker, targetName)))
            voidMarker(targetName, markerNamed(marker), &old);
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    sysRemove(temp);
    return settle(targetName, old, backupName, beside, marker, true, locks);
}

} // namespace SafeSave
