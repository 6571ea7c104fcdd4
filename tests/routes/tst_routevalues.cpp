#include "support/testmain.h"

#include "routes/routevalues.h"

#include <QBuffer>
#include <QDataStream>
#include <QTextCodec>

namespace {

RouteTime hm(int h, int m)
{
    RouteTime t;
    t.hours = quint8(h);
    t.minutes = qint8(m);
    return t;
}

QString shown(const RouteTime& t)
{
    return t.isUnset() ? QStringLiteral("unset") : QStringLiteral("%1:%2").arg(t.hours).arg(t.minutes);
}

template <typename T>
QByteArray bytesOf(const T& value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << value;
    return bytes;
}

template <typename T>
T readBack(const QByteArray& bytes, QDataStream::Status* status = nullptr)
{
    QDataStream in(bytes);
    T value;
    in >> value;
    if (status)
        *status = in.status();
    return value;
}

// Sets the local 8-bit code page for one test and restores it.
struct LocaleCodec {
    explicit LocaleCodec(const char* name) : old(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~LocaleCodec() { QTextCodec::setCodecForLocale(old); }
    QTextCodec* old;
};

} // namespace

class TestRouteValues : public QObject
{
    Q_OBJECT
private slots:
    void timeFromSeconds_data()
    {
        QTest::addColumn<uint>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0u << "0:0";
        QTest::newRow("30 rounds down") << 30u << "0:0";
        QTest::newRow("31 rounds up") << 31u << "0:1";
        QTest::newRow("89") << 89u << "0:1";
        QTest::newRow("90") << 90u << "0:1";
        QTest::newRow("91") << 91u << "0:2";
        QTest::newRow("largest") << 863940u << "239:59";
        QTest::newRow("one beyond") << 863941u << "unset";
    }
    void timeFromSeconds()
    {
        QFETCH(uint, seconds);
        QFETCH(QString, expected);
        QCOMPARE(shown(routeTimeFromSeconds(seconds)), expected);
    }

    void timeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed");
        QTest::addColumn<QString>("printed");
        QTest::newRow("h:mm") << "5:30" << "5:30" << "  05:30";
        QTest::newRow("hh:mm") << "12:07" << "12:7" << "  12:07";
        QTest::newRow("day") << "1 05:30" << "29:30" << "1 05:30";
        QTest::newRow("largest") << "9 23:59" << "239:59" << "9 23:59";
        QTest::newRow("printed zero") << "  00:00" << "0:0" << "  00:00";
        QTest::newRow("minutes only") << ":45" << "0:45" << "  00:45";
        QTest::newRow("no colon") << "30" << "0:30" << "  00:30";
        QTest::newRow("day without colon is not read") << "1 30" << "0:30" << "  00:30";
        QTest::newRow("one minute digit") << "5:3" << "5:3" << "  05:03";
        QTest::newRow("24 hours") << "24:00" << "unset" << "    :  ";
        QTest::newRow("60 minutes") << "1:60" << "unset" << "    :  ";
        QTest::newRow("letters") << "8:3a" << "unset" << "    :  ";
        QTest::newRow("empty") << "" << "unset" << "    :  ";
        QTest::newRow("unset text") << "    :  " << "unset" << "    :  ";
        QTest::newRow("trailing blank") << "8:30 " << "8:30" << "  08:30";
        QTest::newRow("blanks before day") << "  1 05:30" << "29:30" << "1 05:30";
        QTest::newRow("trailing newline") << "8:30\n" << "8:30" << "  08:30";
    }
    void timeText()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        QFETCH(QString, printed);
        const RouteTime t = RouteTime::parse(text);
        QCOMPARE(shown(t), parsed);
        QCOMPARE(t.toString(), printed);
        QCOMPARE(t.toString().size(), 7);
        QCOMPARE(RouteTime::parse(t.toString()), t);
    }

    void everyMinuteReadsBackItsText()
    {
        for (int m = 0; m <= RouteTime::maxMinutes; ++m) {
            const RouteTime t = routeTimeFromSeconds(unsigned(m) * 60);
            if (RouteTime::parse(t.toString()).toSeconds() != m * 60)
                QFAIL(qPrintable(QStringLiteral("minute %1: %2").arg(m).arg(t.toString())));
        }
    }

    void addMinutesStaysInRange_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("seconds");
        QTest::newRow("below zero") << 0 << -1 << 0;
        QTest::newRow("beyond the largest") << 863940 << 1 << 863940;
        QTest::newRow("across a day") << 23 * 3600 + 59 * 60 << 2 << 24 * 3600 + 60;
        QTest::newRow("back") << 600 << -5 << 300;
        QTest::newRow("unset stays") << -1 << 5 << -1;
    }
    void addMinutesStaysInRange()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, seconds);
        RouteTime t = start < 0 ? RouteTime() : routeTimeFromSeconds(unsigned(start));
        t.addMinutes(delta);
        QCOMPARE(t.toSeconds(), seconds);
    }

    void startOrderAndEquality()
    {
        const RouteStart unsetFirst(QString(), "8:00", 1, QString(), QString());
        const RouteStart atMidnight("0:00", "8:00", 1, QString(), QString());
        QVERIFY(unsetFirst < atMidnight);
        QVERIFY(atMidnight > unsetFirst);
        QCOMPARE(RouteStart(), RouteStart(QString(), QString(), 0, QString(), QString()));
        const RouteStart a("8:00", "9:00", 1, "", "");
        const RouteStart b("8:00", "9:00", 2, "", "");
        QVERIFY(a < b); // the count decides last
        QVERIFY(!(a == b));
        QVERIFY(RouteStart("8:00", "", 0, "", "") < RouteStart("8:00", "0:00", 0, "", ""));
        const RouteTime odd = hm(0, -1); // unset with another minute byte
        RouteStart c = RouteStart();
        c.t1 = odd;
        QCOMPARE(c, RouteStart()); // equal by seconds
        QVERIFY(c.t1 != RouteStart().t1); // but not byte for byte
    }

    void streamForms()
    {
        QCOMPARE(bytesOf(RouteTime()).toHex(' '), QByteArray("00 80"));
        QCOMPARE(bytesOf(hm(29, 7)).toHex(' '), QByteArray("1d 07"));
        const RouteStart s("8:00", "16:00", 3, "", "0:10");
        QCOMPARE(bytesOf(s).toHex(' '), QByteArray("03 00 08 00 10 00 00 80 00 0a"));
        QCOMPARE(readBack<RouteStart>(bytesOf(s)), s);
        RoutePoint p("abc", "0:05");
        QCOMPARE(bytesOf(p).toHex(' '), QByteArray("00 05 01 20 00 00 00 00"));
        const RoutePoint back = readBack<RoutePoint>(bytesOf(p));
        QVERIFY(back.hasCode(p.code));
        QCOMPARE(back.offset, p.offset);
        p.setCode("PPPPPPPPPPPP");
        QCOMPARE(bytesOf(p).toHex(' '), QByteArray("00 05 ff ff ff ff ff ff"));
        QVERIFY(readBack<RoutePoint>(bytesOf(p)).hasCode(p.code));
    }

    void legacyStartMapsTimesByType()
    {
        const QByteArray record = QByteArray::fromHex("0200" "0800" "1000" "001e" "0005" "000a");
        QDataStream a(record);
        a.setByteOrder(QDataStream::LittleEndian);
        RouteStart service;
        service.readLegacy(a, true);
        QCOMPARE(service.count, quint16(2));
        QCOMPARE(service.t1.toString(), QStringLiteral("  08:00"));
        QCOMPARE(service.t2.toString(), QStringLiteral("  16:00"));
        QCOMPARE(service.t3.toString(), QStringLiteral("  00:05"));
        QCOMPARE(service.t4.toString(), QStringLiteral("  00:30"));
        QDataStream b(record);
        RouteStart flexible;
        flexible.readLegacy(b, false);
        QCOMPARE(flexible.t3.toString(), QStringLiteral("  00:05"));
        QCOMPARE(flexible.t4.toString(), QStringLiteral("  00:10"));
    }

    void pointCodeAndOffset()
    {
        RoutePoint p;
        QCOMPARE(p.offset.isUnset(), true);
        QCOMPARE(p.describe(false), QStringLiteral("AAAAAAAAAAAA"));
        p.setCode("abc");
        const unsigned char abc[6] = {0x01, 0x20, 0, 0, 0, 0};
        QVERIFY(p.hasCode(abc));
        QCOMPARE(p.describe(true), QStringLiteral("    :   ABCAAAAAAAAA"));
        const unsigned char other[6] = {1, 2, 3, 4, 5, 6};
        QVERIFY(p.set(other, 14399));
        QCOMPARE(p.offset.toString(), QStringLiteral("9 23:59"));
        QVERIFY(!p.set(abc, 14400));
        QVERIFY(!p.set(abc, -1));
        QVERIFY(p.hasCode(other));
        QCOMPARE(p.offset.toSeconds(), 863940);
        QCOMPARE(RoutePoint("b", 91u).offset.toSeconds(), 120);
    }

    void routeRecordNames_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lengthByte");
        QTest::addColumn<QString>("readBack");
        const QString eighty(80, 'x');
        QTest::newRow("80 whole") << QByteArray("Windows-1250") << eighty << 80 << eighty;
        QTest::newRow("81 cut") << QByteArray("Windows-1250") << eighty + "y" << 80 << eighty;
        QTest::newRow("hungarian 1250") << QByteArray("Windows-1250") << "Őrség út" << 8 << "Őrség út";
        const QString accents = QString(79, 'a') + QStringLiteral("ő");
        QTest::newRow("utf-8 not split") << QByteArray("UTF-8") << accents << 79 << QString(79, 'a');
        QTest::newRow("utf-8 fits") << QByteArray("UTF-8") << QStringLiteral("Őr") << 3 << "Őr";
    }
    void routeRecordNames()
    {
        QFETCH(QByteArray, codec);
        QFETCH(QString, name);
        QFETCH(int, lengthByte);
        QFETCH(QString, readBack);
        const LocaleCodec pinned(codec.constData());
        const QByteArray bytes = bytesOf(RouteHead(name, 2, hm(1, 30)));
        QCOMPARE(int(quint8(bytes.at(0))), lengthByte);
        QCOMPARE(bytes.size(), 1 + lengthByte + 4);
        QCOMPARE(bytes.right(4).toHex(' '), QByteArray("02 00 01 1e"));
        QDataStream::Status status;
        const RouteHead h = ::readBack<RouteHead>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(h.name, readBack);
        QCOMPARE(h.type, 2);
        QCOMPARE(h.duration, hm(1, 30));
    }

    void routeRecordReading()
    {
        // A length byte of 100: 80 bytes are the name, 20 are skipped.
        QByteArray bytes = QByteArray(1, char(100)) + QByteArray(80, 'n') + QByteArray(20, 'z')
            + QByteArray::fromHex("ff00" "0080");
        QDataStream::Status status;
        RouteHead h = readBack<RouteHead>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(h.name, QString(80, 'n'));
        QCOMPARE(h.type, 255);
        QCOMPARE(h.typeName(true), QStringLiteral("kód :255"));
        QVERIFY(h.duration.isUnset());
        // A zero byte ends the name; a short record is a failed read.
        h = readBack<RouteHead>(QByteArray::fromHex("03 41 00 42 01 00 0080"), &status);
        QCOMPARE(h.name, QStringLiteral("A"));
        QCOMPARE(h.type, 1);
        readBack<RouteHead>(QByteArray::fromHex("05 41 42"), &status);
        QCOMPARE(status, QDataStream::ReadPastEnd);
    }

    void foreignRecordReadsAsItSaves()
    {
        // 80 letters of a one-byte code page, read where the local code page is UTF-8.
        const LocaleCodec pinned("UTF-8");
        const QByteArray bytes = QByteArray(1, char(80)) + QByteArray(80, char(0xf5)) + QByteArray::fromHex("0000" "0080");
        QDataStream::Status status;
        const RouteHead h = readBack<RouteHead>(bytes, &status);
        QCOMPARE(status, QDataStream::Ok);
        QCOMPARE(h.name, QString(26, QChar::ReplacementCharacter));
        QCOMPARE(readBack<RouteHead>(bytesOf(h), &status).name, h.name);
    }

    void typeNames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("longName");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("0") << 0 << "Kötött Sorrend - Kötött Indulás" << "KS - KI";
        QTest::newRow("1") << 1 << "Kötött Sorrend - Szabad Indulás" << "KS - SzI";
        QTest::newRow("2") << 2 << "Szabad Sorrend - Kötött Indulás" << "SzS - KI";
        QTest::newRow("3") << 3 << "Szabad Sorrend - Szabad Indulás" << "SzS - SzI";
        QTest::newRow("4") << 4 << "Szabad Sorrend - Rugalmas Indulás" << "rugalmas";
        QTest::newRow("none") << -1 << "kód :-1" << "kód :-1";
        QTest::newRow("5") << 5 << "kód :5" << "kód :5";
    }
    void typeNames()
    {
        QFETCH(int, type);
        QFETCH(QString, longName);
        QFETCH(QString, shortName);
        QCOMPARE(routeTypeName(type, true), longName);
        QCOMPARE(RouteHead("x", type, RouteTime()).typeName(false), shortName);
    }

    void valuesTravelInVariants()
    {
        QCOMPARE(QByteArray(QVariant::fromValue(RouteTime()).typeName()), QByteArray("RouteTime"));
        QCOMPARE(QByteArray(QVariant::fromValue(RouteStart()).typeName()), QByteArray("RouteStart"));
        QCOMPARE(QByteArray(QVariant::fromValue(RoutePoint()).typeName()), QByteArray("RoutePoint"));
        QCOMPARE(QByteArray(QVariant::fromValue(RouteHead()).typeName()), QByteArray("RouteHead"));
    }
};

WYX_TEST_MAIN(TestRouteValues)
#include "tst_routevalues.moc"
