#pragma once
// The frame every printed document shares: pages of the document font with the header
// cells, the rows, and a footer naming the document and the page; which pages print and
// in which order comes from planLinePages. A document only gives its header cells and the
// cells of one row at a time.
//
// Nothing is cut: a cell's text too long for its column goes on in further lines under its
// own start (after its leading blanks), and the row takes as many lines as its longest cell.
// Columns measured in characters do not crowd out a row's last column: where the columns
// before it would leave it less than 16 characters (half the page on a page narrower than
// 32), its text goes on lines of its own under them, and they share the page's width, sized
// to the fewest lines the rows' widest texts can take side by side, a gap apart (a blank
// column takes none); the header may take more lines. The last column then stands under the
// columns after the first, beside a row's number, where that costs none of its texts a line;
// across the page otherwise.
// The footer's page number is always whole; the document's name gives way in its middle.
#include "core/printexport.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// A text in a column of a printed line, from left to right (inclusive).
struct PrintCell {
    int left = 0;
    int right = 0;
    QString text;
    Qt::Alignment align = Qt::AlignLeft;
    bool filled = false; // the row's background covers the whole cell, not only its text
    bool below = false;  // set by the page printer: on lines of its own under the row's other cells
};

struct PrintRow {
    QVector<PrintCell> cells;
    QFont font;
    QColor pen;
    QColor background;
};

class PagePrinter
{
public:
    // Measures the document font on the printer.
    explicit PagePrinter(QPrinter* printer);

    const QFont& font() const { return m_font; }
    const QFontMetrics& metrics() const { return m_metrics; }
    int lineSpacing() const { return m_lineSpacing; }
    int pageWidth() const { return m_page.width(); }
    int pageHeight() const { return m_page.height(); }
    // Whole lines on a page.
    int lines() const;

    // Fills row with the cells of a row (an index into the span); it comes with the page's
    // font and colours, which the document may change for the row.
    using RowSource = std::function<void(int row, PrintRow& out)>;

    // The pages of rowCount rows under header (no cells: no header, the rows start at the
    // top) by the printer's page range and a PageSet code.
    PagePlan plan(const QVector<PrintCell>& header, int rowCount, const RowSource& rows, int pageSet) const;
    // Paints the planned pages on painter, opened on the printer; false when the printer
    // refuses a new page.
    bool paint(QPainter& painter, const PagePlan& pages, const QVector<PrintCell>& header, const RowSource& rows,
               const QString& footerName) const;

    // Prints rowCount rows. Warns and returns false when the page is too small for the
    // font or the printer cannot be painted on (an unwritable PDF file, a printer gone);
    // true otherwise, also when no page falls in the range (nothing is painted then).
    bool print(QWidget* parent, int rowCount, int pageSet, const QString& footerName,
               const QVector<PrintCell>& header, const RowSource& rows);

    // The lines of text in a column width wide: broken between words where it can be,
    // inside a word longer than its line's room; never fewer than one. Leading blanks begin
    // every line while they leave it half the column.
    QStringList wrapped(const QFont& font, const QString& text, int width) const;
    // "<name>   <page> oldal" in a line width wide, the name shortened in its middle.
    QString footerText(const QString& name, int page, int width) const;

private:
    PrintRow blankRow() const;
    int em() const;
    // The room kept between columns the page printer sizes.
    int gap() const;
    // The least room a row's last cell keeps; whether the cells before it leave it less.
    int lastRoom() const;
    bool crowded(const PrintCell& last) const;
    // The least width that holds text in the document font in at most lines lines.
    int leastWidth(const QString& text, int lines) const;
    // Where the header's last column is crowded: the widths of its columns before it, for
    // the fewest lines that hold the widest text of each side by side, then the left edge of
    // the last column. Empty otherwise.
    QVector<int> columnWidths(const QVector<PrintCell>& header, int rowCount, const RowSource& rows) const;
    // The row with its cells where the page puts them: a crowded last cell under the others,
    // these at widths (the header's columns) or narrowed in proportion to the page.
    PrintRow laidOut(PrintRow row, const QVector<PrintCell>& header, const QVector<int>& widths) const;
    PrintRow headerRow(const QVector<PrintCell>& header, const QVector<int>& widths) const;
    // The lines of each cell of row, and how many lines the row takes.
    QVector<QStringList> cellLines(const PrintRow& row) const;
    static int lineCount(const QVector<QStringList>& cells);
    int rowLines(const PrintRow& row) const;
    // Paints lines from..to-1 of row (its cells' lines in texts) with its first line at y.
    void paintRow(QPainter& painter, const PrintRow& row, const QVector<QStringList>& texts, int from, int to,
                  int y) const;

    QPrinter* m_printer;
    QFont m_font;
    QFontMetrics m_metrics;
    int m_lineSpacing;
    QRect m_page;
};
