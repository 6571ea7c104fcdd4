// The logger's clock as the link reads and judges it: a set clock reads as accurate, drift
// and battery texts, the tolerance, and the coloured status lines.
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QLineEdit>
#include <QtTest>

namespace {

const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));

QString when(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
        t.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

class TestUsbComClock : public QObject
{
    Q_OBJECT
private slots:
    void clockSetThenReadIsAccurate_data()
    {
        QTest::addColumn<int>("phaseMs");
        QTest::addColumn<int>("sendDelayMs");
        for (const int phase : {400, 1000, 1849, 1860, 1990, 10, 31})
            QTest::addRow("phase %d", phase) << phase << 0;
        QTest::addRow("sent 300 ms late") << 1700 << 300;
    }

    void clockSetThenReadIsAccurate()
    {
        QFETCH(int, phaseMs);
        QFETCH(int, sendDelayMs);
        TestEnv env;
        LinkRig r;
        r.clock.set(QDateTime(QDate(2024, 3, 12), QTime(10, 15, 0)).addMSecs(phaseMs));
        QCOMPARE(r.link.open(), UsbOk);
        const QDateTime t = waitDeviceTick();
        r.clock.set(r.clock.peek().addMSecs(sendDelayMs));
        QCOMPARE(r.link.setClock(t), UsbOk);
        QCOMPARE(r.link.getClock(), UsbOk);
        QCOMPARE(r.link.clockDriftText(), QStringLiteral("Pontos"));
        // A logger exactly two hours ahead reads as two hours (120 minutes) fast.
        r.dev().setClockOffset(2 * 3600 * 1000);
        QCOMPARE(r.link.getClock(), UsbOk);
        QCOMPARE(r.link.clockDriftText(), QStringLiteral("Siet 120 percet"));
    }

    // The waits for the computer clock's tick and for the read's sampling moment sleep: a
    // clock read and a clock set read "now" a handful of times, not once per millisecond.
    void clockCommandsWaitWithoutSpinning_data()
    {
        QTest::addColumn<int>("phaseMs");
        for (const int phase : {31, 400, 1849, 1860, 1990})
            QTest::addRow("phase %d", phase) << phase;
    }

    void clockCommandsWaitWithoutSpinning()
    {
        QFETCH(int, phaseMs);
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        for (const bool read : {true, false}) {
            r.clock.set(QDateTime(QDate(2024, 3, 12), QTime(10, 15, 0)).addMSecs(phaseMs));
            const int before = r.clock.readings();
            QCOMPARE(read ? r.link.getClock() : r.link.setClock(waitDeviceTick()), UsbOk);
            const int readings = r.clock.readings() - before;
            QVERIFY2(readings <= 8, qPrintable(QStringLiteral("%1 readings").arg(readings)));
        }
    }

    // A logger still on winter time in the hour the clocks skip holds a local time that does
    // not exist: it is an hour slow, not an impossible date.
    void clockInTheSkippedHourIsAnHourSlow()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = QDateTime(QDate(2024, 3, 31), QTime(3, 30, 0));
        com.deviceTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 0));
        QCOMPARE(com.clockDriftText(), QStringLiteral("Késik 60 percet"));
        QVERIFY(!com.clockWithinTolerance());
        com.deviceTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 0));
        com.pcTime = QDateTime(QDate(2024, 3, 31), QTime(2, 30, 4)); // both in the gap
        QCOMPARE(com.clockDriftText(), QStringLiteral("Késik 4 másodpercet"));
        QVERIFY(com.clockWithinTolerance());
    }

    // Nothing read (no logger): the clock line gives no verdict, neither text nor colour.
    void clearedClockHasNoVerdict()
    {
        TestEnv env;
        UsbCom com;
        com.clearInfo();
        QLineEdit clock;
        const QColor base = clock.palette().color(QPalette::Base);
        QVERIFY(!com.clockWithinTolerance());
        QCOMPARE(com.clockDriftText(), QStringLiteral("- - -"));
        QCOMPARE(com.clockStatusLine(&clock), QString());
        QCOMPARE(clock.palette().color(QPalette::Base), base);
    }

    // The drift, battery and status texts, their colours, and the clock's tolerance.
    void clockDriftText_data()
    {
        QTest::addColumn<qint64>("secs");
        QTest::addColumn<QString>("text");
        QTest::newRow("exact") << qint64(0) << "Pontos";
        QTest::newRow("seconds") << qint64(179) << "Siet 179 másodpercet";
        QTest::newRow("minutes") << qint64(180) << "Siet 3 percet";
        QTest::newRow("most minutes") << qint64(10799) << "Siet 179 percet";
        QTest::newRow("hours") << qint64(10800) << "Siet 3 órát";
        QTest::newRow("seconds late") << qint64(-179) << "Késik 179 másodpercet";
        QTest::newRow("minutes late") << qint64(-180) << "Késik 3 percet";
        QTest::newRow("three calendar days still counts in hours") << qint64(3 * 86400 + 7200) << "Siet 74 órát";
        QTest::newRow("the fourth calendar day, whatever the hours") << qint64(4 * 86400 - 43200) << "Siet 4 napot";
        QTest::newRow("days late") << qint64(-4 * 86400) << "Késik 4 napot";
    }

    void clockDriftText()
    {
        QFETCH(qint64, secs);
        QFETCH(QString, text);
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        com.deviceTime = pcNow.addSecs(secs);
        QCOMPARE(com.clockDriftText(), text);
    }

    void batteryPercentText_data()
    {
        // The level byte from F0 up, else the voltage in 10 mV.
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("voltage");
        QTest::addColumn<QString>("text");
        QTest::newRow("level F5") << 0xF5 << 0 << "0%";
        QTest::newRow("level F6") << 0xF6 << 0 << "10%";
        QTest::newRow("level FC") << 0xFC << 0 << "100%";
        QTest::newRow("level FF") << 0xFF << 0 << "100%";
        QTest::newRow("2.69 V") << 0x10 << 269 << "- - -";
        QTest::newRow("2.70 V") << 0x10 << 270 << "0%";
        QTest::newRow("3.01 V") << 0x10 << 301 << "10%";
        QTest::newRow("4.21 V") << 0x10 << 421 << "100%";
        QTest::newRow("nothing known") << 0x00 << 0 << "- - -";
    }

    void batteryPercentText()
    {
        QFETCH(int, level);
        QFETCH(int, voltage);
        QFETCH(QString, text);
        UsbCom com;
        com.batteryLevel = quint8(level);
        com.batteryVoltage = quint16(voltage);
        QCOMPARE(com.batteryPercentText(), text);
    }

    void clockTolerance_data()
    {
        QTest::addColumn<int>("drift");
        QTest::addColumn<bool>("within");
        for (int drift : {0, 299, -299, 300, -300, 86400})
            QTest::addRow("%d s", drift) << drift << (qAbs(drift) < 300);
    }

    void clockTolerance()
    {
        QFETCH(int, drift);
        QFETCH(bool, within);
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        com.deviceTime = pcNow.addSecs(drift);
        QCOMPARE(com.clockWithinTolerance(), within);
    }

    void impossibleLoggerDateIsNeverAccurate()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        com.deviceTime = QDateTime(QDate(2026, 4, 31), QTime(12, 0, 0));
        QVERIFY(!com.clockWithinTolerance());
        QCOMPARE(com.clockDriftText(), QStringLiteral("- - -"));
        QLineEdit clock;
        com.clockStatusLine(&clock);
        QCOMPARE(clock.palette().color(QPalette::Disabled, QPalette::Base), QColor("tomato"));
    }

    void zeroLimitMakesEveryClockInaccurate()
    {
        TestEnv env;
        appSettings().clockAdjustLimit = QTime(0, 0);
        UsbCom com;
        com.pcTime = pcNow;
        com.deviceTime = pcNow;
        QVERIFY(!com.clockWithinTolerance());
    }

    void statusLines_data()
    {
        QTest::addColumn<int>("statusBits");
        QTest::addColumn<qint64>("drift");
        QTest::addColumn<QStringList>("lines"); // battery, case, moisture, clock; the dates appended
        QTest::addColumn<QString>("colour");
        QTest::newRow("charged, closed, dry, accurate")
            << 0xE0 << qint64(-20)
            << QStringList{"kb. 55%  feltöltve: ", "Összeszerelve: ", "Száraz lett: ", "   Késik 20 másodpercet"}
            << "lime";
        QTest::newRow("discharged, open, wet, fast")
            << 0x00 << qint64(3600)
            << QStringList{"kb. 55%  lemerült: ", "Szétszedve: ", "Nedves lett: ", "   Siet 60 percet"} << "tomato";
    }

    void statusLines()
    {
        QFETCH(int, statusBits);
        QFETCH(qint64, drift);
        QFETCH(QStringList, lines);
        QFETCH(QString, colour);
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        com.batteryLevel = 0xF9;
        com.chargedDate = QDateTime(QDate(2026, 5, 1), QTime(8, 30, 2));
        com.dischargedDate = QDateTime(QDate(2026, 5, 20), QTime(22, 0, 0));
        com.closedDate = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 6));
        com.openedDate = QDateTime(QDate(2026, 1, 1), QTime(1, 0, 0));
        com.dryDate = QDateTime(QDate(2025, 7, 2), QTime(14, 0, 0));
        com.wetDate = QDateTime(QDate(2025, 7, 1), QTime(14, 0, 0));
        com.statusBits = quint8(statusBits);
        com.deviceTime = pcNow.addSecs(drift);
        const bool good = statusBits != 0;
        QLineEdit battery, shell, moisture, clock;
        QCOMPARE(com.batteryStatusLine(&battery), lines[0] + when(good ? com.chargedDate : com.dischargedDate));
        QCOMPARE(com.caseStatusLine(&shell), lines[1] + when(good ? com.closedDate : com.openedDate));
        QCOMPARE(com.moistureStatusLine(&moisture), lines[2] + when(good ? com.dryDate : com.wetDate));
        QCOMPARE(com.clockStatusLine(&clock), when(com.deviceTime) + lines[3]);
        for (const QLineEdit* f : {&battery, &shell, &moisture, &clock}) {
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QCOMPARE(f->palette().color(group, QPalette::Base), QColor(colour));
                QCOMPARE(f->palette().color(group, QPalette::Text), QColor("black"));
            }
        }
    }
};

WYX_TEST_MAIN(TestUsbComClock)
#include "tst_usbcomclock.moc"
