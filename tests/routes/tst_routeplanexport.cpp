#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "routes/routedefview.h"
#include "routes/routeplanlayout.h"
#include "routes/routeplanxml.h"

#include "core/settings.h"
#include "core/wyxapp.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextCodec>

namespace {

QByteArray fileBytes(const QString& path)
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

// Plan "day.shift.erd": tolerance 15, one log, a type-0, a type-3 and a type-4 route.
void fill(RouteDefModel& m)
{
    m.setFileName("day.shift.erd");
    m.setTolerance(15);
    QVERIFY(m.addLog("GUARD1.EWL"));
    QCOMPARE(m.addRoute(RouteHead("Reggel", 0, RouteTime())), 0);
    QVERIFY(m.addStart(RouteStart("8:00", "", 1, "", ""), m.startsGroupIndex(0)));
    QVERIFY(m.addPoint(RoutePoint("B", "0:05"), m.pointsGroupIndex(0), false));
    QCOMPARE(m.addRoute(RouteHead("Kör", 3, RouteTime::parse("1:30"))), 1);
    QVERIFY(m.addStart(RouteStart("8:00", "16:00", 3, "", "0:20"), m.startsGroupIndex(1)));
    QVERIFY(m.addPoint(RoutePoint("C", "0:10"), m.pointsGroupIndex(1), true));
    QCOMPARE(m.addRoute(RouteHead("Éjjel", 4, RouteTime::parse("2:00"))), 2);
    QVERIFY(m.addStart(RouteStart("8:00", "16:00", 3, "0:10", "1:00"), m.startsGroupIndex(2)));
}

const char* const goldenText = "\"day\" útvonal terv, elvárt pontossága: 15 perc\r\n"
                               "\r\n"
                               "Vizsgálandó esemény naplók\r\n"
                               "    GUARD1.EWL\r\n"
                               "\r\n"
                               "Bejárandó útvonalak\r\n"
                               "  Reggel útvonal:  Kötött Sorrend - Kötött Indulás    \r\n"
                               "    Indulási idők\r\n"
                               "        08:00\r\n"
                               "    Ellenőrző pontok\r\n"
                               "        00:05  BAAAAAAAAAAA\r\n"
                               "  Kör útvonal:  Szabad Sorrend - Szabad Indulás    köridő:   01:30\r\n"
                               "    Szolgálati idők\r\n"
                               "      kezdete   08:00  vége   16:00   3 kör, közte max.  00:20 szünet\r\n"
                               "    Ellenőrző pontok\r\n"
                               "      CAAAAAAAAAAA\r\n"
                               "  Éjjel útvonal:  Szabad Sorrend - Rugalmas Indulás    köridő:   02:00\r\n"
                               "    Szolgálati idők\r\n"
                               "      kezdete   08:00  vége   16:00   3 kör, pontok közt min.  00:10, max.  01:00\r\n"
                               "    Ellenőrző pontok\r\n";

QString row(const QStringList& cells, const QList<int>& numbers = {})
{
    QString out = "<Row>";
    for (int i = 0; i < cells.size(); ++i)
        out += QStringLiteral("<Cell><Data ss:Type=\"%1\">%2</Data></Cell>")
                   .arg(numbers.contains(i) ? "Number" : "String", cells.at(i));
    return out + "</Row>\n";
}

QByteArray sheet(const QString& rows)
{
    return ("<?xml version=\"1.0\"?>\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
            "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Worksheet ss:Name=\"x\"><Table>\n"
            + rows + "</Table></Worksheet></Workbook>\n")
        .toUtf8();
}

QString head(int tolerance = 10)
{
    return row({"_ERD_V1.0_ACCURACY_", QString::number(tolerance), "", "", ""}, {1}) + row({"_ERD_V1.0_LOGS_"})
        + row({"L1.EWL"}) + row({"_ERD_V1.0_PATHS_"});
}

QString route(const QString& name, int type = 0)
{
    return row({name, QString::number(type), "    :  ", "", ""}, {1});
}

QString planSummary(const RouteDefModel& m)
{
    QStringList out{QString::number(m.tolerance())};
    for (int l = 0; l < m.logCount(); ++l)
        out << m.logName(l);
    for (int r = 0; r < m.routeCount(); ++r) {
        out << m.routeHead(r).name + "/" + QString::number(m.routeHead(r).type);
        for (int s = 0; s < m.startCount(r); ++s)
            out << "s" + m.routeStart(r, s).t1.toString().trimmed();
        for (int p = 0; p < m.pointCount(r); ++p)
            out << "p" + m.routePoint(r, p).describe(true).trimmed();
    }
    return out.join(' ');
}

// Whether a line of the notice shows the told rename, each name whole or shortened in its
// middle, some of its start and of its end left.
bool showsEnds(const QString& shown, const QString& told)
{
    static const QRegularExpression bareEnd(QStringLiteral("„…|…”"));
    QStringList parts = shown.split(QChar(0x2026));
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QRegularExpression pattern("\\A" + parts.join("[^”]+") + "\\z");
    return !shown.contains(bareEnd) && pattern.match(told).hasMatch();
}

class CountingBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    qint64 bytesRead = 0;
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = QBuffer::readData(data, maxSize);
        bytesRead += qMax<qint64>(n, 0);
        return n;
    }
};

// The local code page of the moment, counting how often a text is converted into it: a
// measure of the work spent on names.
class CountingCodec : public QTextCodec
{
public:
    QTextCodec* base = nullptr;
    mutable qint64 conversions = 0;
    QByteArray name() const override { return "wyx-counting"; }
    int mibEnum() const override { return -4711; }
    QString convertToUnicode(const char* in, int length, ConverterState* state) const override
    {
        return base->toUnicode(in, length, state);
    }
    QByteArray convertFromUnicode(const QChar* in, int length, ConverterState* state) const override
    {
        ++conversions;
        return base->fromUnicode(in, length, state);
    }
};

// Pairs of an 80-byte name ending in the pair's number and the same name with one letter more.
QString chainedRoutes(int pairs)
{
    QString rows;
    for (int k = 1; k <= pairs; ++k) {
        const QString name = QString(80 - QString::number(k).size(), 'R') + QString::number(k);
        rows += route(name) + row({"_ERD_V1.0_STARTS_"}) + row({"_ERD_V1.0_POINTS_"}) + route(name + "x")
                + row({"_ERD_V1.0_STARTS_"}) + row({"_ERD_V1.0_POINTS_"});
    }
    return rows;
}

} // namespace

class TestRoutePlanExport : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void textExportIsTheGoldenBytes()
    {
        RouteDefView v;
        fill(*v.model());
        ScriptedPrompts prompts;
        QCOMPARE(v.exportDocument(FormatText, "plan", ExportChoice()), DocumentWindow::Done);
        QCOMPARE(fileBytes(env->path("plan.txt")), QByteArray(goldenText));
    }

    void emptyUnsavedPlanPrintsFiveLines()
    {
        RouteDefModel m;
        const QList<PlanPrintLine> lines = planPrintLines(m);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0).text, QStringLiteral("\"\" útvonal terv, elvárt pontossága: 10 perc"));
        QCOMPARE(lines.at(1).level, -1);
        QCOMPARE(lines.at(2).level, 1);
        QCOMPARE(lines.at(4).text, QStringLiteral("Bejárandó útvonalak"));
    }

    void printLinesFollowTheTree()
    {
        RouteDefModel m;
        fill(m);
        const QList<PlanPrintLine> lines = planPrintLines(m);
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.at(6).routeMarker, true);
        QCOMPARE(lines.at(6).level, 2);
        QCOMPARE(lines.at(6).text, QStringLiteral("Reggel útvonal:  Kötött Sorrend - Kötött Indulás    "));
        QCOMPARE(lines.at(8).text, QStringLiteral("  08:00"));
        QCOMPARE(lines.at(10).text, QStringLiteral("  00:05  BAAAAAAAAAAA"));
        QCOMPARE(lines.at(10).level, 4);
        QCOMPARE(lines.at(18).text,
                 QStringLiteral("kezdete   08:00  vége   16:00   3 kör, pontok közt min.  00:10, max.  01:00"));
    }

    void pagesFollowThePageSet_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QVector<int>>("pages");
        QTest::newRow("17 lines, body 8") << 17 << 8 << 0 << 0 << 0 << QVector<int>{1, 2, 3};
        QTest::newRow("odd") << 32 << 8 << 0 << 0 << 1 << QVector<int>{1, 3};
        QTest::newRow("odd reversed") << 32 << 8 << 0 << 0 << 17 << QVector<int>{3, 1};
        QTest::newRow("even") << 32 << 8 << 0 << 0 << 2 << QVector<int>{2, 4};
        QTest::newRow("even reversed") << 32 << 8 << 0 << 0 << 18 << QVector<int>{4, 2};
        QTest::newRow("to page 2 of 5") << 40 << 8 << 0 << 2 << 0 << QVector<int>{1, 2};
        QTest::newRow("from page beyond") << 8 << 8 << 3 << 0 << 0 << QVector<int>{};
        QTest::newRow("to page beyond") << 16 << 8 << 1 << 9 << 0 << QVector<int>{1, 2};
    }

    void pagesFollowThePageSet()
    {
        QFETCH(int, lines);
        QFETCH(int, body);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pageSet);
        QFETCH(QVector<int>, pages);
        QCOMPARE(planPageSequence(lines, body, from, to, pageSet), pages);
    }

    void xmlExportIsTheGoldenBytes()
    {
        RouteDefView v;
        RouteDefModel* m = v.model();
        QVERIFY(m->addLog("G.EWL"));
        QCOMPARE(m->addRoute(RouteHead("R", 1, RouteTime())), 0);
        QVERIFY(m->addStart(RouteStart("8:00", "9:00", 2, "", ""), m->startsGroupIndex(0)));
        QVERIFY(m->addPoint(RoutePoint("ab", "0:05"), m->pointsGroupIndex(0), false));
        ScriptedPrompts prompts;
        QVERIFY(v.exportToXml("plan.XML")); // the extension in any case
        const QByteArray golden = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n"
            "    <Worksheet ss:Name=\"Útvonal terv\">\n"
            "        <Table ss:ExpandedColumnCount=\"5\" ss:ExpandedRowCount=\"9\" x:FullColumns=\"1\" x:FullRows=\"1\">\n"
            "            <Row>\n"
            "                <Cell>\n"
            "                    <Data ss:Type=\"String\">_ERD_V1.0_ACCURACY_</Data>\n"
            "                </Cell>\n"
            "                <Cell>\n"
            "                    <Data ss:Type=\"Number\">10</Data>\n"
            "                </Cell>\n"
            "                <Cell>\n"
            "                    <Data ss:Type=\"String\"></Data>\n"
            "                </Cell>\n"
            "                <Cell>\n"
            "                    <Data ss:Type=\"String\"></Data>\n"
            "                </Cell>\n"
            "                <Cell>\n"
            "                    <Data ss:Type=\"String\"></Data>\n"
            "                </Cell>\n"
            "            </Row>\n";
        const QByteArray bytes = fileBytes(env->path("plan.XML"));
        QCOMPARE(bytes.left(golden.size()), golden);
        // One Row per plan item, five cells each, number cells where the layout says.
        QCOMPARE(bytes.count("<Row>"), 9);
        QCOMPARE(bytes.count("<Cell>"), 45);
        QVERIFY(bytes.contains("<Data ss:Type=\"String\">R</Data>\n                </Cell>\n                <Cell>\n"
                               "                    <Data ss:Type=\"Number\">1</Data>"));
        QVERIFY(bytes.contains("<Data ss:Type=\"String\">  09:00</Data>"));
        QVERIFY(bytes.contains("<Data ss:Type=\"Number\">2</Data>"));
        QVERIFY(bytes.contains("<Data ss:Type=\"String\">#ABAAAAAAAAAA</Data>"));
        QVERIFY(bytes.endsWith("        </Table>\n    </Worksheet>\n</Workbook>\n"));
    }

    void exportedPlanImportsBackTheSame_data()
    {
        QTest::addColumn<int>("tolerance");
        QTest::newRow("editor's range") << 15;
        // A plan file holds any 16-bit tolerance; its export must come back too.
        QTest::newRow("largest in a plan file") << 32767;
        QTest::newRow("smallest in a plan file") << -32768;
    }

    void exportedPlanImportsBackTheSame()
    {
        QFETCH(int, tolerance);
        RouteDefView source;
        fill(*source.model());
        source.model()->setTolerance(tolerance);
        QVERIFY(source.model()->addPoint(RoutePoint("D", "0:00"), source.model()->pointsGroupIndex(2), true));
        ScriptedPrompts prompts;
        QVERIFY(source.exportToXml("plan"));
        RouteDefView target;
        target.model()->setFileName("day.shift.erd");
        QVERIFY(target.importFromXml("plan"));
        QVERIFY(target.isWindowModified());
        QCOMPARE(planText(*target.model()), planText(*source.model()));
        QCOMPARE(target.model()->routeStart(0, 0).t2.isUnset(), true); // blank times come back unset

        // Into a plan that holds some of the routes: their starts and points are added.
        RouteDefView merged;
        QCOMPARE(merged.model()->addRoute(RouteHead("Reggel", 0, RouteTime())), 0);
        QVERIFY(merged.model()->addStart(RouteStart("9:00", "", 1, "", ""), merged.model()->startsGroupIndex(0)));
        QVERIFY(merged.importFromXml(env->path("plan.xml")));
        QCOMPARE(merged.model()->routeCount(), 3);
        QCOMPARE(merged.model()->startCount(0), 2);
        QCOMPARE(merged.model()->pointCount(0), 1);
    }

    void importReadsTheGrammar_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("plan");
        const QString starts = row({"_ERD_V1.0_STARTS_"}) + row({"  08:00", "", "", "", "1"}, {4});
        const QString points = row({"_ERD_V1.0_POINTS_"}) + row({"#BB", "0:05", "", "", ""});
        QTest::newRow("heading row skipped")
            << sheet(row({"Útvonal terv"}) + "<Row/>\n" + head() + route("R") + starts + points) << true
            << "10 L1.EWL R/0 s08:00 p00:05 BBAAAAAAAAAA";
        QTest::newRow("no accuracy row") << sheet(row({"x"}) + route("R")) << true << "10";
        QTest::newRow("route as last row") << sheet(head(7) + route("R")) << true << "7 L1.EWL R/0";
        QTest::newRow("route, then no starts tag")
            << sheet(head() + route("R") + row({"_ERD_V1.0_POINTS_"})) << false << "10 L1.EWL R/0";
        QTest::newRow("second route merges")
            << sheet(head() + route("R") + starts + points + route("r") + starts
                     + row({"_ERD_V1.0_POINTS_"}) + row({"#C", "0:05", "", "", ""}))
            << true << "10 L1.EWL R/0 s08:00 p00:05 BBAAAAAAAAAA";
        QTest::newRow("merge keeps the fixed order")
            << sheet(head() + route("R", 1) + starts + points + route("r", 2) + row({"_ERD_V1.0_STARTS_"})
                     + row({"_ERD_V1.0_POINTS_"}) + row({"#C", "0:05", "", "", ""}))
            << true << "10 L1.EWL R/1 s08:00 p00:05 BBAAAAAAAAAA";
        // Names are taken as a saved plan holds them (80 bytes); alike only that far, they stay two routes.
        const QString stem(45, QChar(0x151));
        QTest::newRow("names cut to the record")
            << sheet(head() + route(stem + "A") + starts + points + route(stem + "B") + starts
                     + row({"_ERD_V1.0_POINTS_"}) + row({"#C", "0:10", "", "", ""}))
            << true
            << "10 L1.EWL " + stem.left(40) + "/0 s08:00 p00:05 BBAAAAAAAAAA " + stem.left(39)
                   + "2/0 s08:00 p00:10 CAAAAAAAAAAA";
        QTest::newRow("bad code") << sheet(head() + route("R") + starts + row({"_ERD_V1.0_POINTS_"})
                                           + row({"#X1", "0:05", "", "", ""}) + route("S"))
                                  << false << "10 L1.EWL R/0 s08:00";
        QTest::newRow("tolerance beyond the editor's") << sheet(head(501) + route("R")) << true << "501 L1.EWL R/0";
        QTest::newRow("tolerance beyond 16 bits") << sheet(head(32768) + route("R")) << false << "10";
        QTest::newRow("tolerance below 16 bits") << sheet(head(-32769) + route("R")) << false << "10";
        QTest::newRow("tolerance no number") << sheet(head().replace(">10<", ">x<")) << true << "0 L1.EWL";
        QTest::newRow("type beyond a byte") << sheet(head() + route("R", 256)) << false << "10 L1.EWL";
        QTest::newRow("empty row inside") << sheet(head() + "<Row/>\n" + route("R")) << false << "10 L1.EWL";
        QTest::newRow("missing cell") << sheet(head() + row({"R", "0"}, {1})) << false << "10 L1.EWL";
        QTest::newRow("broken XML") << sheet(head() + route("R")).replace("</Table>", "</Tab>") << false
                                    << "10 L1.EWL R/0";
        QTest::newRow("logs tag missing") << sheet(row({"_ERD_V1.0_ACCURACY_", "5"}) + row({"L1.EWL"})) << false
                                          << "5";
    }

    void importReadsTheGrammar()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        QFETCH(QString, plan);
        RouteDefModel m;
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const PlanXmlResult result = readPlanXml(buffer, m);
        QCOMPARE(result.ok, ok);
        QCOMPARE(planSummary(m), plan);
        QCOMPARE(result.line > 0, !ok);
    }

    // Route i of the file: type i, a start at 8:0i and one point at 0:0(i+1). A name cut to
    // 80 bytes of the local code page must not join another route of the file.
    void distinctNamesStayDistinct_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("told"); // the renamed lines of the message, none when empty
        const auto told = [](const QString& from, const QString& to) { return "„" + from + "” → „" + to + "”"; };
        const QString morning = "Déli épület őrjárata a főbejárattól a kazánházon át a hátsó kerítésig: reggel";
        const QString noon = "Déli épület őrjárata a főbejárattól a kazánházon át a hátsó kerítésig: délben";
        const QString cut = morning.left(65); // 79 bytes: the next letter takes two
        const QString a80(80, 'a'), a81(81, 'a'), a82(82, 'a'), a79(79, 'a');
        const QString b = " p00:01 BAAAAAAAAAAA", c = " p00:02 CAAAAAAAAAAA", d = " p00:03 DAAAAAAAAAAA",
                      e = " p00:04 EAAAAAAAAAAA";
        QTest::newRow("77 Hungarian letters, alike for 80 bytes")
            << QStringList{morning, noon} << "10 L1.EWL " + cut + "/0 s08:00" + b + " " + cut + "2/1 s08:01" + c
            << told(morning, cut) + "\n" + told(noon, cut + "2");
        QTest::newRow("81 and 82 letters, repeated")
            << QStringList{a81, a82, a81, a82}
            << "10 L1.EWL " + a80 + "/0 s08:00 s08:02" + b + d + " " + a79 + "2/1 s08:01 s08:03" + c + e
            << told(a81, a80) + "\n" + told(a82, a79 + "2");
        QTest::newRow("80 letters kept, 81 numbered")
            << QStringList{a80, a81} << "10 L1.EWL " + a80 + "/0 s08:00" + b + " " + a79 + "2/1 s08:01" + c
            << told(a81, a79 + "2");
        QTest::newRow("repeated name merges") << QStringList{"Reggel", "reggel"}
                                              << "10 L1.EWL Reggel/0 s08:00 s08:01" + b + c << QString();
        QTest::newRow("cut, no other") << QStringList{morning} << "10 L1.EWL " + cut + "/0 s08:00" + b
                                       << told(morning, cut);
        // Numbering passes the names later routes of the file have as their own.
        const QString r(78, 'R');
        const QStringList later{r + "09abc", r + "09xyz", r + "10", r + "11", r + "10"};
        QTest::newRow("numbered past later names")
            << later << "10 L1.EWL " + r + "09/0 s08:00" + b + " " + r + "12/1 s08:01" + c + " " + r
                            + "10/2 s08:02 s08:04 p00:03 DAAAAAAAAAAA p00:05 FAAAAAAAAAAA " + r + "11/3 s08:03" + e
            << told(later.at(0), r + "09") + "\n" + told(later.at(1), r + "12");
        // The second of each pair is cut to the first: numbering passes the later pairs.
        const QString q(79, 'R');
        QTest::newRow("pairs alike after the cut")
            << QStringList{q + "1", q + "1x", q + "2", q + "2x"}
            << "10 L1.EWL " + q + "1/0 s08:00" + b + " " + q + "3/1 s08:01" + c + " " + q + "2/2 s08:02" + d + " " + q
                   + "4/3 s08:03" + e
            << told(q + "1x", q + "3") + "\n" + told(q + "2x", q + "4");
    }

    void distinctNamesStayDistinct()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, plan);
        QFETCH(QString, told);
        QString rows = head();
        for (int i = 0; i < names.size(); ++i)
            rows += route(names.at(i), i) + row({"_ERD_V1.0_STARTS_"})
                    + row({QStringLiteral("8:0%1").arg(i), "", "", "", "1"}, {4}) + row({"_ERD_V1.0_POINTS_"})
                    + row({QString("#") + QChar('B' + i), QStringLiteral("0:0%1").arg(i + 1), "", "", ""});
        writeFile(env->path("names.xml"), sheet(rows));
        RouteDefView v;
        QStringList shown; // the notice's lines of renamed routes
        {
            ScriptedPrompts prompts;
            if (!told.isEmpty())
                prompts.expectNotice(Prompts::Kind::Warning, ":\n");
            QVERIFY(v.importFromXml("names"));
            if (!told.isEmpty())
                shown = prompts.seen().last().text.section(":\n", 1).split('\n');
        }
        const QStringList toldLines = told.isEmpty() ? QStringList() : told.split('\n');
        QCOMPARE(shown.size(), toldLines.size());
        for (int i = 0; i < shown.size(); ++i)
            QVERIFY2(showsEnds(shown.at(i), toldLines.at(i)), qPrintable(shown.at(i) + " for " + toldLines.at(i)));
        QCOMPARE(planSummary(*v.model()), plan);
        for (int r = 0; r < v.model()->routeCount(); ++r)
            QCOMPARE(isValidRouteName(v.model()->routeHead(r).name), true); // whole in 80 bytes of the code page
        QVERIFY(v.model()->saveAs("names.erd", nullptr, true));
        RouteDefModel loaded;
        QVERIFY(loaded.load("names.erd"));
        QCOMPARE(planSummary(loaded), plan);
    }

    // Numbering a name past the names of later routes does not read the file again.
    void importReadsTheFileOnce_data()
    {
        QTest::addColumn<int>("pairs");
        QTest::newRow("no name numbered") << 0;
        QTest::newRow("names numbered") << 2;
    }

    void importReadsTheFileOnce()
    {
        QFETCH(int, pairs);
        QByteArray file = sheet(head() + chainedRoutes(pairs) + route("R"));
        CountingBuffer in(&file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        RouteDefModel m;
        QVERIFY(readPlanXml(in, m).ok);
        QCOMPARE(m.routeCount(), 1 + 2 * pairs);
        QCOMPARE(in.bytesRead, qint64(file.size()));
    }

    // Names of the file are untrusted: however long the series a name is numbered along,
    // eight times the routes cost at most ten times the work on names.
    void chainedNamesCostLinearWork()
    {
        static CountingCodec* const counting = new CountingCodec; // Qt keeps every codec
        const auto work = [](int pairs) {
            QByteArray file = sheet(head() + chainedRoutes(pairs));
            QBuffer in(&file);
            in.open(QIODevice::ReadOnly);
            RouteDefModel m;
            counting->base = QTextCodec::codecForLocale();
            counting->conversions = 0;
            QTextCodec::setCodecForLocale(counting);
            readPlanXml(in, m);
            QTextCodec::setCodecForLocale(counting->base);
            return m.routeCount() == 2 * pairs ? counting->conversions : -1;
        };
        const qint64 small = work(64);
        const qint64 large = work(512);
        QVERIFY(small > 0);
        QVERIFY2(large <= 10 * small, qPrintable(QString::number(large) + " for 1024 routes"));
    }

    // A full group still skips a row it holds (as any group does) and takes points for a route
    // it holds; only a row that would grow it past 32767 stops the import.
    void fullGroupStopsOnlyWhenItWouldGrow_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("counts"); // logs, routes, points of the first route
        const QString empty = row({"_ERD_V1.0_STARTS_"}) + row({"_ERD_V1.0_POINTS_"});
        QString logs, routes;
        for (int i = 0; i < 32767; ++i) {
            logs += row({QString::number(i)});
            routes += route(QString::number(i)) + empty;
        }
        const auto fullLogs = [&](const QString& last) {
            return sheet(row({"_ERD_V1.0_ACCURACY_", "10"}) + row({"_ERD_V1.0_LOGS_"}) + logs + row({last})
                         + row({"_ERD_V1.0_PATHS_"}) + route("R") + empty);
        };
        const auto fullRoutes = [&](const QString& last) {
            return sheet(head() + routes + route(last) + empty + row({"#B", "0:05", "", "", ""}));
        };
        QTest::newRow("logs, one held") << fullLogs("0") << true << "32767 1 0";
        QTest::newRow("logs, one more") << fullLogs("new") << false << "32767 0 0";
        QTest::newRow("routes, points for one held") << fullRoutes("0") << true << "1 32767 1";
        QTest::newRow("routes, one more") << fullRoutes("new") << false << "1 32767 0";
    }

    void fullGroupStopsOnlyWhenItWouldGrow()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, ok);
        QFETCH(QString, counts);
        RouteDefModel m;
        QBuffer buffer(&file);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(readPlanXml(buffer, m).ok, ok);
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(m.logCount()).arg(m.routeCount()).arg(m.pointCount(0)), counts);
    }

    // Every message the import can give: whatever the reason's own ending, it closes once.
    void importSaysWhyAndWhere_data()
    {
        QTest::addColumn<QByteArray>("file"); // none when empty, a folder for "/"
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("pointsKept");
        const QString failed = "bad.xml importálása nem sikerült\n";
        const QString tooMany =
            failed + "Egy csoportban legfeljebb 32767 sor lehet.\nA beolvasás a fájl %1. soránál megállt.";
        const QString points = route("R", 3) + row({"_ERD_V1.0_STARTS_"}) + row({"_ERD_V1.0_POINTS_"});
        const QString point = row({"#B", "0:05", "", "", ""});
        QTest::newRow("missing") << QByteArray() << "bad.xml nem létezik." << 0;
        QTest::newRow("not a file") << QByteArray("/") << failed + "nem közönséges fájl (mappa, eszköz vagy FIFO)."
                                    << 0;
        QTest::newRow("format") << sheet(head() + "<Row/>\n")
                                << failed + "A fájl formátuma nem megfelelő.\n"
                                       "A beolvasás a fájl 7. soránál megállt." << 0;
        QTest::newRow("XML") << sheet(head()).replace("</Table>", "</Tab>") << failed << 0;
        // Told as the plan readers tell it; the group keeps what a plan file can count.
        QTest::newRow("32768 points") << sheet(head() + points + point.repeated(32768)) << tooMany.arg(32777)
                                      << 32767;
        QTest::newRow("two routes of one name, 16384 points each")
            << sheet(head() + points + point.repeated(16384) + points + point.repeated(16384)) << tooMany.arg(32780)
            << 32767;
    }

    void importSaysWhyAndWhere()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(int, pointsKept);
        if (file == "/")
            QVERIFY(QDir().mkpath(env->path("bad.xml")));
        else if (!file.isEmpty())
            writeFile(env->path("bad.xml"), file);
        RouteDefView v;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, message);
        QCOMPARE(v.importDocument(FormatXml, "bad"), DocumentWindow::NotDone);
        QCOMPARE(v.model()->logCount(), file.size() > 1 ? 1 : 0); // what was read stays
        QCOMPARE(v.model()->routeCount() ? v.model()->pointCount(0) : 0, pointsKept);
        const QString shown = prompts.seen().last().text;
        static const QRegularExpression doubled(QStringLiteral("[.!?] *[.!?]$"), QRegularExpression::MultilineOption);
        QVERIFY2(!doubled.match(shown).hasMatch(), qPrintable(shown));
        QVERIFY2(QStringLiteral(".!?").contains(shown.back()), qPrintable(shown));
    }

    void overwriteIsAskedFirst_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("text") << int(FormatText) << "out.txt";
        QTest::newRow("xml") << int(FormatXml) << "out.xml";
    }

    void overwriteIsAskedFirst()
    {
        QFETCH(int, format);
        QFETCH(QString, name);
        writeFile(env->path(name), "old");
        RouteDefView v;
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion(name + " nevű fájl már létezik.\nFelülírjuk?", false);
            QCOMPARE(v.exportDocument(DocumentFormat(format), "out", ExportChoice()), DocumentWindow::NotDone);
        }
        QCOMPARE(fileBytes(env->path(name)), QByteArray("old"));
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("Felülírjuk?", true);
            QCOMPARE(v.exportDocument(DocumentFormat(format), "out", ExportChoice()), DocumentWindow::Done);
        }
        QVERIFY(fileBytes(env->path(name)).size() > 3);
    }

    void failedExportLeavesNothingUnderTheName()
    {
        RouteDefView v;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "nodir/out.txt exportálása nem sikerült\n");
        QCOMPARE(v.exportDocument(FormatText, "nodir/out", ExportChoice()), DocumentWindow::NotDone);
        QVERIFY(!QFile::exists(env->path("nodir/out.txt")));
        QCOMPARE(QDir(env->workDir()).entryList(QDir::Files), QStringList());
    }

    void pdfHoldsThePlan()
    {
        RouteDefView v;
        fill(*v.model());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env->path("plan.pdf"));
        ScriptedPrompts prompts;
        QCOMPARE(v.exportPdf(&printer, RangeAll), DocumentWindow::Done);
        QCOMPARE(printer.outputFileName(), env->path("plan.pdf"));
        QVERIFY(fileBytes(env->path("plan.pdf")).startsWith("%PDF"));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess p;
        p.start(pdftotext, {"-layout", env->path("plan.pdf"), "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains("\"day\" útvonal terv, elvárt pontossága: 15 perc"), qPrintable(text));
        QVERIFY2(text.contains("► Reggel útvonal:"), qPrintable(text));
        QVERIFY2(text.contains("day.shift.erd   1 oldal"), qPrintable(text));
    }

    void unwritablePdfIsReported()
    {
        RouteDefView v;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env->path("missing/plan.pdf"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "missing/plan.pdf exportálása nem sikerült");
        QCOMPARE(v.exportPdf(&printer, RangeAll), DocumentWindow::NotDone);
        QVERIFY(!QFile::exists(env->path("missing/plan.pdf")));
    }

    void printerThatCannotStartIsReported()
    {
        // Printing straight to the file: the painter cannot begin.
        RouteDefView v;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env->path("missing/plan.pdf"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "missing/plan.pdf exportálása nem sikerült\nFájl írási hiba.");
        QCOMPARE(v.printDocument(&printer, RangeAll, PageSetAll), DocumentWindow::NotDone);
    }

    void fontTooLargeForThePagePrintsNothing()
    {
        appSettings().fontSize = 900;
        RouteDefView v;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env->path("big.pdf"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "semmit sem lehet kinyomtatni!");
        QCOMPARE(v.printDocument(&printer, RangeAll, PageSetAll), DocumentWindow::NotDone);
        QVERIFY(!QFile::exists(env->path("big.pdf")));
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRoutePlanExport)
#include "tst_routeplanexport.moc"
