// The in-place path of a save (see safesave.h): where the new file could not become the
// document as it was (another user's document in a shared folder: only root may give a file
// away), its contents are written over the document's own file, which keeps its owner, group
// and mode.
#include "core/safesaveinplace.h"

#include "core/safesavenames.h"

#include <unistd.h>

namespace SafeSave {

// Order: the old version is set as the marker (naming the document) and copied for the
// backup first; only then is the document written over, and only once it holds the new
// contents whole does the marker go. A failure while writing over puts the old version back
// and clears the marker; where even that fails, the marker stands, so the next save takes its
// version for the last whole one, not the damaged document.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old,
                   const QByteArray& backupName, const Beside& beside, const Previous& prev, Locks& locks)
{
    QByteArray version = prev.version, marker = prev.ownMarker, copy;
    bool madeMarker = false, copyFits = true;
    const bool known = prev.documentWhole || prev.read;
    const int dir = locks.dir();
    const auto fail = [&](int code) {
        if (madeMarker)
            voidMarker(dir, targetName, markerNamed(marker), &old);
        if (!copy.isEmpty())
            sysRemove(dir, copy);
        sysRemove(dir, temp);
        return failed(Failure::Replace, code);
    };
    if (known && marker.isEmpty()) {
        QByteArray made;
        struct stat st;
        if (prev.documentWhole && !readFile(dir, targetName, version))
            return fail(errno);
        if (!writeTemp(markerBytes(documentId(dir, targetName), version), targetName, old, made, st, locks))
            return fail(errno);
        marker = newMarkerName(dir, targetName);
        madeMarker = !marker.isEmpty() && sysRename(dir, made, marker);
        if (!madeMarker) {
            const int code = errno;
            ::unlinkat(dir, made.constData(), 0);
            return fail(code);
        }
        syncDirectory(dir);
    }
    if (known && !backupName.isEmpty() && !oldVersionCopy(targetName, old, &version, locks, copy, copyFits))
        return fail(errno);
    copyFits = copyFits && !prev.suspect;
    // Else the document is damaged and only another user's marker, which this user cannot read,
    // holds its last whole version: that marker stands until the document is whole.
    if (!copyOver(dir, temp, targetName)) {
        const int code = errno;
        // Refused as no regular file: nothing was written over.
        if (madeMarker && code != errNotRegular && !writeOver(dir, version, targetName))
            madeMarker = false;
        return fail(code);
    }
    sysRemove(dir, temp);
    std::vector<Marker> markers = beside.markers;
    if (madeMarker)
        markers.push_back(markerNamed(marker));
    return settle(targetName, old, backupName, markers, beside, copy, copyFits, locks);
}

} // namespace SafeSave
