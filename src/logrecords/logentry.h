#pragma once
// One record of the logger's event log, exactly as the logger, its page replies and the
// event-log file hold it: ten raw bytes. Byte 0 below 200 is a checkpoint touch (packed
// time in bytes 0-3, code in bytes 4-9); 200 and above is an event of that kind (first
// time in bytes 1-4, second time in bytes 5-8, repeat count in byte 9).
#include <QColor>
#include <QDateTime>
#include <QString>

class KodNevModel;
class QDataStream;

// What an entry's texts and colours depend on besides its own bytes: the code-name list
// that names its codes and the display options (OptionFlag bits). The program's windows use
// the shared list and the stored options; an evaluation or an export may hand in its own.
struct LogEntryContext {
    const KodNevModel* names = nullptr;
    int flags = 0;

    // The program's one code-name list and its current options.
    static LogEntryContext fromSettings();
};

enum LogEventKind : unsigned char {
    KindFirstEvent = 200, // every byte 0 below this is a touch
    KindDeepDischarge = 215,
    KindMoisture = 216,
    KindCase = 217,
    KindBattery = 218,
    KindClockSet = 219,
    KindReadOut = 220, // first program-made kind
    KindDataGap = 221,
    KindArchived = 222,
    KindInitialised = 223,
    KindForeignInit = 224,
    KindFirstUnknown = 225,
    KindMissingRow = 234 // the log model's entry for a row that does not exist
};

class LogEntry
{
public:
    static constexpr int size = 10;
    static constexpr int codeOffset = 4;

    LogEntry();

    void clear();
    void setBytes(const unsigned char* raw);
    const unsigned char* bytes() const { return m_bytes; }
    unsigned char byte(int i) const { return m_bytes[i]; }
    unsigned char kind() const { return m_bytes[0]; }
    bool isTouch() const { return m_bytes[0] < KindFirstEvent; }
    // Bytes 4-9: the checkpoint code of a touch.
    const unsigned char* codeBytes() const { return m_bytes + codeOffset; }

    QDateTime dateTime() const;
    QDateTime secondDateTime() const;
    // dateTime() as the logger wrote it, in UTC terms: for differences between stamps.
    QDateTime wallClock() const;
    // Archive entries sort by their second time, everything else by the first.
    QDateTime sortDateTime() const;
    QDateTime copyWithDateTime(unsigned char* out) const;
    // The date and time of day of dateTime(), read without a local-time conversion (the
    // table asks for them for every painted cell).
    void firstStamp(QDate& date, QTime& time) const;
    QDate date() const;

    QString dateTimeText() const;
    QString secondDateTimeText() const;
    // A date and time as those two show them: the system locale's short date and the time.
    static QString dateTimeText(const QDate& date, const QTime& time);
    QString markerText() const;
    // A touch's 12 code letters; an event's second time.
    QString codeText() const;
    QString description(bool brief, const LogEntryContext& context) const;
    QString lineText(const LogEntryContext& context) const;
    QColor backgroundColor(const LogEntryContext& context) const;
    QColor foregroundColor(const LogEntryContext& context) const;
    // Any name of the code in the list, whatever its date.
    bool isNamed(const LogEntryContext& context) const;

    // The same from the program's own list and options.
    QString description(bool brief) const { return description(brief, LogEntryContext::fromSettings()); }
    QString lineText() const { return lineText(LogEntryContext::fromSettings()); }
    QColor backgroundColor() const { return backgroundColor(LogEntryContext::fromSettings()); }
    QColor foregroundColor() const { return foregroundColor(LogEntryContext::fromSettings()); }
    bool isNamed() const { return isNamed(LogEntryContext::fromSettings()); }

    // Logger events (200-219) match on kind and second time alone; the logger repeats them
    // with a fresh first time and count. Everything else matches on all ten bytes.
    bool operator==(const LogEntry& other) const;
    bool operator!=(const LogEntry& other) const { return !(*this == other); }

    void makeProgramEntry(const QDateTime& first, const QDateTime& second, const unsigned char& kind);

private:
    // Row of the name valid at the touch's date in the list, or -1.
    int validNameRow(const KodNevModel* names) const;

    unsigned char m_bytes[size];
};

QDataStream& operator<<(QDataStream& out, const LogEntry& e);
QDataStream& operator>>(QDataStream& in, LogEntry& e);
