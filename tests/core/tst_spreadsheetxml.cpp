#include "support/testmain.h"

#include "core/constants.h"
#include "core/spreadsheetxml.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

using Table = QList<QStringList>;

// Reads every row and cell the way the imports do.
Table readAll(const QByteArray& xml, QString* error = nullptr)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    SpreadsheetXmlReader reader(&buffer);
    Table rows;
    int guard = 0;
    while (reader.nextRow() && ++guard < 10000) {
        QStringList row;
        do {
            row << reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        } while (reader.nextCell() && ++guard < 10000);
        rows << row;
    }
    if (error)
        *error = reader.hasError() ? reader.errorString() : QString();
    return rows;
}

QByteArray write(const Table& rows, int columns)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetXmlWriter writer(&buffer);
    writer.writeHeader(QStringLiteral("Kódlista"), rows.size(), columns);
    for (int r = 0; r < rows.size(); ++r) {
        writer.writeStartElement(xmlRow);
        for (const QString& cell : rows[r])
            r % 2 ? writer.writeNumberCell(cell) : writer.writeStringCell(cell);
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    [&] { QVERIFY(!writer.hasError()); }();
    return buffer.data();
}

QByteArray compact(const QByteArray& rows)
{
    return "<?xml version=\"1.0\"?><Workbook><Worksheet><Table>" + rows + "</Table></Worksheet></Workbook>";
}

} // namespace

class TestSpreadsheetXml : public QObject
{
    Q_OBJECT
private slots:
    void writesTheFixedFrameAndReadsBack()
    {
        QString xml = QString::fromUtf8(write({{"a&b"}, {"-2"}}, 1));
        QVERIFY(xml.contains("\n    <Worksheet")); // indented for people reading it
        xml.replace(QRegularExpression(">\\s+<"), "><");
        QCOMPARE(xml, QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
            "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\""
            " xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
            " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:html=\"http://www.w3.org/TR/REC-html40\">"
            "<Worksheet ss:Name=\"Kódlista\"><Table ss:ExpandedColumnCount=\"1\" ss:ExpandedRowCount=\"2\""
            " x:FullColumns=\"1\" x:FullRows=\"1\"><Row><Cell><Data ss:Type=\"String\">a&amp;b</Data></Cell></Row>"
            "<Row><Cell><Data ss:Type=\"Number\">-2</Data></Cell></Row></Table></Worksheet></Workbook>\n"));

        const Table table = {
            {QStringLiteral("Kód"), QStringLiteral("Név"), QStringLiteral("Érvényes")},
            {"1", "-2", "3.5"},
            {QStringLiteral("a & b < c > d \" e ' f"), QString(), QStringLiteral("árvíztűrő tükörfúrógép ŐŰ")},
            {QStringLiteral("  szóközök  "), QStringLiteral("két\nsor"), QStringLiteral("]]> <![CDATA[ x")},
            {QString()},
            {QStringLiteral("egy")},
        };
        QString error;
        QCOMPARE(readAll(write(table, 3), &error), table);
        QCOMPARE(error, QString());
    }

    void malformedAndOddInputs()
    {
        QString error;
        for (const QByteArray& junk : {QByteArray(), QByteArray("not xml"), QByteArray("\x00\x01\x02\xFF\xFE", 5)}) {
            QCOMPARE(readAll(junk, &error), Table());
            QVERIFY(!error.isEmpty());
        }

        // An empty Cell ends its row; the next row is read normally.
        const QByteArray emptyCell = compact("<Row><Cell><Data>a</Data></Cell><Cell/><Cell><Data>c</Data></Cell></Row>"
                                             "<Row><Cell><Data>x</Data></Cell></Row>");
        QCOMPARE(readAll(emptyCell, &error), Table({{"a"}, {"x"}}));
        QCOMPARE(error, QString());

        // A row that does not start with Cell and Data stops the walk, like the end.
        QCOMPARE(readAll(compact("<Row><Cell/></Row><Row><Cell><Data>x</Data></Cell></Row>")), Table());
        QCOMPARE(readAll(compact("<Row/><Row><Cell><Data>x</Data></Cell></Row>")), Table());

        // Prefixed names match by local name; other elements before the rows are skipped.
        const QByteArray prefixed = "<ss:Workbook xmlns:ss=\"urn:x\"><ss:Styles><ss:Row-ish/></ss:Styles>"
                                    "<ss:Row><ss:Cell ss:Index=\"2\"><ss:Data ss:Type=\"String\">p</ss:Data>"
                                    "</ss:Cell></ss:Row></ss:Workbook>";
        QCOMPARE(readAll(prefixed, &error), Table({{"p"}}));
        QCOMPARE(error, QString());

        // Markup inside Data is an error the caller sees, not a hang.
        readAll(compact("<Row><Cell><Data>a<b>x</b></Data></Cell></Row><Row><Cell><Data>y</Data></Cell></Row>"),
                &error);
        QVERIFY(!error.isEmpty());

        // A truncated file reports its error after the rows read so far.
        const QByteArray whole = write({{"1", "2"}, {"3", "4"}}, 2);
        const Table partial = readAll(whole.left(whole.indexOf("</Row>") + 10), &error);
        QCOMPARE(partial.value(0), QStringList({"1", "2"}));
        QVERIFY(!error.isEmpty());

        // External entities are not resolved.
        const QByteArray entity = "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
                                  "<Workbook><Row><Cell><Data>&e;</Data></Cell></Row></Workbook>";
        const Table t = readAll(entity, &error);
        QVERIFY(t.isEmpty() || !t.first().first().contains("root"));
    }
};

WYX_TEST_MAIN(TestSpreadsheetXml)
#include "tst_spreadsheetxml.moc"
