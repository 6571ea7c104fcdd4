#pragma once
// The code-name list file: a 32-bit magic with the format version, a record count and
// the records. The reader takes any device and trusts nothing in it.
#include "codenames/kodnev.h"

#include <QList>

class QIODevice;

namespace KodNevFile {

constexpr qint32 magicVersion1 = 0x0EC00101;
constexpr qint32 magicVersion2 = 0x0EC00201;

enum class ReadStatus {
    Ok,
    BadMagic, // not a code-name file, or a format this program does not know
    Damaged   // short, or a count the bytes cannot hold
};

struct ReadResult {
    ReadStatus status = ReadStatus::Damaged;
    QList<KodNev> records; // in file order; only complete records, only when Ok
    int skipped = 0;       // version-1 records dropped for a name outside 1 to 80 characters
};

ReadResult read(QIODevice& device);
// Writes version 2; false when the device refused any byte.
bool write(QIODevice& device, const QList<KodNev>& entries);

} // namespace KodNevFile
