#include "core/pageprinter.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

PagePrinter::PagePrinter(QPrinter* printer)
    : m_printer(printer)
    , m_font(documentFont())
    , m_metrics(m_font, printer)
    , m_lineSpacing(qMax(1, m_metrics.lineSpacing()))
    , m_page(QPoint(0, 0), printer->pageLayout().paintRectPixels(printer->resolution()).size())
{
}

int PagePrinter::lines() const
{
    return m_page.height() / m_lineSpacing;
}

QStringList PagePrinter::wrapped(const QFont& font, const QString& text, int width) const
{
    width = qMax(1, width);
    QString single = text;
    single.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QFontMetrics metrics = font == m_font ? m_metrics : QFontMetrics(font, m_printer);
    if (metrics.horizontalAdvance(single) <= width)
        return {single};
    // The text after the leading blanks goes on under its own start while that leaves the
    // lines half the column, else at the column's edge. A word is broken only where it is
    // wider than the room its line offers: a first word that does not fit after the blanks
    // starts the next line when that is wider.
    int lead = 0;
    while (lead < single.size() && single.at(lead) == QLatin1Char(' '))
        ++lead;
    const QString indent = single.left(lead);
    const QString rest = single.mid(lead);
    const int room = width - metrics.horizontalAdvance(indent);
    const bool hanging = room >= width / 2;
    const int space = rest.indexOf(QLatin1Char(' '));
    const int firstWord = metrics.horizontalAdvance(rest.left(space < 0 ? rest.size() : space));
    QStringList lines;
    if (!hanging && lead > 0 && !rest.isEmpty() && firstWord > room)
        lines << indent;
    QTextLayout layout(rest, font, m_printer);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        const bool afterBlanks = hanging || lines.isEmpty();
        line.setLineWidth(afterBlanks ? room : width);
        lines << (afterBlanks ? indent : QString()) + rest.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

QString PagePrinter::footerText(const QString& name, int page, int width) const
{
    const QString format = QCoreApplication::translate("PagePrinter", "%1   %2 oldal");
    const QString number = QString::number(page);
    const int room = width - m_metrics.horizontalAdvance(format.arg(QString(), number));
    return format.arg(m_metrics.elidedText(name, Qt::ElideMiddle, qMax(0, room)), number);
}

PrintRow PagePrinter::blankRow() const
{
    PrintRow row;
    row.font = m_font;
    row.pen = defaultTextColor;
    row.background = defaultBackColor;
    return row;
}

namespace {

// Narrows widths in proportion to room together, where they are wider.
void narrow(QVector<int>& widths, int room)
{
    const qint64 sum = std::accumulate(widths.begin(), widths.end(), qint64(0));
    if (sum > room) {
        for (int& w : widths)
            w = int(w * room / sum);
    }
}

bool sameColumns(const QVector<PrintCell>& cells, const QVector<PrintCell>& header)
{
    if (cells.size() != header.size())
        return false;
    for (int c = 0; c + 1 < cells.size(); ++c) {
        if (cells.at(c).left != header.at(c).left || cells.at(c).right != header.at(c).right)
            return false;
    }
    return true;
}

} // namespace

int PagePrinter::em() const
{
    return qMax(1, m_metrics.horizontalAdvance(QLatin1Char('M')));
}

int PagePrinter::lastRoom() const
{
    return qMin(16 * em(), m_page.width() / 2);
}

bool PagePrinter::crowded(const PrintCell& last) const
{
    return m_page.width() - last.left < lastRoom();
}

int PagePrinter::gap() const
{
    return qMax(2, em() * 2 / 5);
}

int PagePrinter::leastWidth(const QString& text, int lines) const
{
    if (text.trimmed().isEmpty())
        return 0;
    int low = qMin(em(), m_metrics.horizontalAdvance(text));
    int high = qMax(low, m_metrics.horizontalAdvance(text));
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (wrapped(m_font, text, mid).size() <= lines)
            high = mid;
        else
            low = mid + 1;
    }
    return high;
}

QVector<int> PagePrinter::columnWidths(const QVector<PrintCell>& header, int rowCount, const RowSource& rows) const
{
    const int n = header.size() - 1;
    if (n < 1 || !crowded(header.last()))
        return {};
    // The widest text of each column's rows, and its widest word, its header's among them.
    QStringList widest;
    QVector<int> advances;
    QStringList words;
    QVector<int> wordAdvances(n, 0);
    QStringList lastTexts; // those of the last column that may need more than one line
    const auto measure = [&](int c, const QString& text, bool inRow) {
        const int advance = m_metrics.horizontalAdvance(text);
        if (inRow && advance > advances.at(c)) {
            advances[c] = advance;
            widest[c] = text;
        }
        for (int k = 0; advance > wordAdvances.at(c) && k < text.size();) {
            const int end = text.indexOf(QLatin1Char(' '), k);
            const QString word = text.mid(k, end < 0 ? -1 : end - k);
            if (m_metrics.horizontalAdvance(word) > wordAdvances.at(c)) {
                wordAdvances[c] = m_metrics.horizontalAdvance(word);
                words[c] = word;
            }
            k = end < 0 ? text.size() : end + 1;
        }
    };
    for (int c = 0; c < n; ++c) {
        widest << QString();
        words << QString();
        advances << -1;
        measure(c, header.at(c).text, false);
    }
    for (int r = 0; r < rowCount; ++r) {
        PrintRow row = blankRow();
        rows(r, row);
        if (sameColumns(row.cells, header)) {
            for (int c = 0; c < n; ++c)
                measure(c, row.cells.at(c).text, true);
            if (m_metrics.horizontalAdvance(row.cells.last().text) > lastRoom())
                lastTexts << row.cells.last().text;
        }
    }
    // The fewest lines in which the rows' texts fit side by side: the header, printed once a
    // page, may take more. The room left over keeps the columns' words whole and takes them
    // to fewer lines as far as it goes, cheapest first; what remains parts them evenly. A
    // column with text keeps a gap to the next; a blank one takes no room.
    const auto spaced = [&](int c, int text) { return text > 0 && c + 1 < n ? text + gap() : text; };
    const auto need = [&](int c, int lines) {
        return spaced(c, qMax(leastWidth(widest.at(c), lines), leastWidth(header.at(c).text, lines)));
    };
    const auto rowNeed = [&](int c, int lines) { return spaced(c, leastWidth(widest.at(c), lines)); };
    const int width = m_page.width();
    int longest = 1;
    for (int c = 0; c < n; ++c)
        longest = qMax(longest, int(qMax(widest.at(c).size(), header.at(c).text.size())));
    for (int lines = 1; lines <= longest; ++lines) {
        QVector<int> widths;
        for (int c = 0; c < n; ++c)
            widths << rowNeed(c, lines);
        int left = width - std::accumulate(widths.begin(), widths.end(), 0);
        if (left < 0)
            continue;
        for (int fewer = 0; fewer <= lines; ++fewer) {
            QVector<QPair<int, int>> costs; // extra width, column
            for (int c = 0; c < n; ++c) {
                const int wanted = fewer ? need(c, fewer) : spaced(c, leastWidth(words.at(c), 1));
                costs.append({qMax(0, wanted - widths.at(c)), c});
            }
            std::sort(costs.begin(), costs.end());
            for (const auto& cost : costs) {
                if (cost.first <= left) {
                    widths[cost.second] += cost.first;
                    left -= cost.first;
                }
            }
        }
        int shared = 0;
        for (int w : widths)
            shared += w > 0 ? 1 : 0;
        for (int& w : widths)
            w += w > 0 ? left / qMax(1, shared) : 0;
        // The last column stands under the columns after the first (a row's number stays
        // alone at the left, the header's lines beside it) where that costs none of its
        // texts a line.
        bool under = widths.at(0) > 0 && width - widths.at(0) >= lastRoom();
        for (int k = 0; under && k < lastTexts.size(); ++k)
            under = wrapped(m_font, lastTexts.at(k), width - widths.at(0)).size()
                    <= wrapped(m_font, lastTexts.at(k), width).size();
        widths << (under ? widths.at(0) : 0);
        return widths;
    }
    return {};
}

PrintRow PagePrinter::laidOut(PrintRow row, const QVector<PrintCell>& header, const QVector<int>& widths) const
{
    QVector<PrintCell>& cells = row.cells;
    if (cells.isEmpty() || !crowded(cells.last()))
        return row;
    PrintCell& last = cells.last();
    const int width = m_page.width();
    if (cells.size() == 1) {
        last.left = qMax(0, width - lastRoom());
        return row;
    }
    // Other rows than the header's narrow their own columns in proportion.
    QVector<int> given = widths.mid(0, cells.size() - 1);
    int under = widths.value(cells.size() - 1);
    if (widths.size() != cells.size() || !sameColumns(cells, header)) {
        given.clear();
        under = 0;
        for (int c = 0; c + 1 < cells.size(); ++c)
            given << cells.at(c).right - cells.at(c).left + 1;
        narrow(given, width);
    }
    // Each column's text keeps off the next column by the gap.
    int left = 0;
    for (int c = 0; c < given.size(); ++c) {
        cells[c].left = left;
        cells[c].right = left + given.at(c) - 1 - (c + 1 < given.size() && given.at(c) > gap() ? gap() : 0);
        left += given.at(c);
    }
    last.left = under;
    last.right = width - 1;
    last.below = true;
    return row;
}

QVector<QStringList> PagePrinter::cellLines(const PrintRow& row) const
{
    QVector<QStringList> cells;
    cells.reserve(row.cells.size());
    for (const PrintCell& cell : row.cells)
        cells.append(cell.below ? QStringList() : wrapped(row.font, cell.text, cell.right - cell.left + 1));
    // A cell below the others starts after the lines of those over it; an empty one takes none.
    for (int c = 0; c < row.cells.size(); ++c) {
        const PrintCell& cell = row.cells.at(c);
        if (cell.below && !cell.text.isEmpty()) {
            int above = 0;
            for (int k = 0; k < row.cells.size(); ++k) {
                const PrintCell& over = row.cells.at(k);
                if (!over.below && over.right >= cell.left && over.right >= over.left)
                    above = qMax(above, int(cells.at(k).size()));
            }
            for (int k = 0; k < above; ++k)
                cells[c].append(QString());
            cells[c] += wrapped(row.font, cell.text, cell.right - cell.left + 1);
        }
    }
    return cells;
}

int PagePrinter::lineCount(const QVector<QStringList>& cells)
{
    int lines = 1;
    for (const QStringList& cell : cells)
        lines = qMax(lines, int(cell.size()));
    return lines;
}

int PagePrinter::rowLines(const PrintRow& row) const
{
    return lineCount(cellLines(row));
}

PrintRow PagePrinter::headerRow(const QVector<PrintCell>& header, const QVector<int>& widths) const
{
    PrintRow row = blankRow();
    row.cells = header;
    return laidOut(row, header, widths);
}

PagePlan PagePrinter::plan(const QVector<PrintCell>& header, int rowCount, const RowSource& rows, int pageSet) const
{
    const QVector<int> columns = columnWidths(header, rowCount, rows);
    // The header, half a line of space above and below the rows, and the footer; without a
    // header the rows start at the top and one line stays free above the footer.
    const int headLines = header.isEmpty() ? 0 : rowLines(headerRow(header, columns));
    const auto linesOf = [&](int r) {
        PrintRow row = blankRow();
        rows(r, row);
        return rowLines(laidOut(row, header, columns));
    };
    PagePlan pages =
        planLinePages(lines() - 2 - headLines, rowCount, linesOf, m_printer->fromPage(), m_printer->toPage(), pageSet);
    pages.columns = columns;
    return pages;
}

void PagePrinter::paintRow(QPainter& painter, const PrintRow& row, const QVector<QStringList>& texts, int from,
                           int to, int y) const
{
    painter.setFont(row.font);
    painter.setPen(row.pen);
    painter.setBackground(QBrush(row.background));
    for (int c = 0; c < row.cells.size(); ++c) {
        const PrintCell& cell = row.cells.at(c);
        const int width = cell.right - cell.left + 1;
        const QStringList& lines = texts.at(c);
        if (cell.filled)
            painter.fillRect(QRect(cell.left, y, width, (to - from) * m_lineSpacing), row.background);
        for (int k = from; k < to && k < lines.size(); ++k)
            painter.drawText(QRect(cell.left, y + (k - from) * m_lineSpacing, width, m_lineSpacing),
                             int(cell.align) | Qt::AlignBottom | Qt::TextSingleLine, lines.at(k));
    }
}

bool PagePrinter::paint(QPainter& painter, const PagePlan& pages, const QVector<PrintCell>& header,
                        const RowSource& rows, const QString& footerName) const
{
    const PrintRow head = headerRow(header, pages.columns);
    const QVector<QStringList> headTexts = cellLines(head);
    const int headLines = header.isEmpty() ? 0 : lineCount(headTexts);
    const int top = headLines > 0 ? headLines * m_lineSpacing + m_lineSpacing / 2 : 0;
    const int body = lines() - 2 - headLines;
    const QRect footer(QPoint(0, m_page.height() - m_lineSpacing), QPoint(m_page.width() - 1, m_page.height() - 1));
    bool ok = true;
    for (int i = 0; i < pages.pages.size() && ok; ++i) {
        const PrintedPage& page = pages.pages.at(i);
        if (i > 0)
            ok = m_printer->newPage();
        painter.setBackgroundMode(Qt::OpaqueMode);
        paintRow(painter, head, headTexts, 0, headLines, 0);
        int line = 0;
        for (int k = 0; k < page.rowCount && line < body; ++k) {
            PrintRow row = blankRow();
            rows(page.firstRow + k, row);
            row = laidOut(row, header, pages.columns);
            const QVector<QStringList> texts = cellLines(row);
            const int from = k == 0 ? page.firstLine : 0;
            const int to = qMin(lineCount(texts), from + body - line);
            paintRow(painter, row, texts, from, to, top + line * m_lineSpacing);
            line += to - from;
        }
        painter.setFont(m_font);
        painter.setPen(defaultTextColor);
        painter.setBackground(QBrush(defaultBackColor));
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                         footerText(footerName, page.number, footer.width()));
    }
    return ok;
}

bool PagePrinter::print(QWidget* parent, int rowCount, int pageSet, const QString& footerName,
                        const QVector<PrintCell>& header, const RowSource& rows)
{
    const PagePlan pages = plan(header, rowCount, rows, pageSet);
    if (pages.tooSmall) {
        Prompts::warning(
            parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
            QCoreApplication::translate(
                "PagePrinter", "A beállított lapméretre a kiválasztott betűmérettel\nsemmit sem lehet kinyomtatni!"));
        return false;
    }
    // No page in the range: no blank page either (a PDF file is then not made at all).
    if (pages.pages.isEmpty())
        return true;
    QPainter painter;
    if (!painter.begin(m_printer)) {
        Prompts::warning(
            parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
            QCoreApplication::translate("PagePrinter", "A nyomtatás nem indítható el:\n%1")
                .arg(m_printer->outputFileName().isEmpty() ? m_printer->printerName() : m_printer->outputFileName()));
        return false;
    }
    bool ok = paint(painter, pages, header, rows, footerName);
    ok = painter.end() && ok;
    if (!ok)
        Prompts::warning(parent, QCoreApplication::translate("PagePrinter", "Nyomtatás"),
                         QCoreApplication::translate("PagePrinter", "A nyomtatás nem sikerült."));
    return ok;
}
