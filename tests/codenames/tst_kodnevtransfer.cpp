#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevdatetext.h"
#include "codenames/kodnevexport.h"
#include "codenames/kodnevimport.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodnevtestutil.h"
#include "core/constants.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {

KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

// Three entries: two steps of ABC and one of PP.
QList<KodNev> sample()
{
    return {entry("ABC", QDate(2001, 1, 1), "Kapu", QColor("#ffff00"), QColor("#0000ff")),
            entry("ABC", QDate(2023, 6, 30), "Főkapu"), entry("PP", QDate(1999, 12, 31), "Raktár, hátsó")};
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray text(const KodNevModel& list, KodNevExport::Fields fields)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    KodNevExport::writeText(buffer, list, exportRowSpan(RangeAll, list.rowCount(), -1, -1), fields);
    return buffer.data();
}

QByteArray xml(const KodNevModel& list, KodNevExport::Fields fields)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    KodNevExport::writeXml(buffer, list, exportRowSpan(RangeAll, list.rowCount(), -1, -1), fields);
    return buffer.data();
}

KodNevImport::Result importText(KodNevModel& list, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return KodNevImport::readText(buffer, list, 2000);
}

KodNevImport::Result importXml(KodNevModel& list, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return KodNevImport::readXml(buffer, list, 2000);
}

QByteArray xmlRows(const QStringList& rows)
{
    QByteArray out = "<?xml version=\"1.0\"?><Workbook xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">"
                     "<Worksheet><Table>";
    for (const QString& row : rows) {
        out += "<Row>";
        for (const QString& cell : row.split('|'))
            out += "<Cell><Data ss:Type=\"String\">" + cell.toUtf8() + "</Data></Cell>";
        out += "</Row>";
    }
    return out + "</Table></Worksheet></Workbook>";
}

// "code year name" per entry, in list order.
QList<KodNev> entriesOf(const QStringList& entries)
{
    QList<KodNev> list;
    for (const QString& e : entries)
        list << entry(e.section(' ', 0, 0), QDate(e.section(' ', 1, 1).toInt(), 1, 1), e.section(' ', 2));
    return list;
}

// Records of cells split by '|', as text lines or spreadsheet rows.
KodNevImport::Result importCells(KodNevModel& list, const QStringList& records, bool asXml)
{
    return asXml ? importXml(list, xmlRows(records))
                 : importText(list, records.join(QStringLiteral("\r\n")).replace('|', '\t').toUtf8());
}

bool sameEntries(const KodNevModel& a, const KodNevModel& b)
{
    if (a.rowCount() != b.rowCount())
        return false;
    for (int r = 0; r < a.rowCount(); ++r) {
        const KodNev x = a.entryAt(r), y = b.entryAt(r);
        if (x != y || x.backgroundColor != y.backgroundColor || x.foregroundColor != y.foregroundColor)
            return false;
    }
    return true;
}

} // namespace

class TestKodNevTransfer : public QObject
{
    Q_OBJECT
private slots:
    void textByteForByte()
    {
        KodNevModel list(sample());
        QCOMPARE(text(list, {false, false}), QByteArray("ABCAAAAAAAAA\tKapu\r\n"
                                                       "ABCAAAAAAAAA\tF\xc5\x91kapu\r\n"
                                                       "PPAAAAAAAAAA\tRakt\xc3\xa1r, h\xc3\xa1ts\xc3\xb3\r\n"));
        QCOMPARE(text(list, {true, true}).split('\n').first(),
                 QByteArray("1 Jan 2001\tABCAAAAAAAAA\tKapu\t#ffff00\t#0000ff\r"));
    }

    void xmlDeclaresItsColumns_data()
    {
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("colors");
        QTest::addColumn<int>("columns");
        QTest::newRow("neither") << false << false << 2;
        QTest::newRow("date") << true << false << 3;
        QTest::newRow("colours") << false << true << 4;
        QTest::newRow("both") << true << true << 5;
    }

    void xmlDeclaresItsColumns()
    {
        QFETCH(bool, date);
        QFETCH(bool, colors);
        QFETCH(int, columns);
        KodNevModel list(sample());
        const QByteArray doc = xml(list, {date, colors});
        QVERIFY(doc.contains(QStringLiteral("ss:ExpandedColumnCount=\"%1\" ss:ExpandedRowCount=\"3\"")
                                 .arg(columns).toUtf8()));
        QVERIFY(doc.contains("ss:Name=\"Kódlista\""));
        QCOMPARE(doc.count("<Cell>"), 3 * columns);
    }

    void emptyListExports()
    {
        KodNevModel list;
        QCOMPARE(text(list, {}), QByteArray());
        QVERIFY(xml(list, {}).contains("ss:ExpandedRowCount=\"0\""));
        QVERIFY(!xml(list, {}).contains("<Row"));
    }

    void roundTrips_data()
    {
        QTest::addColumn<bool>("asXml");
        QTest::newRow("text") << false;
        QTest::newRow("xml") << true;
    }

    // Written with both options and read back, the list is the same.
    void roundTrips()
    {
        QFETCH(bool, asXml);
        KodNevModel list(sample());
        KodNevModel back;
        QAbstractItemModelTester tester(&back);
        const KodNevImport::Result r =
            asXml ? importXml(back, xml(list, {true, true})) : importText(back, text(list, {true, true}));
        QCOMPARE(r.error, QString());
        QCOMPARE(r.added, 3);
        QVERIFY(sameEntries(list, back));
    }

    // The locale's short form is kept; a two-digit year is read into the hundred years from
    // the century year on, and a date outside them is written with its whole year.
    void shortDateText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("century");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        const QDate day(2023, 8, 15);
        QTest::newRow("de_DE") << "de_DE" << 2000 << day << "15.08.23";
        QTest::newRow("de_AT") << "de_AT" << 2000 << day << "15.08.23";
        QTest::newRow("en_US") << "en_US" << 2000 << day << "8/15/23";
        QTest::newRow("hu_HU") << "hu_HU" << 2000 << day << "2023. 08. 15.";
        QTest::newRow("en_GB") << "en_GB" << 2000 << day << "15/08/2023";
        QTest::newRow("valid at all times") << "de_DE" << 2000 << minValidDate << "01.01.0001";
        QTest::newRow("valid at all times, hu_HU") << "hu_HU" << 2000 << minValidDate << "0001. 01. 01.";
        QTest::newRow("before the century") << "en_US" << 2000 << QDate(1999, 12, 31) << "12/31/1999";
        QTest::newRow("last of the hundred") << "de_DE" << 2000 << QDate(2099, 12, 31) << "31.12.99";
        QTest::newRow("after the hundred") << "de_DE" << 2000 << QDate(2100, 1, 1) << "01.01.2100";
        QTest::newRow("29 February 2000") << "de_DE" << 2000 << QDate(2000, 2, 29) << "29.02.00";
        QTest::newRow("century 1950: 49") << "en_US" << 1950 << QDate(2049, 12, 31) << "12/31/49";
        QTest::newRow("century 1950: 50") << "en_US" << 1950 << QDate(1950, 1, 1) << "1/1/50";
    }

    void shortDateText()
    {
        QFETCH(QString, locale);
        QFETCH(int, century);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        const KodNevDateText form{QLocale(locale), century};
        QCOMPARE(form.text(date), text);
        QCOMPARE(form.date(text), date);
    }

    void shortDatesRoundTrip_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("asXml");
        for (const char* name : {"hu_HU", "de_DE", "en_US", "en_GB"}) {
            QTest::addRow("%s text", name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s xml", name) << QString::fromLatin1(name) << true;
        }
    }

    // Every date reads back as written, under the locales with either kind of year.
    void shortDatesRoundTrip()
    {
        QFETCH(QString, locale);
        QFETCH(bool, asXml);
        const QList<QDate> dates = {minValidDate,      QDate(1752, 9, 13), QDate(1999, 12, 31), QDate(2000, 2, 29),
                                    QDate(2023, 8, 15), QDate(2099, 12, 31), QDate(2100, 1, 1),   QDate(9999, 12, 31)};
        QList<KodNev> entries;
        for (const QDate& d : dates)
            entries << entry(QStringLiteral("ABC"), d, d.toString(Qt::ISODate));
        KodNevModel list(entries);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const RowSpan all = exportRowSpan(RangeAll, list.rowCount(), -1, -1);
        const KodNevDateText form{QLocale(locale), 2000};
        QVERIFY(asXml ? KodNevExport::writeXml(buffer, list, all, {true, false}, form)
                      : KodNevExport::writeText(buffer, list, all, {true, false}, form));
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        KodNevModel back;
        const KodNevImport::Result r = asXml ? KodNevImport::readXml(buffer, back, 2000, QLocale(locale))
                                             : KodNevImport::readText(buffer, back, 2000, QLocale(locale));
        QCOMPARE(r.error, QString());
        QStringList read;
        for (int row = 0; row < back.rowCount(); ++row)
            read << back.entryAt(row).datedName.validFrom.toString(Qt::ISODate) + ' '
                        + back.entryAt(row).datedName.name;
        QStringList written;
        for (const QDate& d : dates)
            written << d.toString(Qt::ISODate) + ' ' + d.toString(Qt::ISODate);
        QCOMPARE(read, written);
    }

    void systemLocaleRoundTrip_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("text") << QStringLiteral("k.txt");
        QTest::newRow("xml") << QStringLiteral("k.xml");
    }

    // Through the files as the window writes and reads them, in the system locale (see main).
    void systemLocaleRoundTrip()
    {
        QFETCH(QString, format);
        const QByteArray wanted = qgetenv("WYX_TEST_SYSTEM_LOCALE");
        if (!wanted.isEmpty())
            QCOMPARE(QLocale::system().name(), QString::fromLatin1(wanted));
        TestEnv env;
        const QList<QDate> dates = {minValidDate, QDate(1999, 12, 31), QDate(2000, 2, 29), QDate(2023, 8, 15)};
        QList<KodNev> entries;
        for (const QDate& d : dates)
            entries << entry(QStringLiteral("ABC"), d, d.toString(Qt::ISODate));
        KodNevModel list(entries);
        const RowSpan all = exportRowSpan(RangeAll, list.rowCount(), -1, -1);
        const bool xml = format.endsWith(QLatin1String("xml"));
        QVERIFY(xml ? KodNevExport::exportToXml(nullptr, list, format, all, {true, false})
                    : KodNevExport::exportToTxt(nullptr, list, format, all, {true, false}));
        // Dates of this century keep the locale's own short form.
        const QString shortForm = QLocale::system().toString(dates.last(), QLocale::ShortFormat);
        QVERIFY(readFile(env.path(format)).contains(shortForm.toUtf8()));
        KodNevModel back;
        QVERIFY(xml ? KodNevImport::importFromXml(nullptr, back, format)
                    : KodNevImport::importFromTxt(nullptr, back, format));
        QVERIFY(sameEntries(list, back));
    }

    // A character XML cannot hold is left out of the cell, as in the log's export; the rest
    // of the cell and of the list is still written.
    void xmlLeavesOutWhatXmlCannotHold()
    {
        const QString name = QStringLiteral("Ka\x01pu") + QChar(0) + QStringLiteral("Nord\x1f");
        KodNevModel list({entry("A", QDate(2001, 1, 1), name), entry("B", QDate(2001, 1, 1), "Kert")});
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(KodNevExport::writeXml(buffer, list, exportRowSpan(RangeAll, 2, -1, -1), {true, true}));
        KodNevModel back;
        QCOMPARE(importXml(back, buffer.data()).added, 2);
        QCOMPARE(back.entryAt(0).datedName.name, QStringLiteral("KapuNord"));
    }

    void textLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("foreground");
        const QDate century(2000, 1, 1);
        QTest::newRow("two fields") << QByteArray("ab\tKert") << "ABAAAAAAAAAA" << "Kert" << century << "#ffffff"
                                    << "#000000";
        QTest::newRow("named code: today") << QByteArray("ABC\tÚj") << "ABCAAAAAAAAA" << "Új"
                                           << QDate::currentDate() << "#ffffff" << "#000000";
        QTest::newRow("date leads") << QByteArray("3 Feb 2010\tP\tRaktár\t#102030") << "PAAAAAAAAAAA" << "Raktár"
                                    << QDate(2010, 2, 3) << "#102030" << "#000000";
        QTest::newRow("runs of tabs") << QByteArray("\tC\t\tUdvar\t\tred\tnonsense\t") << "CAAAAAAAAAAA" << "Udvar"
                                      << century << "#ff0000" << "#000000";
        QTest::newRow("bad colours") << QByteArray("D\tTorony\tzzz\tqqq\r") << "DAAAAAAAAAAA" << "Torony" << century
                                     << "#ffffff" << "#000000";
    }

    void textLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, background);
        QFETCH(QString, foreground);
        KodNevModel list({entry("ABC", QDate(2001, 1, 1), "Kapu")});
        const KodNevImport::Result r = importText(list, line);
        QCOMPARE(r.added, 1);
        KodNev key;
        key.setCode(code);
        key.datedName.setDate(date);
        const KodNev got = list.entryAt(list.findExact(key));
        QCOMPARE(got.codeText(), code);
        QCOMPARE(got.datedName.name, name);
        QCOMPARE(got.datedName.validFrom, date);
        QCOMPARE(got.backgroundColor.name(), background);
        QCOMPARE(got.foregroundColor.name(), foreground);
    }

    // Bad lines are passed over; a refused name never leaves another record's name or
    // colours on the entry that follows.
    void badLinesAreSkippedAlone()
    {
        KodNevModel list;
        const QByteArray name81(81, 'x');
        const KodNevImport::Result r = importText(list, "A\tElső\t#ff0000\t#00ff00\r\n"
                                                        "B\t" + name81 + "\t#0000ff\r\n"
                                                        "Q\tRossz kód\r\n"
                                                        "C\r\n"
                                                        "\r\n"
                                                        + QByteArray(5000, 'y') + "\r\n"
                                                        "D\tUtolsó\r\n");
        QCOMPARE(r.error, QString());
        QCOMPARE(r.added, 2);
        QCOMPARE(r.skipped, 5);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.entryAt(1).datedName.name, QStringLiteral("Utolsó"));
        QCOMPARE(list.entryAt(1).backgroundColor, QColor(Qt::white));
        QCOMPARE(list.entryAt(1).foregroundColor, QColor(Qt::black));
    }

    void sameCodeAndDateReplaces()
    {
        KodNevModel list({entry("ABC", QDate(2001, 1, 1), "Kapu")});
        importText(list, "1 Jan 2001\tABC\tÚj név\r\n");
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.entryAt(0).datedName.name, QStringLiteral("Új név"));
    }

    void importAddsAsOneByOne_data()
    {
        QTest::addColumn<QStringList>("before"); // "code year name", in list order
        QTest::addColumn<QStringList>("records"); // cells split by '|'
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("asXml");
        const auto add = [](const char* tag, const QStringList& before, const QStringList& records, const char* after) {
            for (const bool asXml : {false, true})
                QTest::addRow("%s, %s", tag, asXml ? "xml" : "text") << before << records << QString(after) << asXml;
        };
        add("repeats in the file", {},
            {"A|egy", "B|kettő", "A|három", "A|négy", "1 Jan 2005|A|öt", "1 Jan 1999|B|hat", "1 Jan 2005|A|hét"},
            "A2000 egy, A2005 hét, Ama négy, B1999 hat, B2000 kettő");
        add("among the list's names", {"A 2001 a1", "B 2001 b1", "C 2001 c1"},
            {"1 Jan 1999|B|b0", "1 Jan 2001|C|c1új", "D|d", "B|bma", "1 Jan 2003|A|a3", "E|e", "1 Jan 2002|A|a2",
             "1 Jan 2005|C|c5"},
            "A2001 a1, A2002 a2, A2003 a3, B1999 b0, B2001 b1, Bma bma, C2001 c1új, C2005 c5, D2000 d, E2000 e");
        add("list out of date order", {"A 2005 a5", "A 2001 a1", "B 2001 b1"},
            {"1 Jan 2003|A|a3", "1 Jan 2005|A|a5új", "1 Jan 2000|A|a0"},
            "A2000 a0, A2005 a5, A2001 a1, A2003 a3, A2005 a5új, B2001 b1");
        add("one date twice in the list", {"A 2001 x", "A 2001 y", "B 2001 b"}, {"1 Jan 2001|A|z", "A|ma"},
            "A2001 x, A2001 z, Ama ma, B2001 b");
    }

    // The list an import gives is the one adding its records one by one in file order gives:
    // a code met earlier in the file counts as named, and the last of a code and date wins.
    void importAddsAsOneByOne()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, records);
        QFETCH(QString, after);
        QFETCH(bool, asXml);
        KodNevModel list(entriesOf(before));
        QCOMPARE(importCells(list, records, asXml).added, records.size());
        QCOMPARE(KodNevTest::namedLayout(list), after);
    }

    void importTellsTheListOnce_data() { importAddsAsOneByOne_data(); }

    // A view is not walked once per record.
    void importTellsTheListOnce()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, records);
        QFETCH(bool, asXml);
        KodNevModel list(entriesOf(before));
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
        importCells(list, records, asXml);
        QCOMPARE(inserted.count() + changed.count() + reset.count(), 1);
    }

    void nonUtf8StopsWithLine()
    {
        KodNevModel list;
        const KodNevImport::Result r = importText(list, "A\tJó\r\nB\tRossz \xe1 bet\xfb\r\nC\tSoha\r\n");
        QCOMPARE(r.added, 1);
        QCOMPARE(r.stoppedAt, 2);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(list.rowCount(), 1);
    }

    void xmlInvalidCodeKeepsRowsBefore()
    {
        KodNevModel list;
        const KodNevImport::Result r = importXml(list, xmlRows({"A|Első", "XYZ|Második", "C|Harmadik"}));
        QCOMPARE(r.added, 1);
        QCOMPARE(r.stoppedAt, 2);
        QVERIFY(r.error.contains("XYZ"));
        QCOMPARE(list.entryAt(0).datedName.name, QStringLiteral("Első"));
    }

    void xmlDamage_data()
    {
        QTest::addColumn<QByteArray>("doc");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("stoppedAt");
        const QByteArray bomb = "<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                                "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                                "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                                "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
                                "<Workbook><Worksheet><Table><Row><Cell><Data>A</Data></Cell><Cell><Data>&g;</Data>"
                                "</Cell></Row></Table></Worksheet></Workbook>";
        QTest::newRow("entity bomb") << bomb << 0 << 1;
        QByteArray cut = xmlRows({"A|Első", "B|Második"});
        cut.chop(40);
        QTest::newRow("cut short") << cut << 1 << 2;
        QTest::newRow("row without cells") << xmlRows({"A|Első"}).replace("</Table>", "<Row><X/></Row></Table>") << 1
                                           << 2;
        QTest::newRow("not xml") << QByteArray("A\tKapu\r\n") << 0 << 0;
        QTest::newRow("code only") << xmlRows({"A", "B|Név"}) << 1 << 0;
        QTest::newRow("long name skipped") << xmlRows({"A|" + QString(81, 'n'), "B|Név"}) << 1 << 0;
    }

    // Damaged files say where they stopped; the rows before stay, nothing after is added.
    void xmlDamage()
    {
        QFETCH(QByteArray, doc);
        QFETCH(int, added);
        QFETCH(int, stoppedAt);
        KodNevModel list;
        const KodNevImport::Result r = importXml(list, doc);
        QCOMPARE(r.added, added);
        QCOMPARE(list.rowCount(), added);
        QCOMPARE(r.stoppedAt, stoppedAt);
        if (QByteArray(QTest::currentDataTag()) != "code only" && QByteArray(QTest::currentDataTag()) != "long name skipped")
            QVERIFY(!r.error.isEmpty());
    }

    void fileMessagesNameTheFile()
    {
        TestEnv env;
        KodNevModel list;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("nincs.txt nem létezik."));
            QVERIFY(!KodNevImport::importFromTxt(nullptr, list, QStringLiteral("nincs")));
            QCOMPARE(prompts.seen().first().title, QStringLiteral("Kód-név lista importálás"));
        }
        writeFile(env.path("rossz.xml"), xmlRows({"A|Első", "XYZ|Második"}));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning,
                             QStringLiteral("rossz.xml nem megfelelő adatokat tartalmaz.\n2. sor: érvénytelen kód: XYZ."));
        QVERIFY(!KodNevImport::importFromXml(nullptr, list, QStringLiteral("rossz.XML").toLower()));
        QCOMPARE(list.rowCount(), 1);
    }

    void exportFileAsksAndCompletes()
    {
        TestEnv env;
        KodNevModel list(sample());
        const RowSpan all = exportRowSpan(RangeAll, list.rowCount(), -1, -1);
        QVERIFY(KodNevExport::exportToTxt(nullptr, list, QStringLiteral("lista"), all, {false, false}));
        QCOMPARE(readFile(env.path("lista.txt")), text(list, {false, false}));
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("lista.txt nevű fájl már létezik."), false);
        QVERIFY(!KodNevExport::exportToTxt(nullptr, list, QStringLiteral("lista.txt"), RowSpan{0, 0}, {}));
        QCOMPARE(readFile(env.path("lista.txt")), text(list, {false, false}));
        QVERIFY(KodNevExport::exportToXml(nullptr, list, QStringLiteral("LISTA.XML"), all, {}));
        QVERIFY(QFileInfo::exists(env.path("LISTA.XML")));
    }

    // Export through a file and import back through the file, as the window will.
    void fileRoundTrip()
    {
        TestEnv env;
        KodNevModel list(sample());
        const RowSpan all = exportRowSpan(RangeAll, list.rowCount(), -1, -1);
        QVERIFY(KodNevExport::exportToXml(nullptr, list, QStringLiteral("k"), all, {true, true}));
        KodNevModel back;
        QVERIFY(KodNevImport::importFromXml(nullptr, back, QStringLiteral("k.xml")));
        QVERIFY(sameEntries(list, back));
    }

    void pdfPagesAndFooter()
    {
        TestEnv env;
        QList<KodNev> many;
        for (int i = 0; i < 200; ++i)
            many << entry(QStringLiteral("B%1").arg(QChar('A' + i % 16)) + QChar('A' + i / 16),
                          QDate(2001, 1, 1), QStringLiteral("Pont %1").arg(i + 1));
        KodNevModel list(many);
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env.path("k.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A5));
        const RowSpan span = exportRowSpan(RangeFromCursor, list.rowCount(), 50, 50);
        QVERIFY(KodNevExport::exportToPdf(nullptr, &printer, list, span, QStringLiteral("/x/kodlista.kod")));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), env.path("k.pdf"), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() > 2);
        QVERIFY(pages.first().contains(QStringLiteral("Pont 51")));
        QVERIFY(!pages.first().contains(QStringLiteral("Pont 50 ")));
        QVERIFY(pages.first().contains(QRegularExpression(QStringLiteral("/x/kodlista.kod\\s+1 oldal"))));
        QVERIFY(pages.last().contains(QStringLiteral("Pont 200")));
        QVERIFY(pages.first().contains(QStringLiteral("Megnevezés")));
    }
};

// Runs in the tests' locale, or in the system locale WYX_TEST_SYSTEM_LOCALE names (read by
// Qt from the environment once, before the application exists).
int main(int argc, char* argv[])
{
    TestSupport::prepareProcess();
    const QByteArray locale = qgetenv("WYX_TEST_SYSTEM_LOCALE");
    if (!locale.isEmpty())
        qputenv("LC_ALL", locale + ".UTF-8");
    WyxApp app(argc, argv);
    TestSupport::prepareApplication(app);
    TestKodNevTransfer tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_kodnevtransfer.moc"
