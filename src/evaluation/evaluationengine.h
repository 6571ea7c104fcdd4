#pragma once
// The fulfilment evaluation itself, free of widgets: it walks every event log a plan names
// from its newest entry to its oldest, judges each checkpoint touch against the plan,
// collects runs, keeps the better run of each start and builds the report rows. Logs come
// from a log source, progress and the abort go through a progress interface.
#include "logrecords/logentry.h"
#include "evaluation/evaluationreport.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class PlanSnapshot;

class EvaluationProgress
{
public:
    virtual ~EvaluationProgress() = default;
    virtual void setTexts(const QString& title, const QString& text1, const QString& text2) = 0;
    virtual void setRange1(int n) = 0;
    virtual void setValue1(int v) = 0;
    virtual void setRange2(int n) = 0;
    // Called for every entry: must be cheap.
    virtual void setValue2(int v) = 0;
    // Called after every entry and every start: lets events through now and then and
    // returns true once the user has asked to abort.
    virtual bool poll() = 0;
};

class EvaluationLogSource
{
public:
    virtual ~EvaluationLogSource() = default;
    // The entries of the log of that name, oldest first; false when it cannot be read
    // (the source tells the user itself).
    virtual bool load(int index, const QString& name, QVector<LogEntry>& entries) = 0;
};

struct EvaluationRequest {
    QString reportPath; // its base name is the report's title
    QDateTime base;     // 00:00 of the evaluated day
    int mode = ReportDetailed;
    int century = 2000; // of the logger's two-digit years
};

struct EvaluationResult {
    EvaluationReport report;
    bool aborted = false;
};

namespace EvaluationEngine {

EvaluationResult run(const PlanSnapshot& plan, const EvaluationRequest& request, EvaluationLogSource& logs,
                     EvaluationProgress& progress);

// The wall-clock seconds from 00:00 of the day with Julian day baseDay to the entry's
// time (bytes 0-3 of a touch, 1-4 of an event); false when that is no real date.
bool entrySeconds(const unsigned char raw[10], int century, qint64 baseDay, qint64& seconds);

} // namespace EvaluationEngine
