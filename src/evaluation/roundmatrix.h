#pragma once
// The rounds of one start of a flexible route: which point was touched at which minute in
// which round, and from which event log each round came. Rounds and the cells within a
// round are kept latest first, as the logs are walked from their newest entry back.
#include <QVector>

class RoundMatrix
{
public:
    struct Cell {
        int point = -1; // -1: empty
        int minute = 0; // the full minute (a 16-bit minute would wrap before midnight)
        bool isEmpty() const { return point < 0; }
        bool operator==(const Cell& o) const { return point == o.point && minute == o.minute; }
    };
    static constexpr int overlapMark = int(0x80000000u);

    void init(int pointsPerRound, int firstMinute, int lastMinute);
    void appendRound(int logIndex, int point, int minute);
    // Joins the touch to the last round; true also for a repeat of the round's latest
    // touch within one minute (ignored). False: the touch begins a new round.
    bool addTouch(int point, int minute);
    int firstMissingPoint() const;
    // The distinct log indices of the rounds in order of first appearance (at most 14),
    // the other bytes 0xff; returns their number.
    int allLogs(unsigned char out[14]) const;
    // Orders the rounds latest first by their earliest touch.
    void sortRounds();
    void setMark(int round, bool on);

    int roundCount() const { return m_rounds.size(); }
    int pointsPerRound() const { return m_pointsPerRound; }
    int firstMinute() const { return m_firstMinute; }
    int lastMinute() const { return m_lastMinute; }
    int roundValue(int round) const { return m_rounds.value(round); }
    Cell cell(int round, int j) const;
    Cell cellAt(int listIndex) const { return m_cells.at(listIndex); }
    int cellCount() const { return m_cells.size(); }
    Cell lastCell(int round) const;
    // List index of the last filled cell of the last round (0 when none).
    int lastCellIndex() const;
    int filledCount(int round) const;

    bool operator==(const RoundMatrix& o) const;

private:
    int earliestMinute(int round) const { return lastCell(round).minute; }

    int m_pointsPerRound = 0;
    int m_firstMinute = 0;
    int m_lastMinute = 0;
    QVector<int> m_rounds;
    QVector<Cell> m_cells;
};
