#pragma once
// What the report's texts need from outside: the century of the logger's two-digit years,
// the code-name list with the show-codes option, the locale of dates and the cell font.
// Passed explicitly so the report and its file work without a running application.
#include <QDateTime>
#include <QFont>
#include <QLocale>

class KodNevModel;
struct LogEntryContext;

struct ReportContext {
    int century = 2000;
    const KodNevModel* names = nullptr; // none: codes are shown as letters
    bool showCodes = false;
    QLocale locale = QLocale::system();
    QFont font;

    // The options as they stand now (the application object must exist).
    static ReportContext fromSettings();
    // The names and the show-codes option of a log-entry context; the rest as above.
    static ReportContext fromLogEntries(const LogEntryContext& entries, int century);
};

// The logger's packed 4-byte time with an explicit century pivot (see unpackDeviceTime).
// A day past the month's end gives an invalid date-time.
QDateTime unpackReportTime(const unsigned char in[4], int century);
