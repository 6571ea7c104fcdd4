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
    if (lines <= 3) {
        PagePlan plan;
        plan.tooSmall = true;
        return plan;
    }
    return planLinePages(lines - 3, rows, [](int) { return 1; }, fromPage, toPage, pageSet);
}

PagePlan planLinePages(int bodyLines, int rows, const std::function<int(int)>& linesOf, int fromPage, int toPage,
                       int pageSet)
{
    PagePlan plan;
    if (bodyLines < 1) {
        plan.tooSmall = true;
        return plan;
    }
    plan.rowsPerPage = bodyLines;
    // Every page of the span, numbered from 1: the range may start anywhere.
    QVector<PrintedPage> all;
    int used = bodyLines; // lines taken on the last page; none is open before the first row
    for (int row = 0; row < rows; ++row) {
        const int height = std::max(1, linesOf(row));
        if (used > 0 && used + height > bodyLines) {
            all.append({int(all.size()) + 1, row, 0, 0});
            used = 0;
        }
        ++all.last().rowCount;
        // Only a row longer than a whole page gets here on an empty page: its lines run on
        // at the top of the pages after it.
        int left = height - (bodyLines - used);
        used = std::min(bodyLines, used + height);
        for (; left > 0; left -= bodyLines) {
            all.append({int(all.size()) + 1, row, 1, height - left});
            used = std::min(left, bodyLines);
        }
    }
    plan.pageCount = all.size();
    const int first = fromPage > 0 ? fromPage : 1;
    int last = plan.pageCount;
    if (toPage > 0 && toPage < last)
        last = toPage;
    const QVector<int> numbers = pageSequence(first, last, pageSet);
    plan.pages.reserve(numbers.size());
    for (int number : numbers)
        plan.pages.append(all.at(number - 1));
    return plan;
}
