#include "support/failingdevice.h"
#include "support/sourcetext.h"
#include "support/testmain.h"

#include "core/constants.h"
#include "core/spreadsheetxml.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

using Table = QList<QStringList>;

// Reads every row and cell the way the imports do.
Table readAll(QIODevice& device, QString* error)
{
    SpreadsheetXmlReader reader(&device);
    Table rows;
    int guard = 0;
    while (reader.nextRow() && ++guard < 10000) {
        QStringList row;
        do {
            row << reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        } while (reader.nextCell() && ++guard < 10000);
        rows << row;
    }
    *error = reader.hasError() ? reader.errorString() : QString();
    return rows;
}

Table readAll(const QByteArray& xml, QString* error)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return readAll(buffer, error);
}

// Writes the rows as an export does; false when the writer saw a device error.
bool write(QIODevice& device, const Table& rows, int columns)
{
    SpreadsheetXmlWriter writer(&device);
    writer.writeHeader(QStringLiteral("Kódlista"), rows.size(), columns);
    for (int r = 0; r < rows.size(); ++r) {
        writer.writeStartElement(xmlRow);
        for (const QString& cell : rows[r])
            r % 2 ? writer.writeNumberCell(cell) : writer.writeStringCell(cell);
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return !writer.hasError();
}

QByteArray write(const Table& rows, int columns)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    [&] { QVERIFY(write(buffer, rows, columns)); }();
    return buffer.data();
}

const Table sample = {{QStringLiteral("Kód"), QStringLiteral("Név")}, {"1", "-2"}, {QStringLiteral("árvíz"), "x"}};

QByteArray compact(const QByteArray& rows)
{
    return "<?xml version=\"1.0\"?><Workbook><Worksheet><Table>" + rows + "</Table></Worksheet></Workbook>";
}

} // namespace

class TestSpreadsheetXml : public QObject
{
    Q_OBJECT
private slots:
    void writesTheFixedFrame()
    {
        QString xml = QString::fromUtf8(write({{"a&b"}, {"-2"}}, 1));
        QVERIFY(xml.contains("\n    <Worksheet")); // indented for people reading it
        xml.replace(QRegularExpression(">\\s+<"), "><");
        QCOMPARE(xml, QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\""
            " xmlns:o=\"urn:schemas-microsoft-com:office:office\""
            " xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\""
            " xmlns:html=\"http://www.w3.org/TR/REC-html40\">"
            "<Worksheet ss:Name=\"Kódlista\"><Table ss:ExpandedColumnCount=\"1\" ss:ExpandedRowCount=\"2\""
            " x:FullColumns=\"1\" x:FullRows=\"1\"><Row><Cell><Data ss:Type=\"String\">a&amp;b</Data></Cell></Row>"
            "<Row><Cell><Data ss:Type=\"Number\">-2</Data></Cell></Row></Table></Worksheet></Workbook>\n"));
    }

    void readsBackWhatItWrites()
    {
        const Table table = {
            {QStringLiteral("Kód"), QStringLiteral("Név"), QStringLiteral("Érvényes")},
            {"1", "-2", "3.5"},
            {QStringLiteral("a & b < c > d \" e ' f"), QString(), QStringLiteral("árvíztűrő ŐŰ")},
            {QStringLiteral("  szóközök  "), QStringLiteral("két\nsor"), QStringLiteral("]]> <![CDATA[ x")},
            {QString()},
            {QStringLiteral("egy")},
        };
        QString error;
        QCOMPARE(readAll(write(table, 3), &error), table);
        QCOMPARE(error, QString());
    }

    void cellsLeaveOutWhatXmlCannotHold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::newRow("NUL") << QString(QStringLiteral("Kapu") + QChar(0) + QStringLiteral("Nord"))
                             << QStringLiteral("KapuNord");
        QTest::newRow("controls") << QStringLiteral("a\x01" "b\x08\x0b\x0c\x0e" "c\x1f") << QStringLiteral("abc");
        QTest::newRow("tab and line feed") << QStringLiteral("a\tb\nc") << QStringLiteral("a\tb\nc");
        QTest::newRow("non-characters") << QString(QStringLiteral("a") + QChar(0xFFFE) + 'b' + QChar(0xFFFF))
                                        << QStringLiteral("ab");
        QTest::newRow("lone surrogates") << QString(QStringLiteral("a") + QChar(0xD800) + 'b' + QChar(0xDC00))
                                         << QStringLiteral("a?b?");
        QTest::newRow("pair, C1, DEL") << QString::fromUtf8("\xf0\x9f\x98\x80\xc2\x85\x7f")
                                       << QString::fromUtf8("\xf0\x9f\x98\x80\xc2\x85\x7f");
    }

    // Both writers leave out the same characters and the rest of the document is written.
    void cellsLeaveOutWhatXmlCannotHold()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        const QByteArray written = write({{text, "1"}}, 2);
        QString error;
        QCOMPARE(readAll(written, &error), Table({{kept, "1"}}));
        QByteArray rowWritten;
        QBuffer buffer(&rowWritten);
        buffer.open(QIODevice::WriteOnly);
        SpreadsheetXmlRowWriter rows(&buffer, QStringLiteral("Kódlista"), 1, 2);
        rows.startRow();
        rows.writeStringCell(text.toUtf8());
        rows.writeStringCell(QByteArray("1"));
        rows.endRow();
        QVERIFY(rows.finish());
        QCOMPARE(rowWritten, written);
    }

    // Text reaches a document only through the two writers above, so every export keeps their rule.
    void everyCellTextGoesThroughTheWriters()
    {
        const QRegularExpression direct(QStringLiteral("\\b(writeCharacters|writeTextElement|writeCDATA)\\("));
        const QStringList found = SourceText::linesMatching(direct, QStringLiteral("src/core/spreadsheetxml.cpp"));
        QCOMPARE(found.join(QLatin1String(", ")), QString());
    }

    void readsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Table>("rows");
        QTest::addColumn<bool>("failing");
        const QByteArray whole = write({{"1", "2"}, {"3", "4"}}, 2);
        const QByteArray x = "<Row><Cell><Data>x</Data></Cell></Row>";
        QTest::newRow("empty") << QByteArray() << Table() << true;
        QTest::newRow("not xml") << QByteArray("not xml") << Table() << true;
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xFF\xFE", 5) << Table() << true;
        // An empty Cell ends its row; the next row is read normally.
        QTest::newRow("empty cell ends the row")
            << compact("<Row><Cell><Data>a</Data></Cell><Cell/><Cell><Data>c</Data></Cell></Row>" + x)
            << Table{{"a"}, {"x"}} << false;
        // A row that does not start with Cell and Data stops the walk, like the end.
        QTest::newRow("row without data") << compact("<Row><Cell/></Row>" + x) << Table() << false;
        QTest::newRow("empty row") << compact("<Row/>" + x) << Table() << false;
        // Prefixed names match by local name; other elements before the rows are skipped.
        QTest::newRow("prefixed names")
            << QByteArray("<ss:Workbook xmlns:ss=\"urn:x\"><ss:Styles><ss:Row-ish/></ss:Styles><ss:Row>"
                          "<ss:Cell ss:Index=\"2\"><ss:Data ss:Type=\"String\">p</ss:Data></ss:Cell></ss:Row>"
                          "</ss:Workbook>")
            << Table{{"p"}} << false;
        // Markup inside Data is an error the caller sees, and the walk stops there.
        QTest::newRow("markup in data") << compact("<Row><Cell><Data>a<b>x</b></Data></Cell></Row>" + x)
                                        << Table{{"a"}} << true;
        // A truncated file reports its error after the rows read so far.
        QTest::newRow("truncated") << whole.left(whole.indexOf("</Row>") + 10) << Table{{"1", "2"}} << true;
    }

    void readsWhatItCan()
    {
        QFETCH(QByteArray, input);
        QFETCH(Table, rows);
        QFETCH(bool, failing);
        QString error;
        QCOMPARE(readAll(input, &error), rows);
        QCOMPARE(!error.isEmpty(), failing);
    }

    void externalEntitiesAreNotResolved()
    {
        const QByteArray entity = "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                                  "<Workbook><Row><Cell><Data>&e;</Data></Cell></Row></Workbook>";
        QString error;
        const Table t = readAll(entity, &error);
        for (const QStringList& row : t)
            QVERIFY(!row.join(QString()).contains("root"));
    }

    void everyWriteFailureIsReported()
    {
        const QByteArray whole = write(sample, 2);
        for (int limit = 0; limit < whole.size(); ++limit) {
            FailingDevice device(FailingDevice::Writes, limit);
            device.open(QIODevice::WriteOnly);
            QVERIFY2(!write(device, sample, 2), qPrintable(QString::number(limit)));
        }
    }

    void everyReadFailureIsACleanError()
    {
        const QByteArray whole = write(sample, 2);
        // Up to the end of the closing tag a failure leaves the document unfinished.
        const int end = whole.lastIndexOf("</Workbook>") + int(strlen("</Workbook>"));
        for (int limit = 0; limit < end; ++limit) {
            FailingDevice device(FailingDevice::Reads, limit, whole);
            device.open(QIODevice::ReadOnly);
            QString error;
            const Table rows = readAll(device, &error);
            QVERIFY2(!error.isEmpty(), qPrintable(QString::number(limit)));
            QVERIFY(rows.size() <= sample.size());
            for (int r = 0; r + 1 < rows.size(); ++r) // rows before the failing one are whole
                QCOMPARE(rows.at(r), sample.at(r));
        }
    }
};

WYX_TEST_MAIN(TestSpreadsheetXml)
#include "tst_spreadsheetxml.moc"
