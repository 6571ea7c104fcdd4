// Whole evaluations of hand-made plans and logs: every row of the report at each depth,
// scenario by scenario, and the run's own rules (range stop, abort, repeatability).
#include "support/testmain.h"

#include "evaluation/evaluationmodel.h"
#include "evaluation/reportbuilder.h"
#include "reporttestutil.h"
#include "runtestutil.h"

#include <QRandomGenerator>

using namespace PlanTest;
using namespace RunTest;

class TestEvaluationRun : public QObject
{
    Q_OBJECT
private slots:
    void scenarios_data();
    void scenarios();
    void rowPayloads();
    void daylightSavingWeek();
    void clockChangeStamps_data();
    void clockChangeStamps();
    void olderEntriesStop();
    void abortKeepsRowsSoFar();
    void randomPlansKeepTheContract();
    void randomPlansMatchTheLiteralWalk();
};

namespace {

const QDate day(2024, 3, 5);

int minutesOf(const QString& s)
{
    return s == QLatin1String("-") ? -1 : s.toInt();
}

// "tol 5; log L1; route R 0 [duration]; start t1 [t2 [count [t3 [t4]]]]; point B 30"
Plan parsePlan(const QString& text)
{
    Plan p;
    for (const QString& command : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList w = command.simplified().split(QLatin1Char(' '));
        const auto at = [&w](int i) { return i < w.size() ? minutesOf(w.at(i)) : -1; };
        if (w.first() == QLatin1String("tol"))
            p.tolerance(w.at(1).toInt());
        else if (w.first() == QLatin1String("log"))
            p.log(w.at(1));
        else if (w.first() == QLatin1String("route"))
            p.route(w.at(1), w.at(2).toInt(), at(3));
        else if (w.first() == QLatin1String("start"))
            p.start(at(1), at(2), w.size() > 3 ? w.at(3).toInt() : 1, at(4), at(5));
        else if (w.first() == QLatin1String("point"))
            p.point(w.at(1), w.at(2).toInt());
    }
    return p;
}

// "L1: B@480 e219@500; L2: ..." oldest first; an event is e<kind>@minute.
void parseLogs(const QString& text, const QDate& base, MemoryLogs& logs)
{
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = part.section(QLatin1Char(':'), 0, 0).trimmed();
        QVector<LogEntry>& entries = logs.logs[name];
        for (const QString& token :
             part.section(QLatin1Char(':'), 1).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString what = token.section(QLatin1Char('@'), 0, 0);
            const int minute = token.section(QLatin1Char('@'), 1).toInt();
            if (what.startsWith(QLatin1Char('e')))
                entries.append(PlanTest::event(base, uchar(what.mid(1).toInt()), minute));
            else
                entries.append(touch(base, what, minute));
        }
    }
}

const QString fixedPlan = QStringLiteral("tol 5; log L1; route R 0; start 480; point B 0; point C 30; point D 60");
const QString six = QStringLiteral(
    "tol 60; log L1; route R 0; start 480; point J 0; point K 10; point L 20; point M 30; point N 40; point O 50");
const QStringList fulfilled{"00000000/0", "80000000/0"};

// The walk step by step as the plan model judges touches, every match looked up over the
// whole plan: the reference for the run's own, faster matching.
EvaluationReport literalWalk(const RouteDefModel& model, MemoryLogs& logs, const QDate& base, int mode)
{
    const PlanSnapshot plan = PlanSnapshot::fromModel(model);
    ReportBuilder builder(plan);
    builder.init(QStringLiteral("/work/plan1_x.ffr"), QDateTime(base, QTime(0, 0)), mode);
    bool faulty = false;
    if (plan.logNames.isEmpty()) {
        builder.addRow(0, 0x80000040);
        faulty = true;
    }
    if (plan.routes.isEmpty()) {
        builder.addRow(0, 0x80000080);
        faulty = true;
    }
    const auto points = [&](int r) { return r >= 0 && r < model.routeCount() ? model.pointCount(r) : 0; };
    EvaluationWork work;
    for (int i = 0; i < plan.logNames.size(); ++i) {
        QVector<LogEntry> entries;
        if (!logs.load(i, plan.logNames.at(i), entries)) {
            builder.addRow(i, 0x80000010);
            faulty = true;
            continue;
        }
        builder.runOpened = false;
        builder.olderCount = 0;
        work.reset();
        int prev = 0x7fffffff;
        for (int row = entries.size() - 1; row >= 0; --row) {
            const unsigned char* raw = entries.at(row).bytes();
            qint64 seconds = 0;
            const bool valid = EvaluationEngine::entrySeconds(raw, 2000, base.toJulianDay(), seconds);
            const int verdict = builder.checkEntryTime(raw, valid, seconds, i, row);
            if (verdict == ReportBuilder::Stop)
                break;
            if (verdict != ReportBuilder::Evaluate)
                continue;
            const int minute = int(seconds / 60);
            const unsigned char* code = raw + 4;
            int bR = -1, bP = -1, bS = -1, cR = -1, cP = -1, cS = -1;
            const quint32 best = model.bestMatch(code, minute, bR, bP, bS);
            if (work.expectedPoint(cR, cP, cS)) {
                prev = cP == 0 && cR >= 0 && cR < model.routeCount() ? points(cR) : cP;
                quint32 next = model.checkNextPoint(code, minute, cR, cP, cS, work.startMinute);
                if (work.tmp.hasOwnTouch(cP))
                    next &= ~0x02000000u; // a repeat visit
                const bool elsewhere = cR != bR || cP != bP || cS != bS;
                if (!(best < next && elsewhere) && !(next & 0x08000000)) {
                    if (work.tmp.routeType != 4) {
                        if (work.tmp.routeType >= 0 && work.tmp.routeType <= 3)
                            work.tmp.recordHit(cP, next, minute);
                        continue;
                    }
                    if (model.startCovers(cR, cS, minute) && work.tmp.isDuplicateTouch(cP, minute))
                        continue;
                }
            }
            const int type = bR >= 0 && bR < model.routeCount() ? model.routeHead(bR).type : -1;
            if ((type == 4 || (best & 0x08000000)) && !(type == 4 && best == 0x20000000))
                continue;
            if (!(bS == work.startIndex && bR == work.routeIndex && type != 4)) {
                builder.flushWork(work);
                work.setup(bR, bS, bP, plan, i, minute);
                builder.openRoute(work, i, bP, minute);
                prev = points(bR);
            }
            if (type == 0 || type == 1)
                work.tmp.recordHit(bP, bP > prev && !work.tmp.hasOwnTouch(bP) ? best | 0x02000000 : best, minute);
            else if (type == 2 || type == 3)
                work.tmp.recordHit(bP, best, minute);
            prev = bP == 0 ? points(bR) : bP;
        }
        builder.flushWork(work);
    }
    for (int r = 0; r < plan.routes.size(); ++r) {
        if (plan.routes.at(r).starts.isEmpty()) {
            builder.addRouteRow(r, 0x40082000);
            faulty = true;
        }
        for (int st = 0; st < plan.routes.at(r).starts.size(); ++st)
            faulty = builder.evaluateStart(r, st) || faulty;
        if (plan.routes.at(r).points.isEmpty()) {
            builder.addRouteRow(r, 0x40084000);
            faulty = true;
        }
    }
    if (!faulty)
        builder.addRow(0, 0x80000000);
    return builder.report;
}

// A small random plan and its logs, touches mostly of the plan's codes.
void randomCase(QRandomGenerator& rng, Plan& p, MemoryLogs& source, int& logCount, int& routes)
{
    const QStringList letters{"B", "C", "D", "E"};
    p.tolerance(rng.bounded(15));
    logCount = rng.bounded(0, 4);
    for (int l = 0; l < logCount; ++l)
        p.log(QStringLiteral("L%1").arg(l));
    routes = rng.bounded(0, 4);
    for (int r = 0; r < routes; ++r) {
        p.route(QStringLiteral("R%1").arg(r), rng.bounded(-1, 5), rng.bounded(-1, 120));
        for (int s = rng.bounded(0, 3); s > 0; --s) {
            const int t1 = rng.bounded(-1, 1400);
            p.start(t1, t1 < 0 ? -1 : t1 + rng.bounded(0, 240), rng.bounded(0, 4), rng.bounded(-1, 10),
                    rng.bounded(-1, 90));
        }
        for (int n = rng.bounded(0, 5); n > 0; --n)
            p.point(letters.at(rng.bounded(letters.size())), rng.bounded(0, 90));
    }
    for (int l = 0; l < logCount + 1; ++l) {
        QVector<LogEntry>& entries = source.logs[QStringLiteral("L%1").arg(l)];
        int minute = rng.bounded(-200, 1400);
        for (int n = rng.bounded(0, 60); n > 0; --n) {
            minute += rng.bounded(0, 25);
            if (rng.bounded(20) == 0)
                entries.append(PlanTest::event(day, uchar(rng.bounded(200, 230)), minute));
            else
                entries.append(touch(day, letters.at(rng.bounded(letters.size())), minute));
        }
    }
}

} // namespace

void TestEvaluationRun::scenarios_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("logs");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("rows");

    const QString perfect = QStringLiteral("L1: B@480 C@510 D@540");
    QTest::newRow("fixedPlan, perfect, reduced") << fixedPlan << perfect << 0 << fulfilled;
    QTest::newRow("fixedPlan, perfect, normal") << fixedPlan << perfect << 1 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("fixedPlan, perfect, detailed") << fixedPlan << perfect << 2 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("fixedPlan, at the tolerance edges") << fixedPlan << "L1: B@480 C@505 D@545" << 1
                                                   << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("fixedPlan, one minute early") << fixedPlan << "L1: B@480 C@504 D@540" << 1
                                             << QStringList{"40008000/0", "24000001/0"};
    QTest::newRow("fixedPlan, 7 late, reduced")
        << fixedPlan << "L1: B@480 C@522 D@540" << 0 << QStringList{"40008000/0"};
    QTest::newRow("fixedPlan, 7 late, normal") << fixedPlan << "L1: B@480 C@522 D@540" << 1
                                           << QStringList{"40008000/0", "24000007/0"};
    QTest::newRow("fixedPlan, 7 late, detailed") << fixedPlan << "L1: B@480 C@522 D@540" << 2
                                             << QStringList{"40008000/0", "24000007/0"};
    // The touch after a missed point is judged by its own window: on time, no deviation.
    QTest::newRow("fixedPlan, missed point") << fixedPlan << "L1: B@480 D@540" << 1
                                         << QStringList{"40040000/0", "2e0007ff/0"};
    QTest::newRow("fixedPlan, missed point, detailed") << fixedPlan << "L1: B@480 D@540" << 2
                                                   << QStringList{"40040000/0", "2e0007ff/0"};
    const QString raktar =
        QStringLiteral("tol 5; log L1; route Raktar 0; start 600; point B 0; point C 20; point D 40");
    QTest::newRow("missed middle point, on time") << raktar << "L1: B@600 D@640" << 1
                                                  << QStringList{"40040000/0", "2e0007ff/0"};
    QTest::newRow("missed middle point, first late") << raktar << "L1: B@607 D@640" << 1
                                                     << QStringList{"40048000/0", "24000002/0", "2e0007ff/0"};
    QTest::newRow("fixedPlan, repeated point, normal") << fixedPlan << "L1: B@480 C@510 C@512 D@540" << 1
                                                   << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("fixedPlan, repeated point, detailed") << fixedPlan << "L1: B@480 C@510 C@512 D@540" << 2
                                                     << QStringList{"40000000/0", "30000000/0"} + fulfilled;
    // A re-touch of a point already recorded is a repeat visit, never an order error.
    const QString abc = QStringLiteral("tol 5; log L1; route R 0; start 600; point A 0; point B 20; point C 40");
    QTest::newRow("re-touch of the last point") << abc << "L1: A@600 B@620 C@640 C@647" << 2
                                                << QStringList{"40000000/0", "30000000/0"} + fulfilled;
    QTest::newRow("re-touch of the last point, late first") << abc << "L1: A@600 B@620 C@643 C@652" << 2
                                                            << QStringList{"40000000/0", "30000000/0"} + fulfilled;
    QTest::newRow("re-touch of a middle point") << abc << "L1: A@600 B@620 B@623 C@640" << 2
                                                << QStringList{"40000000/0", "30000000/0"} + fulfilled;
    QTest::newRow("re-touch after a missed point") << abc << "L1: A@600 C@640 C@644" << 2
                                                   << QStringList{"40040000/0", "2e0007ff/0", "30000000/0"};
    // An early touch of C before B is a repeat of the C the run holds: checked twice, in order.
    QTest::newRow("later point early, then all in order") << abc << "L1: A@600 C@615 B@620 C@640" << 2
                                                          << QStringList{"40000000/0", "30000000/0"} + fulfilled;
    // Back to an earlier point after a later one: the walk, newest first, finds the later
    // point out of order; the earlier point's return is a repeat visit.
    QTest::newRow("back to an earlier point") << abc << "L1: A@600 B@620 C@640 B@645" << 2
                                              << QStringList{"40004000/0", "30000000/0", "22000000/0"};
    QTest::newRow("fixedPlan, foreign codes only") << fixedPlan << "L1: P@480 P@500" << 0 << QStringList{"4fffffff/0"};
    QTest::newRow("fixedPlan, log after the range") << fixedPlan << "L1: B@3000" << 1
                                                << QStringList{"00000000/0", "80000020/0", "4fffffff/0"};
    QTest::newRow("fixedPlan, device event in range") << fixedPlan << "L1: B@480 e219@500 C@510 D@540" << 1
                                                  << QStringList{"80000001/0", "40000000/0"} + fulfilled;
    QTest::newRow("fixedPlan, log missing") << fixedPlan + "; log L9" << perfect << 1
                                        << QStringList{"00000000/0", "80000010/1", "40000000/0"};
    QTest::newRow("fixedPlan, run in two logs")
        << fixedPlan + "; log L2"
        << "L1: B@480 C@510 D@540; L2: B@481 C@511 D@541" << 2 << QStringList{"40000000/0", "40001000/0"};
    QTest::newRow("fixedPlan, run in two logs, normal")
        << fixedPlan + "; log L2"
        << "L1: B@480 C@510 D@540; L2: B@481 C@511 D@541" << 1 << QStringList{"40000000/0"};
    QTest::newRow("fixedPlan, walked backwards")
        << six << "L1: O@500 M@501" << 2 << QStringList{"40044000/0", "2e0007ff/0", "2e0007ff/0", "2e0007ff/0",
                                                        "22000000/0", "2e0007ff/0", "22000000/0"};
    QTest::newRow("fixedPlan, over midnight") << "tol 2; log L1; route N 0; start 1430; point B 0; point C 20"
                                          << "L1: B@1430 C@1450" << 1 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("free order, reversed") << "tol 0; log L1; route F 2 60; start 480; point B 0; point C 10"
                                          << "L1: C@490 B@500" << 2 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("free order, missed") << "tol 0; log L1; route F 2 60; start 480; point B 0; point C 10"
                                        << "L1: B@500" << 1 << QStringList{"40040000/0", "2e1007ff/0"};
    QTest::newRow("flexible start, one pass of two")
        << "tol 0; log L1; route T 1; start 480 540 2; point B 0; point C 20" << "L1: B@490 C@510" << 1
        << QStringList{"40010000/0", "20900400/0", "20900400/0"};
    QTest::newRow("flexible start, judged by the run's start")
        << "tol 0; log L1; route T 1; start 480 540 2; point B 0; point C 20" << "L1: B@490 C@510 B@520 C@535" << 1
        << QStringList{"40008000/0", "24900005/0"};
    // The window of a point reaches t2 + its offset: a walk begun at t2 is examined whole.
    QTest::newRow("flexible start, begun at the window's end")
        << "tol 10; log L1; route T 1; start 480 540; point B 0; point C 60; point D 120" << "L1: B@540 C@600 D@660"
        << 1 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("service, long breaks, normal") << "log L1; route S 3; start 480 600 3 - 30; point B 0"
                                                  << "L1: B@490 B@560" << 1 << QStringList{"40030000/0", "21900400/0"};
    QTest::newRow("service, long breaks, detailed")
        << "log L1; route S 3; start 480 600 3 - 30; point B 0" << "L1: B@490 B@560" << 2
        << QStringList{"40030000/0", "20000400/0", "21c00000/0", "21c00000/0"};
    const QString rounds =
        QStringLiteral("log L0; log L1; log L2; route F 4; start 480 720 2 1 60; point B 0; point C 0");
    QTest::newRow("rounds from two logs, detailed")
        << rounds << "L0: B@600 C@610; L1: B@100; L2: B@500 C@510" << 2
        << QStringList{"00000000/0", "80000020/1", "40000900/0", "00000001/2", "24200000/0", "24200000/0"};
    QTest::newRow("rounds from two logs, normal")
        << rounds << "L0: B@600 C@610; L1: B@100; L2: B@500 C@510" << 1
        << QStringList{"00000000/0", "80000020/1", "40000900/0", "00000001/2", "24b00000/0", "24b00000/0"};
    QTest::newRow("too few rounds") << "log L0; route F 4; start 480 720 3 1 200; point B 0; point C 0"
                                    << "L0: B@600 C@610" << 2
                                    << QStringList{"40010100/0", "00000001/1", "20300002/0", "20300002/0"};
    // Minimum 60 over maximum 30: a 40-minute following time is reported too short only.
    QTest::newRow("following time too short and too long")
        << "log L0; route F 4; start 500 580 1 60 30; point B 0" << "L0: B@540" << 1 << QStringList{"40000500/0", "00000001/1", "28b00000/0"};
    QTest::newRow("overlapping rounds") << "log L0; log L1; route F 4; start 480 720 2 1 200; point B 0; point C 0"
                                        << "L0: C@580 B@600; L1: C@570 B@590" << 1
                                        << QStringList{"40000700/0", "00000001/2", "40000200/0", "28b00000/0"};
    QTest::newRow("rounds across midnight") << "tol 5; log L0; route F 4; start 0 120 2 0 100; point B 0"
                                            << "L0: B@-3 B@60" << 1
                                            << QStringList{"40000100/0", "00000001/1"} + fulfilled;
    // Only route types 0 to 4 are judged: a touch of another type's route records nothing.
    const QString odd = QStringLiteral("tol 5; log L1; route R 0; start 600; point A 0; route X %1; start 600; point B 20");
    QTest::newRow("route type outside 0-4") << odd.arg(9) << "L1: A@600 B@620" << 1
                                            << QStringList{"40000000/0", "4fffffff/0"};
    QTest::newRow("unset route type") << odd.arg(-1) << "L1: A@600 B@620" << 1
                                      << QStringList{"40000000/0", "4fffffff/0"};
    QTest::newRow("huge tolerance") << "tol 2147483000; log L1; route S 3; start 480 600 1 - 200; point B 0"
                                    << "L1: B@490" << 1 << QStringList{"40000000/0"} + fulfilled;
    // A plan file may hold a negative tolerance: it allows no deviation, as 0 does.
    QTest::newRow("negative tolerance") << "tol -32768; log L1; route S 3; start 480 600 1 - 200; point B 0"
                                        << "L1: B@490" << 1 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("negative tolerance, on time") << fixedPlan.mid(fixedPlan.indexOf(';')).prepend("tol -60")
                                                 << perfect << 1 << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("no route") << "log L1" << "L1: B@480" << 1
                              << QStringList{"00000000/0", "80000080/0", "00000000/0", "80000020/0"};
    QTest::newRow("nothing at all") << "" << "" << 1
                                    << QStringList{"00000000/0", "80000040/0", "00000000/0", "80000080/0"};
    QTest::newRow("route without start and point") << "log L1; route E 0" << "L1:" << 0
                                                   << QStringList{"40082000/0", "40084000/0"};
}

void TestEvaluationRun::scenarios()
{
    QFETCH(QString, plan);
    QFETCH(QString, logs);
    QFETCH(int, mode);
    QFETCH(QStringList, rows);
    const Plan p = parsePlan(plan);
    MemoryLogs source;
    parseLogs(logs, day, source);
    const EvaluationResult result = run(p, source, day, mode);
    QVERIFY(!result.aborted);
    QCOMPARE(rowKinds(result.report), rows);
    // Running again gives the same report.
    QCOMPARE(run(p, source, day, mode).report.rows, result.report.rows);
}

void TestEvaluationRun::rowPayloads()
{
    // Start rows carry the window, point rows the point's moment and code.
    MemoryLogs source;
    parseLogs(QStringLiteral("L1: B@480 C@522 D@540"), day, source);
    EvaluationReport r = run(parsePlan(fixedPlan), source, day, 1).report;
    QCOMPARE(r.title, QStringLiteral("plan1_2024-03-05"));
    QCOMPARE(r.logNames, QStringList{"L1"});
    QCOMPARE(r.routeNames, QStringList{"R"});
    QCOMPARE(r.mode, 1);
    QCOMPARE(payloadHex(r.rows.at(0)), (ReportTest::packed(2024, 3, 5, 8, 0) + QByteArray(10, '\0')).toHex());
    QCOMPARE(payloadHex(r.rows.at(1)),
             (ReportTest::packed(2024, 3, 5, 8, 30) + code("C") + QByteArray(4, '\0')).toHex());

    source.logs.clear();
    parseLogs(QStringLiteral("L1: B@490 B@560"), day, source);
    r = run(parsePlan(QStringLiteral("log L1; route S 3; start 480 600 3 - 30; point B 0")), source, day, 2).report;
    QCOMPARE(payloadHex(r.rows.at(0)), (ReportTest::packed(2024, 3, 5, 8, 0) + QByteArray::fromHex("000000000096")
                                        + ReportTest::packed(2024, 3, 5, 10, 0)).toHex());
    QCOMPARE(payloadHex(r.rows.at(2)),
             (ReportTest::packed(2024, 3, 5, 8, 10) + code("B") + ReportTest::packed(2024, 3, 5, 9, 20)).toHex());
    QCOMPARE(payloadHex(r.rows.at(3)),
             (ReportTest::packed(2024, 3, 5, 9, 20) + code("B") + ReportTest::packed(2024, 3, 5, 10, 0)).toHex());

    // A log event row holds the entry's ten bytes.
    source.logs.clear();
    parseLogs(QStringLiteral("L1: e220@500"), day, source);
    r = run(parsePlan(fixedPlan), source, day, 1).report;
    QCOMPARE(payloadHex(r.rows.at(0)),
             QByteArray(reinterpret_cast<const char*>(source.logs["L1"].at(0).bytes()), 10).toHex() + "00000000");
}

void TestEvaluationRun::daylightSavingWeek()
{
    // Summer time begins at 02:00 on 31 March 2024; the plan's times are wall-clock times.
    const QDate saturday(2024, 3, 30);
    const Plan p = parsePlan(QStringLiteral("tol 0; log L1; route D 0; start 1920; point B 0; point C 60"));
    MemoryLogs source;
    parseLogs(QStringLiteral("L1: B@1920 C@1980"), saturday, source);
    const EvaluationReport r = run(p, source, saturday, 1).report;
    QCOMPARE(rowKinds(r), QStringList{"40000000/0"} + fulfilled);
    QCOMPARE(payloadHex(r.rows.at(0)).left(8), ReportTest::packed(2024, 3, 31, 8, 0).toHex());
    QCOMPARE(r.baseTime, QDateTime(saturday, QTime(0, 0)));
}

void TestEvaluationRun::clockChangeStamps_data()
{
    // A logger still on winter time stamps touches in the hour the clocks skip in spring;
    // every stamp is judged at its wall-clock time.
    QTest::addColumn<QDate>("base");
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("logs");
    QTest::addColumn<QStringList>("rows");
    const QString plan = QStringLiteral("tol 0; log L1; route D 0; start %1; point B 0; point C 10");
    QTest::newRow("skipped spring hour, day before") << QDate(2024, 3, 30) << plan.arg(1590) << "L1: B@1590 C@1600"
                                                      << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("skipped spring hour, same day") << QDate(2024, 3, 31) << plan.arg(150) << "L1: B@150 C@160"
                                                    << QStringList{"40000000/0"} + fulfilled;
    QTest::newRow("skipped spring hour, one late") << QDate(2024, 3, 31) << plan.arg(150) << "L1: B@150 C@161"
                                                    << QStringList{"40008000/0", "24000001/0"};
    QTest::newRow("repeated autumn hour") << QDate(2024, 10, 27) << plan.arg(150) << "L1: B@150 C@160"
                                          << QStringList{"40000000/0"} + fulfilled;
}

void TestEvaluationRun::clockChangeStamps()
{
    QFETCH(QDate, base);
    QFETCH(QString, plan);
    QFETCH(QString, logs);
    QFETCH(QStringList, rows);
    MemoryLogs source;
    parseLogs(logs, base, source);
    QCOMPARE(rowKinds(run(parsePlan(plan), source, base, 1).report), rows);
}

void TestEvaluationRun::olderEntriesStop()
{
    const Plan p = parsePlan(fixedPlan);
    for (int older : {650, 599}) {
        MemoryLogs source;
        QVector<LogEntry>& entries = source.logs["L1"];
        for (int i = 0; i < older; ++i)
            entries.append(touch(day, QStringLiteral("B"), -2000 + i));
        CountingProgress progress;
        const EvaluationReport r = run(p, source, day, 1, &progress).report;
        QCOMPARE(rowKinds(r), (QStringList{"00000000/0", "80000020/0", "4fffffff/0"}));
        QCOMPARE(progress.lastValue2 >= 0 ? progress.titles.size() : 0, 2);
        // The walk stopped at the 600th older entry, or at the oldest one.
        QCOMPARE(progress.polls - 1, qMin(older, 600));
    }
}

void TestEvaluationRun::abortKeepsRowsSoFar()
{
    const Plan p = parsePlan(fixedPlan);
    MemoryLogs source;
    parseLogs(QStringLiteral("L1: B@480 C@510 e219@520 D@540"), day, source);
    CountingProgress progress;
    progress.cancelAt = 3;
    const EvaluationResult result = run(p, source, day, 1, &progress);
    QVERIFY(result.aborted);
    QCOMPARE(progress.polls, 3);
    QCOMPARE(rowKinds(result.report), QStringList{"80000001/0"});

    progress.polls = 0;
    progress.cancelAt = 5; // during the rows of the starts
    const EvaluationResult late = run(p, source, day, 1, &progress);
    QVERIFY(late.aborted);
    QCOMPARE(rowKinds(late.report), (QStringList{"80000001/0", "40000000/0"}));
}

void TestEvaluationRun::randomPlansKeepTheContract()
{
    QRandomGenerator rng(77);
    KodNevModel names;
    for (int round = 0; round < 150; ++round) {
        Plan p;
        MemoryLogs source;
        int logCount = 0;
        int routes = 0;
        randomCase(rng, p, source, logCount, routes);
        const int mode = rng.bounded(3);
        const EvaluationReport report = run(p, source, day, mode).report;
        QCOMPARE(run(p, source, day, mode).report.rows, report.rows);

        // Every row belongs to a family with a text, and every index points into the names.
        EvaluationModel model;
        model.setTextContext(ReportTest::context(&names));
        model.setReport(report);
        for (int i = 0; i < report.rows.size(); ++i) {
            const EvaluationRow& row = report.rows.at(i);
            const QString text = model.rowText(i);
            QVERIFY2(!text.startsWith(QLatin1Char('\t')), qPrintable(QString::number(row.word(), 16)));
            QVERIFY2(text.isEmpty() == (row.kind == 0), qPrintable(QString::number(row.word(), 16)));
            if (row.kind != 1 && row.kind != 0)
                QVERIFY(row.index < qMax(1, logCount));
            if (row.word() & 0x40000000)
                QVERIFY(row.routeRow() < routes);
        }
    }
}

void TestEvaluationRun::randomPlansMatchTheLiteralWalk()
{
    QRandomGenerator rng(4242);
    for (int round = 0; round < 300; ++round) {
        Plan p;
        MemoryLogs source;
        int logCount = 0;
        int routes = 0;
        randomCase(rng, p, source, logCount, routes);
        const int mode = rng.bounded(3);
        const EvaluationReport fast = run(p, source, day, mode).report;
        const EvaluationReport literal = literalWalk(*p.model, source, day, mode);
        QCOMPARE(rowKinds(fast), rowKinds(literal));
        QCOMPARE(fast.rows, literal.rows);
    }
}

WYX_TEST_MAIN(TestEvaluationRun)
#include "tst_evaluationrun.moc"
