#include "evaluation/evaluationtmp.h"

#include "evaluation/plansnapshot.h"

#include <algorithm>

// --- HitList ---

void HitList::setInterval(int g, int t1, int t2)
{
    g = std::max(g, 0);
    t1 = std::max(t1, 0);
    t2 = std::max(t2, 0);
    m_base = g;
    m_pairs.clear();
    if (qint64(t2) - g > t1)
        m_pairs.append(qMakePair(t1, t2 - g));
}

void HitList::removeMinute(int minute)
{
    const int m = std::max(minute, 0);
    const int r = int(std::max<qint64>(qint64(m) - m_base, 0));
    for (int i = m_pairs.size() - 1; i >= 0; --i) {
        const int a = m_pairs.at(i).first;
        const int e = m_pairs.at(i).second;
        if (a > m || e < r)
            continue;
        const bool left = a < r;
        const bool right = m < e;
        if (left && right) {
            m_pairs[i] = qMakePair(a, r);
            m_pairs.append(qMakePair(m, e));
        } else if (left) {
            m_pairs[i] = qMakePair(a, r);
        } else if (right) {
            m_pairs[i] = qMakePair(m, e);
        } else {
            m_pairs.remove(i);
        }
        return;
    }
}

quint32 HitList::value(int j, bool start) const
{
    if (j < 0 || j >= m_pairs.size())
        return 0xffffffff;
    return start ? quint32(m_pairs.at(j).first) : quint32(qint64(m_pairs.at(j).second) + m_base);
}

// --- EvaluationTmp ---

void EvaluationTmp::clear()
{
    rounds.reset();
    status.clear();
    hits.clear();
    routeType = -1;
    logIndex = 0;
    multiCount = 0;
    pointCount = 0;
}

void EvaluationTmp::setup(int log, int route, int start, const PlanSnapshot& plan)
{
    clear();
    if (start < 0 || !plan.validStart(route, start))
        return;
    const PlanRoute& r = plan.routes.at(route);
    pointCount = r.points.size();
    if (pointCount < 1)
        return;
    logIndex = log;
    routeType = r.type;
    const PlanStart& s = r.starts.at(start);
    quint32 initial = neverVisited;
    int g = 0;
    if (routeType == 1 || routeType == 3) {
        initial = ((quint32(s.count) << 10) & visitMask) | 0x0e0003ff;
        g = routeType == 1 ? int(qBound<qint64>(INT_MIN, qint64(s.t2) - s.t1 + 1, INT_MAX)) : s.t4;
    } else if (routeType == 4) {
        initial = 0x21300000u | quint32(s.count & 0xffff);
    }
    status.fill(initial, pointCount);
    if (routeType == 4) {
        rounds.emplace();
        rounds->init(pointCount, s.t1, s.t2);
        return;
    }
    hits.resize(pointCount);
    const bool timed = routeType == 1 || routeType == 3;
    for (HitList& h : hits)
        h.setInterval(g, timed ? s.t1 : 0, timed ? s.t2 : 0);
}

void EvaluationTmp::recordHit(int point, quint32 w, int minute)
{
    if (point < 0 || point >= pointCount)
        return;
    const quint32 old = status.at(point);
    const quint32 oldCount = old & visitMask;
    if ((old & 0xcdf003ff) > (w & 0xcdf003ff)) {
        status[point] = oldCount | (w & ~visitMask);
        if ((w & orderError) && point > 0) {
            int q = -1;
            if (oldCount > (status.at(point - 1) & visitMask)) {
                q = point - 1;
            } else {
                for (int i = point - 2; i >= 0 && q < 0; --i) {
                    if ((status.at(i) & visitMask) < oldCount)
                        q = i;
                }
            }
            if (q >= 0)
                status[q] |= orderError;
        }
    }
    if (w & otherCode)
        return;
    if (point < hits.size())
        hits[point].removeMinute(minute);
    if (status.at(point) & visitMask)
        status[point] -= 1024;
    else
        status[point] |= overVisited;
}

bool EvaluationTmp::isDuplicateTouch(int point, int minute)
{
    if (routeType != 4 || pointCount < 1 || !rounds)
        return false;
    return rounds->addTouch(point, minute);
}

bool EvaluationTmp::hasOwnTouch(int point) const
{
    return routeType != 4 && point >= 0 && point < status.size() && !(status.at(point) & otherCode);
}

int EvaluationTmp::visitedCount() const
{
    const quint32 bit = routeType == 4 ? notJudged : touched;
    return int(std::count_if(status.cbegin(), status.cend(), [bit](quint32 w) { return (w & bit) != 0; }));
}

qint64 EvaluationTmp::score() const
{
    qint64 sum = 0;
    qint64 counted = 0;
    for (quint32 w : status) {
        const quint32 low = w & 0x3ff;
        const bool order = w & orderError;
        const bool other = w & otherCode;
        if (low == 0 && !order && !other)
            continue;
        sum += low + (order ? 1024 : 0) + (other ? 2048 : 0);
        ++counted;
    }
    return sum * counted;
}

void EvaluationTmp::mergeCounts(const EvaluationTmp& other)
{
    if (pointCount != other.pointCount)
        return;
    if (routeType == 4) {
        *this = other;
        return;
    }
    multiCount = other.multiCount;
    hits = other.hits;
    for (int i = 0; i < pointCount && i < other.status.size(); ++i)
        status[i] = (status.at(i) & ~visitMask) | (other.status.at(i) & visitMask);
}

void EvaluationTmp::keepBetter(const EvaluationTmp& other)
{
    if (routeType != other.routeType || pointCount != other.pointCount || pointCount == 0
        || other.visitedCount() < 1)
        return;
    if (score() > other.score())
        *this = other;
    else
        mergeCounts(other);
}

int EvaluationTmp::hitCount(int point) const
{
    return point >= 0 && point < hits.size() ? hits.at(point).count() : 0;
}

quint32 EvaluationTmp::hitValue(int point, int j, bool start) const
{
    return point >= 0 && point < hits.size() ? hits.at(point).value(j, start) : 0xffffffff;
}

int EvaluationTmp::firstMissingPoint() const
{
    return rounds ? rounds->firstMissingPoint() : -1;
}

int EvaluationTmp::roundLogs(unsigned char out[14]) const
{
    return rounds ? rounds->allLogs(out) : 0;
}

int EvaluationTmp::gapVerdict(qint64 gap, int minGap, int maxGap, int tolerance, bool edge)
{
    const qint64 t = edge ? tolerance : 0;
    if (gap + t < minGap)
        return -1;
    if (gap - t > maxGap)
        return 1;
    return 0;
}

QVector<EvaluationTmp::RoundTouch> EvaluationTmp::roundTouches(int minGap, int maxGap, int tolerance) const
{
    QVector<RoundTouch> touches;
    if (!rounds)
        return touches;
    const RoundMatrix& table = *rounds;
    const int earliest = table.lastCellIndex();
    qint64 prev = table.firstMinute();
    for (int i = table.cellCount() - 1; i >= 0; --i) {
        const RoundMatrix::Cell c = table.cellAt(i);
        if (c.isEmpty())
            continue;
        RoundTouch t{i, c.point, c.minute, gapVerdict(c.minute - prev, minGap, maxGap, tolerance, i == earliest), 0};
        if (i == 0)
            t.endVerdict = gapVerdict(qint64(table.lastMinute()) - c.minute, minGap, maxGap, tolerance, true);
        touches.append(t);
        prev = c.minute;
    }
    return touches;
}

quint32 EvaluationTmp::roundSummary(int minGap, int maxGap, int tolerance)
{
    if (!rounds || rounds->roundCount() == 0)
        return notExecuted;
    RoundMatrix& table = *rounds;
    table.sortRounds();
    quint32 bits = 0;
    const QVector<RoundTouch> touches = roundTouches(minGap, maxGap, tolerance);
    if (touches.size() < table.cellCount())
        bits |= 0x00040000; // a round with a point missing
    for (const RoundTouch& t : touches) {
        const bool own = t.point < pointCount;
        if (own && (status.at(t.point) & 0xffff))
            status[t.point] -= 1;
        quint32 v = touched;
        if (t.gapVerdict < 0) {
            bits |= 0x00000400;
            v = 0x28000000;
        } else if (t.gapVerdict > 0) {
            bits |= 0x00000800;
            v = 0x24000000;
        }
        if (t.endVerdict < 0) {
            bits |= 0x00000400;
            v |= otherCode;
        } else if (t.endVerdict > 0) {
            bits |= 0x00000800;
            v |= 0x04000000;
        }
        if (own)
            status[t.point] = v | (status.at(t.point) & ~notJudged);
    }
    for (int r = 1; r < table.roundCount(); ++r) {
        const int lo = table.lastCell(r - 1).minute;
        const int hi = table.cell(r - 1, 0).minute;
        const int early = table.lastCell(r).minute;
        const int late = table.cell(r, 0).minute;
        if ((lo <= early && early <= hi) || (lo <= late && late <= hi)) {
            bits |= 0x00000200;
            table.setMark(r, true);
            table.setMark(r - 1, true);
        }
    }
    return bits;
}

quint32 EvaluationTmp::summary(int count, int minGap, int maxGap, int tolerance)
{
    if (routeType == 4) {
        if (!rounds)
            return notExecuted;
        const quint32 w = roundSummary(minGap, maxGap, tolerance);
        if ((w | 0x40000000) == notExecuted)
            return notExecuted;
        quint32 result = w | 0x40000000;
        if (count > rounds->roundCount())
            result |= 0x00010000;
        return result;
    }
    if (pointCount < 1)
        return notExecuted;
    quint32 result = 0x40000000;
    bool executed = false;
    for (int i = 0; i < pointCount; ++i) {
        const quint32 w = status.at(i);
        if (isNeverVisited(w)) {
            result |= 0x00040000;
            continue;
        }
        executed = true;
        if (w & 0x04000000)
            result |= 0x00008000;
        if (w & orderError)
            result |= 0x00004000;
        if (w & otherCode)
            result |= 0x00002000;
        if (w & visitMask)
            result |= 0x00010000;
        if (hitCount(i) > 0)
            result |= 0x00020000;
    }
    if (!executed)
        return notExecuted;
    if (multiCount >= 1)
        result |= 0x00001000;
    return result;
}

// --- EvaluationWork ---

void EvaluationWork::reset()
{
    routeIndex = -1;
    startIndex = -1;
    startMinute = 0;
    tmp.clear();
}

void EvaluationWork::setup(int route, int start, int point, const PlanSnapshot& plan, int logIndex, int minute)
{
    startMinute = 0;
    if (plan.validStart(route, start) && !plan.routes.at(route).points.isEmpty()) {
        const PlanRoute& r = plan.routes.at(route);
        if (r.type == 1) {
            const int offset = point >= 0 && point < r.points.size() ? r.points.at(point).offset : 0;
            startMinute = minute - offset;
        } else if (r.type == 3) {
            startMinute = minute - r.duration;
        } else {
            startMinute = r.starts.at(start).t1;
        }
    }
    routeIndex = route;
    startIndex = start;
    tmp.setup(logIndex, route, start, plan);
}

bool EvaluationWork::expectedPoint(int& route, int& point, int& start) const
{
    if (routeIndex < 0 || startIndex < 0 || tmp.pointCount < 1)
        return false;
    int expected = -1;
    if (tmp.routeType == 4) {
        expected = tmp.firstMissingPoint();
    } else {
        int lowest = -1;
        for (int i = 0; i < tmp.pointCount && lowest < 0; ++i) {
            if (!(tmp.status.at(i) & EvaluationTmp::otherCode))
                lowest = i;
        }
        expected = lowest < 0 ? tmp.pointCount : lowest - 1;
    }
    if (expected < 0) {
        if (tmp.routeType != 1 && tmp.routeType != 3)
            return false;
        quint32 most = 0;
        for (int i = tmp.pointCount - 1; i >= 0; --i) {
            const quint32 c = tmp.status.at(i) & EvaluationTmp::visitMask;
            if (c > most) {
                most = c;
                expected = i;
            }
        }
        if (expected < 0)
            return false;
    }
    route = routeIndex;
    point = expected;
    start = startIndex;
    return true;
}
