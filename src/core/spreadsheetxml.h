#pragma once
// One worksheet of the XML spreadsheet format of office suites (SpreadsheetML 2003):
// the writer holds the fixed frame and the cell forms, the reader the row and cell walk.
// Callers write and read the rows themselves and own the file.
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

private:
    void writeCell(const QString& type, const QString& text);
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
