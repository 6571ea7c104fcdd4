#include "core/safesavebeside.h"

#include "core/constants.h"
#include "core/safesavefiles.h"
#include "core/safesavenames.h"

#include <QtEndian>

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>

namespace SafeSave {
namespace {

const char* const markerSuffix = ".bak.keep";
const char* const voidSuffix = ".bak.done";
const char* const waitingSuffix = ".bak.tmp";
// A marker's copy: no name another document's saves use ends so.
const char* const copySuffix = ".bak.kept";
const char* const tempSuffix = ".tmp";

bool regularAt(int dir, const QByteArray& name, struct stat& st)
{
    return ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode);
}

// The names in a folder, read through a handle of their own.
std::vector<QByteArray> namesIn(int dir)
{
    std::vector<QByteArray> names;
    const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return names;
    }
    while (const struct dirent* entry = ::readdir(listing)) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    return names;
}

bool isRandomPart(const QByteArray& part)
{
    if (part.isEmpty() || part.size() > 5) // randomSuffix: below 0xFFFFFF in base 36
        return false;
    for (const char c : part) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// Whether a file found beside the document counts as a marker or void note of its saves.
bool counts(const struct stat& st, const struct stat* doc)
{
    return doc ? madeByAWriterOf(st, *doc) : S_ISREG(st.st_mode);
}

const char markerMagic[] = "WYX-KEEP";
constexpr int markerSize = 8 + 5 * 8;

QByteArray number(quint64 n)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(n, bytes.data());
    return bytes;
}

DocumentId idOf(int dir, const char* name, int flags)
{
    DocumentId id;
    struct statx st;
    if (::statx(dir, name, flags | AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &st) != 0)
        return id;
    id.inode = st.stx_ino;
    if (st.stx_mask & STATX_BTIME) {
        id.born = quint64(st.stx_btime.tv_sec) * 1000000000u + st.stx_btime.tv_nsec;
        return id;
    }
    const int fd = (flags & AT_EMPTY_PATH) ? dir : ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    long generation = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETVERSION, &generation) == 0)
        id.born = quint64(generation);
    if (fd >= 0 && fd != dir)
        ::close(fd);
    return id;
}

bool operator==(const DocumentId& a, const DocumentId& b)
{
    return a.inode == b.inode && a.born == b.born;
}

enum class Judged { Counts, Unmatched, Foreign };

// Judged and read through one open each, the marker and its copy: what is read is what was
// judged. A marker or copy this user may not read counts as the rule allows, unread.
Judged judgeMarker(int dir, const QByteArray& target, Marker& m, const struct stat& seen, const struct stat* doc,
                   const DocumentId& id)
{
    if (!doc)
        return Judged::Counts; // only to be voided
    const int fd = openRegular(dir, m.name, O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return errno == EACCES ? Judged::Counts : Judged::Foreign;
    struct stat st;
    QByteArray header;
    const bool same = ::fstat(fd, &st) == 0 && st.st_dev == seen.st_dev && st.st_ino == seen.st_ino
                      && madeByAWriterOf(st, *doc) && readFrom(fd, 0, header);
    ::close(fd);
    if (!same)
        return Judged::Foreign;
    if (header.size() != markerSize || !header.startsWith(markerMagic))
        return Judged::Unmatched;
    const auto field = [&](int i) { return qFromLittleEndian<quint64>(header.constData() + 8 + 8 * i); };
    if (!(DocumentId{field(0), field(1)} == id))
        return Judged::Unmatched;
    const int copy = openRegular(dir, markerCopyName(dir, target, m), O_RDONLY | O_NOFOLLOW);
    if (copy < 0)
        return errno == EACCES ? Judged::Counts : Judged::Unmatched;
    QByteArray version;
    const bool whole = ::fstat(copy, &st) == 0 && madeByAWriterOf(st, *doc) && quint64(st.st_size) == field(4)
                       && idOf(copy, "", AT_EMPTY_PATH) == DocumentId{field(2), field(3)} && readFrom(copy, 0, version)
                       && quint64(version.size()) == field(4);
    ::close(copy);
    if (!whole)
        return Judged::Unmatched;
    m.version = version;
    m.read = true;
    return Judged::Counts;
}

} // namespace

DocumentId documentId(int dir, const QByteArray& name)
{
    return idOf(dir, name.constData(), 0);
}

QByteArray markerBytes(const DocumentId& doc, const DocumentId& copy, quint64 length)
{
    return markerMagic + number(doc.inode) + number(doc.born) + number(copy.inode) + number(copy.born) + number(length);
}

QByteArray markerCopyName(int dir, const QByteArray& target, const Marker& marker)
{
    return besideName(dir, target, '.' + marker.part + copySuffix);
}

// A name is this document's only where the document's own naming gives it exactly; a
// temporary or waiting copy is another document's where a file is named as its stem.
Beside lookBeside(int dir, const QByteArray& target, const struct stat* doc)
{
    Beside found;
    const uid_t me = ::geteuid();
    const DocumentId id = doc ? documentId(dir, target) : DocumentId();
    struct Found {
        QByteArray name;
        QByteArray suffix;
        QByteArray part; // of a void note: the marker's
        struct stat st;
    };
    std::vector<Found> ours;
    std::set<QByteArray> voided; // the parts of markers a note that counts voids
    const QByteArray waitingName = besideName(dir, target, QByteArray('.' + extBackup.toLatin1() + ".tmp"));
    for (const QByteArray& name : namesIn(dir)) {
        struct stat st;
        if (name == waitingName) {
            if (regularAt(dir, name, st))
                ours.push_back({name, waitingSuffix, QByteArray(), st});
            continue;
        }
        for (const char* suffix : {waitingSuffix, markerSuffix, voidSuffix, copySuffix, tempSuffix}) {
            if (!name.endsWith(suffix))
                continue;
            const QByteArray stem = name.left(name.size() - int(qstrlen(suffix)));
            const QByteArray part = stem.mid(stem.lastIndexOf('.') + 1);
            const int dash = suffix == voidSuffix ? part.indexOf('-') : -1;
            const QByteArray own = dash < 0 ? part : part.left(dash);
            if (isRandomPart(own) && (dash < 0 || isRandomPart(part.mid(dash + 1)))
                && besideName(dir, target, '.' + part + suffix) == name
                && (suffix == markerSuffix || suffix == voidSuffix || suffix == copySuffix
                    || !regularAt(dir, besideName(dir, target, '.' + part), st))
                && regularAt(dir, name, st)) {
                ours.push_back({name, suffix, own, st});
                if (suffix == voidSuffix && counts(st, doc))
                    voided.insert(own);
            }
            break;
        }
    }
    struct stat st;
    for (const Found& f : ours) {
        const bool mine = f.st.st_uid == me;
        if (f.suffix == markerSuffix) {
            if (!counts(f.st, doc))
                continue; // not of this document's saves: never trusted, never removed
            Marker m{f.name, f.part, f.st.st_uid, false, QByteArray()};
            if (voided.count(f.part)) {
                if (mine)
                    found.leftovers.push_back(f.name);
            } else {
                const Judged judged = judgeMarker(dir, target, m, f.st, doc, id);
                if (judged == Judged::Counts)
                    found.markers.push_back(m);
                else if (judged == Judged::Unmatched)
                    found.unmatched.push_back(m);
            }
        } else if (mine && f.suffix == voidSuffix) {
            // Goes once its marker has gone: this user's, voided, goes as a leftover.
            const QByteArray marker = besideName(dir, target, '.' + f.part + markerSuffix);
            if (!regularAt(dir, marker, st))
                found.leftovers.push_back(f.name);
            else if (st.st_uid == me)
                found.notes.emplace_back(f.name, marker);
        } else if (mine || (me == 0 && doc && (f.suffix == waitingSuffix || f.suffix == copySuffix)
                            && madeByAWriterOf(f.st, *doc))) {
            // Root gives its waiting copies the document's owner: it clears those of every
            // writer, which hold no version newer than the one it keeps, so they stay bounded.
            found.leftovers.push_back(f.name);
        }
    }
    return found;
}

// Free also of a void note, which would void the marker at once, and of a copy. Bounded, as
// the other names a save picks: empty (and a failed save) where no free name turns up.
Marker newMarker(int dir, const QByteArray& target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray part = randomSuffix();
        bool free = true;
        for (const char* suffix : {markerSuffix, voidSuffix, copySuffix}) {
            struct stat st;
            free = free && ::fstatat(dir, besideName(dir, target, part + suffix).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0;
        }
        if (free)
            return markerNamed(besideName(dir, target, part + markerSuffix));
    }
    errno = EEXIST;
    return Marker{QByteArray(), QByteArray(), ::geteuid(), false, QByteArray()};
}

Marker markerNamed(const QByteArray& name)
{
    const QByteArray stem = name.left(name.size() - int(qstrlen(markerSuffix)));
    return {name, stem.mid(stem.lastIndexOf('.') + 1), ::geteuid(), false, QByteArray()};
}

// A name another put there and no writer of the document made voids nothing: then the note
// takes a name of its own.
bool voidMarker(int dir, const QByteArray& target, const Marker& marker, const struct stat* doc)
{
    if (marker.owner == ::geteuid() && sysRemove(dir, marker.name))
        return true;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray part = attempt == 0 ? marker.part : marker.part + '-' + randomSuffix().mid(1);
        const QByteArray name = besideName(dir, target, '.' + part + voidSuffix);
        const int fd = sysOpen(dir, name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            const bool synced = sysSync(fd);
            return sysClose(fd) && synced;
        }
        struct stat st;
        if (errno != EEXIST)
            return false;
        if (attempt == 0 && ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && counts(st, doc))
            return true; // voided already
    }
    errno = EEXIST;
    return false;
}

void removeLeftovers(int dir, const Beside& beside)
{
    for (const QByteArray& name : beside.leftovers)
        removeUnheld(dir, name);
    struct stat st;
    for (const auto& note : beside.notes) {
        if (::fstatat(dir, note.second.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 && errno == ENOENT)
            removeUnheld(dir, note.first);
    }
}

bool keepAsBackup(int dir, const QByteArray& copy, const QByteArray& backupName, const struct stat& doc)
{
    // A folder, FIFO or link under the backup's name is left as it is, and so is a file no
    // writer of the document made: replacing it would remove what is not the save's. A
    // writer's backup is replaced whatever its mode, and the new one has the document's; only
    // one written through in place must be writable by the document's writers alone.
    struct stat held;
    const bool foreign = ::fstatat(dir, backupName.constData(), &held, AT_SYMLINK_NOFOLLOW) == 0
                         && S_ISREG(held.st_mode) && !ownedByAWriterOf(held, doc);
    const bool taken = foreign || backupNameTaken(dir, backupName);
    if (!taken && sysRename(dir, copy, backupName))
        return true;
    const int code = taken ? errNotRegular : errno;
    if ((code == EPERM || code == EACCES) && copyOver(dir, copy, backupName, &doc)) {
        sysRemove(dir, copy);
        return true;
    }
    return false;
}

} // namespace SafeSave
