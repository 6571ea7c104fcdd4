#pragma once
// The event-log file ("ewl", and the archive "ewa" in the same format): a 32-byte
// little-endian header, then the ten-byte records. The reader takes any device and
// trusts nothing in it; the writer never leaves a half-written file behind.
#include "logrecords/logentry.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class QIODevice;

namespace LogFile {

constexpr int headerSize = 32;

struct Header {
    unsigned char deviceType = 0; // 0x30 plus the logger's memory size code; 0 in a new log
    quint16 ringIndex = 0;        // the logger's write index at the last read-out
    QString deviceName;           // the 8 stored bytes as UTF-8, trailing blanks included
    QDateTime initDate;
    QDateTime secondHeaderTime;   // carried through unchanged
};

enum class ReadStatus {
    Ok,
    ShortHeader, // fewer than 32 bytes
    Damaged,     // not an event-log header
    ShortData    // fewer records than the header promises; the complete ones are kept
};

struct ReadResult {
    ReadStatus status = ReadStatus::ShortHeader;
    Header header;            // valid for Ok and ShortData
    QVector<LogEntry> entries; // the complete records read
};

ReadResult read(QIODevice& device);
// False when the device refused any byte.
bool write(QIODevice& device, const Header& header, const QVector<LogEntry>& entries);

// The name a logger's name takes in an 8-byte header field (what a save and load give back).
QString canonicalDeviceName(const QString& name);
// The log file name (no directory) of a logger: its canonical, trimmed name with the
// extension "ewl". Characters that could leave the working directory or that file systems
// refuse become "_", so the name is always one plain file in that directory.
QString fileNameForDevice(const QString& deviceName);

// The name under which the log a plan names lies in dir (relative names are taken in dir).
// Plans keep their log names simplified and in capitals, while a read-out names the file in
// the logger's own case and spacing, so where letter case counts the exact name may not
// exist. The rule: the exact name when it holds anything but a folder; else the file of that folder whose name
// differs only in letter case and runs of white space; when several do, the first by
// QString's ordering (UTF-16 code units, so "LOG.ewl" before "Log.ewl" before "log.ewl").
// Only the last part of the name is matched this way. With no such file the name comes back
// unchanged, so its opener reports it missing.
QString existingName(const QString& dir, const QString& name);

// Moves a damaged log aside as "<path>.bad", or "<path>.2.bad", ... when that is taken:
// an earlier set-aside file is never replaced. Returns the new path, or an empty string
// when the file could not be moved.
QString setAside(const QString& path);

} // namespace LogFile
