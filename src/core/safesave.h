#pragma once
// Saving a document so that a failure at any moment leaves the old file or its backup:
// the new contents are written completely to a temporary file first; only then is an
// existing file moved to "<path>.bak" (replacing an older backup) and the new one put in
// its place. Used by every file users keep.
#include <QString>
#include <functional>

class QIODevice;

// writer fills the device and returns false on failure. Returns true when the new file is
// in place; on false the old file (or, at worst, its backup) is still there, and
// errorText (when given) gets the file's error text, if it has one.
bool saveWithBackup(const QString& path, const std::function<bool(QIODevice&)>& writer,
                    QString* errorText = nullptr);

// "<path>.bak"
QString backupPathFor(const QString& path);
