#include "support/testenv.h"
#include "support/testmain.h"

#include "core/clock.h"
#include "core/helpers.h"
#include "core/settings.h"

#include <QGuiApplication>
#include <QScopeGuard>

namespace {

QByteArray packed(const QDateTime& t)
{
    unsigned char b[4];
    packDeviceTime(t, b);
    return QByteArray(reinterpret_cast<const char*>(b), 4);
}

QDateTime unpacked(const QByteArray& bytes)
{
    return unpackDeviceTime(reinterpret_cast<const unsigned char*>(bytes.constData()));
}

} // namespace

class TestDeviceTime : public QObject
{
    Q_OBJECT
private slots:
    void knownBytesPivotAndClamping()
    {
        TestEnv env;
        const auto at = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
        };
        QCOMPARE(packed(at(2023, 8, 15, 13, 45, 17)), QByteArray::fromHex("2F0F60B6"));
        QCOMPARE(packed(at(2000, 1, 1, 0, 0, 0)), QByteArray::fromHex("00210000"));
        QCOMPARE(packed(at(2099, 12, 31, 23, 59, 59)), QByteArray::fromHex("C79FA8BF"));
        const struct {
            int century;
            const char* hex;
            const char* expected; // ISO local time, or "invalid"
        } cases[] = {
            {2000, "2F0F60B6", "2023-08-15T13:45:16"}, // the odd second is dropped, never rounded up
            {1950, "62210000", "2049-01-01T00:00:00"},
            {1950, "64210000", "1950-01-01T00:00:00"},
            {2000, "62210000", "2049-01-01T00:00:00"},
            {1999, "C6210000", "1999-01-01T00:00:00"}, // window 1999..2098
            {1999, "C4210000", "2098-01-01T00:00:00"},
            {2000, "FFE00000", "2099-12-01T00:00:00"}, // year 127 -> 99, month 15 -> 12, day 0 -> 1
            {2000, "2E050000", "2023-01-05T00:00:00"}, // month 0 -> 1
            {2000, "2E25FFFF", "2023-01-05T23:59:58"}, // time units above 43199 held
            {2000, "2E9F0000", "invalid"},             // 31 April: the caller sees it
            {2000, "2E5E0000", "invalid"},             // 30 February
            {2000, "2E5C0000", "2023-02-28T00:00:00"},
        };
        for (const auto& c : cases) {
            appSettings().century = c.century;
            const QDateTime t = unpacked(QByteArray::fromHex(c.hex));
            QCOMPARE(t.isValid() ? t.toString(Qt::ISODate) : QStringLiteral("invalid"), QString(c.expected));
        }
    }

    void roundTripsEveryDayOfEveryMonth()
    {
        TestEnv env;
        // Avoid 02:00-03:00, which does not exist on the spring DST day.
        const QList<QTime> times = {QTime(0, 0, 0), QTime(1, 59, 58), QTime(13, 45, 16), QTime(23, 59, 58)};
        const QList<QPair<int, QList<int>>> pivots = {{2000, {2000, 2023, 2099}}, {1950, {1950, 1999, 2000, 2049}}};
        for (const auto& pivot : pivots) {
            appSettings().century = pivot.first;
            for (int year : pivot.second) {
                for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
                    for (const QTime& tm : times) {
                        const QDateTime t(d, tm, Qt::LocalTime);
                        const QDateTime back = unpacked(packed(t));
                        if (back != t)
                            QFAIL(qPrintable(QStringLiteral("pivot %1: %2 came back as %3")
                                                 .arg(pivot.first)
                                                 .arg(t.toString(Qt::ISODate), back.toString(Qt::ISODate))));
                    }
                }
            }
        }
    }

    void waitDeviceTickReturnsInsideTheWindow()
    {
        TestEnv env;
        const auto restore = qScopeGuard([] { Clock::setSource({}); }); // even on failure
        const qint64 base = QDateTime(QDate(2023, 8, 15), QTime(12, 0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        // {phase within the 2-second period at the first reading, ms the fake clock advances per reading}
        const QList<QPair<qint64, qint64>> cases = {{30, 1}, {31, 1}, {1000, 13}, {1849, 1}, {1850, 1}, {0, 1700}};
        for (const auto& c : cases) {
            QList<qint64> readings;
            qint64 now = base + c.first - c.second;
            Clock::setSource([&] {
                now += c.second;
                readings.append(now);
                return now;
            });
            const QDateTime result = waitDeviceTick();
            QVERIFY(readings.size() >= 2 && readings.size() % 2 == 0);
            // Readings alternate: the time handed out, then the millisecond test.
            for (int i = 1; i < readings.size(); i += 2) {
                const qint64 phase = readings[i] % 2000;
                QCOMPARE(phase <= 30 || phase >= 1850, i == readings.size() - 1);
            }
            QCOMPARE(result.toMSecsSinceEpoch(), readings[readings.size() - 2] + 160);
            QCOMPARE(result.timeSpec(), Qt::LocalTime);
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
    }
};

WYX_TEST_MAIN(TestDeviceTime)
#include "tst_devicetime.moc"
