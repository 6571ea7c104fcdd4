#pragma once
#include "core/safesave.h"

#include <QByteArray>

#include <sys/stat.h>

namespace SafeSave {

// Writes the complete temporary over the document targetName (whose state was old), keeping
// the old contents as the backup under backupName (none when empty); the temporary goes.
Result saveInPlace(const QByteArray& targetName, const QByteArray& temp, const struct stat& old,
                   const QByteArray& backupName);

} // namespace SafeSave
