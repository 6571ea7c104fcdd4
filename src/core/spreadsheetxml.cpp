#include "core/spreadsheetxml.h"

#include "core/constants.h"

#include <QBuffer>

#include <algorithm>

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

QString SpreadsheetXmlWriter::cellText(const QString& text)
{
    auto allowed = [](QChar c) {
        const ushort u = c.unicode();
        return (u >= 0x20 || u == '\t' || u == '\n' || u == '\r') && u != 0xFFFE && u != 0xFFFF;
    };
    if (std::all_of(text.begin(), text.end(), [&](QChar c) { return allowed(c) && !c.isSurrogate(); }))
        return text;
    // A lone surrogate becomes '?' in the UTF-8 form. Decoded with its size: the QByteArray
    // overload of fromUtf8 stops at the first NUL and would drop the rest of the text.
    const QByteArray utf8 = text.toUtf8();
    QString kept;
    for (QChar c : QString::fromUtf8(utf8.constData(), utf8.size()))
        if (allowed(c))
            kept += c;
    return kept;
}

void SpreadsheetXmlWriter::writeCell(const QString& type, const QString& text)
{
    writeStartElement(xmlCell);
    writeStartElement(xmlData);
    writeAttribute(QStringLiteral("ss:Type"), type);
    writeCharacters(cellText(text));
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

SpreadsheetXmlRowWriter::SpreadsheetXmlRowWriter(QIODevice* device, const QString& sheetName, int rowCount,
                                                 int columnCount)
    : m_out(device)
{
    // One empty row through the writer splits its output into the part before the rows
    // and the part after them, whatever its indentation and declaration look like.
    QByteArray frame;
    int indentWidth = 4;
    {
        QBuffer buffer(&m_empty);
        buffer.open(QIODevice::WriteOnly);
        SpreadsheetXmlWriter writer(&buffer);
        writer.writeHeader(sheetName, rowCount, columnCount);
        writer.writeEndDocument();
    }
    {
        QBuffer buffer(&frame);
        buffer.open(QIODevice::WriteOnly);
        SpreadsheetXmlWriter writer(&buffer);
        writer.writeHeader(sheetName, rowCount, columnCount);
        writer.writeStartElement(xmlRow);
        writer.writeEndElement();
        writer.writeEndDocument();
        indentWidth = writer.autoFormattingIndent();
    }
    const QByteArray indent(qAbs(indentWidth), indentWidth < 0 ? '\t' : ' ');
    const QByteArray rowIndent = '\n' + indent.repeated(3);
    const QByteArray cellIndent = '\n' + indent.repeated(4);
    const QByteArray dataIndent = '\n' + indent.repeated(5);
    const QByteArray emptyRow = rowIndent + '<' + xmlRow.toUtf8() + "/>";
    const int at = frame.indexOf(emptyRow);
    m_head = frame.left(at);
    m_tail = frame.mid(at + emptyRow.size());
    const QByteArray row = xmlRow.toUtf8();
    const QByteArray cell = xmlCell.toUtf8();
    const QByteArray data = xmlData.toUtf8();
    m_rowStart = rowIndent + '<' + row + '>';
    m_rowEnd = rowIndent + "</" + row + '>';
    m_stringStart = cellIndent + '<' + cell + '>' + dataIndent + '<' + data + " ss:Type=\"String\">";
    m_numberStart = cellIndent + '<' + cell + '>' + dataIndent + '<' + data + " ss:Type=\"Number\">";
    m_cellEnd = "</" + data + '>' + cellIndent + "</" + cell + '>';
}

void SpreadsheetXmlRowWriter::startRow()
{
    if (!m_anyRow)
        m_out.append(m_head);
    m_anyRow = true;
    m_out.append(m_rowStart);
}

void SpreadsheetXmlRowWriter::endRow()
{
    m_out.append(m_rowEnd);
}

void SpreadsheetXmlRowWriter::writeNumberCell(int value)
{
    m_out.append(m_numberStart);
    m_out.appendNumber(value);
    m_out.append(m_cellEnd);
}

void SpreadsheetXmlRowWriter::writeStringCell(const char* utf8, int size)
{
    m_out.append(m_stringStart);
    appendEscaped(m_out, utf8, size);
    m_out.append(m_cellEnd);
}

void SpreadsheetXmlRowWriter::appendEscaped(ByteSink& out, const char* utf8, int size)
{
    // Characters XML cannot hold (controls other than tab and line ends, U+FFFE, U+FFFF)
    // are left out, as SpreadsheetXmlWriter::cellText leaves them out.
    int plain = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c > '>' && c != 0xEF)
            continue;
        int entity = -1;
        int skip = 0;
        switch (c) {
        case '<': entity = 0; break;
        case '>': entity = 1; break;
        case '&': entity = 2; break;
        case '"': entity = 3; break;
        case '\t':
        case '\n':
        case '\r': continue;
        case 0xEF:
            if (i + 2 < size && static_cast<unsigned char>(utf8[i + 1]) == 0xBF
                && (static_cast<unsigned char>(utf8[i + 2]) & 0xFE) == 0xBE)
                skip = 3;
            break;
        default:
            if (c < 0x20)
                skip = 1;
            break;
        }
        if (entity < 0 && !skip)
            continue;
        out.append(utf8 + plain, i - plain);
        static const char* const entities[4] = {"&lt;", "&gt;", "&amp;", "&quot;"};
        static const int entitySizes[4] = {4, 4, 5, 6};
        if (entity >= 0)
            out.append(entities[entity], entitySizes[entity]);
        else
            i += skip - 1;
        plain = i + 1;
    }
    out.append(utf8 + plain, size - plain);
}

bool SpreadsheetXmlRowWriter::finish()
{
    // Without rows the writer closes the table as an empty element.
    m_out.append(m_anyRow ? m_tail : m_empty);
    return m_out.flush();
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
