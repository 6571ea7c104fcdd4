#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/usbcom.h"

#include <QLineEdit>
#include <QLocale>

namespace {

const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));

QString when(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
        t.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

class TestClockStatus : public QObject
{
    Q_OBJECT
private slots:
    void toleranceBoundaryAndImpossibleDate()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        for (int drift : {0, 299, -299, 300, -300, 86400}) {
            com.deviceTime = pcNow.addSecs(drift);
            QVERIFY2(com.clockWithinTolerance() == (qAbs(drift) < 300), qPrintable(QString::number(drift)));
        }
        // An impossible logger date is never accurate.
        com.deviceTime = QDateTime(QDate(2026, 4, 31), QTime(12, 0, 0));
        QVERIFY(!com.clockWithinTolerance());
        QCOMPARE(com.clockDriftText(), QStringLiteral("- - -"));
        QLineEdit field;
        com.clockStatusLine(&field);
        QCOMPARE(field.palette().color(QPalette::Disabled, QPalette::Base), QColor("tomato"));
        // A limit of nothing makes every clock inaccurate.
        appSettings().clockAdjustLimit = QTime(0, 0);
        com.deviceTime = pcNow;
        QVERIFY(!com.clockWithinTolerance());
    }

    void driftAndBatteryTexts()
    {
        TestEnv env;
        UsbCom com;
        com.pcTime = pcNow;
        const struct {
            qint64 secs;
            const char* text;
        } drifts[] = {
            {0, "Pontos"}, {1, "Siet 1 másodpercet"}, {179, "Siet 179 másodpercet"}, {180, "Siet 3 percet"},
            {10799, "Siet 179 percet"}, {10800, "Siet 3 órát"}, {-179, "Késik 179 másodpercet"},
            {-180, "Késik 3 percet"}, {-10800, "Késik 3 órát"},
            {3 * 86400 + 7200, "Siet 74 órát"}, // three calendar days still counts in hours
            {4 * 86400 - 43200, "Siet 4 napot"}, // the fourth calendar day, whatever the hours
            {-4 * 86400, "Késik 4 napot"},
        };
        for (const auto& c : drifts) {
            com.deviceTime = pcNow.addSecs(c.secs);
            QCOMPARE(com.clockDriftText(), QString::fromUtf8(c.text));
        }
        // The level byte from F0 up, else the voltage in 10 mV.
        const struct {
            int level;
            int voltage;
            const char* text;
        } batteries[] = {{0xF5, 0, "0%"},     {0xF6, 0, "10%"},    {0xF9, 0, "55%"},    {0xFB, 0, "85%"},
                         {0xFC, 0, "100%"},   {0xFF, 0, "100%"},   {0x10, 269, "- - -"}, {0x10, 270, "0%"},
                         {0x10, 301, "10%"},  {0x10, 360, "55%"},  {0x10, 421, "100%"}, {0x00, 0, "- - -"}};
        for (const auto& c : batteries) {
            com.batteryLevel = quint8(c.level);
            com.batteryVoltage = quint16(c.voltage);
            QCOMPARE(com.batteryPercentText(), QString::fromUtf8(c.text));
        }
    }

    void statusLinesTextAndColours()
    {
        TestEnv env;
        UsbCom com;
        com.batteryLevel = 0xF9;
        com.chargedDate = QDateTime(QDate(2026, 5, 1), QTime(8, 30, 2));
        com.dischargedDate = QDateTime(QDate(2026, 5, 20), QTime(22, 0, 0));
        com.closedDate = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 6));
        com.openedDate = QDateTime(QDate(2026, 1, 1), QTime(1, 0, 0));
        com.dryDate = QDateTime(QDate(2025, 7, 2), QTime(14, 0, 0));
        com.wetDate = QDateTime(QDate(2025, 7, 1), QTime(14, 0, 0));
        com.pcTime = pcNow;
        QLineEdit battery, shell, moisture, clock;
        const auto checkColours = [&](const char* expected) {
            for (const QLineEdit* f : {&battery, &shell, &moisture, &clock})
                for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                    QCOMPARE(f->palette().color(group, QPalette::Base), QColor(expected));
                    QCOMPARE(f->palette().color(group, QPalette::Text), QColor("black"));
                }
        };

        com.statusBits = 0xE0; // charged, closed, dry
        com.deviceTime = pcNow.addSecs(-20);
        QCOMPARE(com.batteryStatusLine(&battery), "kb. 55%  feltöltve: " + when(com.chargedDate));
        QCOMPARE(com.caseStatusLine(&shell), "Összeszerelve: " + when(com.closedDate));
        QCOMPARE(com.moistureStatusLine(&moisture), "Száraz lett: " + when(com.dryDate));
        QCOMPARE(com.clockStatusLine(&clock), when(com.deviceTime) + "   Késik 20 másodpercet");
        checkColours("lime");

        com.statusBits = 0x00;
        com.deviceTime = pcNow.addSecs(3600);
        QCOMPARE(com.batteryStatusLine(&battery), "kb. 55%  lemerült: " + when(com.dischargedDate));
        QCOMPARE(com.caseStatusLine(&shell), "Szétszedve: " + when(com.openedDate));
        QCOMPARE(com.moistureStatusLine(&moisture), "Nedves lett: " + when(com.wetDate));
        QCOMPARE(com.clockStatusLine(&clock), when(com.deviceTime) + "   Siet 60 percet");
        checkColours("tomato");
    }
};

WYX_TEST_MAIN(TestClockStatus)
#include "tst_clockstatus.moc"
