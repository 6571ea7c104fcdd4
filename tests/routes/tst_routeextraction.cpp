#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "routes/extractroutedlg.h"
#include "routes/routedefmodel.h"
#include "routes/routeextraction.h"

#include "core/helpers.h"
#include "logrecords/logentry.h"

#include <QTextCodec>

namespace {

const QDate day(2026, 6, 10);

LogEntry touch(const QDateTime& at, unsigned char code = 1)
{
    unsigned char raw[LogEntry::size] = {0, 0, 0, 0, 0, 0, 0, 0, 0, code};
    packDeviceTime(at, raw);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

LogEntry touch(const QString& time, unsigned char code = 1)
{
    return touch(QDateTime(day, QTime::fromString(time, "H:mm:ss")), code);
}

LogEntry logEvent()
{
    LogEntry e;
    e.makeProgramEntry(QDateTime(day, QTime(8, 1)), QDateTime(day, QTime(8, 1)), KindReadOut);
    return e;
}

QString offsets(const QList<RoutePoint>& points)
{
    QStringList out;
    for (const RoutePoint& p : points)
        out << QString::number(p.offset.toSeconds() / 60);
    return out.join(' ');
}

ExtractedRoute request(const QString& name, const QList<RoutePoint>& points, int minutes = 0)
{
    ExtractedRoute r;
    r.planName = "plan.erd";
    r.logName = "guard 1.ewl";
    r.routeName = name;
    r.type = 1;
    r.minutes = minutes;
    r.points = points;
    return r;
}

QList<RoutePoint> pointsAt(const QList<int>& minutes)
{
    QList<RoutePoint> out;
    const unsigned char code[6] = {0, 0, 0, 0, 0, 7};
    for (int m : minutes) {
        RoutePoint p;
        p.set(code, m);
        out << p;
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(LogEntry)

class TestRouteExtraction : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void offsetsFromTouches_data()
    {
        QTest::addColumn<QList<LogEntry>>("entries");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("offsets");
        QTest::newRow("one minute crowded") << QList<LogEntry>{touch("8:00:10"), touch("8:00:50"), touch("8:03:15")}
                                            << int(ExtractStatus::Ok) << "0 1 3";
        QTest::newRow("59 s") << QList<LogEntry>{touch("8:00:00"), touch("8:00:59")} << int(ExtractStatus::Ok) << "0 1";
        QTest::newRow("119 s") << QList<LogEntry>{touch("8:00:00"), touch("8:01:59")} << int(ExtractStatus::Ok)
                               << "0 1";
        QTest::newRow("events are gaps")
            << QList<LogEntry>{logEvent(), touch("8:00:00"), logEvent(), touch("8:07:00"), logEvent(), touch("8:07:30")}
            << int(ExtractStatus::Ok) << "0 7 8";
        QTest::newRow("same point twice") << QList<LogEntry>{touch("8:00:00", 5), touch("8:10:00", 5)}
                                          << int(ExtractStatus::Ok) << "0 10";
        QTest::newRow("earlier touch") << QList<LogEntry>{touch("8:00:00"), touch("8:05:00"), touch("7:00:00")}
                                       << int(ExtractStatus::Ok) << "0 5 6";
        const QDateTime night(day, QTime(23, 58));
        QTest::newRow("midnight") << QList<LogEntry>{touch(night), touch(night.addSecs(180))}
                                  << int(ExtractStatus::Ok) << "0 3";
        const QDateTime beforeDst(QDate(2026, 3, 29), QTime(1, 50));
        const QDateTime afterDst(QDate(2026, 3, 29), QTime(3, 10));
        QTest::newRow("daylight saving") << QList<LogEntry>{touch(beforeDst), touch(afterDst)} << int(ExtractStatus::Ok)
                                         << "0 80";
        const QDateTime start(day, QTime(0, 0));
        QTest::newRow("14398 minutes") << QList<LogEntry>{touch(start), touch(start.addSecs(14398 * 60))}
                                       << int(ExtractStatus::Ok) << "0 14398";
        QTest::newRow("14399 minutes") << QList<LogEntry>{touch(start), touch(start.addSecs(14399 * 60))}
                                       << int(ExtractStatus::TooLong) << "";
        QTest::newRow("crowded past the end")
            << QList<LogEntry>{touch(start), touch(start.addSecs(14398 * 60)), touch(start.addSecs(14398 * 60)),
                               touch(start.addSecs(14398 * 60))}
            << int(ExtractStatus::TooLong) << "";
        QTest::newRow("events only") << QList<LogEntry>{logEvent(), logEvent()} << int(ExtractStatus::NoTouch) << "";
        QTest::newRow("nothing") << QList<LogEntry>{} << int(ExtractStatus::NoTouch) << "";
    }
    void offsetsFromTouches()
    {
        QFETCH(QList<LogEntry>, entries);
        QFETCH(int, status);
        QFETCH(QString, offsets);
        QList<RoutePoint> points = pointsAt({1});
        QCOMPARE(int(extractRoutePoints(entries, points)), status);
        QCOMPARE(::offsets(points), offsets);
    }

    void failuresAreTold()
    {
        QList<RoutePoint> points;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A kijelölt tartományban nincsen ellenőrző pont bejegyzés!")
            .expectNotice(Prompts::Kind::Warning, "A kijelölt időtartomány túl hosszú!");
        QVERIFY(!extractRoutePlan({logEvent()}, points, nullptr));
        const QDateTime start(day, QTime(0, 0));
        QVERIFY(!extractRoutePlan({touch(start), touch(start.addDays(10))}, points, nullptr));
        QVERIFY(extractRoutePlan({touch(start)}, points, nullptr));
        QCOMPARE(points.first().describe(false), QStringLiteral("AAAAAAAAAAAB"));
    }

    void routeGoesIntoThePlan()
    {
        QList<RoutePoint> points;
        QCOMPARE(extractRoutePoints({touch("8:00:00", 1), touch("8:07:00", 2), touch("8:07:20", 3)}, points),
                 ExtractStatus::Ok);
        RouteDefModel m;
        QCOMPARE(addExtractedRoute(m, request("Reggel", points, 5)), 0);
        QCOMPARE(m.logName(0), QStringLiteral("GUARD 1.EWL"));
        QCOMPARE(m.routeHead(0).type, 1);
        QCOMPARE(m.routeHead(0).duration.toString(), QStringLiteral("  00:13"));
        QCOMPARE(offsets({m.routePoint(0, 0), m.routePoint(0, 1), m.routePoint(0, 2)}), QStringLiteral("5 12 13"));
        QCOMPARE(m.routePoint(0, 2).describe(false), QStringLiteral("AAAAAAAAAAAD"));
        QCOMPARE(m.startCount(0), 0);
        QCOMPARE(addExtractedRoute(m, request("reggel", points)), 1);
        QCOMPARE(m.routeHead(1).name, QStringLiteral("reggel2"));
        QCOMPARE(addExtractedRoute(m, request("Reggel", points)), 2);
        QCOMPARE(m.routeHead(2).name, QStringLiteral("Reggel3"));
        QCOMPARE(m.logCount(), 1);
    }

    void numberedNamesStayValid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("next");
        QTest::newRow("plain") << "Reggel" << "Reggel2";
        QTest::newRow("numbered") << "Kör 9" << "Kör 10";
        QTest::newRow("80 characters") << QString(80, 'a') << QString(79, 'a') + "2";
        QTest::newRow("80 with number") << QString(78, 'a') + "99" << QString(77, 'a') + "100";
        QTest::newRow("80 bytes") << QString(40, QChar(0x151)) << QString(39, QChar(0x151)) + "2";
    }
    void numberedNamesStayValid()
    {
        QFETCH(QString, name);
        QFETCH(QString, next);
        QTextCodec* old = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
        QCOMPARE(nextRouteName(name), next);
        QVERIFY(isValidRouteName(next));
        QTextCodec::setCodecForLocale(old);
    }

    void unusableRequestsChangeNothing()
    {
        RouteDefModel m;
        QList<RoutePoint> points = pointsAt({0, 14000});
        QCOMPARE(maxLeadMinutes(points), 399);
        QCOMPARE(maxLeadMinutes(pointsAt({0, 14399})), 0);
        QCOMPARE(maxLeadMinutes({}), 14399);
        QCOMPARE(addExtractedRoute(m, request("R", points, 400)), -1);
        QCOMPARE(addExtractedRoute(m, request("#R", points)), -1);
        QCOMPARE(addExtractedRoute(m, request(QString(), points)), -1);
        points << RoutePoint();
        QCOMPARE(addExtractedRoute(m, request("R", points)), -1);
        QCOMPARE(m.countItems(), 3);
        QCOMPARE(addExtractedRoute(m, request("R", pointsAt({0, 14000}), 399)), 0);
        QCOMPARE(m.routeHead(0).duration.toString(), QStringLiteral("9 23:59"));
    }

    void planNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("plan");
        QTest::newRow("bare") << "Plan1" << "Plan1.erd";
        QTest::newRow("upper") << "PLAN1.ERD" << "PLAN1.ERD";
        QTest::newRow("other extension") << "plan.rdf" << "plan.rdf.erd";
    }
    void planNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, plan);
        QCOMPARE(extractionPlanName(typed), plan);
    }

    void dialogCollectsTheRequest()
    {
        ExtractRouteDlg dlg;
        QCOMPARE(dlg.routeTypeCombo->count(), 5);
        QCOMPARE(dlg.routeTypeCombo->itemText(4), QStringLiteral("Szabad Sorrend - Rugalmas Indulás"));
        QCOMPARE(dlg.OKbutton->isEnabled(), false);
        dlg.minuteOffsetEdit->setText("7");
        dlg.routeNameEdit->setText("Este");
        QCOMPARE(dlg.OKbutton->isEnabled(), false);
        dlg.routeFileEdit->setText("Plan1");
        QCOMPARE(dlg.OKbutton->isEnabled(), true);
        dlg.routeNameEdit->clear();
        QCOMPARE(dlg.OKbutton->isEnabled(), false);
        dlg.routeNameEdit->setText("Este");
        dlg.setPoints(pointsAt({0, 14000}));
        QCOMPARE(dlg.pointList->count(), 2);
        QCOMPARE(dlg.pointList->item(1)->text(), QStringLiteral("9 17:20 AAAAAAAAAAAH"));
        int pos = 0;
        QString text = "400";
        QCOMPARE(dlg.minuteOffsetEdit->validator()->validate(text, pos) == QValidator::Acceptable, false);
        text = "399";
        QCOMPARE(dlg.minuteOffsetEdit->validator()->validate(text, pos), QValidator::Acceptable);
        text = "#x";
        QCOMPARE(dlg.routeNameEdit->validator()->validate(text, pos), QValidator::Invalid);
        dlg.routeTypeCombo->setCurrentIndex(3);
        const ExtractedRoute r = dlg.request("a.ewl");
        QCOMPARE(r.planName, QStringLiteral("Plan1.erd"));
        QCOMPARE(r.routeName, QStringLiteral("Este"));
        QCOMPARE(r.type, 3);
        QCOMPARE(r.minutes, 7);
        QCOMPARE(r.points.size(), 2);
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, env->path("chosen.erd"));
        dlg.browseRouteDef();
        QCOMPARE(dlg.routeFileEdit->text(), env->path("chosen.erd"));
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRouteExtraction)
#include "tst_routeextraction.moc"
