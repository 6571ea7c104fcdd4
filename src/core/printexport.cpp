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
