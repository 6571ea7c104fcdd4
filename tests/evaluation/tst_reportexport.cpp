// A report window's text, XML spreadsheet and PDF forms, and its pages.
#include "support/pdftext.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/pageprinter.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "evaluation/evaluationview.h"
#include "reporttestutil.h"

#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

namespace {

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

// A report of n rows; row i names log "N<i+1>", so each row's text is its own.
std::unique_ptr<EvaluationView> makeReport(int n, ReportContext* context)
{
    const EvaluationReport report = ReportTest::numberedReport(n);
    auto view = std::make_unique<EvaluationView>();
    *context = ReportTest::context(nullptr);
    view->model()->setTextContext(*context);
    view->model()->setReport(report, false);
    view->setCurrentFile(QStringLiteral("terv_2024-03-05.ffr"));
    return view;
}

void selectRow(EvaluationView& view, int row)
{
    if (row >= 0)
        view.tableView()->selectRow(row);
}

// The footer's page number of each page.
QList<int> footerNumbers(const QStringList& pages)
{
    QList<int> numbers;
    const QRegularExpression footer(QStringLiteral("(\\d+) oldal"));
    for (const QString& page : pages) {
        const QRegularExpressionMatch m = footer.match(page);
        numbers << (m.hasMatch() ? m.captured(1).toInt() : -1);
    }
    return numbers;
}

// The report rows a page shows, by the log name each row carries.
QList<int> printedRows(const QString& page)
{
    QList<int> rows;
    const QRegularExpression line(QStringLiteral("^\\s*(\\d+)\\s+Érintett esemény napló\\(k\\): N(\\d+)\\s*$"));
    for (const QString& text : page.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        // A row whose number and log name disagree shows as -1.
        if (m.hasMatch())
            rows << (m.captured(1) == m.captured(2) ? m.captured(1).toInt() : -1);
    }
    return rows;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A5));
    return printer;
}

const QByteArray header = "\tJelentés 5 Mar 2024 kezdéssel \"terv\" teljesítéséről\r\n\r\n";

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT
private slots:
    void textByteForByte_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QByteArray>("body");
        const QByteArray r1 = "1\tÉrintett esemény napló(k): N1\r\n";
        const QByteArray r2 = "2\tÉrintett esemény napló(k): N2\r\n";
        const QByteArray r3 = "3\tÉrintett esemény napló(k): N3\r\n";
        QTest::newRow("all") << int(RangeAll) << 1 << r1 + r2 + r3;
        QTest::newRow("selection") << int(RangeSelection) << 1 << r2;
        QTest::newRow("to cursor") << int(RangeToCursor) << 1 << r1 + r2;
        QTest::newRow("from cursor") << int(RangeFromCursor) << 1 << r2 + r3;
        QTest::newRow("pages") << int(RangePages) << 1 << r1 + r2 + r3;
        QTest::newRow("nothing selected") << int(RangeSelection) << -1 << r1 + r2 + r3;
    }

    // A title line, an empty line, then number and text of each row: UTF-8 without a
    // byte-order mark, CR LF.
    void textByteForByte()
    {
        QFETCH(int, range);
        QFETCH(int, cursor);
        QFETCH(QByteArray, body);
        TestEnv env;
        ReportContext context;
        auto view = makeReport(3, &context);
        selectRow(*view, cursor);
        QVERIFY(view->exportToTxt(QStringLiteral("jelentes"), ExportRange(range)));
        QCOMPARE(readFile(env.path("jelentes.txt")), header + body);
    }

    void xmlByteForByte()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(2, &context);
        QVERIFY(view->exportToXml(QStringLiteral("jelentes.XML"), RangeAll));
        const QByteArray xml = readFile(env.path("jelentes.XML"));
        QCOMPARE(QString::fromUtf8(xml),
                 QStringLiteral(
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n"
                     "    <Worksheet ss:Name=\"Teljesítés jelentés\">\n"
                     "        <Table ss:ExpandedColumnCount=\"2\" ss:ExpandedRowCount=\"3\" x:FullColumns=\"1\" x:FullRows=\"1\">\n"
                     "            <Row>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\"> </Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">Jelentés 5 Mar 2024 kezdéssel &quot;terv&quot; teljesítéséről</Data>\n"
                     "                </Cell>\n"
                     "            </Row>\n"
                     "            <Row>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"Number\">1</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">Érintett esemény napló(k): N1</Data>\n"
                     "                </Cell>\n"
                     "            </Row>\n"
                     "            <Row>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"Number\">2</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">Érintett esemény napló(k): N2</Data>\n"
                     "                </Cell>\n"
                     "            </Row>\n"
                     "        </Table>\n"
                     "    </Worksheet>\n"
                     "</Workbook>\n"));
    }

    void emptyReportExportsItsTitle()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(0, &context);
        QVERIFY(view->exportToTxt(QStringLiteral("ures"), RangeFromCursor));
        QCOMPARE(readFile(env.path("ures.txt")), header);
        QVERIFY(view->exportToXml(QStringLiteral("ures"), RangeAll));
        QCOMPARE(readFile(env.path("ures.xml")).count("<Row>"), 1);
    }

    void declinedOverwriteKeepsFile()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(2, &context);
        writeFile(env.path("j.txt"), "régi");
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("j.txt nevű fájl már létezik.\nFelülírjuk?"), false);
        QVERIFY(!view->exportToTxt(env.path("j.txt"), RangeAll));
        QCOMPARE(readFile(env.path("j.txt")), QByteArray("régi"));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Exportálás"));
    }

    // Whichever step of writing the file fails, the old export stays whole, the failure is
    // reported and no stray file is left.
    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<bool>("xml");
        QTest::newRow("text") << false;
        QTest::newRow("xml") << true;
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(bool, xml);
        TestEnv env;
        ReportContext context;
        auto view = makeReport(5, &context);
        const QString name = xml ? QStringLiteral("j.xml") : QStringLiteral("j.txt");
        auto exportIt = [&] { return xml ? view->exportToXml(name, RangeAll) : view->exportToTxt(name, RangeAll); };
        writeFile(env.path(name), "régi");
        int total = 0;
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion(QString(), true);
            SafeSave::FaultScope count;
            QVERIFY(exportIt());
            total = count.operations();
        }
        QVERIFY(total > 2);
        for (int i = 1; i <= total; ++i) {
            writeFile(env.path(name), "régi");
            ScriptedPrompts prompts;
            prompts.expectQuestion(QString(), true);
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("%1 exportálása nem sikerült\n").arg(name));
            SafeSave::FaultScope faults;
            faults.failAt(i, ENOSPC);
            QVERIFY2(!exportIt(), qPrintable(QString::number(i)));
            QCOMPARE(readFile(env.path(name)), QByteArray("régi"));
            QCOMPARE(prompts.seen().last().title, QStringLiteral("Teljesítés jelentés exportálás"));
            QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        }
    }

    void pdfPageSets_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("all") << 0 << 0 << 0 << QList<int>{1, 2, 3};
        QTest::newRow("odd from page 2") << 2 << 3 << 1 << QList<int>{3};
        QTest::newRow("even, last first") << 0 << 0 << 18 << QList<int>{2};
        QTest::newRow("all reversed") << 0 << 0 << 16 << QList<int>{3, 2, 1};
        QTest::newRow("pages 2 to 2") << 2 << 2 << 0 << QList<int>{2};
    }

    // Each page shows its own rows in order under a footer with the report's path and
    // its number.
    void pdfPageSets()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pageSet);
        QFETCH(QList<int>, pages);
        TestEnv env;
        auto printer = pdfPrinter(env.path("p.pdf"));
        const int perPage = PagePrinter(printer.get()).lines() - 3;
        QVERIFY(perPage > 3);
        const int n = 2 * perPage + 2;
        ReportContext context;
        auto view = makeReport(n, &context);
        if (from > 0)
            printer->setFromTo(from, to);
        QVERIFY(view->print(printer.get(), RangePages, pageSet));
        const QStringList text = pdfPages(env.path("p.pdf"));
        QCOMPARE(footerNumbers(text), pages);
        for (int i = 0; i < pages.size(); ++i) {
            QList<int> expected;
            for (int r = (pages[i] - 1) * perPage + 1; r <= qMin(pages[i] * perPage, n); ++r)
                expected << r;
            QCOMPARE(printedRows(text[i]), expected);
            QVERIFY(footerShows(text[i], env.path("terv_2024-03-05.ffr"), pages[i]));
            QVERIFY(text[i].contains(QStringLiteral("kezdéssel \"terv\"")));
        }
    }

    void pdfFromCursorStartsAtPageOne()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(20, &context);
        selectRow(*view, 16);
        auto printer = pdfPrinter(env.path("c.pdf"));
        QVERIFY(view->exportToPdf(printer.get(), RangeFromCursor));
        const QStringList text = pdfPages(env.path("c.pdf"));
        QCOMPARE(text.size(), 1);
        QCOMPARE(printedRows(text.first()), (QList<int>{17, 18, 19, 20}));
        QCOMPARE(footerNumbers(text), QList<int>{1});
    }

    void tooSmallPageWarns()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(3, &context);
        auto printer = pdfPrinter(env.path("small.pdf"));
        appSettings().fontSize = 200;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning,
                             QStringLiteral("A beállított lapméretre a kiválasztott betűmérettel\nsemmit sem lehet "
                                            "kinyomtatni!"));
        QVERIFY(!view->exportToPdf(printer.get(), RangeAll));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Nyomtatás"));
        QVERIFY(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void documentWindowCommands()
    {
        TestEnv env;
        ReportContext context;
        auto view = makeReport(2, &context);
        DocumentWindow* document = view.get();
        ExportChoice choice;
        QCOMPARE(document->exportDocument(FormatText, QStringLiteral("d"), choice), DocumentWindow::Done);
        QCOMPARE(readFile(env.path("d.txt")).count("\r\n"), 4);
        QCOMPARE(document->exportDocument(FormatXml, QStringLiteral("d"), choice), DocumentWindow::Done);
        QVERIFY(QFile::exists(env.path("d.xml")));
        QCOMPARE(document->importDocument(FormatXml, env.path("d.xml")), DocumentWindow::NotOffered);
        auto printer = pdfPrinter(env.path("d.pdf"));
        QCOMPARE(document->exportPdf(printer.get(), RangeAll), DocumentWindow::Done);
        QCOMPARE(printedRows(pdfPages(env.path("d.pdf")).value(0)), (QList<int>{1, 2}));
    }
};

WYX_TEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
