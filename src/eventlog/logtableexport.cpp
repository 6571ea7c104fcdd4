// Text, XML spreadsheet and printed forms of the rows a log window shows.
#include "eventlog/logtableview.h"

#include "core/bytesink.h"
#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/pageprinter.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "core/wyxapp.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logrowbytes.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QPrinter>


RowSpan LogTableView::exportSpan(ExportRange range) const
{
    int low = -1;
    int high = -1;
    if (range == RangeSelection) {
        // The ranges give the extremes without listing every selected row.
        for (const QItemSelectionRange& r : selectionModel()->selection()) {
            low = low < 0 ? r.top() : qMin(low, r.top());
            high = qMax(high, r.bottom());
        }
    } else {
        range = RangeAll;
    }
    return exportRowSpan(range, model()->rowCount(), low, high);
}

bool LogTableView::writeText(QIODevice& device, const RowSpan& span) const
{
    LogRowBytes rows(proxy(), logModel);
    LogRowBytes::Text texts[5];
    ByteSink out(&device);
    for (int row = span.first; row <= span.last && !out.hasError(); ++row) {
        out.appendNumber(rows.fill(row, texts));
        out.append('\t');
        for (int i = 0; i < 5; ++i) {
            if (i)
                out.appendLiteral("  ");
            out.append(texts[i].data, texts[i].size);
        }
        out.appendLiteral("\r\n");
    }
    return out.flush();
}

bool LogTableView::writeXml(QIODevice& device, const RowSpan& span) const
{
    SpreadsheetXmlRowWriter xml(&device, tr("Esemény napló"), span.count(), 6);
    LogRowBytes rows(proxy(), logModel);
    LogRowBytes::Text texts[5];
    for (int row = span.first; row <= span.last && !xml.hasError(); ++row) {
        const int number = rows.fill(row, texts);
        xml.startRow();
        xml.writeNumberCell(number);
        for (const LogRowBytes::Text& text : texts)
            xml.writeStringCell(text.data, text.size);
        xml.endRow();
    }
    return xml.finish();
}

bool LogTableView::exportToTxt(const QString& fileName, ExportRange range)
{
    return exportTo(fileName, range, false);
}

bool LogTableView::exportToXml(const QString& fileName, ExportRange range)
{
    return exportTo(fileName, range, true);
}

bool LogTableView::exportTo(const QString& fileName, ExportRange range, bool xml)
{
    const RowSpan span = exportSpan(range);
    const QString name = completedExportName(fileName, xml ? extXml : extText);
    const QString path = appSettings().workPath(name);
    const QString title = tr("Esemény napló exportálás");
    if (!confirmExportOverwrite(this, xml ? title : tr("Exportálás"), path))
        return false;
    QString error;
    ExportWrite result;
    {
        WaitCursor wait;
        result = writeExportFile(
            path, [&](QIODevice& device) { return xml ? writeXml(device, span) : writeText(device, span); },
            &error);
    }
    if (result == ExportWrite::OpenFailed)
        Prompts::warning(this, title, tr("%1 exportálása nem sikerült\n%2.").arg(name, reasonForSentence(error)));
    else if (result == ExportWrite::WriteFailed)
        Prompts::warning(this, title, tr("%1 exportálása nem sikerült\nFájl írási hiba.").arg(name));
    return result == ExportWrite::Written;
}

bool LogTableView::print(QPrinter* out, const QString& filename, ExportRange dataRange, int pageRange)
{
    PagePrinter pages(out);
    const bool withCode = appSettings().flags & OptPointCode;
    const QFontMetrics& fm = pages.metrics();
    const int nine = fm.horizontalAdvance(QLatin1Char('9'));
    const int em = fm.horizontalAdvance(QLatin1Char('M'));
    // Left edges of the row number, marker, date, code and description columns.
    int edge[6];
    edge[0] = 0;
    edge[1] = 7 * nine;
    edge[2] = edge[1] + 2 * em;
    edge[3] = edge[2] + 24 * nine;
    edge[4] = withCode ? edge[3] + 24 * em : edge[3];
    edge[5] = pages.pageWidth();
    const int sections[] = {0, 1, 2, 3, 4};
    auto shown = [withCode](int column) { return column != LogModel::ColumnCode || withCode; };

    const RowSpan span = exportSpan(dataRange);
    const bool colour = out->colorMode() == QPrinter::Color;
    LogFilterProxyModel* shownRows = proxy();
    // The row's colour fills the cells before the description.
    QVector<PrintCell> header;
    for (int column : sections) {
        if (shown(column))
            header.append({edge[column], edge[column + 1] - 1,
                           shownRows->headerData(column, Qt::Horizontal).toString(), Qt::AlignLeft,
                           column < LogModel::ColumnDescription});
    }
    auto row = [&](int offset, PrintRow& out) {
        const int proxyRow = span.first + offset;
        const QModelIndex first = shownRows->index(proxyRow, 0);
        if (colour) {
            out.font = first.data(Qt::FontRole).value<QFont>();
            out.pen = first.data(Qt::ForegroundRole).value<QBrush>().color();
            out.background = first.data(Qt::BackgroundRole).value<QBrush>().color();
        }
        const int source = shownRows->mapToSource(first).row();
        for (int column : sections) {
            if (!shown(column))
                continue;
            const QString text = column == LogModel::ColumnRow ? QString::number(source + 1)
                                                                : shownRows->index(proxyRow, column).data().toString();
            out.cells.append({edge[column], edge[column + 1] - 1, text, Qt::AlignLeft,
                              column < LogModel::ColumnDescription});
        }
    };
    return pages.print(this, span.count(), pageRange, filename, header, row);
}
