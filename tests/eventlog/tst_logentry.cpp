#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/settings.h"
#include "eventlog/logentry.h"

#include <QDataStream>
#include <QLocale>

namespace {

LogEntry fromHex(const QByteArray& hex)
{
    LogEntry e; // a mistyped fixture shows as 0xFF bytes, never as a read past its end
    e.setBytes(reinterpret_cast<const unsigned char*>(
        QByteArray::fromHex(hex).leftJustified(LogEntry::size, char(0xFF), true).constData()));
    return e;
}

// First time 2023-08-15 13:45:16, second time 2023-08-14 08:00:00.
LogEntry eventEntry(int kind, int repeat = 0)
{
    return fromHex(QString::asprintf("%02x2f0f60b62f0e3840%02x", kind, repeat).toLatin1());
}

QString colours(const LogEntry& e)
{
    return e.foregroundColor().name() + ' ' + e.backgroundColor().name();
}

} // namespace

class TestLogEntry : public QObject
{
    Q_OBJECT
private slots:
    void bytesTimesAndEquality()
    {
        TestEnv env;
        QVERIFY(LogEntry() == fromHex("ffffffffffffffffffff")); // a blank entry is ten 0xFF bytes
        const LogEntry read = eventEntry(KindReadOut);
        QCOMPARE(read.dateTime(), QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16)));
        QCOMPARE(read.secondDateTime(), QDateTime(QDate(2023, 8, 14), QTime(8, 0)));
        QVERIFY(read.sortDateTime() == read.dateTime());
        QCOMPARE(eventEntry(KindArchived).sortDateTime(), read.secondDateTime());

        // Program entries keep the times in 2-second steps.
        LogEntry made;
        made.makeProgramEntry(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)),
                              QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)), KindInitialised);
        QVERIFY(made.kind() == KindInitialised && made.byte(9) == 0);
        QCOMPARE(made.dateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
        QCOMPARE(made.secondDateTime(), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)));

        // 31 April is not a date; nothing may break on it.
        QVERIFY(!fromHex("2e9f0000000000000000").dateTime().isValid());
        fromHex("2e9f0000000000000000").lineText();

        // Logger events (200-219) match on kind and second time alone; program entries,
        // touches and unknown kinds on every byte.
        const struct { const char *a, *b; bool equal; } pairs[] = {
            {"d9 11111111 2f0ee100 00", "d9 22222222 2f0ee100 05", true},
            {"c8 11111111 2f0ee100 00", "c8 22222222 2f0ee100 05", true},
            {"d9 11111111 2f0ee100 00", "d9 11111111 2f0ee101 00", false},
            {"d9 11111111 2f0ee100 00", "d8 11111111 2f0ee100 00", false},
            {"dc 11111111 2f0ee100 00", "dc 22222222 2f0ee100 00", false},
            {"2f0f60b6000123456789", "2f0f60b6000123456788", false},
            {"e1 11111111 2f0ee100 00", "e1 11111111 2f0ee100 01", false}};
        for (const auto& p : pairs)
            QVERIFY2((fromHex(p.a) == fromHex(p.b)) == p.equal, p.b);

        const QByteArray bytes = QByteArray::fromHex("2f0f60b6000123456789dc2f0f60b62f0e384001");
        QByteArray written;
        QDataStream in(bytes), out(&written, QIODevice::WriteOnly);
        LogEntry a, b, c;
        in >> a >> b >> c;
        out << a << b;
        QVERIFY(a.isTouch() && b == eventEntry(KindReadOut, 1) && written == bytes);
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    }

    void touchesAndNames()
    {
        TestEnv env;
        Settings& s = appSettings();
        // Code AAABCDEFGHIJ: "régi" from 2020, "új" from 2023-08-16 (the day after the touch).
        KodNev oldName, newName;
        QVERIFY(oldName.set("AAABCDEFGHIJ", "régi", QDate(2020, 1, 1), Qt::yellow, Qt::red));
        QVERIFY(newName.set("AAABCDEFGHIJ", "új", QDate(2023, 8, 16), Qt::green, Qt::blue));
        s.kodNevModel->addEntry(oldName, true);
        s.kodNevModel->addEntry(newName, true);
        const LogEntry touch = fromHex("2f0f60b6000123456789");
        const LogEntry nextDay = fromHex("2f1060b6000123456789");
        const LogEntry before = fromHex("260f60b6000123456789"); // 2019
        s.flags = 0;
        QCOMPARE(touch.description(false), QStringLiteral("régi"));
        QCOMPARE(nextDay.description(true), QStringLiteral("új"));
        QCOMPARE(before.description(false), QStringLiteral("AAABCDEFGHIJ")); // no name valid yet
        QVERIFY(before.description(true).isEmpty());
        s.flags = OptPointCode;
        QVERIFY(before.description(false).isEmpty());
        // Any date counts for naming.
        QVERIFY(touch.isNamed() && before.isNamed() && !fromHex("2f0f60b6ffffffffff00").isNamed());

        // Colours only with highlighting, and only from the name valid at the touch.
        QCOMPARE(colours(touch), QStringLiteral("#000000 #ffffff"));
        s.flags = OptColorHighlight;
        QCOMPARE(colours(touch) + ' ' + colours(nextDay) + ' ' + colours(before),
                 QStringLiteral("#ff0000 #ffff00 #0000ff #00ff00 #000000 #ffffff"));

        // 199 is still a touch (a year ending in 99, August or later).
        const LogEntry late99 = fromHex("c70f60b6000123456789");
        QVERIFY(late99.isTouch() && late99.markerText() == QStringLiteral(" "));
        QCOMPARE(late99.dateTime().date(), QDate(2099, 8, 15));
        QCOMPARE(colours(late99), QStringLiteral("#0000ff #00ff00"));
        s.kodNevModel->removeRows(0, s.kodNevModel->rowCount());
    }

    void eventTextsAndColours()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.flags = 0;
        const LogEntry once = eventEntry(KindCase);
        const QString second =
            QLocale::system().toString(QDate(2023, 8, 14), QLocale::ShortFormat) + " 08:00:00";
        const QString text = QStringLiteral("burkolat zárás - nyitás");
        QCOMPARE(once.description(false), once.codeText() + "  " + text);
        QCOMPARE(eventEntry(KindCase, 2).description(false), second + "  " + text + "  (3x)");
        QCOMPARE(eventEntry(KindCase, 255).description(true), text + "  (256x)");
        s.flags = OptPointCode;
        QCOMPARE(eventEntry(KindCase, 2).description(false), text + "  (3x)");
        s.flags = OptColorHighlight;
        QCOMPARE(colours(once), QStringLiteral("#ff0000 #ffffff"));

        // 215 to 224 are known; the kinds around them are not interpretable, whatever the count.
        const QString unknown = QStringLiteral("  *** Nem értelmezhető bejegyzés ***");
        QString markers;
        for (int kind = KindFirstEvent; kind <= 255; ++kind) {
            const LogEntry e = eventEntry(kind, 2);
            markers += e.markerText();
            const bool known = kind >= KindDeepDischarge && kind < KindFirstUnknown;
            QVERIFY2(known != (e.description(false) == unknown), qPrintable(QString::number(kind)));
            QVERIFY(known || colours(e) == QStringLiteral("#000000 #ffffff"));
        }
        QCOMPARE(markers, QString(15, '-') + QStringLiteral("@\"#*!>?+§=") + QString(31, '-'));
    }
};

WYX_TEST_MAIN(TestLogEntry)
#include "tst_logentry.moc"
