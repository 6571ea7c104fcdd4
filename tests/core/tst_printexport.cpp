#include "support/testmain.h"

#include "core/pageprinter.h"
#include "core/printexport.h"

#include <QPrinter>

namespace {

// The printing loop as the page layout describes it, step by step, kept deliberately
// naive: a counter runs from the first to the last page while the page number moves by
// the (possibly negative) step.
QVector<PrintedPage> referencePages(int lines, int rows, int fromPage, int toPage, int pageSet)
{
    QVector<PrintedPage> out;
    if (lines <= 3)
        return out;
    const int perPage = lines - 3;
    int last = (rows + perPage - 1) / perPage;
    int first = fromPage != 0 ? fromPage : 1;
    if (toPage > 0 && toPage < last)
        last = toPage;
    int step = 1;
    const int which = pageSet & 3;
    if (which == PageSetOdd) {
        step = 2;
        if (last % 2 == 0)
            --last;
        if (first % 2 == 0)
            ++first;
    } else if (which == PageSetEven) {
        step = 2;
        if (last % 2 == 1)
            --last;
        if (first % 2 == 1)
            ++first;
    }
    const bool reverse = pageSet & PageSetReverse;
    int page = reverse ? last : first;
    for (int counter = first; counter <= last; counter += step) {
        const int start = (page - 1) * perPage;
        out.append({page, start, qMax(0, qMin(perPage, rows - start))});
        page += reverse ? -step : step;
    }
    return out;
}

} // namespace

class TestPrintExport : public QObject
{
    Q_OBJECT
private slots:
    void pageSequence_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QVector<int>>("pages");
        QTest::newRow("all") << 1 << 5 << int(PageSetAll) << QVector<int>{1, 2, 3, 4, 5};
        QTest::newRow("all, reversed") << 1 << 5 << PageSetAll + PageSetReverse << QVector<int>{5, 4, 3, 2, 1};
        QTest::newRow("odd inside even bounds") << 2 << 4 << int(PageSetOdd) << QVector<int>{3};
        QTest::newRow("even") << 1 << 5 << int(PageSetEven) << QVector<int>{2, 4};
        QTest::newRow("even, reversed") << 1 << 5 << PageSetEven + PageSetReverse << QVector<int>{4, 2};
        QTest::newRow("odd, reversed") << 1 << 3 << PageSetOdd + PageSetReverse << QVector<int>{3, 1};
        QTest::newRow("both bits: all") << 1 << 3 << 3 << QVector<int>{1, 2, 3};
        QTest::newRow("both bits, reversed: all") << 1 << 3 << 3 + PageSetReverse << QVector<int>{3, 2, 1};
        // Without the order bit only exactly 1 or 2 restrict; with it the low two bits do.
        QTest::newRow("other bits") << 1 << 3 << 5 << QVector<int>{1, 2, 3};
        QTest::newRow("other bits, reversed") << 1 << 3 << 4 + 1 + PageSetReverse << QVector<int>{3, 1};
        QTest::newRow("no odd page") << 2 << 2 << int(PageSetOdd) << QVector<int>{};
        QTest::newRow("empty range") << 1 << 0 << int(PageSetAll) << QVector<int>{};
        QTest::newRow("empty range, reversed") << 1 << 0 << PageSetAll + PageSetReverse << QVector<int>{};
    }

    void pageSequence()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, pageSet);
        QFETCH(QVector<int>, pages);
        QCOMPARE(::pageSequence(first, last, pageSet), pages);
    }

    // Every combination of page height, span length, printer range and page set that a
    // small document can meet agrees with the printing loop, and no page is empty.
    void planMatchesPrintingLoopExhaustively()
    {
        const int pageSets[] = {0, 1, 2, 3, 16, 17, 18, 19};
        int checked = 0;
        for (int lines = 0; lines <= 9; ++lines)
            for (int rows = 0; rows <= 40; ++rows)
                for (int from = 0; from <= 9; ++from)
                    for (int to = 0; to <= 9; ++to)
                        for (int set : pageSets) {
                            const PagePlan plan = planPages(lines, rows, from, to, set);
                            const QVector<PrintedPage> expected = referencePages(lines, rows, from, to, set);
                            if (plan.pages != expected) {
                                QFAIL(qPrintable(QStringLiteral("lines %1 rows %2 from %3 to %4 set %5")
                                                     .arg(lines).arg(rows).arg(from).arg(to).arg(set)));
                            }
                            for (const PrintedPage& page : plan.pages) {
                                if (page.rowCount <= 0 || page.firstRow + page.rowCount > rows)
                                    QFAIL(qPrintable(QStringLiteral("empty or overlong page %1 of %2 rows")
                                                         .arg(page.number).arg(rows)));
                            }
                            ++checked;
                        }
        QCOMPARE(checked, 10 * 41 * 10 * 10 * 8);
    }

    // All pages in natural order show every row exactly once.
    void allPagesCoverEveryRowOnce()
    {
        for (int lines = 4; lines <= 12; ++lines)
            for (int rows = 0; rows <= 60; ++rows) {
                const PagePlan plan = planPages(lines, rows, 0, 0, PageSetAll);
                int next = 0;
                for (const PrintedPage& page : plan.pages) {
                    QCOMPARE(page.firstRow, next);
                    next += page.rowCount;
                }
                QCOMPARE(next, rows);
                QCOMPARE(plan.pageCount, plan.pages.size());
            }
    }

    void plans_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QVector<int>>("numbers");
        QTest::addColumn<QVector<int>>("counts");
        using V = QVector<int>;
        QTest::newRow("10 rows, 4 a page") << 7 << 10 << 0 << 0 << 0 << V{1, 2, 3} << V{4, 4, 2};
        QTest::newRow("4 lines: one row a page") << 4 << 2 << 0 << 0 << 0 << V{1, 2} << V{1, 1};
        QTest::newRow("25 rows, pages 2 to 3") << 13 << 25 << 2 << 3 << 0 << V{2, 3} << V{10, 5};
        QTest::newRow("odd reversed of 3") << 13 << 25 << 0 << 0 << 17 << V{3, 1} << V{5, 10};
        QTest::newRow("odd of 4") << 5 << 8 << 0 << 0 << 1 << V{1, 3} << V{2, 2};
        QTest::newRow("even of 4") << 5 << 8 << 0 << 0 << 2 << V{2, 4} << V{2, 2};
        QTest::newRow("even reversed of 4") << 5 << 8 << 0 << 0 << 18 << V{4, 2} << V{2, 2};
        QTest::newRow("all reversed") << 5 << 5 << 0 << 0 << 16 << V{3, 2, 1} << V{1, 2, 2};
        QTest::newRow("to-page 0 is the end") << 5 << 10 << 2 << 0 << 0 << V{2, 3, 4, 5} << V{2, 2, 2, 2};
        QTest::newRow("to-page past the end") << 5 << 4 << 1 << 9 << 0 << V{1, 2} << V{2, 2};
        QTest::newRow("from past the end") << 5 << 4 << 3 << 0 << 0 << V{} << V{};
        QTest::newRow("empty span") << 10 << 0 << 0 << 0 << 0 << V{} << V{};
        QTest::newRow("too small") << 3 << 10 << 0 << 0 << 0 << V{} << V{};
    }

    void plans()
    {
        QFETCH(int, lines);
        QFETCH(int, rows);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pageSet);
        QFETCH(QVector<int>, numbers);
        QFETCH(QVector<int>, counts);
        const PagePlan plan = planPages(lines, rows, from, to, pageSet);
        QVector<int> gotNumbers, gotCounts;
        for (const PrintedPage& page : plan.pages) {
            gotNumbers << page.number;
            gotCounts << page.rowCount;
        }
        QCOMPARE(gotNumbers, numbers);
        QCOMPARE(gotCounts, counts);
        QCOMPARE(plan.tooSmall, lines <= 3);
    }

    void linePlans_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<QVector<int>>("heights"); // lines of each row
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QStringList>("pages"); // number:first row+rows, /first line when not 0
        using V = QVector<int>;
        using S = QStringList;
        QTest::newRow("rows share a page as they fit") << 5 << V{2, 2, 1, 3, 2} << 0 << 0 << 0 << S{"1:0+3", "2:3+2"};
        QTest::newRow("a row that does not fit begins the next page") << 5 << V{2, 2, 2} << 0 << 0 << 0
                                                                       << S{"1:0+2", "2:2+1"};
        QTest::newRow("no row has fewer than one line") << 2 << V{0, -3, 1} << 0 << 0 << 0 << S{"1:0+2", "2:2+1"};
        QTest::newRow("a row longer than a page runs on") << 3 << V{1, 7, 1} << 0 << 0 << 0
                                                          << S{"1:0+1", "2:1+1", "3:1+1/3", "4:1+2/6"};
        QTest::newRow("a long first row") << 3 << V{4, 1} << 0 << 0 << 0 << S{"1:0+1", "2:0+2/3"};
        QTest::newRow("odd pages of it") << 3 << V{1, 7, 1} << 0 << 0 << 1 << S{"1:0+1", "3:1+1/3"};
        QTest::newRow("pages 2 to 3, last first") << 3 << V{1, 7, 1} << 2 << 3 << 16 << S{"3:1+1/3", "2:1+1"};
        QTest::newRow("no rows") << 3 << V{} << 0 << 0 << 0 << S{};
    }

    // Which rows, and which of their lines, each chosen page shows.
    void linePlans()
    {
        QFETCH(int, body);
        QFETCH(QVector<int>, heights);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pageSet);
        QFETCH(QStringList, pages);
        const PagePlan plan =
            planLinePages(body, heights.size(), [&](int row) { return heights.at(row); }, from, to, pageSet);
        QStringList got;
        for (const PrintedPage& page : plan.pages)
            got << QStringLiteral("%1:%2+%3").arg(page.number).arg(page.firstRow).arg(page.rowCount)
                       + (page.firstLine ? QStringLiteral("/%1").arg(page.firstLine) : QString());
        QCOMPARE(got, pages);
    }

    void wrappedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width"); // in characters, and a half
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("lines stand under the text after its blanks")
            << "  Abc defg hij" << 8 << QStringList{"  Abc ", "  defg ", "  hij"};
        QTest::newRow("a word wider than that room breaks in it")
            << "  Abcdefgh ij" << 8 << QStringList{"  Abcdef", "  gh ij"};
        QTest::newRow("a word that fits a line of its own moves to it")
            << "        Abcdefgh ij" << 12 << QStringList{"        ", "Abcdefgh ij"};
    }

    // How a printed cell's text goes on over its lines, in a fixed-pitch font.
    void wrappedLines()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        const PagePrinter pages(&printer);
        QVERIFY(QFontInfo(pages.font()).fixedPitch());
        const int em = pages.metrics().horizontalAdvance(QLatin1Char('M'));
        QCOMPARE(pages.wrapped(pages.font(), text, width * em + em / 2), lines);
    }

    void rowSpans_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("markFirst");
        QTest::addColumn<int>("markLast");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("all") << int(RangeAll) << 10 << 3 << 5 << 0 << 9;
        QTest::newRow("pages: all rows") << int(RangePages) << 10 << 3 << 5 << 0 << 9;
        QTest::newRow("selection") << int(RangeSelection) << 10 << 3 << 5 << 3 << 5;
        QTest::newRow("selection bottom-up") << int(RangeSelection) << 10 << 5 << 3 << 3 << 5;
        QTest::newRow("selection, nothing marked") << int(RangeSelection) << 10 << -1 << -1 << 0 << 9;
        QTest::newRow("selection past the end") << int(RangeSelection) << 10 << 8 << 14 << 8 << 9;
        QTest::newRow("mark beyond the rows") << int(RangeSelection) << 10 << 12 << 14 << 0 << 9;
        QTest::newRow("to cursor") << int(RangeToCursor) << 10 << 4 << 4 << 0 << 4;
        QTest::newRow("from cursor") << int(RangeFromCursor) << 10 << 4 << 4 << 4 << 9;
        QTest::newRow("from cursor, none") << int(RangeFromCursor) << 10 << -1 << -1 << 0 << 9;
        QTest::newRow("empty document") << int(RangeSelection) << 0 << -1 << -1 << 0 << -1;
        QTest::newRow("unknown range") << 9 << 10 << 4 << 4 << 0 << 9;
    }

    void rowSpans()
    {
        QFETCH(int, range);
        QFETCH(int, rows);
        QFETCH(int, markFirst);
        QFETCH(int, markLast);
        QFETCH(int, first);
        QFETCH(int, last);
        const RowSpan span = exportRowSpan(ExportRange(range), rows, markFirst, markLast);
        QCOMPARE(span.first, first);
        QCOMPARE(span.last, last);
        QCOMPARE(span.count(), last - first + 1);
    }
};

WYX_TEST_MAIN(TestPrintExport)
#include "tst_printexport.moc"
