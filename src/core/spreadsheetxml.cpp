#include "core/spreadsheetxml.h"

#include "core/constants.h"

SpreadsheetXmlWriter::SpreadsheetXmlWriter()
{
    setAutoFormatting(true);
}

SpreadsheetXmlWriter::SpreadsheetXmlWriter(QIODevice* device) : QXmlStreamWriter(device)
{
    setAutoFormatting(true);
}

void SpreadsheetXmlWriter::writeHeader(const QString& sheetName, int rowCount, int columnCount)
{
    writeStartDocument();
    writeStartElement(QStringLiteral("Workbook"));
    // Literal attribute names: the format wants exactly these prefixes, in this order.
    writeAttribute(QStringLiteral("xmlns"), QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet"));
    writeAttribute(QStringLiteral("xmlns:o"), QStringLiteral("urn:schemas-microsoft-com:office:office"));
    writeAttribute(QStringLiteral("xmlns:x"), QStringLiteral("urn:schemas-microsoft-com:office:excel"));
    writeAttribute(QStringLiteral("xmlns:ss"), QStringLiteral("urn:schemas-microsoft-com:office:spreadsheet"));
    writeAttribute(QStringLiteral("xmlns:html"), QStringLiteral("http://www.w3.org/TR/REC-html40"));
    writeStartElement(QStringLiteral("Worksheet"));
    writeAttribute(QStringLiteral("ss:Name"), sheetName);
    writeStartElement(QStringLiteral("Table"));
    writeAttribute(QStringLiteral("ss:ExpandedColumnCount"), QString::number(columnCount));
    writeAttribute(QStringLiteral("ss:ExpandedRowCount"), QString::number(rowCount));
    writeAttribute(QStringLiteral("x:FullColumns"), QStringLiteral("1"));
    writeAttribute(QStringLiteral("x:FullRows"), QStringLiteral("1"));
}

void SpreadsheetXmlWriter::writeCell(const QString& type, const QString& text)
{
    writeStartElement(xmlCell);
    writeStartElement(xmlData);
    writeAttribute(QStringLiteral("ss:Type"), type);
    writeCharacters(text);
    writeEndElement();
    writeEndElement();
}

void SpreadsheetXmlWriter::writeStringCell(const QString& text)
{
    writeCell(QStringLiteral("String"), text);
}

void SpreadsheetXmlWriter::writeNumberCell(const QString& text)
{
    writeCell(QStringLiteral("Number"), text);
}

void SpreadsheetXmlWriter::writeNumberCell(int value)
{
    writeNumberCell(QString::number(value));
}

SpreadsheetXmlReader::SpreadsheetXmlReader(QIODevice* device) : QXmlStreamReader(device) {}

bool SpreadsheetXmlReader::enterCellData()
{
    if (!readNextStartElement() || name() != xmlCell)
        return false;
    return readNextStartElement() && name() == xmlData;
}

bool SpreadsheetXmlReader::nextRow()
{
    readNext();
    while (!(isStartElement() && name() == xmlRow)) {
        if (atEnd() || hasError())
            return false;
        readNext();
    }
    return enterCellData();
}

bool SpreadsheetXmlReader::nextCell()
{
    // readElementText leaves us on </Data>; </Cell> follows, after at most one blank token.
    readNext();
    if (!isEndElement()) {
        readNext();
        if (!isEndElement())
            return false;
    }
    return enterCellData();
}
