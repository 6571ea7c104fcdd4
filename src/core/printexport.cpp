#include "core/printexport.h"
#include <algorithm>

QVector<int> pageSequence(int firstPage, int lastPage, int pageSet)
{
    const bool reverse = pageSet & PageSetReverse;
    const int which = reverse ? (pageSet & 3) : pageSet;
    int step = 1;
    if (which == PageSetOdd || which == PageSetEven) {
        // Odd pages have remainder 1, even pages remainder 0.
        const int rest = which == PageSetOdd ? 1 : 0;
        step = 2;
        if (((firstPage % 2) + 2) % 2 != rest)
            ++firstPage;
        if (((lastPage % 2) + 2) % 2 != rest)
            --lastPage;
    }
    QVector<int> pages;
    if (firstPage > lastPage)
        return pages;
    pages.reserve((lastPage - firstPage) / step + 1);
    for (int p = firstPage; p <= lastPage; p += step)
        pages.append(p);
    if (reverse)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

RowSpan exportRowSpan(ExportRange range, int rowCount, int markFirst, int markLast)
{
    RowSpan span;
    if (rowCount <= 0)
        return span;
    span.last = rowCount - 1;
    if (markFirst > markLast)
        std::swap(markFirst, markLast);
    if (markFirst < 0 || markFirst >= rowCount)
        return span;
    markLast = std::min(markLast, rowCount - 1);
    switch (range) {
    case RangeSelection:
        span.first = markFirst;
        span.last = markLast;
        break;
    case RangeToCursor:
        span.last = markLast;
        break;
    case RangeFromCursor:
        span.first = markFirst;
        break;
    default:
        break;
    }
    return span;
}

PagePlan planPages(int lines, int rows, int fromPage, int toPage, int pageSet)
{
    PagePlan plan;
    if (lines <= 3) {
        plan.tooSmall = true;
        return plan;
    }
    plan.rowsPerPage = lines - 3;
    rows = std::max(rows, 0);
    plan.pageCount = rows / plan.rowsPerPage + (rows % plan.rowsPerPage ? 1 : 0);
    const int first = fromPage > 0 ? fromPage : 1;
    int last = plan.pageCount;
    if (toPage > 0 && toPage < last)
        last = toPage;
    const QVector<int> numbers = pageSequence(first, last, pageSet);
    plan.pages.reserve(numbers.size());
    for (int number : numbers) {
        PrintedPage page;
        page.number = number;
        page.firstRow = (number - 1) * plan.rowsPerPage;
        page.rowCount = std::min(plan.rowsPerPage, rows - page.firstRow);
        plan.pages.append(page);
    }
    return plan;
}
