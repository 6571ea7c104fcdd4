#pragma once
// What earlier saves left beside a document (see safesave.h): markers of a write over the
// document that may not have ended, old versions waiting for the backup's name, temporaries.
#include <QByteArray>

#include <sys/stat.h>
#include <sys/types.h>

#include <utility>
#include <vector>

namespace SafeSave {

// "<file>.<random>.bak.keep": set before a save writes over the document and cleared only
// once the document is whole again, it names the document and a whole copy of its last
// version beside it, "<file>.<random>.bak.kept" (markerBytes), made before it; that copy then
// becomes the backup, or waits where it cannot. A user who may not remove
// another's marker voids it by "<file>.<random>.bak.done" beside it, or, where something
// else holds that name, "<file>.<random>-<another>.bak.done". Markers and notes count only
// where made by a writer of the document (madeByAWriterOf), a marker only where it names the
// document and a copy a writer made is the one it names, each judged and read through one open.
struct Marker {
    QByteArray name;
    QByteArray part; // "<random>", which names its void notes
    uid_t owner;
    bool read = false; // else this user may not read it: it counts, unread
    QByteArray version;
};

// What names a document for good: its inode number and when it was made (where the file
// system keeps no birth time, its generation number). An inode number comes back once its
// file is gone, and the device number changes where a disk comes back under another.
struct DocumentId {
    quint64 inode = 0;
    quint64 born = 0;
};
DocumentId documentId(int dir, const QByteArray& name);

// What a marker of the document doc consists of: the names for good of the document and of
// the whole copy of its version beside it, and that version's length.
QByteArray markerBytes(const DocumentId& doc, const DocumentId& copy, quint64 length);

struct Beside {
    std::vector<Marker> markers;       // standing: the document may not be whole
    // Standing, made by a writer, but naming no document there is now or holding no version
    // whole (a save ended while the name changed hands): the document may be cut.
    std::vector<Marker> unmatched;
    // The document may be cut, yet no marker holds a version before it: it never becomes
    // the backup.
    bool documentSuspect() const { return markers.empty() && !unmatched.empty(); }
    std::vector<QByteArray> leftovers; // this user's, which no later save needs
    // This user's void notes of this user's markers, and the marker: a note goes after it.
    std::vector<std::pair<QByteArray, QByteArray>> notes;
};

// doc: the document's state; without one (no document), every marker counts, to be voided.
// Every name is one in the folder dir.
Beside lookBeside(int dir, const QByteArray& target, const struct stat* doc);
// This user's marker under a name free beside target, its copy's name free too; with an empty
// name (errno EEXIST) where none turns up.
Marker newMarker(int dir, const QByteArray& target);
// This user's marker under a name newMarker gave.
Marker markerNamed(const QByteArray& name);
// The name of the copy holding a marker's version: "<file>.<random>.bak.kept".
QByteArray markerCopyName(int dir, const QByteArray& target, const Marker& marker);
// Voids a standing marker once the document is whole: its owner removes it, anyone else
// leaves a void note beside it. False with errno where neither could be done.
bool voidMarker(int dir, const QByteArray& target, const Marker& marker, const struct stat* doc);
// Removes leftovers no other save holds a lock on.
void removeLeftovers(int dir, const Beside& beside);

// The old version, whole under copy ("<file>[.<random>].bak.tmp"), becomes the backup; false
// where it waits there. A backup this user may not replace (another user's, in a sticky
// folder) is written over only where a writer of doc made it and it fits as its backup.
bool keepAsBackup(int dir, const QByteArray& copy, const QByteArray& backupName, const struct stat& doc);

} // namespace SafeSave
