#pragma once
// The values the main window hands to every document window's print and export slots.
#include <QMetaType>
#include <QVector>
#include <functional>


// Which rows of a document a print or export covers.
enum ExportRange {
    RangeAll = 0,
    RangeSelection = 1,
    RangeToCursor = 2,
    RangeFromCursor = 3,
    RangePages = 4 // all rows; the printer's from and to page choose the pages
};

// The pageRange code of the print slots: low two bits choose the pages, plus an order bit.
enum PageSet {
    PageSetAll = 0,
    PageSetOdd = 1,
    PageSetEven = 2,
    PageSetReverse = 16
};

// The kind of the active document window, by which the main window enables its actions.
enum ViewKind {
    NoView = 0,
    TxtViewKind = 1,
    KodnevViewKind = 2,
    LogViewKind = 3,
    RouteDefViewKind = 4,
    EvaluationViewKind = 5
};

// The file format of an export or import, numbered as the export dialog offers them.
enum DocumentFormat {
    FormatText = 0,
    FormatXml = 1,
    FormatPdf = 2
};

// What the user chose for a text or XML export; a window ignores what its kind does not offer.
struct ExportChoice {
    ExportRange range = RangeAll;
    bool withValidityDate = false; // code-name list only
    bool withColours = false;      // code-name list only
};

// The page numbers to print, in printing order, for pages firstPage..lastPage and a
// PageSet code. Without PageSetReverse only exactly 1 or 2 restrict the pages; with it
// the low two bits do. Empty when no page of the set lies in the range.
QVector<int> pageSequence(int firstPage, int lastPage, int pageSet);

// An inclusive span of rows; empty when last < first.
struct RowSpan {
    int first = 0;
    int last = -1;
    int count() const { return last < first ? 0 : last - first + 1; }
};

// The rows an ExportRange covers in a document of rowCount rows. markFirst..markLast are
// the selected rows (lowest and highest, in any order) or the cursor row twice; -1 when
// nothing is marked. With nothing marked every range covers the whole document.
RowSpan exportRowSpan(ExportRange range, int rowCount, int markFirst, int markLast);

// One printed page: its number in the covered span and the rows it shows, whole or in part.
struct PrintedPage {
    int number = 0;
    int firstRow = 0; // offset from the span's first row
    int rowCount = 0;
    int firstLine = 0; // of the first row: its earlier lines are on the pages before
    bool operator==(const PrintedPage& o) const
    {
        return number == o.number && firstRow == o.firstRow && rowCount == o.rowCount && firstLine == o.firstLine;
    }
};

// How a span of rows spreads over printed pages. A page holds a header line, half a line
// of space above and below the rows, and a footer line.
struct PagePlan {
    bool tooSmall = false; // the page holds 3 lines or fewer: nothing can be printed
    int rowsPerPage = 0;
    int pageCount = 0; // pages of the whole span
    QVector<PrintedPage> pages; // to print, in printing order
    QVector<int> columns; // the page printer's layout of a crowded last column (its columnWidths)
};

// lines: whole text lines on a page; rows: rows of the span, one line each; fromPage/toPage:
// the printer's page range (0 = not set); pageSet: a PageSet code.
PagePlan planPages(int lines, int rows, int fromPage, int toPage, int pageSet);

// The same for rows of linesOf(row) lines (at least one) on pages of bodyLines lines (too
// small below one). A row that does not fit in the rest of a page begins the next one; only
// a row longer than a whole page runs on over the pages after it.
PagePlan planLinePages(int bodyLines, int rows, const std::function<int(int)>& linesOf, int fromPage, int toPage,
                       int pageSet);

Q_DECLARE_METATYPE(ExportRange)
