#include "support/pdftext.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnev.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/pageprinter.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

using Blocks = QList<QPair<int, int>>;

namespace {

LogEntry touch(int minutes, const QString& code)
{
    unsigned char raw[LogEntry::size] = {};
    packDeviceTime(QDateTime(QDate(2024, 3, 5), QTime(8, 0)).addSecs(60 * minutes), raw);
    KodNev k;
    k.setCode(code);
    std::copy(k.code, k.code + KodNev::codeSize, raw + LogEntry::codeOffset);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

LogEntry event(unsigned char kind)
{
    const unsigned char raw[LogEntry::size] = {kind, 0x18, 0x35, 0x10, 0x00};
    LogEntry e;
    e.setBytes(raw);
    return e;
}

// A log window "VIG1.ewl" in the working directory with rows touches of ABC and C, every
// fifth an event; ABC is named "Kapu".
std::unique_ptr<LogView> makeLog(int rows)
{
    KodNev name;
    name.set(QStringLiteral("ABC"), QStringLiteral("Kapu"), QDate(2000, 1, 1), Qt::yellow, Qt::blue);
    appSettings().kodNevModel->addEntry(name, true);
    QVector<LogEntry> entries;
    for (int i = 0; i < rows; ++i)
        entries << (i % 5 == 4 ? event(KindReadOut) : touch(i, i % 2 ? QStringLiteral("C") : QStringLiteral("ABC")));
    auto view = std::make_unique<LogView>();
    view->table()->logModel->appendEntries(entries);
    view->setCurrentFile(QStringLiteral("VIG1.ewl"));
    return view;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void selectRows(LogTableView* t, const QList<QPair<int, int>>& blocks)
{
    QItemSelection selection;
    for (const auto& b : blocks)
        selection.select(t->model()->index(b.first, 0), t->model()->index(b.second, LogModel::ColumnCount - 1));
    t->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// The row numbers at the start of each exported text line.
QList<int> lineNumbers(const QByteArray& text)
{
    QList<int> numbers;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            numbers << line.left(line.indexOf('\t')).toInt();
    return numbers;
}

// The page number each PDF page's footer names.
QList<int> footerNumbers(const QStringList& pages)
{
    QList<int> numbers;
    const QRegularExpression footer(QStringLiteral("(\\d+) oldal"));
    for (const QString& page : pages) {
        QRegularExpressionMatchIterator it = footer.globalMatch(page);
        int last = -1;
        while (it.hasNext())
            last = it.next().captured(1).toInt();
        numbers << last;
    }
    return numbers;
}

// The log row numbers printed on a page: the first number of each body line.
QList<int> printedRows(const QString& page)
{
    QList<int> rows;
    const QRegularExpression line(QStringLiteral("^\\s*(\\d+)\\s+\\S*\\s*\\d+ \\w+ \\d{4}"));
    for (const QString& text : page.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch())
            rows << m.captured(1).toInt();
    }
    return rows;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return printer;
}

} // namespace

class TestLogExport : public QObject
{
    Q_OBJECT
private slots:
    void textLinesByteForByte()
    {
        TestEnv env;
        auto view = makeLog(6);
        QVERIFY(view->exportToTxt(QStringLiteral("out"), RangeAll));
        QCOMPARE(readFile(env.path("out.txt")),
                 QByteArray("1\t   5 Mar 2024 08:00:00  ABCAAAAAAAAA  Kapu  \r\n"
                            "2\t   5 Mar 2024 08:01:00  CAAAAAAAAAAA    0:01:00\r\n"
                            "3\t   5 Mar 2024 08:02:00  ABCAAAAAAAAA  Kapu  0:01:00\r\n"
                            "4\t   5 Mar 2024 08:03:00  CAAAAAAAAAAA    0:01:00\r\n"
                            "5\t>  21 Jan 2012 02:16:32  1 Jan 2000 00:00:00  kiolvasva - el\xc5\x91z\xc5\x91 "
                            "kiolvas\xc3\xa1s  \r\n"
                            "6\t   5 Mar 2024 08:05:00  CAAAAAAAAAAA    0:02:00\r\n"));
    }

    // Stamps on clock-change days, at midnight, on dates that do not exist, and the second
    // time of events read exactly as the entries' own texts.
    void stampTextsMatchEntries()
    {
        TestEnv env;
        QVector<LogEntry> entries;
        const unsigned char raws[][LogEntry::size] = {
            {48, 3 << 5 | 31, 0x07, 0x08, 1, 2, 3, 4, 5, 6},       // 2024-03-31 02:00:16, in the gap
            {48, 3 << 5 | 31, 0x0e, 0x10, 1, 2, 3, 4, 5, 6},       // later that day
            {49, 2 << 5 | 27, 0x0b, 0x00, 1, 2, 3, 4, 5, 6},       // 2024-10-27 01:... twice
            {48, 4 << 5 | 31, 0x00, 0x10, 1, 2, 3, 4, 5, 6},       // 31 April
            {48, 1 << 5 | 1, 0xa8, 0xbf, 1, 2, 3, 4, 5, 6},        // the last 2 seconds of a day
            {48, 1 << 5 | 1, 0xff, 0xff, 1, 2, 3, 4, 5, 6},        // beyond: clamped
            {220, 48, 3 << 5 | 31, 0x07, 0x08, 48, 4 << 5 | 31, 0, 0, 0}, // an event with a bad second time
        };
        for (const auto& raw : raws) {
            LogEntry e;
            e.setBytes(raw);
            entries << e;
        }
        LogView view;
        view.table()->logModel->appendEntries(entries);
        QVERIFY(view.exportToTxt(QStringLiteral("s"), RangeAll));
        const QList<QByteArray> lines = readFile(env.path("s.txt")).split('\n');
        for (int i = 0; i < entries.size(); ++i) {
            const QString line = QString::fromUtf8(lines.at(i));
            QVERIFY2(line.contains(QStringLiteral("  ") + entries[i].dateTimeText() + QStringLiteral("  ") +
                                   entries[i].codeText() + QStringLiteral("  ")),
                     qPrintable(line));
        }
    }

    // Times between touches are taken from the logger's own clock readings, also across the
    // hour that the spring clock change skips.
    void elapsedAcrossClockChange()
    {
        TestEnv env;
        const unsigned char before[LogEntry::size] = {48, 3 << 5 | 31, 0x0d, 0xf2, 0, 0, 0, 0, 0, 1}; // 01:59:00
        const unsigned char inGap[LogEntry::size] = {48, 3 << 5 | 31, 0x11, 0x94, 0, 0, 0, 0, 0, 1};  // 02:30:00
        LogEntry a, b;
        a.setBytes(before);
        b.setBytes(inGap);
        LogView view;
        view.table()->logModel->appendEntries({a, b});
        QVERIFY(view.exportToTxt(QStringLiteral("gap"), RangeAll));
        QCOMPARE(readFile(env.path("gap.txt")).split('\n').value(1), QByteArray("2\t   31 Mar 2024 02:30:00  AAAAAAAAAAAB    0:31:00\r"));
    }

    void xmlRowsByteForByte()
    {
        TestEnv env;
        auto view = makeLog(2);
        QVERIFY(view->exportToXml(QStringLiteral("out.xml"), RangeAll));
        const QByteArray xml = readFile(env.path("out.xml"));
        QVERIFY(!xml.startsWith("\xef\xbb\xbf"));
        QCOMPARE(QString::fromUtf8(xml),
                 QStringLiteral(
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:html=\"http://www.w3.org/TR/REC-html40\">\n"
                     "    <Worksheet ss:Name=\"Esemény napló\">\n"
                     "        <Table ss:ExpandedColumnCount=\"6\" ss:ExpandedRowCount=\"2\" x:FullColumns=\"1\" x:FullRows=\"1\">\n"
                     "            <Row>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"Number\">1</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\"> </Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">5 Mar 2024 08:00:00</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">ABCAAAAAAAAA</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">Kapu</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\"></Data>\n"
                     "                </Cell>\n"
                     "            </Row>\n"
                     "            <Row>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"Number\">2</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\"> </Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">5 Mar 2024 08:01:00</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">CAAAAAAAAAAA</Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\"></Data>\n"
                     "                </Cell>\n"
                     "                <Cell>\n"
                     "                    <Data ss:Type=\"String\">0:01:00</Data>\n"
                     "                </Cell>\n"
                     "            </Row>\n"
                     "        </Table>\n"
                     "    </Worksheet>\n"
                     "</Workbook>\n"));
    }

    // The spreadsheet announces as many rows as follow, and its cells are the text line's fields.
    void xmlMatchesTextFields()
    {
        TestEnv env;
        auto view = makeLog(23);
        selectRows(view->table(), {{4, 9}});
        QVERIFY(view->exportToXml(QStringLiteral("out"), RangeSelection));
        QVERIFY(view->exportToTxt(QStringLiteral("out"), RangeSelection));
        QFile file(env.path("out.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        SpreadsheetXmlReader reader(&file);
        QStringList lines;
        while (reader.nextRow()) {
            QStringList cells;
            do
                cells << reader.readElementText();
            while (reader.nextCell());
            QCOMPARE(cells.size(), 6);
            lines << cells.first() + QLatin1Char('\t') + cells.mid(1).join(QStringLiteral("  ")) + QStringLiteral("\r\n");
        }
        QVERIFY(!reader.hasError());
        QCOMPARE(lines.join(QString()).toUtf8(), readFile(env.path("out.txt")));
        QCOMPARE(lines.size(), 6);
        QVERIFY(readFile(env.path("out.xml")).contains("ss:ExpandedRowCount=\"6\""));
    }

    void selectionSpans_data()
    {
        QTest::addColumn<Blocks>("blocks");
        QTest::addColumn<int>("range");
        QTest::addColumn<QList<int>>("numbers");
        using B = Blocks;
        QTest::newRow("rows 4 to 6") << B{{3, 5}} << int(RangeSelection) << QList<int>{4, 5, 6};
        QTest::newRow("two blocks: the gap too") << B{{1, 1}, {4, 4}} << int(RangeSelection) << QList<int>{2, 3, 4, 5};
        QTest::newRow("bottom-up blocks") << B{{6, 7}, {1, 2}} << int(RangeSelection)
                                          << QList<int>{2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("nothing selected: all") << B{} << int(RangeSelection) << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("all ignores the selection") << B{{3, 5}} << int(RangeAll)
                                                   << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("cursor ranges cover all") << B{{3, 3}} << int(RangeFromCursor)
                                                 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    }

    void selectionSpans()
    {
        QFETCH(Blocks, blocks);
        QFETCH(int, range);
        QFETCH(QList<int>, numbers);
        TestEnv env;
        auto view = makeLog(8);
        view->table()->selectionModel()->clear();
        selectRows(view->table(), blocks);
        QVERIFY(view->exportToTxt(QStringLiteral("sel"), ExportRange(range)));
        QCOMPARE(lineNumbers(readFile(env.path("sel.txt"))), numbers);
    }

    // A checkpoint filter exports only the shown rows, each with its number in the whole
    // log and the time since the same code's previous touch.
    void filterKeepsLogNumbers()
    {
        TestEnv env;
        auto view = makeLog(6);
        LogFilterProxyModel* proxy = view->table()->proxy();
        proxy->setFilterKeyColumn(LogModel::ColumnCode);
        proxy->setFilterFixedString(QStringLiteral("CAAAAAAAAAAA"));
        QVERIFY(view->exportToTxt(QStringLiteral("f"), RangeAll));
        QCOMPARE(readFile(env.path("f.txt")), QByteArray("2\t   5 Mar 2024 08:01:00  CAAAAAAAAAAA    \r\n"
                                                         "4\t   5 Mar 2024 08:03:00  CAAAAAAAAAAA    0:02:00\r\n"
                                                         "6\t   5 Mar 2024 08:05:00  CAAAAAAAAAAA    0:02:00\r\n"));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare") << "napló" << "napló.txt";
        QTest::newRow("capitals kept") << "NAPLO.TXT" << "NAPLO.TXT";
        QTest::newRow("other suffix") << "naplo.xml" << "naplo.xml.txt";
        QTest::newRow("subfolder") << "sub/n" << "sub/n.txt";
    }

    void fileNames()
    {
        QFETCH(QString, given);
        QFETCH(QString, written);
        TestEnv env;
        QDir(env.workDir()).mkdir(QStringLiteral("sub"));
        auto view = makeLog(1);
        QVERIFY(view->exportToTxt(given, RangeAll));
        QVERIFY(QFileInfo::exists(env.path(written)));
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden).size(), given.startsWith("sub") ? 0 : 1);
    }

    void overwriteAsksFirst_data()
    {
        QTest::addColumn<bool>("xml");
        QTest::addColumn<bool>("yes");
        QTest::newRow("text declined") << false << false;
        QTest::newRow("text agreed") << false << true;
        QTest::newRow("xml declined") << true << false;
        QTest::newRow("xml agreed") << true << true;
    }

    void overwriteAsksFirst()
    {
        QFETCH(bool, xml);
        QFETCH(bool, yes);
        TestEnv env;
        auto view = makeLog(3);
        const QString name = xml ? QStringLiteral("old.xml") : QStringLiteral("old.txt");
        QFile old(env.path(name));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
        old.close();
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("%1 nevű fájl már létezik.\nFelülírjuk?").arg(name), yes);
        QCOMPARE(xml ? view->exportToXml(name, RangeAll) : view->exportToTxt(name, RangeAll), yes);
        QCOMPARE(prompts.seen().first().title,
                 xml ? QStringLiteral("Esemény napló exportálás") : QStringLiteral("Exportálás"));
        QCOMPARE(readFile(env.path(name)) == "old contents", !yes);
    }

    void unopenableTargetIsReportedAndNotCreated()
    {
        TestEnv env;
        auto view = makeLog(3);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("nincs/napló.txt exportálása nem sikerült\n"));
        QVERIFY(!view->exportToTxt(QStringLiteral("nincs/napló"), RangeAll));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Esemény napló exportálás"));
        QVERIFY(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void pdfPageSets_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("all") << 0 << 0 << 0 << QList<int>{1, 2, 3};
        QTest::newRow("pages 2 to 3") << 2 << 3 << 0 << QList<int>{2, 3};
        QTest::newRow("odd, last first") << 0 << 0 << 17 << QList<int>{3, 1};
        QTest::newRow("even") << 0 << 0 << 2 << QList<int>{2};
        QTest::newRow("all reversed") << 0 << 0 << 16 << QList<int>{3, 2, 1};
        QTest::newRow("to page 1") << 0 << 1 << 0 << QList<int>{1};
    }

    // Each page shows its own rows, under a footer with the log's path and its number.
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
        auto view = makeLog(2 * perPage + 2); // three pages, the last of two rows
        if (from > 0)
            printer->setFromTo(from, to);
        else if (to > 0)
            printer->setFromTo(1, to);
        QVERIFY(view->print(printer.get(), RangeAll, pageSet));
        const QStringList text = pdfPages(env.path("p.pdf"));
        QCOMPARE(footerNumbers(text), pages);
        for (int i = 0; i < pages.size(); ++i) {
            QList<int> expected;
            for (int r = (pages[i] - 1) * perPage + 1; r <= qMin(pages[i] * perPage, 2 * perPage + 2); ++r)
                expected << r;
            QCOMPARE(printedRows(text[i]), expected);
            QVERIFY(footerShows(text[i], env.path("VIG1.ewl"), pages[i]));
        }
    }

    void pdfOfSelectionPrintsExactlyItsRows()
    {
        TestEnv env;
        auto view = makeLog(12);
        selectRows(view->table(), {{9, 10}, {3, 4}});
        auto printer = pdfPrinter(env.path("sel.pdf"));
        QVERIFY(view->exportToPdf(printer.get(), RangeSelection));
        const QStringList text = pdfPages(env.path("sel.pdf"));
        QList<int> rows;
        for (const QString& page : text)
            rows << printedRows(page);
        QCOMPARE(rows, (QList<int>{4, 5, 6, 7, 8, 9, 10, 11}));
        QVERIFY(text.first().contains(QStringLiteral("Kapu")));
    }

    void pdfPaperSizeAndOrientation()
    {
        TestEnv env;
        auto view = makeLog(3);
        auto printer = pdfPrinter(env.path("a5.pdf"));
        printer->setPageSize(QPageSize(QPageSize::A5));
        printer->setPageOrientation(QPageLayout::Landscape);
        QVERIFY(view->exportToPdf(printer.get(), RangeAll));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {env.path("a5.pdf")});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 42\\d(\\.\\d+)? pts"))),
                 qPrintable(out));
        QVERIFY(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    }

    void pdfWithoutCodeColumn()
    {
        TestEnv env;
        auto view = makeLog(2);
        for (int flags : {0, int(OptPointCode)}) {
            appSettings().flags = flags;
            auto printer = pdfPrinter(env.path("c.pdf"));
            QVERIFY(view->exportToPdf(printer.get(), RangeAll));
            const QString page = pdfPages(env.path("c.pdf")).value(0);
            QCOMPARE(page.contains(QStringLiteral("Kód")), flags != 0);
            QCOMPARE(page.contains(QStringLiteral("ABCAAAAAAAAA")), flags != 0);
            QVERIFY(page.contains(QStringLiteral("Leírás")));
        }
    }

    void tooSmallPageWarnsAndWritesNothing()
    {
        TestEnv env;
        auto view = makeLog(3);
        auto printer = pdfPrinter(env.path("small.pdf"));
        appSettings().fontSize = 200;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("semmit sem lehet kinyomtatni"));
        QVERIFY(!view->exportToPdf(printer.get(), RangeAll));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Nyomtatás"));
        QVERIFY(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A PDF that cannot be written is reported, never success, and leaves no file.
    void unwritablePdfIsReported()
    {
        TestEnv env;
        auto view = makeLog(3);
        auto printer = pdfPrinter(env.path("nincs/x.pdf"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        QVERIFY(!view->exportToPdf(printer.get(), RangeAll));
        QVERIFY(QDir(env.workDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    // An old PDF under the name stays whole until the new one is complete, and the
    // printer keeps the name it was given.
    void pdfReplacesOldFileWhole()
    {
        TestEnv env;
        auto view = makeLog(3);
        QFile old(env.path("r.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        auto printer = pdfPrinter(env.path("r.pdf"));
        QVERIFY(view->exportToPdf(printer.get(), RangeAll));
        QVERIFY(readFile(env.path("r.pdf")).startsWith("%PDF"));
        QCOMPARE(printer->outputFileName(), env.path("r.pdf"));
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"r.pdf"});
    }

    // A new PDF is readable like any file the user makes, not private like its temporary.
    void newPdfGetsOrdinaryPermissions()
    {
        TestEnv env;
        auto view = makeLog(3);
        auto printer = pdfPrinter(env.path("n.pdf"));
        QVERIFY(view->exportToPdf(printer.get(), RangeAll));
        QFile probe(env.path("probe"));
        QVERIFY(probe.open(QIODevice::WriteOnly));
        probe.close();
        QCOMPARE(QFile::permissions(env.path("n.pdf")), QFile::permissions(env.path("probe")));
    }

    void replacedPdfKeepsItsPermissions()
    {
        TestEnv env;
        auto view = makeLog(3);
        QFile old(env.path("k.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        const QFile::Permissions chosen = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(env.path("k.pdf"), chosen));
        auto printer = pdfPrinter(env.path("k.pdf"));
        QVERIFY(view->exportToPdf(printer.get(), RangeAll));
        QCOMPARE(QFile::permissions(env.path("k.pdf")) & ~(QFile::ReadUser | QFile::WriteUser), chosen);
    }
};

WYX_TEST_MAIN(TestLogExport)
#include "tst_logexport.moc"
