#pragma once
// Running the evaluation on hand-made plans and in-memory logs.
#include "evaluation/evaluationengine.h"
#include "plantestutil.h"

#include <QHash>
#include <QStringList>

namespace RunTest {

class MemoryLogs : public EvaluationLogSource
{
public:
    bool load(int, const QString& name, QVector<LogEntry>& entries) override
    {
        ++loads;
        if (!logs.contains(name))
            return false;
        entries = logs.value(name);
        return true;
    }
    QHash<QString, QVector<LogEntry>> logs;
    int loads = 0;
};

class CountingProgress : public EvaluationProgress
{
public:
    void setTexts(const QString& t, const QString&, const QString&) override { titles.append(t); }
    void setRange1(int) override {}
    void setValue1(int) override {}
    void setRange2(int) override {}
    void setValue2(int v) override { lastValue2 = v; }
    bool poll() override { return ++polls >= cancelAt; }
    int polls = 0;
    int cancelAt = 0x7fffffff;
    int lastValue2 = -1;
    QStringList titles;
};

// "kind/index" of every row, kinds in 8 hex digits.
inline QStringList rowKinds(const EvaluationReport& report)
{
    QStringList out;
    for (const EvaluationRow& r : report.rows)
        out.append(QStringLiteral("%1/%2").arg(r.word(), 8, 16, QLatin1Char('0')).arg(r.index));
    return out;
}

inline QByteArray payloadHex(const EvaluationRow& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.payload), 14).toHex();
}

inline EvaluationResult run(const PlanTest::Plan& plan, MemoryLogs& logs, const QDate& base, int mode,
                            EvaluationProgress* progress = nullptr)
{
    CountingProgress quiet;
    EvaluationRequest request;
    request.reportPath = QStringLiteral("/work/plan1_%1.ffr").arg(base.toString(Qt::ISODate));
    request.base = QDateTime(base, QTime(0, 0));
    request.mode = mode;
    request.century = 2000;
    const PlanSnapshot snapshot = plan.snapshot();
    return EvaluationEngine::run(snapshot, request, logs, progress ? *progress : quiet);
}

} // namespace RunTest
