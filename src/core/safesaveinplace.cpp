// The in-place path of a save (see safesave.h): where the new file could not become the
// document as it was (another user's document in a shared folder: only root may give a file
// away), its contents are written over the document's own file, which keeps its owner, group
// and mode.
#include "core/safesaveinplace.h"

#include "core/safesavefiles.h"
#include "core/safesavenames.h"

namespace SafeSave {

// Order: the old contents are copied aside first; the backup is replaced only once the
// document holds the new contents whole. A failure while writing over the document puts the
// old contents back, and leaves the backup as it was; where even that fails, the old
// contents wait under their copy.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old,
                   const QByteArray& backupName)
{
    QByteArray oldCopy;
    if (!claimOldCopyName(targetName, oldCopy) || !copyFile(targetName, oldCopy, old)) {
        const int code = errno;
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    if (!copyOver(temp, targetName)) {
        const int code = errno;
        // Refused as no regular file: nothing was written over.
        if (code == errNotRegular || copyOver(oldCopy, targetName))
            sysRemove(oldCopy);
        sysRemove(temp);
        return failed(Failure::Replace, code);
    }
    sysRemove(temp);
    if (backupName.isEmpty())
        sysRemove(oldCopy);
    else
        keepAsBackup(oldCopy, backupName);
    syncDirectory(targetName);
    return Result();
}

} // namespace SafeSave
