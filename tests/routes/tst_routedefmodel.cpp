#include "support/testenv.h"
#include "support/testmain.h"

#include "routes/routedefmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

RouteStart startAt(const QString& t1, const QString& t2 = QString())
{
    return RouteStart(t1, t2, 1, QString(), QString());
}

RoutePoint pointAt(int minutes, const QString& code = QStringLiteral("B"))
{
    return RoutePoint(code, unsigned(minutes) * 60);
}

QString startTimes(const RouteDefModel& m, int r)
{
    QStringList out;
    for (int s = 0; s < m.startCount(r); ++s)
        out << m.routeStart(r, s).t1.toString().trimmed();
    return out.join(' ');
}

QString pointList(const RouteDefModel& m, int r)
{
    QStringList out;
    for (int p = 0; p < m.pointCount(r); ++p)
        out << QStringLiteral("%1%2").arg(m.routePoint(r, p).offset.toSeconds() / 60).arg(
            m.routePoint(r, p).describe(false).left(1));
    return out.join(' ');
}

// Where the lookups find each name: "A=row" per log; "R1=first/last" per route.
QString lookups(const RouteDefModel& m)
{
    QStringList out;
    for (const char* name : {"A", "B", "C", "D"}) {
        const QModelIndex log = m.findLog(QString::fromLatin1(name));
        out << QStringLiteral("%1=%2").arg(QLatin1String(name), log.isValid() ? QString::number(log.row()) : "-");
    }
    for (const char* name : {"R1", "R2", "R3", "R4"}) {
        const QModelIndex last = m.findRoute(QString::fromLatin1(name));
        out << QStringLiteral("%1=%2/%3")
                   .arg(QLatin1String(name), QString::number(m.findRouteRow(QString::fromLatin1(name))),
                        last.isValid() ? QString::number(last.row()) : "-");
    }
    return out.join(' ');
}

// A plan with one route of the type, one start and one point.
void fillRoute(RouteDefModel& m, int type)
{
    QCOMPARE(m.addRoute(RouteHead("R", type, RouteTime::parse("1:30"))), 0);
    QVERIFY(m.addStart(RouteStart("8:00", "9:00", 3, "0:05", "0:10"), m.startsGroupIndex(0)));
    QVERIFY(m.addPoint(pointAt(5), m.pointsGroupIndex(0), false));
}

} // namespace

class TestRouteDefModel : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void newModelHasTheFixedShape()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.rowCount(m.settingsIndex()), 2);
        QCOMPARE(m.rowCount(m.logsGroupIndex()), 0);
        QCOMPARE(m.rowCount(m.routesGroupIndex()), 0);
        QCOMPARE(m.tolerance(), 10);
        QCOMPARE(m.isModified(), false);
        QCOMPARE(m.columnCount(), 6);
        QCOMPARE(m.headerData(5, Qt::Horizontal).toString(), QStringLiteral("F"));
        QVERIFY(!m.headerData(6, Qt::Horizontal).isValid());
        QVERIFY(!m.setHeaderData(0, Qt::Horizontal, "x"));
        QCOMPARE(m.itemFromIndex(m.settingsIndex())->kind(), SettingsItem);
        QCOMPARE(m.itemFromIndex(QModelIndex())->kind(), RootItem);
    }

    void fixedRowsCannotBeRemoved()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fillRoute(m, 0);
        m.setModified(false);
        QVERIFY(!m.removeRows(0, 1, QModelIndex()));
        QVERIFY(!m.removeRows(0, 1, m.settingsIndex()));
        QVERIFY(!m.removeRows(0, 1, m.routeIndex(0))); // a route's start and point groups
        QVERIFY(!m.removeRows(0, 2, m.startsGroupIndex(0)));
        QVERIFY(!m.removeRows(-1, 1, m.startsGroupIndex(0)));
        QCOMPARE(m.isModified(), false);
        QCOMPARE(m.countItems(), 8);
        QVERIFY(m.removeRows(0, 1, m.startsGroupIndex(0)));
        QCOMPARE(m.countItems(), 7);
        QVERIFY(m.isModified());
    }

    void namesAreUniqueByKey()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(m.addLog("Napló 1.ewl"));
        QVERIFY(!m.addLog("  NAPLÓ   1.EWL "));
        QCOMPARE(m.logCount(), 1);
        QCOMPARE(m.logName(0), QStringLiteral("Napló 1.ewl")); // kept as passed
        QCOMPARE(m.addRoute(RouteHead("Route  a", 0, RouteTime())), 0);
        QCOMPARE(m.addRoute(RouteHead("ROUTE A", 1, RouteTime())), -1);
        QCOMPARE(m.addRoute(RouteHead("Route b", 1, RouteTime())), 1);
        QCOMPARE(m.routeCount(), 2);
        QCOMPARE(m.findRouteRow("route A"), 0);
        QCOMPARE(m.findRoute(" route   b").row(), 1);
        QCOMPARE(m.rowCount(m.routeIndex(1)), 2);
        QCOMPARE(m.itemFromIndex(m.startsGroupIndex(1))->kind(), StartGroupItem);
        QCOMPARE(m.itemFromIndex(m.pointsGroupIndex(1))->kind(), PointGroupItem);
        QVERIFY(m.removeLog("missing"));
        QVERIFY(m.removeRoute("missing"));
        QVERIFY(m.removeRoute("ROUTE A"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("Route b"));
        QVERIFY(m.removeLog("napló 1.EWL"));
        QCOMPARE(m.logCount(), 0);
    }

    // Names are found through an index: every change to the groups must reach it.
    void lookupsFollowEveryChange_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("found");
        QTest::newRow("log renamed") << 0 << "A=0 B=- C=2 D=1 R1=0/0 R2=1/1 R3=2/2 R4=-1/-";
        QTest::newRow("log removed") << 1 << "A=- B=0 C=1 D=- R1=0/0 R2=1/1 R3=2/2 R4=-1/-";
        QTest::newRow("blank log inserted") << 2 << "A=1 B=2 C=3 D=- R1=0/0 R2=1/1 R3=2/2 R4=-1/-";
        QTest::newRow("route renamed to a twin") << 3 << "A=0 B=1 C=2 D=- R1=0/2 R2=1/1 R3=-1/- R4=-1/-";
        QTest::newRow("route removed") << 4 << "A=0 B=1 C=2 D=- R1=-1/- R2=0/0 R3=1/1 R4=-1/-";
        QTest::newRow("route added") << 5 << "A=0 B=1 C=2 D=- R1=0/0 R2=1/1 R3=2/2 R4=3/3";
        QTest::newRow("plan reset") << 6 << "A=- B=- C=- D=- R1=-1/- R2=-1/- R3=-1/- R4=-1/-";
    }

    void lookupsFollowEveryChange()
    {
        QFETCH(int, change);
        QFETCH(QString, found);
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (const char* name : {"A", "B", "C"})
            QVERIFY(m.addLog(QString::fromLatin1(name)));
        for (const char* name : {"R1", "R2", "R3"})
            QVERIFY(m.addRoute(RouteHead(QString::fromLatin1(name), 0, RouteTime())) >= 0);
        QCOMPARE(lookups(m), QStringLiteral("A=0 B=1 C=2 D=- R1=0/0 R2=1/1 R3=2/2 R4=-1/-"));
        switch (change) {
        case 0:
            QVERIFY(m.setData(m.index(1, 0, m.logsGroupIndex()), QStringLiteral("d")));
            break;
        case 1:
            QVERIFY(m.removeLog("a"));
            break;
        case 2:
            QVERIFY(m.insertRows(0, 1, m.logsGroupIndex()));
            break;
        case 3:
            QVERIFY(m.setData(m.routeIndex(2), QVariant::fromValue(RouteHead("r1", 0, RouteTime()))));
            break;
        case 4:
            QVERIFY(m.removeRoute("R1"));
            break;
        case 5:
            QCOMPARE(m.addRoute(RouteHead("R4", 0, RouteTime())), 3);
            break;
        case 6:
            m.reset();
            break;
        }
        QCOMPARE(lookups(m), found);
    }

    void startsStaySortedWithUniqueFirstTimes()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m.addRoute(RouteHead("R", 1, RouteTime())), 0);
        const QModelIndex group = m.startsGroupIndex(0);
        QVERIFY(m.addStart(startAt("10:00"), group));
        QVERIFY(m.addStart(startAt("8:00"), group));
        QVERIFY(m.addStart(startAt("9:00"), group));
        QVERIFY(!m.addStart(startAt("9:00", "9:30"), group)); // same t1, other t2
        QVERIFY(m.addStart(startAt(QString()), group));      // unset comes first
        QVERIFY(!m.addStart(startAt(QString(), "1:00"), group));
        QCOMPARE(startTimes(m, 0), QStringLiteral(": 08:00 09:00 10:00"));
        QVERIFY(!m.addStart(startAt("7:00"), m.pointsGroupIndex(0)));
        QVERIFY(!m.addStart(startAt("7:00"), QModelIndex()));
    }

    void pointsStaySortedAndStable()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m.addRoute(RouteHead("R", 0, RouteTime())), 0);
        const QModelIndex group = m.pointsGroupIndex(0);
        QVERIFY(m.addPoint(pointAt(10, "C"), group, false));
        QVERIFY(m.addPoint(pointAt(5, "D"), group, false));
        QVERIFY(!m.addPoint(pointAt(5, "E"), group, false));
        QVERIFY(m.addPoint(pointAt(5, "F"), group, true));
        QVERIFY(m.addPoint(RoutePoint(), group, false)); // unset offsets first
        QCOMPARE(pointList(m, 0), QStringLiteral("0A 5D 5F 10C"));
        QCOMPARE(m.findPointOffset(group, pointAt(5)), 1);
        QCOMPARE(m.findPointOffset(group, pointAt(6)), -1);
        QVERIFY(!m.addPoint(pointAt(1), m.startsGroupIndex(0), true));
        QCOMPARE(m.pointCount(0), 4);
        QCOMPARE(m.pointCount(1), 0);
        QCOMPARE(m.routePoint(3, 0).offset.isUnset(), true);
        QCOMPARE(m.routeStart(0, 9), RouteStart());
        QCOMPARE(m.routeHead(-1).type, -1);
    }

    void cellsFollowTheRouteType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("route");    // displayed columns 0..4 of the route row
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("point"); // "B " + column 1 of the checkpoint row
        QTest::addColumn<QString>("editable"); // route | start | point editable columns
        QTest::newRow("0") << 0 << "R 0 - - -" << "  08:00 - - - -" << "B   00:05" << "01|0|01";
        QTest::newRow("1") << 1 << "R 1 - - -" << "  08:00   09:00 - - -" << "B   00:05" << "01|01|01";
        QTest::newRow("2") << 2 << "R 2   01:30 - -" << "  08:00 - - - -" << "B -" << "012|0|0";
        QTest::newRow("3") << 3 << "R 3   01:30 - -" << "  08:00   09:00 -   00:10 3" << "B -" << "012|0134|0";
        QTest::newRow("4") << 4 << "R 4 - - -" << "  08:00   09:00   00:05   00:10 3" << "B -"
                           << "01|01234|0";
        QTest::newRow("none") << -1 << "R -1 - - -" << "  08:00 - - - -" << "B -" << "01|0|0";
    }
    void cellsFollowTheRouteType()
    {
        QFETCH(int, type);
        QFETCH(QString, route);
        QFETCH(QString, start);
        QFETCH(QString, point);
        QFETCH(QString, editable);
        RouteDefModel m;
        fillRoute(m, type);
        const auto row = [&m](const QModelIndex& first) {
            QStringList cells;
            for (int c = 0; c < 5; ++c) {
                const QVariant v = first.siblingAtColumn(c).data();
                cells << (!v.isValid() ? QStringLiteral("-")
                                       : v.canConvert<RouteTime>() && v.userType() == qMetaTypeId<RouteTime>()
                              ? v.value<RouteTime>().toString()
                              : v.toString());
            }
            return cells.join(' ');
        };
        const auto edits = [&m](const QModelIndex& first) {
            QString cols;
            for (int c = 0; c < 6; ++c) {
                if (m.flags(first.siblingAtColumn(c)) & Qt::ItemIsEditable)
                    cols += QString::number(c);
            }
            return cols;
        };
        const QModelIndex r = m.routeIndex(0);
        const QModelIndex s = m.index(0, 0, m.startsGroupIndex(0));
        const QModelIndex p = m.index(0, 0, m.pointsGroupIndex(0));
        QCOMPARE(row(r), route);
        QCOMPARE(row(s), start);
        QCOMPARE(row(p), QStringLiteral("BAAAAAAAAAAA ") + point.mid(2) + QStringLiteral(" - - -"));
        QCOMPARE(edits(r) + '|' + edits(s) + '|' + edits(p), editable);
        QCOMPARE(r.siblingAtColumn(5).data().toInt(), int(RouteItem));
        QCOMPARE(m.startRouteType(s), type);
        QCOMPARE(m.startRouteType(r), -1);
    }

    void groupTextsAndTips()
    {
        RouteDefModel m;
        fillRoute(m, 1);
        QCOMPARE(m.settingsIndex().data().toString(), QStringLiteral("Elvárt pontosság:"));
        QCOMPARE(m.settingsIndex().siblingAtColumn(1).data().toInt(), 10);
        QCOMPARE(m.flags(m.settingsIndex().siblingAtColumn(1)) & Qt::ItemIsEditable, Qt::ItemIsEditable);
        QCOMPARE(m.flags(m.routeIndex(0).siblingAtColumn(5)) & Qt::ItemIsEditable, Qt::NoItemFlags);
        QCOMPARE(m.startsGroupIndex(0).data().toString(), QStringLiteral("Szolgálati idők"));
        QCOMPARE(m.startsGroupIndex(0).siblingAtColumn(5).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Új szolgálati idő hozzáadása"));
        QCOMPARE(m.routeIndex(0).siblingAtColumn(1).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("A bejárási útvonal típusa:\nKötött Sorrend - Szabad Indulás"));
        QCOMPARE(m.settingsIndex().data(Qt::FontRole).userType(), int(QMetaType::QFont));
        QVERIFY(!m.settingsIndex().siblingAtColumn(5).data().isValid());
        QVERIFY(!m.index(0, 6).isValid());
        QVERIFY(!m.index(0, 0, m.settingsIndex().siblingAtColumn(1)).isValid());
        RouteDefModel fixed;
        fillRoute(fixed, 2);
        QCOMPARE(fixed.startsGroupIndex(0).data().toString(), QStringLiteral("Indulási idők"));
        const QModelIndex p = fixed.index(0, 1, fixed.pointsGroupIndex(0));
        QVERIFY(!p.data(Qt::ToolTipRole).isValid());
        QCOMPARE(fixed.routeIndex(0).siblingAtColumn(2).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("Az az idő, ami alatt a bejárást teljesíteni kell"));
    }

    void editsKeepEachRowsKind()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fillRoute(m, 0);
        m.setModified(false);
        QSignalSpy changed(&m, &RouteDefModel::dataChanged);
        QVERIFY(!m.setData(m.routeIndex(0), QStringLiteral("text"))); // would turn a route into a log
        QVERIFY(!m.setData(m.routeIndex(0).siblingAtColumn(1), 3));
        QVERIFY(!m.setData(m.routeIndex(0), QVariant::fromValue(RouteHead("X", 1, RouteTime())),
                           Qt::DisplayRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!m.isModified());
        QVERIFY(m.setData(m.routeIndex(0), QVariant::fromValue(RouteHead("X", 1, RouteTime()))));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("X"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(m.isModified());
        m.setTolerance(25);
        QCOMPARE(m.tolerance(), 25);
        QCOMPARE(changed.count(), 2);
        QVERIFY(m.insertRows(0, 2, m.logsGroupIndex()));
        QVERIFY(!m.insertRows(5, 1, m.logsGroupIndex()));
        QVERIFY(!m.insertRows(0, 1, QModelIndex()));
        QCOMPARE(m.logCount(), 2);
        QVERIFY(m.setData(m.index(0, 0, m.logsGroupIndex()), QStringLiteral("A.EWL")));
    }

    // An item's value is drawn in every column of its row: an edit repaints the whole row.
    void everyEditRepaintsItsWholeRow_data()
    {
        QTest::addColumn<QString>("item");
        for (const char* item : {"tolerance", "log", "route", "start", "point"})
            QTest::newRow(item) << item;
    }

    void everyEditRepaintsItsWholeRow()
    {
        QFETCH(QString, item);
        RouteDefModel m;
        fillRoute(m, 0);
        QVERIFY(m.addLog(QStringLiteral("A.EWL")));
        QSignalSpy changed(&m, &RouteDefModel::dataChanged);
        const QMap<QString, QPair<QModelIndex, QVariant>> edits{
            {"log", {m.index(0, 0, m.logsGroupIndex()), QStringLiteral("B.EWL")}},
            {"route", {m.routeIndex(0), QVariant::fromValue(m.routeHead(0))}},
            {"start", {m.index(0, 0, m.startsGroupIndex(0)), QVariant::fromValue(m.routeStart(0, 0))}},
            {"point", {m.index(0, 0, m.pointsGroupIndex(0)), QVariant::fromValue(m.routePoint(0, 0))}}};
        const QModelIndex edited = item == "tolerance" ? m.settingsIndex() : edits.value(item).first;
        if (item == "tolerance")
            m.setTolerance(25);
        else
            QVERIFY(m.setData(edited, edits.value(item).second));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), edited);
        QCOMPARE(changed.first().at(1).toModelIndex(), edited.siblingAtColumn(m.columnCount() - 1));
    }

    void resetKeepsNameAndFlag()
    {
        RouteDefModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        fillRoute(m, 3);
        m.setFileName("plan.erd");
        m.reset();
        QCOMPARE(m.routeCount(), 0);
        QCOMPARE(m.tolerance(), 10);
        QCOMPARE(m.isModified(), true);
        QCOMPARE(m.fileName(), QStringLiteral("plan.erd"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRouteDefModel)
#include "tst_routedefmodel.moc"
