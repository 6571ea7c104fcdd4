// The code-name window's print and export slots over the rows its cursor picks.
#include "support/pdftext.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "codenames/kodtableview.h"
#include "core/pageprinter.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

namespace {

KodNevModel* names()
{
    return appSettings().kodNevModel;
}

// n entries "Pont 1" .. "Pont n", in that order.
void setNames(int n)
{
    names()->removeRows(0, names()->rowCount());
    for (int i = 0; i < n; ++i) {
        KodNev k;
        const QString code = QStringLiteral("B%1%2").arg(QChar('A' + i / 16)).arg(QChar('A' + i % 16));
        QVERIFY(k.set(code, QStringLiteral("Pont %1").arg(i + 1), QDate(2020, 1, 1), Qt::white, Qt::black));
        names()->addEntry(k, true);
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A5));
    return printer;
}

// The entries a page shows: the row number that leads each line, checked against its name.
QList<int> printedRows(const QString& page)
{
    QList<int> rows;
    const QRegularExpression line(QStringLiteral("^\\s*(\\d+)\\s+\\d+ \\w+ \\d{4}\\s+B[A-P]+\\s+Pont (\\d+)\\s*$"));
    for (const QString& text : page.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch())
            rows << (m.captured(1) == m.captured(2) ? m.captured(1).toInt() : -1);
    }
    return rows;
}

QList<int> footerNumbers(const QStringList& pages)
{
    QList<int> numbers;
    const QRegularExpression footer(QStringLiteral("kodlista\\.kod\\s+(\\d+) oldal"));
    for (const QString& page : pages) {
        const QRegularExpressionMatch m = footer.match(page);
        numbers << (m.hasMatch() ? m.captured(1).toInt() : -1);
    }
    return numbers;
}

QList<int> span(int first, int last)
{
    QList<int> out;
    for (int i = first; i <= last; ++i)
        out << i;
    return out;
}

} // namespace

class TestKodnevViewExport : public QObject
{
    Q_OBJECT
private slots:
    void textRanges_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("selection") << int(RangeSelection) << 3 << QList<int>{4};
        QTest::newRow("to cursor") << int(RangeToCursor) << 3 << span(1, 4);
        QTest::newRow("from cursor") << int(RangeFromCursor) << 3 << span(4, 6);
        QTest::newRow("pages") << int(RangePages) << 3 << span(1, 6);
        QTest::newRow("selection, no cursor") << int(RangeSelection) << -1 << span(1, 6);
        QTest::newRow("from cursor, no cursor") << int(RangeFromCursor) << -1 << span(1, 6);
    }

    void textRanges()
    {
        QFETCH(int, range);
        QFETCH(int, cursor);
        QFETCH(QList<int>, rows);
        TestEnv env;
        setNames(6);
        KodnevView view; // opens with the last entry selected
        if (cursor >= 0)
            view.table()->selectRow(cursor);
        else
            view.table()->clearSelection();
        QVERIFY(view.exportToTxt(QStringLiteral("k"), ExportRange(range), false, false));
        QList<int> written;
        for (const QByteArray& line : readFile(env.path("k.txt")).split('\n'))
            if (!line.isEmpty())
                written << line.mid(line.indexOf("Pont ") + 5).trimmed().toInt();
        QCOMPARE(written, rows);
    }

    // A selection of one entry prints that entry alone, on a page numbered 1.
    void pdfOfSelectionPrintsExactlyItsRow()
    {
        TestEnv env;
        setNames(40);
        KodnevView view;
        view.table()->selectRow(27);
        auto printer = pdfPrinter(env.path("sel.pdf"));
        QVERIFY(view.exportToPdf(printer.get(), RangeSelection));
        const QStringList pages = pdfPages(env.path("sel.pdf"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(printedRows(pages.first()), QList<int>{28});
        QCOMPARE(footerNumbers(pages), QList<int>{1});
    }

    void printPageSets_data()
    {
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("all") << 0 << QList<int>{1, 2, 3};
        QTest::newRow("odd") << 1 << QList<int>{1, 3};
        QTest::newRow("even, last first") << 18 << QList<int>{2};
        QTest::newRow("all, last first") << 16 << QList<int>{3, 2, 1};
    }

    void printPageSets()
    {
        QFETCH(int, pageSet);
        QFETCH(QList<int>, pages);
        TestEnv env;
        auto printer = pdfPrinter(env.path("p.pdf"));
        const int perPage = PagePrinter(printer.get()).lines() - 3;
        QVERIFY(perPage > 3);
        const int n = 2 * perPage + 3;
        setNames(n);
        KodnevView view;
        QVERIFY(view.print(printer.get(), RangeAll, pageSet));
        const QStringList text = pdfPages(env.path("p.pdf"));
        QCOMPARE(footerNumbers(text), pages);
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(printedRows(text[i]), span((pages[i] - 1) * perPage + 1, qMin(pages[i] * perPage, n)));
    }

    void documentWindowOutcomes()
    {
        TestEnv env;
        setNames(2);
        KodnevView view;
        DocumentWindow* document = &view;
        ExportChoice choice;
        choice.withValidityDate = true;
        QCOMPARE(document->exportDocument(FormatText, QStringLiteral("d"), choice), DocumentWindow::Done);
        QCOMPARE(readFile(env.path("d.txt")).split('\t').size(), 5); // two lines of three fields
        QCOMPARE(document->exportDocument(FormatPdf, QStringLiteral("d"), choice), DocumentWindow::NotOffered);
        names()->removeRows(0, 2);
        QCOMPARE(document->importDocument(FormatText, env.path("d.txt")), DocumentWindow::Done);
        QCOMPARE(names()->rowCount(), 2);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("nincs.xml nem létezik."));
        QCOMPARE(document->importDocument(FormatXml, env.path("nincs.xml")), DocumentWindow::NotDone);
    }
};

WYX_TEST_MAIN(TestKodnevViewExport)
#include "tst_kodnevviewexport.moc"
