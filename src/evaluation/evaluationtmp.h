#pragma once
// The working records of an evaluation. EvaluationTmp: how the points of one start were
// visited (one status word and one HitList a point, or a round table for flexible routes).
// EvaluationWork: the run being filled while a log is walked. Plain values, deep copies.
#include "evaluation/roundmatrix.h"

#include <QPair>
#include <QVector>
#include <optional>

class PlanSnapshot;

// The stretches of a point's window that still hold no visit and are longer than the
// allowed break G. A pair (a, e) is the stretch [a, e + G].
class HitList
{
public:
    void setInterval(int g, int t1, int t2);
    void removeMinute(int minute);
    // Start of stretch j, or its end (e + G); 0xffffffff when j is out of range.
    quint32 value(int j, bool start) const;
    int count() const { return m_pairs.size(); }
    int base() const { return m_base; }
    void clear() { m_pairs.clear(); }
    bool operator==(const HitList& o) const { return m_base == o.m_base && m_pairs == o.m_pairs; }

private:
    int m_base = 0x7fffffff;
    QVector<QPair<int, int>> m_pairs;
};

class EvaluationTmp
{
public:
    // Status-word bits (see also RouteWindow).
    static constexpr quint32 neverVisited = 0x0e0007ff;
    static constexpr quint32 visitMask = 0x000ffc00;
    static constexpr quint32 notJudged = 0x01000000;
    static constexpr quint32 orderError = 0x02000000;
    static constexpr quint32 otherCode = 0x08000000;
    static constexpr quint32 overVisited = 0x10000000;
    static constexpr quint32 touched = 0x20000000;
    static constexpr quint32 notExecuted = 0x4fffffff;

    EvaluationTmp() = default;
    virtual ~EvaluationTmp() = default;
    EvaluationTmp(const EvaluationTmp&) = default;
    EvaluationTmp& operator=(const EvaluationTmp&) = default;
    EvaluationTmp(EvaluationTmp&&) = default;
    EvaluationTmp& operator=(EvaluationTmp&&) = default;

    static bool isNeverVisited(quint32 word) { return (word & ~visitMask) == 0x0e0003ff; }

    void setup(int logIndex, int route, int start, const PlanSnapshot& plan);
    void clear();
    void recordHit(int point, quint32 word, int minute);
    bool isDuplicateTouch(int point, int minute);
    // The point holds a touch of its own code (fixed and free order routes).
    bool hasOwnTouch(int point) const;
    void mergeCounts(const EvaluationTmp& other);
    void keepBetter(const EvaluationTmp& other);
    qint64 score() const;
    int visitedCount() const;
    int hitCount(int point) const;
    quint32 hitValue(int point, int j, bool start) const;
    quint32 summary(int count, int minGap, int maxGap, int tolerance);
    int firstMissingPoint() const;
    int roundLogs(unsigned char out[14]) const;
    quint32 roundSummary(int minGap, int maxGap, int tolerance);

    // One touch of the round table judged by its following times, as the round check
    // judges it: the gap from the touch before (for the earliest, from t1 with the
    // tolerance) and, for the latest, also the time left to t2 (with the tolerance).
    struct RoundTouch {
        int listIndex;
        int point;
        int minute;
        int gapVerdict; // -1 too short, 1 too long, 0 right
        int endVerdict; // the same for the time to t2; 0 unless the latest touch
        bool tooShort() const { return gapVerdict < 0 || endVerdict < 0; }
        bool tooLong() const { return gapVerdict > 0 || endVerdict > 0; }
    };
    // Every filled cell from the earliest touch to the latest, in the table's order.
    QVector<RoundTouch> roundTouches(int minGap, int maxGap, int tolerance) const;
    static int gapVerdict(qint64 gap, int minGap, int maxGap, int tolerance, bool edge);

    int logIndex = 0;
    int routeType = -1;
    int multiCount = 0;
    int pointCount = 0;
    std::optional<RoundMatrix> rounds;
    QVector<quint32> status;
    QVector<HitList> hits;
};

class EvaluationWork
{
public:
    EvaluationWork() = default;
    virtual ~EvaluationWork() = default;
    EvaluationWork(const EvaluationWork&) = default;
    EvaluationWork& operator=(const EvaluationWork&) = default;

    void reset();
    void setup(int route, int start, int point, const PlanSnapshot& plan, int logIndex, int minute);
    bool expectedPoint(int& route, int& point, int& start) const;

    int routeIndex = -1;
    int startIndex = -1;
    int startMinute = 0;
    EvaluationTmp tmp;
};
