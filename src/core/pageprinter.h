#pragma once
// The frame every printed document shares: pages of the document font with a header
// line, the rows, and a footer naming the document and the page; which pages print and
// in which order comes from planPages. A document only paints its header cells and one
// row at a time.
#include "core/printexport.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

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
    // The pages of a span of rows by the printer's page range and a PageSet code.
    PagePlan plan(int rowCount, int pageSet) const;
    // Rectangle of the body row at position k of a page, from left to right (inclusive).
    QRect rowRect(int k, int left, int right) const;
    QRect headerRect(int left, int right) const;

    using HeaderPainter = std::function<void(QPainter&)>;
    // Paints row (an index into the span) in rect's row band, top at y.
    using RowPainter = std::function<void(QPainter&, int row, int k)>;

    // Prints rowCount rows. Warns and returns false when the page is too small for the
    // font or the printer cannot be painted on (an unwritable PDF file, a printer gone);
    // true otherwise, also when no page falls in the range (nothing is painted then).
    bool print(QWidget* parent, int rowCount, int pageSet, const QString& footerName,
               const HeaderPainter& header, const RowPainter& row);

    // Cells are padded with blanks so that an opaque background fills them.
    static QString padded(const QString& text);

private:
    QPrinter* m_printer;
    QFont m_font;
    QFontMetrics m_metrics;
    int m_lineSpacing;
    QRect m_page;
};
