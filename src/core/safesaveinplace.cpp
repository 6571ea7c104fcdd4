// The in-place path of a save (see safesave.h): where the new file could not become the
// document as it was (another user's document in a shared folder: only root may give a file
// away), its contents are written over the document's own file, which keeps its owner, group
// and mode.
#include "core/safesaveinplace.h"

#include "core/safesavenames.h"

#include <unistd.h>

namespace SafeSave {

// Order: a whole copy of the old version is made first, then the marker naming the document
// and that copy; only then is the document written over, and only once it holds the new
// contents whole does the marker go and the copy become the backup. A failure while writing
// over puts the old version back and clears the marker and its copy; where even that fails,
// the marker stands with its copy, so the next save takes that version for the last whole
// one, not the damaged document.
Result saveInPlace(const QByteArray& targetName, const QByteArray& contents, const struct stat& old,
                   const QByteArray& backupName, const Beside& beside, const Previous& prev, Locks& locks)
{
    const int dir = locks.dir();
    QByteArray version = prev.version, copy;
    Marker marker = prev.ownMarker.isEmpty() ? Marker{} : markerNamed(prev.ownMarker);
    bool madeMarker = false, stands = false, copyFits = true;
    const bool known = prev.documentWhole || prev.read;
    const auto fail = [&](int code) {
        if (madeMarker)
            voidMarker(dir, targetName, marker, &old);
        if (!copy.isEmpty() && !stands) // a marker left standing keeps its copy
            sysRemove(dir, copy);
        return failed(Failure::Replace, code);
    };
    if (known && marker.name.isEmpty()) {
        if (prev.documentWhole && !readFile(dir, targetName, version))
            return fail(errno);
        marker = newMarker(dir, targetName);
        QByteArray made;
        struct stat st;
        if (marker.name.isEmpty() || !writeTemp(version, targetName, old, made, st, locks))
            return fail(errno);
        copyFits = fitsAsBackupOf(st, old);
        const QByteArray copyName = markerCopyName(dir, targetName, marker);
        if (!sysRename(dir, made, copyName)) {
            const int code = errno;
            ::unlinkat(dir, made.constData(), 0);
            return fail(code);
        }
        copy = copyName;
        const QByteArray header = markerBytes(documentId(dir, targetName), documentId(dir, copy), quint64(version.size()));
        if (!writeTemp(header, targetName, old, made, st, locks))
            return fail(errno);
        madeMarker = sysRename(dir, made, marker.name);
        if (!madeMarker) {
            const int code = errno;
            ::unlinkat(dir, made.constData(), 0);
            return fail(code);
        }
        syncDirectory(dir);
    } else if (known && !backupName.isEmpty() && !oldVersionCopy(targetName, old, &version, locks, copy, copyFits)) {
        return fail(errno);
    }
    // Else the document is damaged and only another user's marker, which this user cannot read,
    // holds its last whole version: that marker stands until the document is whole.
    if (!writeOver(dir, contents, targetName)) {
        const int code = errno;
        // Refused as no regular file: nothing was written over.
        if (madeMarker && code != errNotRegular && !writeOver(dir, version, targetName)) {
            madeMarker = false;
            stands = copy == markerCopyName(dir, targetName, marker);
        }
        return fail(code);
    }
    std::vector<Marker> markers = beside.markers;
    if (madeMarker)
        markers.push_back(marker);
    return settle(targetName, old, backupName, markers, beside, copy, copyFits, locks);
}

} // namespace SafeSave
