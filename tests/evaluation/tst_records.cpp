// Working records: stretches without a visit, folding touches into point words, keeping the
// better run, the start word, the point a run expects next, and the round table.
#include "support/testmain.h"

#include "evaluation/evaluationtmp.h"
#include "plantestutil.h"

using namespace PlanTest;
using Words = QVector<quint32>;
using Pairs = QVector<QPair<quint32, quint32>>;
Q_DECLARE_METATYPE(Words)
Q_DECLARE_METATYPE(Pairs)

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void hitList_data();
    void hitList();
    void recordHit_data();
    void recordHit();
    void keepBetter();
    void summary_data();
    void summary();
    void expectedPoint_data();
    void expectedPoint();
    void addTouch_data();
    void addTouch();
    void sortRounds_data();
    void sortRounds();
    void roundSummary_data();
    void roundSummary();
};

namespace {

// A record of the type with the given point words; hit lists with break g over [t1, t2].
EvaluationTmp record(int type, const Words& words, int g = 0, int t1 = 0, int t2 = 0)
{
    EvaluationTmp r;
    r.routeType = type;
    r.pointCount = words.size();
    r.status = words;
    r.hits.resize(words.size());
    for (HitList& h : r.hits)
        h.setInterval(g, t1, t2);
    return r;
}

Pairs stretches(const HitList& h)
{
    Pairs p;
    for (int j = 0; j < h.count(); ++j)
        p.append(qMakePair(h.value(j, true), h.value(j, false)));
    return p;
}

// One flexible record with one round per given list of (point, minute), latest first.
EvaluationTmp flexible(int points, int t1, int t2, const QVector<QVector<QPair<int, int>>>& rounds, int count = 1)
{
    EvaluationTmp r;
    r.routeType = 4;
    r.pointCount = points;
    r.status.fill(0x21300000u | quint32(count), points);
    r.rounds.emplace();
    r.rounds->init(points, t1, t2);
    for (const auto& round : rounds) {
        r.rounds->appendRound(0, round.first().first, round.first().second);
        for (int i = 1; i < round.size(); ++i)
            r.rounds->addTouch(round.at(i).first, round.at(i).second);
    }
    return r;
}

} // namespace

void TestRecords::hitList_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<QVector<int>>("visits");
    QTest::addColumn<Pairs>("left");

    QTest::newRow("type 1 window keeps none") << 61 << 480 << 540 << QVector<int>{} << Pairs{};
    QTest::newRow("service window") << 30 << 0 << 100 << QVector<int>{} << Pairs{{0, 100}};
    QTest::newRow("window no longer than the break") << 100 << 0 << 100 << QVector<int>{} << Pairs{};
    QTest::newRow("one visit splits") << 30 << 0 << 100 << QVector<int>{50} << Pairs{{0, 50}, {50, 100}};
    QTest::newRow("visits close the gaps") << 30 << 0 << 100 << QVector<int>{80, 80, 50, 20} << Pairs{};
    QTest::newRow("visit near the end") << 30 << 0 << 100 << QVector<int>{90} << Pairs{{0, 90}};
    QTest::newRow("visit outside") << 30 << 0 << 100 << QVector<int>{200} << Pairs{{0, 100}};
    QTest::newRow("negative clamped") << 30 << -50 << 100 << QVector<int>{-20} << Pairs{{0, 100}};
    QTest::newRow("right part appended") << 10 << 0 << 100 << QVector<int>{50, 20}
                                         << Pairs{{0, 20}, {50, 100}, {20, 50}};
}

void TestRecords::hitList()
{
    QFETCH(int, g);
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(QVector<int>, visits);
    QFETCH(Pairs, left);
    HitList h;
    h.setInterval(g, t1, t2);
    for (int m : visits)
        h.removeMinute(m);
    QCOMPARE(stretches(h), left);
    QCOMPARE(h.value(h.count(), true), 0xffffffffu);
}

void TestRecords::recordHit_data()
{
    QTest::addColumn<Words>("before");
    QTest::addColumn<int>("point");
    QTest::addColumn<quint32>("word");
    QTest::addColumn<Words>("after");

    QTest::newRow("better word keeps the count") << Words{0x0e000bff} << 0 << 0x24000005u << Words{0x24000405};
    QTest::newRow("worse word still counts") << Words{0x20000400} << 0 << 0x24000005u << Words{0x20000000};
    QTest::newRow("other code never counts") << Words{0x0e0007ff} << 0 << 0x28000000u << Words{0x28000400};
    QTest::newRow("over visited") << Words{0x20000000} << 0 << 0x20000000u << Words{0x30000000};
    QTest::newRow("out of range") << Words{0x0e0007ff} << 1 << 0x20000000u << Words{0x0e0007ff};
    QTest::newRow("order marks the point before")
        << Words{0x20000000, 0x20000000, 0x20000000, 0x0e0007ff} << 3 << 0x22000000u
        << Words{0x20000000, 0x20000000, 0x22000000, 0x22000000};
    QTest::newRow("order marks a lower count further down")
        << Words{0x20000000, 0x20000400, 0x20000400, 0x0e0007ff} << 3 << 0x22000000u
        << Words{0x22000000, 0x20000400, 0x20000400, 0x22000000};
    QTest::newRow("order with no lower count")
        << Words{0x20000400, 0x20000400, 0x0e0007ff} << 2 << 0x22000000u << Words{0x20000400, 0x20000400, 0x22000000};
    QTest::newRow("order bit on a word no better") << Words{0x20000000, 0x20000000} << 1 << 0x22000000u
                                                   << Words{0x20000000, 0x30000000};
}

void TestRecords::recordHit()
{
    QFETCH(Words, before);
    QFETCH(int, point);
    QFETCH(quint32, word);
    QFETCH(Words, after);
    EvaluationTmp r = record(1, before);
    r.recordHit(point, word, 100);
    QCOMPARE(r.status, after);
}

void TestRecords::keepBetter()
{
    // Equal scores: the stored words stay, counts, stretches and run count come over.
    EvaluationTmp stored = record(3, {0x24000403, 0x20000400}, 30, 0, 100);
    EvaluationTmp run = record(3, {0x20000000, 0x24000003}, 30, 0, 100);
    run.multiCount = 2;
    run.hits[0].removeMinute(50);
    QCOMPARE(stored.score(), run.score());
    stored.keepBetter(run);
    QCOMPARE(stored.status, (Words{0x24000003, 0x20000000}));
    QCOMPARE(stored.multiCount, 2);
    QCOMPARE(stretches(stored.hits.at(0)), (Pairs{{0, 50}, {50, 100}}));

    // A better run replaces the stored one; a run without a visit changes nothing.
    EvaluationTmp better = record(3, {0x20000000, 0x20000000});
    stored.keepBetter(better);
    QCOMPARE(stored.status, better.status);
    EvaluationTmp unvisited = record(3, {0x0e0007ff, 0x0e0007ff});
    stored.keepBetter(unvisited);
    QCOMPARE(stored.status, better.status);
    QCOMPARE(record(0, {0x0e0007ff, 0x20000005}).score(), qint64((0x3ff + 3072 + 5) * 2));
}

void TestRecords::summary_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Words>("words");
    QTest::addColumn<int>("runs");
    QTest::addColumn<quint32>("start");

    QTest::newRow("never executed") << 0 << Words{0x0e0007ff, 0x0e0007ff} << 0 << 0x4fffffffu;
    QTest::newRow("flawless") << 0 << Words{0x20000000, 0x20000000} << 0 << 0x40000000u;
    QTest::newRow("run twice") << 0 << Words{0x20000000, 0x20000000} << 1 << 0x40001000u;
    QTest::newRow("missed point") << 0 << Words{0x0e0007ff, 0x20000000} << 0 << 0x40040000u;
    QTest::newRow("late and order") << 0 << Words{0x26000007, 0x20000000} << 0 << 0x4000c000u;
    QTest::newRow("other code") << 0 << Words{0x28000000, 0x20000000} << 0 << 0x40002000u;
    QTest::newRow("visits outstanding") << 1 << Words{0x20000400, 0x0e0003ff} << 0 << 0x40050000u;
    QTest::newRow("over visited is no fault") << 1 << Words{0x30000000} << 0 << 0x40000000u;
}

void TestRecords::summary()
{
    QFETCH(int, type);
    QFETCH(Words, words);
    QFETCH(int, runs);
    QFETCH(quint32, start);
    EvaluationTmp r = record(type, words);
    r.multiCount = runs;
    QCOMPARE(r.summary(1, 0, 0, 0), start);
}

void TestRecords::expectedPoint_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Words>("words");
    QTest::addColumn<int>("expected"); // -1: none

    const quint32 never = 0x0e0007ff;
    QTest::newRow("nothing touched yet") << 0 << Words{never, never, never} << 3;
    QTest::newRow("points 4 to 6 touched")
        << 0 << Words{never, never, never, never, 0x20000000, 0x20000000, 0x24000001} << 3;
    QTest::newRow("foreign word is not touched") << 0 << Words{never, never, 0x28000000, 0x20000000} << 2;
    QTest::newRow("first point touched") << 0 << Words{0x20000000, never} << -1;
    QTest::newRow("free order likewise") << 2 << Words{0x20000000, never} << -1;
    QTest::newRow("most visits outstanding") << 1 << Words{0x20000400, 0x20000800, 0x20000800} << 2;
    QTest::newRow("service, none outstanding") << 3 << Words{0x20000000, 0x20000000} << -1;
}

void TestRecords::expectedPoint()
{
    QFETCH(int, type);
    QFETCH(Words, words);
    QFETCH(int, expected);
    EvaluationWork work;
    work.routeIndex = 2;
    work.startIndex = 1;
    work.tmp = record(type, words);
    int r = -1, p = -1, s = -1;
    QCOMPARE(work.expectedPoint(r, p, s), expected >= 0);
    if (expected >= 0) {
        QCOMPARE(p, expected);
        QCOMPARE(r, 2);
        QCOMPARE(s, 1);
    }
    work.reset();
    QVERIFY(!work.expectedPoint(r, p, s));
}

void TestRecords::addTouch_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("joined");
    QTest::addColumn<int>("missing");
    // The last round holds point 1 at 599 and point 2 at 595; points 0 and 3 are missing.
    QTest::newRow("new point joins") << 0 << 590 << true << 3;
    QTest::newRow("repeat of the latest cell within a minute") << 2 << 594 << true << 0;
    QTest::newRow("repeat too far apart") << 2 << 592 << false << 0;
    QTest::newRow("repeat of an earlier cell") << 1 << 599 << false << 0;
}

void TestRecords::addTouch()
{
    QFETCH(int, point);
    QFETCH(int, minute);
    QFETCH(bool, joined);
    QFETCH(int, missing);
    RoundMatrix m;
    m.init(4, 0, 1000);
    QVERIFY(!m.addTouch(0, 10)); // no round yet
    QCOMPARE(m.firstMissingPoint(), -1);
    m.appendRound(1, 1, 599);
    QVERIFY(m.addTouch(2, 595));
    QCOMPARE(m.addTouch(point, minute), joined);
    QCOMPARE(m.firstMissingPoint(), missing);
}

void TestRecords::sortRounds_data()
{
    QTest::addColumn<QVector<int>>("earliest"); // one single-cell round each, in stored order
    QTest::addColumn<QVector<int>>("logs");     // expected stored order, by the rounds' log indices
    QTest::newRow("distinct") << QVector<int>{5, 9, 1, 7} << QVector<int>{1, 3, 0, 2};
    QTest::newRow("already sorted") << QVector<int>{9, 7, 5} << QVector<int>{0, 1, 2};
    QTest::newRow("equal minutes keep their order") << QVector<int>{3, 5, 5} << QVector<int>{1, 2, 0};
    QTest::newRow("equal minutes already in place") << QVector<int>{5, 5, 3} << QVector<int>{0, 1, 2};
    QTest::newRow("equal minutes among others") << QVector<int>{2, 3, 5, 3, 5} << QVector<int>{2, 4, 1, 3, 0};
}

void TestRecords::sortRounds()
{
    QFETCH(QVector<int>, earliest);
    QFETCH(QVector<int>, logs);
    RoundMatrix m;
    m.init(1, 0, 100);
    for (int i = 0; i < earliest.size(); ++i)
        m.appendRound(i, 0, earliest.at(i));
    m.sortRounds();
    QVector<int> order;
    for (int r = 0; r < m.roundCount(); ++r)
        order.append(m.roundValue(r));
    QCOMPARE(order, logs);
}

void TestRecords::roundSummary_data()
{
    using Round = QVector<QPair<int, int>>;
    QTest::addColumn<int>("points");
    QTest::addColumn<QVector<Round>>("rounds");
    QTest::addColumn<QVector<int>>("gaps"); // t1, t2, minGap, maxGap, tolerance
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<Words>("words");

    QTest::newRow("missing points") << 3 << QVector<Round>{{{2, 600}, {0, 590}, {1, 580}}, {{1, 560}}}
                                    << QVector<int>{550, 610, 0, 100, 0} << 0x00040000u
                                    << Words{0x20300001, 0x20300000, 0x20300001};
    QTest::newRow("short gap in the middle") << 1 << QVector<Round>{{{0, 600}}, {{0, 583}}, {{0, 580}}}
                                             << QVector<int>{570, 610, 5, 100, 0} << 0x00000400u
                                             << Words{0x28300000};
    QTest::newRow("first gap with tolerance") << 1 << QVector<Round>{{{0, 510}}} << QVector<int>{500, 520, 12, 100, 5}
                                              << 0x00000000u << Words{0x20300000};
    QTest::newRow("first gap without") << 1 << QVector<Round>{{{0, 510}}} << QVector<int>{500, 530, 12, 100, 0}
                                       << 0x00000400u << Words{0x28300000};
    QTest::newRow("too long to the end") << 1 << QVector<Round>{{{0, 510}}} << QVector<int>{500, 700, 0, 60, 5}
                                         << 0x00000800u << Words{0x24300000};
    // A gap below the minimum and above the maximum (minimum over maximum) is too short only.
    QTest::newRow("too short and too long") << 1 << QVector<Round>{{{0, 540}}} << QVector<int>{500, 580, 60, 30, 0}
                                            << 0x00000400u << Words{0x28300000};
    QTest::newRow("overlap") << 2 << QVector<Round>{{{0, 600}, {1, 580}}, {{1, 590}, {0, 570}}}
                             << QVector<int>{560, 610, 0, 100, 0} << 0x00000600u << Words{0x20300000, 0x28300000};
    QTest::newRow("before midnight") << 1
                                     << QVector<Round>{{{0, 95}}, {{0, 85}}, {{0, 70}}, {{0, 55}}, {{0, 40}}, {{0, 25}},
                                                       {{0, 10}}, {{0, -3}}}
                                     << QVector<int>{0, 100, 0, 20, 5} << 0x00000000u << Words{0x20300000};
}

void TestRecords::roundSummary()
{
    using Round = QVector<QPair<int, int>>;
    QFETCH(int, points);
    QFETCH(QVector<Round>, rounds);
    QFETCH(QVector<int>, gaps);
    QFETCH(quint32, bits);
    QFETCH(Words, words);
    EvaluationTmp r = flexible(points, gaps.at(0), gaps.at(1), rounds, rounds.size());
    QCOMPARE(r.roundSummary(gaps.at(2), gaps.at(3), gaps.at(4)), bits);
    QCOMPARE(r.status, words);
    const bool marked = bits & 0x200;
    for (int i = 0; i < r.rounds->roundCount(); ++i)
        QCOMPARE(r.rounds->roundValue(i) < 0, marked);
}

WYX_TEST_MAIN(TestRecords)
#include "tst_records.moc"
