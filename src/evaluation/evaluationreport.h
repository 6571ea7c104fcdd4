#pragma once
// What a finished fulfilment report consists of, and its file ("ffr"): a big-endian
// QDataStream (version 12 after the magic) with the title, the start date-time, the mode,
// the log and route names and the 20-byte rows. The reader takes any device and trusts
// nothing in it: counts are checked against the bytes left, and a report is only given
// back when every field was read whole.
#include "evaluation/evaluationrow.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// ReportMode: how much the report tells.
enum ReportMode { ReportReduced = 0, ReportNormal = 1, ReportDetailed = 2 };

struct EvaluationReport {
    QString title;
    QDateTime baseTime;
    qint32 mode = ReportReduced;
    QStringList logNames;
    QStringList routeNames;
    QVector<EvaluationRow> rows;

    // Empty when i is out of range.
    QString logName(int i) const { return logNames.value(i); }
    QString routeName(int i) const { return routeNames.value(i); }
};

namespace ReportFile {

constexpr quint32 magic = 0x00EA0101;
constexpr int streamVersion = 12;

enum class ReadStatus {
    Ok,
    BadMagic, // not a report file
    Damaged   // cut short or inconsistent
};

// On anything but Ok, report is left as it was.
ReadStatus read(QIODevice& device, EvaluationReport& report);
// False when the device refused any byte.
bool write(QIODevice& device, const EvaluationReport& report);

} // namespace ReportFile
