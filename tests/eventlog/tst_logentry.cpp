#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "eventlog/logentry.h"

#include <QBuffer>
#include <QDataStream>
#include <QLocale>

namespace {

LogEntry fromHex(const char* hex)
{
    const QByteArray raw = QByteArray::fromHex(hex);
    if (raw.size() != LogEntry::size)
        qFatal("a log entry needs ten bytes");
    LogEntry e;
    e.setBytes(reinterpret_cast<const unsigned char*>(raw.constData()));
    return e;
}

// An event of the given kind, first time 2023-08-15 13:45:16, second time 2023-08-14 08:00:00.
LogEntry eventEntry(int kind, int repeat = 0)
{
    LogEntry e = fromHex("002f0f60b62f0e384000");
    unsigned char raw[LogEntry::size];
    e.copyWithDateTime(raw);
    raw[0] = static_cast<unsigned char>(kind);
    raw[9] = static_cast<unsigned char>(repeat);
    e.setBytes(raw);
    return e;
}

QString stamp(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat) + ' ' + t.time().toString("HH:mm:ss");
}

void useNames(const QList<KodNev>& names)
{
    KodNevModel* m = appSettings().kodNevModel;
    if (m->rowCount() > 0)
        m->removeRows(0, m->rowCount());
    for (const KodNev& k : names)
        m->addEntry(k, true);
}

KodNev name(const QString& code, const QDate& from, const QString& text, const QColor& back, const QColor& fore)
{
    KodNev k;
    if (!k.set(code, text, from, back, fore))
        qFatal("bad test name");
    return k;
}

const QString notInterpretable = QStringLiteral("  *** Nem értelmezhető bejegyzés ***");

} // namespace

class TestLogEntry : public QObject
{
    Q_OBJECT
private slots:
    void blankEntryAndTimes()
    {
        TestEnv env;
        LogEntry blank;
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(blank.bytes()), 10), QByteArray(10, char(0xFF)));
        QVERIFY(!blank.isTouch());
        QCOMPARE(blank.markerText(), QStringLiteral("-"));
        QCOMPARE(blank.description(false), notInterpretable);
        appSettings().flags |= OptColorHighlight;
        QCOMPARE(blank.foregroundColor(), QColor(Qt::black));
        QCOMPARE(blank.backgroundColor(), QColor(Qt::white));

        const LogEntry touch = fromHex("2f0f60b6000123456789");
        QVERIFY(touch.isTouch());
        QCOMPARE(touch.dateTime(), QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16)));
        QVERIFY(touch.dateTimeText().endsWith(" 13:45:16"));
        const LogEntry read = eventEntry(KindReadOut);
        QCOMPARE(read.dateTime(), QDateTime(QDate(2023, 8, 15), QTime(13, 45, 16)));
        QCOMPARE(read.secondDateTime(), QDateTime(QDate(2023, 8, 14), QTime(8, 0)));
        QCOMPARE(read.sortDateTime(), read.dateTime());
        QCOMPARE(read.codeText(), stamp(read.secondDateTime()));
        QCOMPARE(eventEntry(KindArchived).sortDateTime(), read.secondDateTime());

        // Program entries keep the times in 2-second steps.
        LogEntry made;
        made.makeProgramEntry(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)),
                              QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)), KindInitialised);
        QCOMPARE(made.kind(), static_cast<unsigned char>(KindInitialised));
        QCOMPARE(made.byte(9), static_cast<unsigned char>(0));
        QCOMPARE(made.dateTime(), QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)));
        QCOMPARE(made.secondDateTime(), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 2)));

        // 31 April is not a date; nothing may break on it.
        const LogEntry impossible = fromHex("2e9f0000000000000000");
        QVERIFY(!impossible.dateTime().isValid());
        impossible.description(false);
        impossible.lineText();
    }

    void touchesAndNames()
    {
        TestEnv env;
        Settings& s = appSettings();
        // Code AAABCDEFGHIJ: "régi" from 2020, "új" from 2023-08-16 (the day after the touch).
        useNames({name("AAABCDEFGHIJ", QDate(2020, 1, 1), "régi", Qt::yellow, Qt::red),
                  name("AAABCDEFGHIJ", QDate(2023, 8, 16), "új", Qt::green, Qt::blue)});
        const LogEntry touch = fromHex("2f0f60b6000123456789");
        const LogEntry nextDay = fromHex("2f1060b6000123456789");
        const LogEntry before = fromHex("260f60b6000123456789"); // 2019
        const LogEntry other = fromHex("2f0f60b6ffffffffff00");

        QCOMPARE(touch.markerText(), QStringLiteral(" "));
        QCOMPARE(touch.codeText(), QStringLiteral("AAABCDEFGHIJ"));
        s.flags = 0;
        QCOMPARE(touch.description(false), QStringLiteral("régi"));
        QCOMPARE(nextDay.description(true), QStringLiteral("új"));
        QCOMPARE(before.description(false), QStringLiteral("AAABCDEFGHIJ")); // no name valid yet
        QCOMPARE(before.description(true), QString());
        QCOMPARE(other.description(false), QStringLiteral("PPPPPPPPPPAA"));
        s.flags = OptPointCode;
        QCOMPARE(before.description(false), QString());
        QCOMPARE(touch.description(false), QStringLiteral("régi"));

        QVERIFY(touch.isNamed());
        QVERIFY(before.isNamed()); // any date counts for the naming test
        QVERIFY(!other.isNamed());

        // Colours only with highlighting, and only from the name valid at the touch.
        QCOMPARE(touch.foregroundColor(), QColor(Qt::black));
        QCOMPARE(touch.backgroundColor(), QColor(Qt::white));
        s.flags = OptColorHighlight;
        QCOMPARE(touch.foregroundColor(), QColor(Qt::red));
        QCOMPARE(touch.backgroundColor(), QColor(Qt::yellow));
        QCOMPARE(nextDay.foregroundColor(), QColor(Qt::blue));
        QCOMPARE(nextDay.backgroundColor(), QColor(Qt::green));
        QCOMPARE(before.foregroundColor(), QColor(Qt::black));
        QCOMPARE(before.backgroundColor(), QColor(Qt::white));

        // 199 is still a touch (a year ending in 99, August or later).
        const LogEntry late99 = fromHex("c70f60b6000123456789");
        QVERIFY(late99.isTouch());
        QCOMPARE(late99.markerText(), QStringLiteral(" "));
        QCOMPARE(late99.codeText(), QStringLiteral("AAABCDEFGHIJ"));
        QCOMPARE(late99.dateTime().date(), QDate(2099, 8, 15));
        QCOMPARE(late99.foregroundColor(), QColor(Qt::blue));
        useNames({});
    }

    void eventKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("215") << 215 << "@" << "akku töltés kezdés - MÉLYKISÜLÉS" << QColor(Qt::darkMagenta);
        QTest::newRow("216") << 216 << "\"" << "nedvesség detektálás vége - kezdete" << QColor(Qt::darkMagenta);
        QTest::newRow("217") << 217 << "#" << "burkolat zárás - nyitás" << QColor(Qt::red);
        QTest::newRow("218") << 218 << "*" << "telep jó - telep kimerült" << QColor(Qt::darkMagenta);
        QTest::newRow("219") << 219 << "!" << "új idő - eredeti idő" << QColor(Qt::darkBlue);
        QTest::newRow("220") << 220 << ">" << "kiolvasva - előző kiolvasás" << QColor(Qt::darkGreen);
        QTest::newRow("221") << 221 << "?" << "nincs adat eddig - ettől" << QColor(Qt::darkRed);
        QTest::newRow("222") << 222 << "+" << "archiválva ettől - eddig" << QColor(Qt::darkGreen);
        QTest::newRow("223") << 223 << QString(QChar(0xA7)) << "inicializálva - előzőleg" << QColor(Qt::darkGreen);
        QTest::newRow("224") << 224 << "=" << "más készülék! inicializálva - eredeti inic." << QColor(Qt::darkBlue);
        QTest::newRow("200") << 200 << "-" << QString() << QColor(Qt::black);
        QTest::newRow("214") << 214 << "-" << QString() << QColor(Qt::black);
        QTest::newRow("225") << 225 << "-" << QString() << QColor(Qt::black);
        QTest::newRow("234") << 234 << "-" << QString() << QColor(Qt::black);
        QTest::newRow("255") << 255 << "-" << QString() << QColor(Qt::black);
    }
    void eventKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, marker);
        QFETCH(QString, text);
        QFETCH(QColor, color);
        TestEnv env;
        Settings& s = appSettings();
        const LogEntry once = eventEntry(kind);
        const LogEntry thrice = eventEntry(kind, 2);
        const LogEntry many = eventEntry(kind, 255);
        const QString second = stamp(once.secondDateTime());

        QCOMPARE(once.markerText(), marker);
        QCOMPARE(once.codeText(), second);
        s.flags = 0;
        if (text.isEmpty()) {
            for (int flags : {0, int(OptPointCode)}) {
                s.flags = flags;
                QCOMPARE(once.description(false), notInterpretable);
                QCOMPARE(thrice.description(false), notInterpretable);
                QCOMPARE(thrice.description(true), notInterpretable);
            }
        } else {
            QCOMPARE(once.description(false), second + "  " + text);
            QCOMPARE(once.description(true), text);
            QCOMPARE(thrice.description(false), second + "  " + text + "  (3x)");
            QCOMPARE(many.description(true), text + "  (256x)");
            s.flags = OptPointCode;
            QCOMPARE(thrice.description(false), text + "  (3x)");
        }

        QCOMPARE(once.foregroundColor(), QColor(Qt::black));
        QCOMPARE(once.backgroundColor(), QColor(Qt::white));
        s.flags = OptColorHighlight;
        QCOMPARE(once.foregroundColor(), color);
        QCOMPARE(once.backgroundColor(), QColor(Qt::white));
    }

    void equality()
    {
        // Logger events compare by kind and second time only.
        QVERIFY(fromHex("d9 11111111 2f0ee100 00") == fromHex("d9 22222222 2f0ee100 05"));
        QVERIFY(fromHex("c8 11111111 2f0ee100 00") == fromHex("c8 22222222 2f0ee100 05"));
        QVERIFY(!(fromHex("d9 11111111 2f0ee100 00") == fromHex("d9 11111111 2f0ee101 00")));
        QVERIFY(!(fromHex("d9 11111111 2f0ee100 00") == fromHex("d8 11111111 2f0ee100 00")));
        // Program entries, touches and unknown kinds compare on every byte.
        QVERIFY(!(fromHex("dc 11111111 2f0ee100 00") == fromHex("dc 22222222 2f0ee100 00")));
        QVERIFY(!(fromHex("dc 11111111 2f0ee100 00") == fromHex("dd 11111111 2f0ee100 00")));
        QVERIFY(fromHex("dc 11111111 2f0ee100 00") == fromHex("dc 11111111 2f0ee100 00"));
        QVERIFY(!(fromHex("2f0f60b6000123456789") == fromHex("2f0f60b6000123456788")));
        QVERIFY(!(fromHex("2f0f60b6000123456789") == fromHex("2f0f60b7000123456789")));
        QVERIFY(!(fromHex("e1 11111111 2f0ee100 00") == fromHex("e1 11111111 2f0ee100 01")));
    }

    void streamsTenBytes()
    {
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << fromHex("2f0f60b6000123456789") << eventEntry(KindReadOut, 1);
        }
        QCOMPARE(bytes.toHex(), QByteArray("2f0f60b6000123456789dc2f0f60b62f0e384001"));
        QDataStream in(bytes);
        LogEntry a, b, c;
        in >> a >> b;
        QVERIFY(a == fromHex("2f0f60b6000123456789"));
        QVERIFY(b == eventEntry(KindReadOut, 1));
        QCOMPARE(in.status(), QDataStream::Ok);
        in >> c;
        QCOMPARE(in.status(), QDataStream::ReadPastEnd);
    }
};

WYX_TEST_MAIN(TestLogEntry)
#include "tst_logentry.moc"
