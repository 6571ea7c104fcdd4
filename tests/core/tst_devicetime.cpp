#include "support/testenv.h"
#include "support/testmain.h"

#include "core/clock.h"
#include "core/helpers.h"
#include "core/settings.h"

#include <QGuiApplication>

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

QDateTime local(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}

// Restores the system clock when a test ends, even on failure.
struct ClockGuard {
    ~ClockGuard() { Clock::setSource({}); }
};

} // namespace

class TestDeviceTime : public QObject
{
    Q_OBJECT
private slots:
    void packsKnownVector()
    {
        TestEnv env;
        QCOMPARE(packed(local(2023, 8, 15, 13, 45, 17)), QByteArray::fromHex("2F0F60B6"));
        QCOMPARE(unpacked(QByteArray::fromHex("2F0F60B6")), local(2023, 8, 15, 13, 45, 16));
        QCOMPARE(packed(local(2000, 1, 1, 0, 0, 0)), QByteArray::fromHex("00210000"));
        QCOMPARE(packed(local(2099, 12, 31, 23, 59, 59)), QByteArray::fromHex("C79FA8BF"));
    }

    void roundTripsEveryDayOfEveryMonth()
    {
        TestEnv env;
        // Avoid 02:00-03:00, which does not exist on the spring DST day.
        const QList<QTime> times = {QTime(0, 0, 0),   QTime(1, 59, 58),  QTime(7, 30, 10),
                                    QTime(12, 0, 0),  QTime(13, 45, 16), QTime(23, 59, 58)};
        const QList<QPair<int, QList<int>>> pivots = {{2000, {2000, 2023, 2099}}, {1950, {1950, 1999, 2000, 2049}}};
        for (const auto& pivot : pivots) {
            appSettings().century = pivot.first;
            for (int year : pivot.second) {
                for (int month = 1; month <= 12; ++month) {
                    for (int day = 1; day <= QDate(year, month, 1).daysInMonth(); ++day) {
                        for (const QTime& tm : times) {
                            const QDateTime t(QDate(year, month, day), tm, Qt::LocalTime);
                            const QDateTime back = unpacked(packed(t));
                            if (back.date() != t.date() || back.time() != tm)
                                QFAIL(qPrintable(QStringLiteral("pivot %1: %2 came back as %3")
                                                     .arg(pivot.first)
                                                     .arg(t.toString(Qt::ISODate), back.toString(Qt::ISODate))));
                        }
                    }
                }
            }
        }
        // The odd second is dropped, never rounded up.
        QCOMPARE(unpacked(packed(local(2023, 8, 15, 23, 59, 59))).time(), QTime(23, 59, 58));
    }

    void pivotPlacesTwoDigitYears()
    {
        TestEnv env;
        appSettings().century = 1950;
        QCOMPARE(unpacked(QByteArray::fromHex("62210000")).date().year(), 2049); // 49 * 2
        QCOMPARE(unpacked(QByteArray::fromHex("64210000")).date().year(), 1950); // 50 * 2
        appSettings().century = 2000;
        QCOMPARE(unpacked(QByteArray::fromHex("62210000")).date().year(), 2049);
        QCOMPARE(unpacked(QByteArray::fromHex("00210000")).date().year(), 2000);
        appSettings().century = 1999;
        QCOMPARE(unpacked(QByteArray::fromHex("C6210000")).date().year(), 1999); // window 1999..2098
        QCOMPARE(unpacked(QByteArray::fromHex("C4210000")).date().year(), 2098);
    }

    void clampsBadBytes()
    {
        TestEnv env;
        // Year 127 limited to 99, month 8|7 = 15 limited to 12, day 0 read as 1.
        QCOMPARE(unpacked(QByteArray::fromHex("FFE00000")), local(2099, 12, 1, 0, 0, 0));
        // Month 0 becomes 1.
        QCOMPARE(unpacked(QByteArray::fromHex("2E050000")).date(), QDate(2023, 1, 5));
        // Time units above 43199 are held at 23:59:58.
        QCOMPARE(unpacked(QByteArray::fromHex("2E25FFFF")).time(), QTime(23, 59, 58));
        QCOMPARE(unpacked(QByteArray::fromHex("2E25A8BF")).time(), QTime(23, 59, 58));
        QCOMPARE(unpacked(QByteArray::fromHex("2E250000")).time(), QTime(0, 0, 0));
        // The day is not checked against the month: 31 April is invalid, and callers see that.
        QVERIFY(!unpacked(QByteArray::fromHex("2E9F0000")).isValid());
        QVERIFY(!unpacked(QByteArray::fromHex("2E5E0000")).isValid()); // 30 February
        QVERIFY(unpacked(QByteArray::fromHex("2E5C0000")).isValid());  // 28 February
    }

    void waitDeviceTickReturnsInsideTheWindow()
    {
        TestEnv env;
        ClockGuard restore;
        const qint64 base = QDateTime(QDate(2023, 8, 15), QTime(12, 0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        QCOMPARE(base % 2000, 0);
        struct Case {
            qint64 start; // phase within the 2-second period at the first reading
            qint64 step;  // ms the fake clock advances per reading
        };
        const QList<Case> cases = {{29, 1},   {30, 1},   {31, 1},  {100, 7},  {1000, 13},
                                   {1848, 1}, {1849, 1}, {1850, 1}, {1990, 3}, {0, 1700}};
        for (const Case& c : cases) {
            QList<qint64> readings;
            qint64 now = base + c.start - c.step;
            Clock::setSource([&] {
                now += c.step;
                readings.append(now);
                return now;
            });
            const QDateTime result = waitDeviceTick();
            Clock::setSource({});
            QVERIFY(readings.size() >= 2 && readings.size() % 2 == 0);
            // Readings alternate: the time handed out, then the millisecond test.
            for (int i = 1; i < readings.size(); i += 2) {
                const qint64 phase = readings[i] % 2000;
                const bool inside = phase <= 30 || phase >= 1850;
                QCOMPARE(inside, i == readings.size() - 1);
            }
            QCOMPARE(result.toMSecsSinceEpoch(), readings[readings.size() - 2] + 160);
            QCOMPARE(result.timeSpec(), Qt::LocalTime);
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
    }
};

WYX_TEST_MAIN(TestDeviceTime)
#include "tst_devicetime.moc"
