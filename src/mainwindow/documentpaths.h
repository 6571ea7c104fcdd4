#pragma once
// How the main window names, compares and recognises document files, and how it reads the
// file path that a second start of the program sends over the local datagram.
#include <QByteArray>
#include <QString>

// The absolute path of a file name taken in the working directory (an absolute name stays).
QString pathInWorkDir(const QString& fileName);

// Whether two absolute paths name the same file by the platform's rule: letter case
// counts on Linux, not on Windows and macOS; on Linux, two names of one existing file
// (through a link or "..") are the same.
bool samePlatformPath(const QString& a, const QString& b);

// The document kind (a ViewKind) that opens a file of this name, by its extension in any
// letter case; NoView for a name of no document kind.
int documentKindForName(const QString& fileName);

// The longest datagram taken as a path, in bytes.
constexpr int maxDatagramPathBytes = 32767;

// The path carried by a single-instance datagram: the bytes up to the first zero byte in
// the local 8-bit encoding, made absolute against this process's current directory.
// Empty for an empty datagram; null for bytes that cannot be a path (too long, or holding
// control characters).
QString datagramPath(const QByteArray& datagram);
