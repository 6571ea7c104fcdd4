#include "evaluation/roundmatrix.h"

#include <QVarLengthArray>

#include <algorithm>
#include <numeric>

void RoundMatrix::init(int pointsPerRound, int firstMinute, int lastMinute)
{
    m_pointsPerRound = pointsPerRound;
    m_firstMinute = firstMinute;
    m_lastMinute = lastMinute;
    m_rounds.clear();
    m_cells.clear();
}

void RoundMatrix::appendRound(int logIndex, int point, int minute)
{
    if (m_pointsPerRound < 1)
        return;
    m_rounds.append(logIndex & 0x7fffffff);
    m_cells.append(Cell{point, minute});
    m_cells.resize(m_cells.size() + m_pointsPerRound - 1);
}

bool RoundMatrix::addTouch(int point, int minute)
{
    if (m_rounds.isEmpty() || m_pointsPerRound < 1)
        return false;
    const int first = m_cells.size() - m_pointsPerRound;
    for (int i = first; i < m_cells.size(); ++i) {
        Cell& c = m_cells[i];
        if (c.isEmpty()) {
            c = Cell{point, minute};
            return true;
        }
        if (c.point == point) {
            if (qAbs(qint64(minute) - c.minute) > 1)
                return false;
            return i + 1 == m_cells.size() || m_cells.at(i + 1).isEmpty();
        }
    }
    return false;
}

int RoundMatrix::firstMissingPoint() const
{
    if (m_rounds.isEmpty() || m_pointsPerRound < 1)
        return -1;
    QVarLengthArray<bool, 64> there(m_pointsPerRound);
    std::fill(there.begin(), there.end(), false);
    for (int i = m_cells.size() - m_pointsPerRound; i < m_cells.size(); ++i) {
        const int p = m_cells.at(i).point;
        if (p >= 0 && p < m_pointsPerRound)
            there[p] = true;
    }
    const auto missing = std::find(there.begin(), there.end(), false);
    return missing == there.end() ? -1 : int(missing - there.begin());
}

int RoundMatrix::allLogs(unsigned char out[14]) const
{
    if (m_rounds.isEmpty())
        return 0;
    std::fill(out, out + 14, 0xff);
    int n = 0;
    for (int value : m_rounds) {
        const unsigned char log = uchar(value & 127);
        if (std::find(out, out + n, log) != out + n)
            continue;
        if (n == 14)
            break;
        out[n++] = log;
    }
    return n;
}

RoundMatrix::Cell RoundMatrix::cell(int round, int j) const
{
    if (round < 0 || round >= m_rounds.size() || j < 0 || j >= m_pointsPerRound)
        return Cell{};
    return m_cells.at(round * m_pointsPerRound + j);
}

RoundMatrix::Cell RoundMatrix::lastCell(int round) const
{
    const int n = filledCount(round);
    return n > 0 ? m_cells.at(round * m_pointsPerRound + n - 1) : Cell{};
}

int RoundMatrix::filledCount(int round) const
{
    if (round < 0 || round >= m_rounds.size())
        return 0;
    const int base = round * m_pointsPerRound;
    int n = m_pointsPerRound;
    while (n > 0 && m_cells.at(base + n - 1).isEmpty())
        --n;
    return n;
}

int RoundMatrix::lastCellIndex() const
{
    const int last = m_rounds.size() - 1;
    const int n = filledCount(last);
    return n > 0 ? last * m_pointsPerRound + n - 1 : 0;
}

void RoundMatrix::setMark(int round, bool on)
{
    if (round < 0 || round >= m_rounds.size())
        return;
    if (on)
        m_rounds[round] |= overlapMark;
    else
        m_rounds[round] &= ~overlapMark;
}

void RoundMatrix::sortRounds()
{
    const int k = m_rounds.size();
    if (k < 2 || m_pointsPerRound < 1)
        return;
    QVector<int> key(k);
    for (int r = 0; r < k; ++r)
        key[r] = earliestMinute(r);
    // Latest first by the earliest touch; rounds with equal minutes keep their order.
    QVector<int> order(k);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&key](int a, int b) { return key[a] > key[b]; });
    QVector<int> rounds(k);
    QVector<Cell> cells(m_cells.size());
    for (int i = 0; i < k; ++i) {
        rounds[i] = m_rounds.at(order[i]);
        std::copy_n(m_cells.constBegin() + order[i] * m_pointsPerRound, m_pointsPerRound,
                    cells.begin() + i * m_pointsPerRound);
    }
    m_rounds = rounds;
    m_cells = cells;
}

bool RoundMatrix::operator==(const RoundMatrix& o) const
{
    return m_pointsPerRound == o.m_pointsPerRound && m_firstMinute == o.m_firstMinute
        && m_lastMinute == o.m_lastMinute && m_rounds == o.m_rounds && m_cells == o.m_cells;
}
