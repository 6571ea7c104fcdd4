#include "support/modaldriver.h"
#include "support/sourcetext.h"
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
#include <QRegularExpression>
#include <QScopeGuard>
#include <utility>

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

// The argument that fills placeholder m ("%1" and on) of the text literal it lies in; a text
// gets all its values in one arg() call (tst_placeholders keeps that).
QString fillingArg(const QString& code, const QRegularExpressionMatch& m)
{
    static const QRegularExpression call(QStringLiteral("\\G(?:[^;()\"]|\"(?:[^\"\\\\]|\\\\.)*\")*\\)\\s*\\.arg\\("));
    const QRegularExpressionMatch c =
        call.match(code, SourceText::literalEnd(code, code.lastIndexOf(QLatin1Char('"'), m.capturedStart())) + 1);
    int n = m.captured(1).toInt();
    for (int i = c.capturedEnd(), start = i, depth = 0; c.hasMatch() && depth >= 0 && i < code.size(); ++i) {
        const QChar ch = code.at(i);
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\''))
            i = SourceText::literalEnd(code, i);
        depth += ch == QLatin1Char('(') ? 1 : ch == QLatin1Char(')') ? -1 : 0;
        if (depth < 0 || (depth == 0 && ch == QLatin1Char(','))) {
            if (--n == 0)
                return code.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    return QString();
}

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void packsDeviceTime_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("odd second") << QDateTime(QDate(2023, 8, 15), QTime(13, 45, 17)) << QByteArray("2F0F60B6");
        QTest::newRow("last moment") << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << QByteArray("C79FA8BF");
    }

    void packsDeviceTime()
    {
        QFETCH(QDateTime, time);
        QFETCH(QByteArray, hex);
        TestEnv env;
        QCOMPARE(packed(time), QByteArray::fromHex(hex));
    }

    void unpacksDeviceTime_data()
    {
        QTest::addColumn<int>("century");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("expected"); // ISO local time or "invalid"
        QTest::newRow("odd second dropped, never rounded up")
            << 2000 << QByteArray("2F0F60B6") << "2023-08-15T13:45:16";
        QTest::newRow("below the pivot 1950") << 1950 << QByteArray("62210000") << "2049-01-01T00:00:00";
        QTest::newRow("at the pivot 1950") << 1950 << QByteArray("64210000") << "1950-01-01T00:00:00";
        QTest::newRow("at the pivot 1999") << 1999 << QByteArray("C6210000") << "1999-01-01T00:00:00";
        QTest::newRow("below the pivot 1999") << 1999 << QByteArray("C4210000") << "2098-01-01T00:00:00";
        QTest::newRow("year, month and day clamped") << 2000 << QByteArray("FFE00000") << "2099-12-01T00:00:00";
        QTest::newRow("month 0") << 2000 << QByteArray("2E050000") << "2023-01-05T00:00:00";
        QTest::newRow("time units above 43199") << 2000 << QByteArray("2E25FFFF") << "2023-01-05T23:59:58";
        QTest::newRow("31 April: the caller sees it") << 2000 << QByteArray("2E9F0000") << "invalid";
        QTest::newRow("28 February") << 2000 << QByteArray("2E5C0000") << "2023-02-28T00:00:00";
    }

    void unpacksDeviceTime()
    {
        QFETCH(int, century);
        QFETCH(QByteArray, hex);
        QFETCH(QString, expected);
        TestEnv env;
        appSettings().century = century;
        const QDateTime t = unpacked(QByteArray::fromHex(hex));
        QCOMPARE(t.isValid() ? t.toString(Qt::ISODate) : QStringLiteral("invalid"), expected);
    }

    void deviceTimeRoundTripsEveryDay_data()
    {
        QTest::addColumn<int>("pivot");
        QTest::addColumn<int>("year");
        for (const auto& [pivot, year] : QList<QPair<int, int>>{{2000, 2000}, {2000, 2099}, {1950, 1950},
                                                               {1950, 1999}, {1950, 2000}, {1950, 2049}})
            QTest::addRow("pivot %d, %d", pivot, year) << pivot << year;
    }

    void deviceTimeRoundTripsEveryDay()
    {
        QFETCH(int, pivot);
        QFETCH(int, year);
        TestEnv env;
        appSettings().century = pivot;
        // 02:00-03:00 is avoided, as it does not exist on the spring DST day.
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
            for (const QTime& tm : {QTime(0, 0, 0), QTime(1, 59, 58), QTime(13, 45, 16), QTime(23, 59, 58)})
                QCOMPARE(unpacked(packed(QDateTime(d, tm))), QDateTime(d, tm));
        }
    }

    // The wait sleeps to the window's start instead of reading the clock over and over: it
    // ends exactly there, after a handful of readings, and hands out the last reading + 160 ms.
    void waitDeviceTickEndsAtTheWindow_data()
    {
        QTest::addColumn<qint64>("start");    // phase within the 2-second period at the first reading
        QTest::addColumn<qint64>("step");     // ms the fake clock advances per reading
        QTest::addColumn<qint64>("endPhase"); // phase of the reading the wait ends on
        QTest::addColumn<int>("readings");
        QTest::newRow("30: inside") << qint64(30) << qint64(1) << qint64(30) << 1;
        QTest::newRow("31: just past") << qint64(31) << qint64(1) << qint64(1850) << 2;
        QTest::newRow("1000") << qint64(1000) << qint64(13) << qint64(1850) << 2;
        QTest::newRow("1849: just before") << qint64(1849) << qint64(1) << qint64(1850) << 2;
        QTest::newRow("1850: inside") << qint64(1850) << qint64(1) << qint64(1850) << 1;
        QTest::newRow("0, clock racing") << qint64(0) << qint64(1700) << qint64(0) << 1;
        // Already inside the window when the sleep is asked for.
        QTest::newRow("1700, step 200") << qint64(1700) << qint64(200) << qint64(1900) << 2;
    }

    void waitDeviceTickEndsAtTheWindow()
    {
        QFETCH(qint64, start);
        QFETCH(qint64, step);
        QFETCH(qint64, endPhase);
        QFETCH(int, readings);
        const auto restore = qScopeGuard([] { // even on failure
            Clock::setSource({});
            Clock::setSleeper({});
        });
        const qint64 base = QDateTime(QDate(2023, 8, 15), QTime(12, 0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        QList<qint64> seen;
        qint64 now = base + start;
        Clock::setSource([&] {
            seen.append(now);
            return std::exchange(now, now + step);
        });
        Clock::setSleeper([&](qint64 until) { now = qMax(now, until); });
        const QDateTime result = waitDeviceTick();
        QCOMPARE(seen.size(), readings);
        QCOMPARE(seen.last() % 2000, endPhase);
        QCOMPARE(result.toMSecsSinceEpoch(), seen.last() + 160);
        QCOMPARE(result.timeSpec(), Qt::LocalTime);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void codeLetters()
    {
        const QByteArray code = QByteArray::fromHex("0123456789ABCDEF0F1E2DFF000000000000");
        const auto* bytes = reinterpret_cast<const uchar*>(code.constData());
        QCOMPARE(codeToLetters(bytes), QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(codeToLetters(bytes + 6), QStringLiteral("MNOPAPBOCNPP"));
        QCOMPARE(codeToLetters(bytes + 12), codePadding); // the no-code value
    }

    void fixedFieldNeverEndsInsideACharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("expected");
        // "ő" is two bytes in UTF-8, "€" three, the emoji four (a surrogate pair in the QString).
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QTest::newRow("padded") << "ABC" << 5 << QByteArray("ABC  ");
        QTest::newRow("cut") << "ABCDEFGH" << 5 << QByteArray("ABCDE");
        QTest::newRow("no room") << "ABC" << 0 << QByteArray();
        QTest::newRow("two-byte letter fits") << "Kő" << 3 << QByteArray("K\xC5\x91");
        QTest::newRow("two-byte letter cut") << "Kő" << 2 << QByteArray("K ");
        QTest::newRow("three-byte sign cut") << "A€" << 3 << QByteArray("A  ");
        QTest::newRow("three-byte sign fits") << "A€" << 4 << QByteArray("A\xE2\x82\xAC");
        QTest::newRow("emoji cut") << emoji << 3 << QByteArray("   ");
        QTest::newRow("emoji fits") << emoji + "B" << 5 << emoji.toUtf8() + "B";
        QTest::newRow("two-byte letters fill") << "őőőőőőőő" << 8 << QByteArray("őőőő");
    }

    void fixedFieldNeverEndsInsideACharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QByteArray, expected);
        QByteArray out(size + 2, '#'); // guard bytes catch a write past the field
        toFixedBytes(text, reinterpret_cast<unsigned char*>(out.data()), size);
        QCOMPARE(out, expected + "##");
    }

    void nextNumberedName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("next");
        QTest::newRow("number") << "Route 9" << "Route 10";
        QTest::newRow("leading zeros") << "Route 007" << "Route 8";
        QTest::newRow("beyond 32 bits") << "Route 2147483647" << "Route 2147483648";
        QTest::newRow("empty") << "" << "2";
        QTest::newRow("number inside") << "1a" << "1a2";
        QTest::newRow("no arg() substitution") << "Őrjárat %1" << "Őrjárat %2";
        QTest::newRow("line feed after the number") << "Route 9\n" << "Route 9\n2";
    }

    void nextNumberedName()
    {
        QFETCH(QString, name);
        QFETCH(QString, next);
        QCOMPARE(::nextNumberedName(name), next);
    }

    void reasonForSentence_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("filled");
        QTest::newRow("full stop") << "Permission denied." << "Permission denied";
        QTest::newRow("exclamation") << "A fájl formátuma nem megfelelő!" << "A fájl formátuma nem megfelelő";
        QTest::newRow("two stops") << "Legfeljebb 32767 sor lehet.." << "Legfeljebb 32767 sor lehet";
        QTest::newRow("ellipsis") << QString::fromUtf8("Olvasás megszakadt\u2026") << "Olvasás megszakadt";
        QTest::newRow("question") << "Nincs lemez?" << "Nincs lemez";
        QTest::newRow("none") << "No such file or directory" << "No such file or directory";
        QTest::newRow("blanks and line feed") << " Device busy! \n" << "Device busy";
        QTest::newRow("marks inside kept") << "7. sor: a.b nem jó" << "7. sor: a.b nem jó";
        QTest::newRow("empty") << "" << "";
    }

    void reasonForSentence()
    {
        QFETCH(QString, reason);
        QFETCH(QString, filled);
        QCOMPARE(::reasonForSentence(reason), filled);
    }

    // A text ending a sentence right after a placeholder (a number's dot followed by a word,
    // as in "%1. sor", is an ordinal) gets a reason through reasonForSentence or a number.
    void everyReasonEndingASentenceClosesOnce()
    {
        static const QRegularExpression ending(QStringLiteral("%([1-9])\\.(?=\"|\\\\n)"));
        QStringList bare;
        int places = 0;
        const int files = SourceText::forEachSourceFile([&](const QString& path, const QString& code) {
            for (auto it = ending.globalMatch(code); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                ++places;
                const QString arg = fillingArg(code, m);
                if (!arg.startsWith(QLatin1String("reasonForSentence("))
                    && !arg.startsWith(QLatin1String("QString::number(")))
                    bare << QStringLiteral("%1:%2").arg(path,
                                                        QString::number(SourceText::lineAt(code, m.capturedStart())));
            }
        });
        QVERIFY(files > 10);
        QVERIFY(places > 10);
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QLatin1String(", "))));
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("ISO") << "2023-08-15" << QDate(2023, 8, 15);
        QTest::newRow("Hungarian") << "2023. 08. 15." << QDate(2023, 8, 15);
        QTest::newRow("other separators") << " 2023_8;15 " << QDate(2023, 8, 15);
        QTest::newRow("mixed separators") << "2023:8,15" << QDate(2023, 8, 15);
        QTest::newRow("no-break spaces") << QString::fromUtf8("2023.\u00A008.\u00A015.") << QDate(2023, 8, 15);
        QTest::newRow("thin and ideographic spaces") << QString::fromUtf8("2023\u2009" "08\u3000" "15")
                                                     << QDate(2023, 8, 15);
        QTest::newRow("no year") << "15.08" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("a fourth number") << "2023-08-15-01" << QDate();
        QTest::newRow("month name") << "2023-aug-15" << QDate();
        QTest::newRow("30 February") << "2023-02-30" << QDate();
    }

    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(::parseDate(text), date);
    }

    void helpCollectionByLanguage()
    {
        TestEnv env;
        QCOMPARE(helpCollectionFileFor(OptLanguageHungarian | 0x7D, "de_DE"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "hu_HU"), QStringLiteral("wyx770_hu.qhc")); // automatic
        // No catalogue for the locale: Hungarian, as the texts.
        QCOMPARE(helpCollectionFileFor(0x4000 | 125, "fr_FR"), QStringLiteral("wyx770_hu.qhc"));
        appSettings().flags = 125 | OptLanguageGerman;
        QCOMPARE(helpCollectionFile(), QStringLiteral("wyx770_de.qhc"));
    }

    void toolTipOptionAppliesAtOnce()
    {
        TestEnv env;
        ToolTipFilter filter;
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        appSettings().flags = 125 | OptDisableTooltip;
        QEvent other(QEvent::User);
        QVERIFY(filter.eventFilter(&filter, &tip));
        QVERIFY(!filter.eventFilter(&filter, &other));
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
