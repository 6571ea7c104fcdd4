#pragma once
// The building side of a fulfilment report: the names, one stored working record for
// every start of every route, the time range examined, the test of each log entry's time
// against it, the joining and storing of runs, and the rows of one start at the chosen
// depth. Every time is wall-clock seconds or minutes from 00:00 of the base date, so a
// daylight-saving change inside the evaluated days shifts nothing.
#include "evaluation/evaluationreport.h"
#include "evaluation/evaluationtmp.h"
#include "evaluation/plansnapshot.h"

#include <QDateTime>
#include <QVector>

class ReportBuilder
{
public:
    // Results of checkEntryTime.
    enum EntryVerdict { Evaluate = 0, Stop = 1, Skip = 2 };
    static constexpr int olderLimit = 600;

    explicit ReportBuilder(const PlanSnapshot& plan);

    void init(const QString& reportPath, const QDateTime& base, int mode);
    // valid: the entry's time is a real date; seconds: its wall-clock distance from base.
    int checkEntryTime(const unsigned char raw[10], bool valid, qint64 seconds, int logIndex, int row);
    void openRoute(EvaluationWork& work, int logIndex, int point, int minute);
    void flushWork(EvaluationWork& work);
    // Appends the rows of one start; true when the start is faulty (or has no record).
    bool evaluateStart(int route, int start);
    void addRow(int index, quint32 kind);
    void addRouteRow(int route, quint32 kind);
    void addLogEventRow(int logIndex, const unsigned char raw[10]);

    // The packed logger time of base + seconds (wall clock).
    void packFromBase(qint64 seconds, unsigned char out[4]) const;
    // Index of the stored record of (route, start) in runs, -1 when there is none.
    int recordIndex(int route, int start) const;

    EvaluationReport report;
    bool runOpened = false;
    int olderCount = 0;
    qint64 rangeStart = 0; // seconds from base
    qint64 rangeEnd = 0;
    int rangeMargin = 0;   // minutes
    QVector<EvaluationTmp> runs;
    QVector<int> startCounts;

private:
    void append(const EvaluationRow& row) { report.rows.append(row); }
    void pointRows(int route, int start, int point, const EvaluationTmp& record,
                   const QVector<EvaluationTmp::RoundTouch>& touches, unsigned char scratch[14]);

    const PlanSnapshot& m_plan;
    QVector<int> m_firstRecord; // index in runs of each route's first start
    QDate m_baseDate;
};
