#pragma once
// Log entries for the search, filter and archive tests: touches and events at minutes after
// 2024-03-05 08:00 (local time).
#include "codenames/kodnev.h"
#include "core/helpers.h"
#include "logrecords/logentry.h"

#include <QDateTime>

namespace LogTest {

inline QDateTime at(int minutes)
{
    return QDateTime(QDate(2024, 3, 5), QTime(8, 0)).addSecs(60LL * minutes);
}

inline LogEntry touchAt(const QDateTime& t, const QString& code)
{
    unsigned char raw[LogEntry::size];
    packDeviceTime(t, raw);
    KodNev k;
    k.setCode(code);
    std::copy(k.code, k.code + KodNev::codeSize, raw + LogEntry::codeOffset);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

inline LogEntry touch(int minutes, const QString& code)
{
    return touchAt(at(minutes), code);
}

// An event of this kind; its second time a minute before the first.
inline LogEntry event(int kind, int minutes)
{
    LogEntry e;
    e.makeProgramEntry(at(minutes), at(minutes - 1), static_cast<unsigned char>(kind));
    return e;
}

} // namespace LogTest
