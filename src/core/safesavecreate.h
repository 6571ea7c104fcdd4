#pragma once
// A new file made whole under its final name, for a name nobody can know in advance (a
// random one): nothing is written under another name first, as a temporary would be, so no
// name in the folder tells this one before it exists.
#include "core/safesave.h"

// Creates path exclusively (never where anything holds the name, also a link), fills it
// through writer and syncs it, checking every step (through the save routine's fault seam).
// It takes the owner, group and mode of the file accessFrom names, when given, as far as this
// user may, and is private until then. On failure nothing is left under the name and error
// says why (Failure::Open with EEXIST as errno where the name was held).
bool createWhole(const QString& path, const std::function<bool(QIODevice&)>& writer,
                 SafeSave::Result* error = nullptr, const QString& accessFrom = QString());
