#include "support/modaldriver.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/clock.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/tooltipfilter.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QMessageBox>
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

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void deviceTimeBytesPivotAndClamping()
    {
        TestEnv env;
        QCOMPARE(packed(QDateTime(QDate(2023, 8, 15), QTime(13, 45, 17))), QByteArray::fromHex("2F0F60B6"));
        QCOMPARE(packed(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))), QByteArray::fromHex("C79FA8BF"));
        // {century, bytes, ISO local time or "invalid"}
        const QList<std::tuple<int, const char*, const char*>> cases = {
            {2000, "2F0F60B6", "2023-08-15T13:45:16"}, // the odd second is dropped, never rounded up
            {1950, "62210000", "2049-01-01T00:00:00"}, {1950, "64210000", "1950-01-01T00:00:00"},
            {1999, "C6210000", "1999-01-01T00:00:00"}, {1999, "C4210000", "2098-01-01T00:00:00"},
            {2000, "FFE00000", "2099-12-01T00:00:00"}, // year 127 -> 99, month 15 -> 12, day 0 -> 1
            {2000, "2E050000", "2023-01-05T00:00:00"}, // month 0 -> 1
            {2000, "2E25FFFF", "2023-01-05T23:59:58"}, // time units above 43199 held
            {2000, "2E9F0000", "invalid"},             // 31 April: the caller sees it
            {2000, "2E5C0000", "2023-02-28T00:00:00"},
        };
        for (const auto& [century, hex, expected] : cases) {
            appSettings().century = century;
            const QDateTime t = unpacked(QByteArray::fromHex(hex));
            QCOMPARE(t.isValid() ? t.toString(Qt::ISODate) : QStringLiteral("invalid"), QString(expected));
        }

        // Round trip on every day; 02:00-03:00 is avoided, as it does not exist on the spring DST day.
        const QList<QPair<int, int>> pivotAndYear = {{2000, 2000}, {2000, 2099}, {1950, 1950},
                                                     {1950, 1999}, {1950, 2000}, {1950, 2049}};
        for (const auto& [pivot, year] : pivotAndYear) {
            appSettings().century = pivot;
            for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
                for (const QTime& tm : {QTime(0, 0, 0), QTime(1, 59, 58), QTime(13, 45, 16), QTime(23, 59, 58)})
                    QCOMPARE(unpacked(packed(QDateTime(d, tm))), QDateTime(d, tm));
            }
        }
    }

    void waitDeviceTickReturnsInsideTheWindow()
    {
        const auto restore = qScopeGuard([] { Clock::setSource({}); }); // even on failure
        const qint64 base = QDateTime(QDate(2023, 8, 15), QTime(12, 0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        // {phase within the 2-second period at the first reading, ms the fake clock advances per reading}
        const QList<QPair<qint64, qint64>> cases = {{30, 1}, {31, 1}, {1000, 13}, {1849, 1}, {1850, 1},
                                                    {0, 1700}};
        for (const auto& [start, step] : cases) {
            QList<qint64> readings;
            qint64 now = base + start - step;
            Clock::setSource([&, step = step] { readings.append(now += step); return now; });
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

    void codeLettersAndFixedFields()
    {
        const QByteArray code = QByteArray::fromHex("0123456789ABCDEF0F1E2DFF000000000000");
        const auto* bytes = reinterpret_cast<const uchar*>(code.constData());
        QCOMPARE(codeToLetters(bytes), QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(codeToLetters(bytes + 6), QStringLiteral("MNOPAPBOCNPP"));
        QCOMPARE(codeToLetters(bytes + 12), codePadding); // the no-code value

        // A field never ends inside a character: "ő" is two bytes in UTF-8, "€" three, the emoji
        // four (a surrogate pair in the QString).
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QList<std::tuple<QString, int, QByteArray>> cases = {
            {"ABC", 5, "ABC  "}, {"ABCDEFGH", 5, "ABCDE"}, {"ABC", 0, ""},
            {"Kő", 3, "K\xC5\x91"}, {"Kő", 2, "K "}, {"A€", 3, "A  "}, {"A€", 4, "A\xE2\x82\xAC"},
            {emoji, 3, "   "}, {emoji + "B", 5, emoji.toUtf8() + "B"}, {"őőőőőőőő", 8, "őőőő"},
        };
        for (const auto& [text, n, expected] : cases) {
            QByteArray out(n + 2, '#'); // guard bytes catch a write past n
            toFixedBytes(text, reinterpret_cast<unsigned char*>(out.data()), n);
            QCOMPARE(out, expected + "##");
        }
    }

    void numberedNamesDatesHelpFileAndToolTips()
    {
        const QList<QPair<QString, QString>> names = {
            {"Route 9", "Route 10"}, {"Route 007", "Route 8"}, {"", "2"}, {"1a", "1a2"},
            {"Őrjárat %1", "Őrjárat %2"}, // no arg() substitution
            {"Route 9\n", "Route 9\n2"},  // the number must end the name, a line feed too
        };
        for (const auto& [name, next] : names)
            QCOMPARE(nextNumberedName(name), next);
        for (const char* text : {"2023-08-15", "2023. 08. 15.", " 2023_8;15 ", "2023:8,15",
                                 "2023.\u00A008.\u00A015.", "2023\u2009" "08\u3000" "15"}) // Unicode spaces
            QCOMPARE(parseDate(QString::fromUtf8(text)), QDate(2023, 8, 15));
        for (const char* text : {"15.08", "", "2023-08-15-01", "2023-aug-15", "2023-02-30"})
            QVERIFY2(!parseDate(text).isValid(), text);

        TestEnv env;
        QCOMPARE(helpCollectionFileFor(OptLanguageHungarian | 0x7D, "de_DE"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "hu_HU"), QStringLiteral("wyx770_hu.qhc")); // automatic
        QCOMPARE(helpCollectionFileFor(0x4000 | 125, "fr_FR"), QStringLiteral("wyx770_en.qhc")); // no language
        appSettings().flags = 125 | OptLanguageGerman;
        QCOMPARE(helpCollectionFile(), QStringLiteral("wyx770_de.qhc"));

        // The tooltip option applies at once, without a new filter.
        ToolTipFilter filter;
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        appSettings().flags = 125 | OptDisableTooltip;
        QEvent other(QEvent::User);
        QVERIFY(filter.eventFilter(&filter, &tip) && !filter.eventFilter(&filter, &other));
        appSettings().flags = 125;
        QVERIFY(!filter.eventFilter(&filter, &tip));
    }

    void askYesNoBoxIgnoresEscapeAndClose()
    {
        // The real box: only a button ends it; Return picks the first (default) one.
        const Prompts::Handler previous = Prompts::setHandler({});
        const auto restore = qScopeGuard([&] { Prompts::setHandler(previous); });
        bool stayedOpen = false;
        ModalDriver driver;
        driver.onModal(QString(), [&](QWidget* w) {
            QVERIFY(qobject_cast<QMessageBox*>(w));
            QTest::keyClick(w, Qt::Key_Escape);
            w->close();
            QCoreApplication::processEvents();
            stayedOpen = w->isVisible();
            QTest::keyClick(w, Qt::Key_Return);
        });
        QVERIFY(askYesNo(nullptr, "T", "Escape?", "Igen", "Nem"));
        QVERIFY(stayedOpen);
    }
};

WYX_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
