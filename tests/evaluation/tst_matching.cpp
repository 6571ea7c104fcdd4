// Time-window matching: the window word of every route type at its edges, the best match
// over a plan with its order of candidates, the expected-point check and the start window,
// each judged alike by the route-plan model and by the evaluation's flat copy of a plan.
#include "support/testmain.h"

#include "plantestutil.h"
#include "routes/routewindow.h"

#include <QRandomGenerator>

using namespace PlanTest;

class TestMatching : public QObject
{
    Q_OBJECT
private slots:
    void windowWord_data();
    void windowWord();
    void bestMatch_data();
    void bestMatch();
    void checkNextPoint_data();
    void checkNextPoint();
    void startCovers_data();
    void startCovers();
    void randomPlansAgree();
};

namespace {

// The fixed plan of the match tables (tolerance 5).
Plan matchPlan()
{
    Plan p;
    p.tolerance(5);
    p.route("Fix", 0).start(480).start(600).point("B", 0).point("C", 30).point("D", 60);
    p.route("Free", 2, 120).start(480).point("C", 0).point("E", 10);
    p.route("NoStart", 3).point("F", 0);
    p.route("Unset", -1).start(480).point("H", 0);
    p.route("Service", 3).start(480, 600).start(500, 700).point("G", 0).point("G", 10);
    p.route("Six", 0).start(480).point("J", 0).point("K", 10).point("L", 20).point("M", 30).point("N", 40).point("O",
                                                                                                                 50);
    p.route("Flex", 1).start(480, 540).point("BB", 0).point("BC", 20);
    return p;
}

} // namespace

void TestMatching::windowWord_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("minute");
    QTest::addColumn<quint32>("word");
    const int none = RouteWindow::startNotGiven;

    QTest::newRow("fixed at lo'") << 0 << 480 << -1 << 30 << -1 << 5 << none << 505 << 0x20000000u;
    QTest::newRow("fixed at hi'") << 0 << 480 << -1 << 30 << -1 << 5 << none << 515 << 0x20000000u;
    QTest::newRow("fixed 1 early") << 0 << 480 << -1 << 30 << -1 << 5 << none << 504 << 0x24000001u;
    QTest::newRow("fixed 1 late") << 0 << 480 << -1 << 30 << -1 << 5 << none << 516 << 0x24000001u;
    QTest::newRow("fixed 1022 late") << 0 << 480 << -1 << 30 << -1 << 5 << none << 1537 << 0x240003feu;
    QTest::newRow("fixed 1023 late") << 0 << 480 << -1 << 30 << -1 << 5 << none << 1538 << 0x240003ffu;
    QTest::newRow("fixed 1024 late") << 0 << 480 << -1 << 30 << -1 << 5 << none << 1539 << 0x240003ffu;
    QTest::newRow("fixed 1022 early") << 0 << 480 << -1 << 30 << -1 << 5 << none << -517 << 0x240003feu;
    QTest::newRow("fixed unset start") << 0 << -1 << -1 << 10 << -1 << 0 << none << 10 << 0x20000000u;
    QTest::newRow("next day") << 0 << 1440 + 30 << -1 << 0 << -1 << 0 << none << 1470 << 0x20000000u;
    QTest::newRow("actual start") << 1 << 480 << 540 << 30 << -1 << 0 << 600 << 630 << 0x20000000u;
    QTest::newRow("actual start late") << 1 << 480 << 540 << 30 << -1 << 0 << 600 << 631 << 0x24000001u;
    QTest::newRow("actual start lowest") << 1 << 480 << 540 << 30 << -1 << 0 << -1073741823 << 0 << 0x240003ffu;
    QTest::newRow("no actual start") << 1 << 480 << 540 << 30 << -1 << 0 << none << 570 << 0x20000000u;
    QTest::newRow("actual past limit") << 1 << 480 << 540 << 30 << -1 << 0 << 1073741823 << 479 << 0x24000001u;
    QTest::newRow("free by duration") << 2 << 480 << -1 << 45 << 60 << 10 << none << 550 << 0x20000000u;
    QTest::newRow("free 1 late") << 2 << 480 << -1 << 45 << 60 << 10 << none << 551 << 0x24000001u;
    QTest::newRow("service end") << 3 << 480 << 600 << 45 << 20 << 0 << none << 600 << 0x20000000u;
    QTest::newRow("service 1 early") << 3 << 480 << 600 << 45 << 20 << 0 << none << 479 << 0x24000001u;
    QTest::newRow("flexible late") << 4 << 480 << 600 << 0 << -1 << 2 << none << 612 << 0x2400000au;
    QTest::newRow("huge tolerance") << 0 << 480 << -1 << 30 << -1 << 2147483000 << none << 0 << 0x20000000u;
    // A plan file may hold a negative tolerance: it allows no deviation, as 0 does.
    QTest::newRow("negative tolerance") << 3 << 480 << 600 << 0 << -1 << -10 << none << 485 << 0x20000000u;
    QTest::newRow("negative beyond the window") << 0 << 480 << -1 << 30 << -1 << -32768 << none << 510 << 0x20000000u;
    QTest::newRow("negative, 10 late") << 0 << 480 << -1 << 30 << -1 << -10 << none << 520 << 0x2400000au;
    QTest::newRow("unset type") << -1 << 480 << 600 << 0 << -1 << 2 << none << 480 << 0x240003ffu;
    QTest::newRow("type five") << 5 << 480 << 600 << 0 << -1 << 2 << none << 480 << 0x240003ffu;
}

void TestMatching::windowWord()
{
    QFETCH(int, type);
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, offset);
    QFETCH(int, duration);
    QFETCH(int, tolerance);
    QFETCH(int, actual);
    QFETCH(int, minute);
    QFETCH(quint32, word);
    Plan p;
    p.tolerance(tolerance).route("R", type, duration).start(t1, t2).point("B", offset);
    QCOMPARE(p.model->checkWindow(minute, 0, 0, 0, actual), word);
    QCOMPARE(p.snapshot().checkWindow(minute, 0, 0, 0, actual), word);
}

void TestMatching::bestMatch_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("minute");
    QTest::addColumn<quint32>("word");
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("start");

    QTest::newRow("first start") << "B" << 480 << 0x20000000u << 0 << 0 << 0;
    QTest::newRow("second start") << "B" << 600 << 0x20000000u << 0 << 0 << 1;
    QTest::newRow("equal distance: earlier start") << "B" << 540 << 0x24000037u << 0 << 0 << 0;
    QTest::newRow("equal rank: earlier route") << "C" << 510 << 0x20000000u << 0 << 1 << 0;
    QTest::newRow("nearest start wins") << "C" << 700 << 0x24000041u << 0 << 1 << 1;
    QTest::newRow("free order") << "E" << 500 << 0x20000000u << 1 << 1 << 0;
    QTest::newRow("equal rank: higher point") << "G" << 550 << 0x20000000u << 4 << 1 << 0;
    QTest::newRow("unset type still matches") << "H" << 480 << 0x240003ffu << 3 << 0 << 0;
    QTest::newRow("far outside still matches") << "B" << 3000 << 0x240003ffu << 0 << 0 << 0;
    QTest::newRow("code of a route without start") << "F" << 480 << 0x28000000u << 0 << 0 << 0;
    QTest::newRow("unknown code inside a window") << "P" << 480 << 0x28000000u << 0 << 0 << 0;
    QTest::newRow("unknown code far away") << "P" << 9000 << 0x0e0007ffu << -1 << -1 << -1;
}

void TestMatching::bestMatch()
{
    QFETCH(QString, letters);
    QFETCH(int, minute);
    QFETCH(quint32, word);
    QFETCH(int, route);
    QFETCH(int, point);
    QFETCH(int, start);
    const Plan p = matchPlan();
    const QByteArray c = code(letters);
    int r = -1, pt = -1, s = -1;
    QCOMPARE(p.model->bestMatch(bytes(c), minute, r, pt, s), word);
    if (word != RouteWindow::noMatch) {
        QCOMPARE(r, route);
        QCOMPARE(pt, point);
        QCOMPARE(s, start);
    }
    // The flat copy gives the same right-code match and refuses every other touch at once:
    // such a touch is dropped by the run whatever it lies near.
    int fr = -1, fp = -1, fs = -1;
    const quint32 flat = p.snapshot().bestMatch(PlanSnapshot::codeKey(bytes(c)), minute, fr, fp, fs);
    if (word & RouteWindow::otherCode) {
        QCOMPARE(flat, RouteWindow::noMatch);
    } else {
        QCOMPARE(flat, word);
        QCOMPARE(fr, route);
        QCOMPARE(fp, point);
        QCOMPARE(fs, start);
    }
}

void TestMatching::checkNextPoint_data()
{
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("actual");
    QTest::addColumn<quint32>("word");
    QTest::addColumn<int>("movedTo");
    const int none = RouteWindow::startNotGiven;

    QTest::newRow("own code late") << 5 << 2 << 0 << "L" << 520 << none << 0x2400000fu << 2;
    // A touch of another point of the route is judged by the window of the point it moves to.
    QTest::newRow("later point: skipped") << 5 << 2 << 0 << "O" << 500 << none << 0x26000019u << 5;
    QTest::newRow("later point on time") << 5 << 2 << 0 << "O" << 530 << none << 0x22000000u << 5;
    QTest::newRow("earlier point") << 5 << 2 << 0 << "K" << 500 << none << 0x24000005u << 1;
    QTest::newRow("earlier point on time") << 5 << 2 << 0 << "K" << 490 << none << 0x20000000u << 1;
    QTest::newRow("flexible, earlier point") << 6 << 1 << 0 << "BB" << 611 << 600 << 0x24000006u << 0;
    QTest::newRow("code not in route") << 5 << 2 << 0 << "B" << 500 << none << 0x28000000u << 2;
    QTest::newRow("point past the end") << 5 << 6 << 0 << "L" << 500 << none << 0x0e0007ffu << 6;
    QTest::newRow("start past the end") << 5 << 2 << 1 << "L" << 500 << none << 0x0e0007ffu << 2;
    QTest::newRow("no such route") << 9 << 0 << 0 << "L" << 500 << none << 0x0e0007ffu << 0;
    QTest::newRow("free order finds point") << 1 << 0 << 0 << "E" << 500 << none << 0x20000000u << 1;
    QTest::newRow("free order other code") << 1 << 0 << 0 << "B" << 500 << none << 0x0e0007ffu << 0;
    QTest::newRow("service: highest row") << 4 << 0 << 1 << "G" << 800 << none << 0x2400005fu << 1;
    QTest::newRow("run's own start") << 6 << 1 << 0 << "BC" << 625 << 600 << 0x20000000u << 1;
    QTest::newRow("without the run's start") << 6 << 1 << 0 << "BC" << 625 << none << 0x2400003cu << 1;
}

void TestMatching::checkNextPoint()
{
    QFETCH(int, route);
    QFETCH(int, point);
    QFETCH(int, start);
    QFETCH(QString, letters);
    QFETCH(int, minute);
    QFETCH(int, actual);
    QFETCH(quint32, word);
    QFETCH(int, movedTo);
    const Plan p = matchPlan();
    const QByteArray c = code(letters);
    int pt = point;
    QCOMPARE(p.model->checkNextPoint(bytes(c), minute, route, pt, start, actual), word);
    QCOMPARE(pt, movedTo);
    int fp = point;
    QCOMPARE(p.snapshot().checkNextPoint(PlanSnapshot::codeKey(bytes(c)), minute, route, fp, start, actual), word);
    QCOMPARE(fp, movedTo);
}

void TestMatching::startCovers_data()
{
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("minute");
    QTest::addColumn<bool>("covered");
    QTest::newRow("at t1 - tolerance") << 4 << 475 << false;
    QTest::newRow("just inside t1") << 4 << 476 << true;
    QTest::newRow("just inside t2") << 4 << 604 << true;
    QTest::newRow("at t2 + tolerance") << 4 << 605 << false;
    QTest::newRow("fixed start") << 0 << 480 << false;
    QTest::newRow("free order, fixed start") << 1 << 500 << false;
    QTest::newRow("unset end") << 3 << 480 << false;
    QTest::newRow("type 1 window") << 6 << 540 << true;
}

void TestMatching::startCovers()
{
    QFETCH(int, route);
    QFETCH(int, minute);
    QFETCH(bool, covered);
    const Plan p = matchPlan();
    QCOMPARE(p.model->startCovers(route, 0, minute), covered);
    QCOMPARE(p.snapshot().startCovers(route, 0, minute), covered);
}

void TestMatching::randomPlansAgree()
{
    QRandomGenerator rng(20240305);
    const QStringList letters{"B", "C", "D", "E", "F"};
    for (int round = 0; round < 60; ++round) {
        Plan p;
        p.tolerance(rng.bounded(20));
        const int routes = rng.bounded(1, 5);
        for (int r = 0; r < routes; ++r) {
            p.route(QStringLiteral("R%1").arg(r), rng.bounded(-1, 6), rng.bounded(-1, 200));
            for (int s = rng.bounded(0, 4); s > 0; --s) {
                const int t1 = rng.bounded(-1, 1500);
                p.start(t1, t1 < 0 ? -1 : t1 + rng.bounded(0, 300), rng.bounded(0, 4));
            }
            for (int n = rng.bounded(0, 6); n > 0; --n)
                p.point(letters.at(rng.bounded(letters.size())), rng.bounded(0, 120));
        }
        const PlanSnapshot flat = p.snapshot();
        for (int t = 0; t < 80; ++t) {
            const QByteArray c = code(letters.at(rng.bounded(letters.size())));
            const quint64 key = PlanSnapshot::codeKey(bytes(c));
            const int minute = rng.bounded(-100, 2500);
            int r = -1, pt = -1, s = -1, fr = -1, fp = -1, fs = -1;
            const quint32 literal = p.model->bestMatch(bytes(c), minute, r, pt, s);
            const quint32 fast = flat.bestMatch(key, minute, fr, fp, fs);
            if (literal & RouteWindow::otherCode) {
                QCOMPARE(fast, RouteWindow::noMatch);
            } else {
                QCOMPARE(fast, literal);
                QCOMPARE(QVector<int>({fr, fp, fs}), QVector<int>({r, pt, s}));
            }
            const int route = rng.bounded(-1, routes + 1);
            const int start = rng.bounded(-1, 3);
            int point = rng.bounded(-1, 6);
            int flatPoint = point;
            const int actual = rng.bounded(2) ? RouteWindow::startNotGiven : rng.bounded(0, 1500);
            QCOMPARE(flat.checkNextPoint(key, minute, route, flatPoint, start, actual),
                     p.model->checkNextPoint(bytes(c), minute, route, point, start, actual));
            QCOMPARE(flatPoint, point);
            if (route >= 0 && route < routes && start >= 0 && start < p.model->startCount(route))
                QCOMPARE(flat.startCovers(route, start, minute), p.model->startCovers(route, start, minute));
        }
    }
}

WYX_TEST_MAIN(TestMatching)
#include "tst_matching.moc"
