#pragma once
// The texts of a log window's row as its text and XML exports write them, as UTF-8 bytes
// straight from the entries: dates made once per day, names once per code and day, event
// texts once per kind. Whatever the shortcuts cannot vouch for (days with a clock change,
// dates that do not exist) takes the entry's and the model's own texts.
#include "logrecords/logentry.h"

#include <QByteArray>
#include <QHash>

class LogFilterProxyModel;
class LogModel;

class LogRowBytes
{
public:
    struct Text {
        const char* data = nullptr;
        int size = 0;
    };

    LogRowBytes(const LogFilterProxyModel* proxy, const LogModel* log);

    // Fills the marker, stamp, code, description and elapsed-time texts of a shown row
    // (valid until the next call) and returns the row's number in the whole log.
    int fill(int proxyRow, Text texts[5]);

private:
    struct DayInfo {
        QByteArray datePart; // local date and a space; empty when the day needs the slow way
        qint64 julianDay = 0;
        bool validDate = false;
    };

    const DayInfo& day(const unsigned char* b);
    // A stamp into a buffer of stampSize; its length, or -1 for the slow way.
    int stamp(const LogEntry& entry, bool second, char* out);
    Text marker(int source, const LogEntry& entry);
    Text description(const LogEntry& entry);
    bool wallSeconds(const LogEntry& entry, qint64& seconds);
    int previousTouch(int source) const;
    Text elapsed(int source, const LogEntry& entry);

    const LogFilterProxyModel* m_proxy;
    const LogModel* m_log;
    const QVector<LogEntry>& m_entries;
    LogEntryContext m_context;
    bool m_identity;
    bool m_sameCode;
    bool m_lateMarks;
    qint64 m_followSeconds;

    QHash<quint16, DayInfo> m_days;
    quint16 m_lastDayKey = 0;
    const DayInfo* m_lastDay = nullptr;
    struct CodeMemo {
        quint16 day = 0;
        bool known = false;
        QByteArray text;
    };
    QHash<quint64, QByteArray> m_descriptions;
    QHash<quint64, CodeMemo> m_lastOfCode; // the last description of each code or event
    QByteArray m_markers[256];
    bool m_markerKnown[256] = {};
    QByteArray m_longGap;

    static constexpr int stampSize = 96;
    char m_first[stampSize];
    char m_second[stampSize];
    QByteArray m_slowFirst;
    QByteArray m_slowSecond;
    char m_elapsed[48];
    QByteArray m_slowElapsed;
    char m_code[12];
    int m_lastTouch = -1; // the last touch whose wall-clock seconds are known
    qint64 m_lastTouchSeconds = 0;
};
