#pragma once
// One worksheet of the XML spreadsheet format of office suites (SpreadsheetML 2003):
// the writer holds the fixed frame and the cell forms, the reader the row and cell walk.
// Callers write and read the rows themselves and own the file.
#include "core/bytesink.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

class SpreadsheetXmlWriter : public QXmlStreamWriter
{
public:
    SpreadsheetXmlWriter();
    explicit SpreadsheetXmlWriter(QIODevice* device);

    // Declaration, Workbook, Worksheet and Table; leaves Table open for the caller's rows.
    void writeHeader(const QString& sheetName, int rowCount, int columnCount);
    void writeStringCell(const QString& text);
    void writeNumberCell(const QString& text); // the number already as text
    void writeNumberCell(int value);

    // The text as a cell can hold it: controls other than tab and line ends, U+FFFE and
    // U+FFFF are left out, a lone surrogate becomes '?' (as in its UTF-8 form). Written as
    // it stands, one such character would end the document there with only an error.
    static QString cellText(const QString& text);

private:
    void writeCell(const QString& type, const QString& text);
};

// The same document as SpreadsheetXmlWriter writes it, for long exports: the frame comes
// from the writer itself, the rows are appended as UTF-8 bytes to a buffer that goes to
// the device in large blocks. Cells escape exactly as the writer does, and leave out what
// SpreadsheetXmlWriter::cellText leaves out.
class SpreadsheetXmlRowWriter
{
public:
    SpreadsheetXmlRowWriter(QIODevice* device, const QString& sheetName, int rowCount, int columnCount);

    void startRow();
    void endRow();
    void writeNumberCell(int value);
    void writeStringCell(const char* utf8, int size);
    void writeStringCell(const QByteArray& utf8) { writeStringCell(utf8.constData(), utf8.size()); }
    // Closes the document and hands the rest to the device; false on any write error.
    bool finish();
    bool hasError() const { return m_out.hasError(); }

    // Appends the text with &, <, > and " as the writer's entities.
    static void appendEscaped(ByteSink& out, const char* utf8, int size);

private:
    ByteSink m_out;
    QByteArray m_head;
    QByteArray m_tail;
    QByteArray m_empty;
    QByteArray m_rowStart;
    QByteArray m_rowEnd;
    QByteArray m_stringStart;
    QByteArray m_numberStart;
    QByteArray m_cellEnd;
    bool m_anyRow = false;
};

class SpreadsheetXmlReader : public QXmlStreamReader
{
public:
    SpreadsheetXmlReader() = default;
    explicit SpreadsheetXmlReader(QIODevice* device);

    // Moves to the first cell's Data of the next row; false at the end, on an error, or
    // when the row does not start with a Cell holding Data.
    bool nextRow();
    // From the end of a cell's Data (after readElementText) to the next cell's Data in
    // the same row; false at the end of the row or when the structure does not match.
    bool nextCell();

private:
    bool enterCellData();
};
