// Text, XML spreadsheet and printed forms of the rows a log window shows.
#include "eventlog/logtableview.h"

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

#include <QItemSelectionModel>
#include <QPainter>
#include <QPrinter>
#include <QTextCodec>
#include <QTextStream>

namespace {

// The stamp texts of a long export without a time-zone conversion per row: the date part
// is made once per calendar day, the time part straight from the 2-second count. Days with
// a clock change, or dates that do not exist, take the entry's own (slower) text.
class StampTexts
{
public:
    QString text(const LogEntry& entry, bool second)
    {
        const unsigned char* b = entry.bytes() + (second ? 5 : entry.isTouch() ? 0 : 1);
        const quint16 key = quint16(b[0] << 8 | b[1]);
        auto it = m_dates.find(key);
        if (it == m_dates.end())
            it = m_dates.insert(key, datePart(b));
        if (it->isNull())
            return second ? entry.secondDateTimeText() : entry.dateTimeText();
        const int seconds = qMin(b[2] << 8 | b[3], 43199) * 2;
        QString out = *it;
        const int fields[3] = {seconds / 3600, seconds / 60 % 60, seconds % 60};
        for (int i = 0; i < 3; ++i) {
            if (i)
                out += QLatin1Char(':');
            out += QLatin1Char(char('0' + fields[i] / 10));
            out += QLatin1Char(char('0' + fields[i] % 10));
        }
        return out;
    }

private:
    static QString datePart(const unsigned char* b)
    {
        const unsigned char midnight[4] = {b[0], b[1], 0, 0};
        const QDateTime start = unpackDeviceTime(midnight);
        if (!start.isValid())
            return QString();
        const QDateTime end(start.date(), QTime(23, 59, 59), start.timeSpec());
        if (start.offsetFromUtc() != end.offsetFromUtc())
            return QString();
        return QLocale::system().toString(start.date(), QLocale::ShortFormat) + QLatin1Char(' ');
    }

    QHash<quint16, QString> m_dates;
};

// The five texts of a shown row after its number, as the text export writes them.
class RowTexts
{
public:
    explicit RowTexts(const LogTableView* table)
        : m_proxy(table->proxy())
        , m_log(table->logModel)
        , m_sameCode(m_proxy->isCheckpointFilterActive())
    {
    }

    // Returns the row's number in the whole log.
    int fill(int proxyRow, QString texts[5])
    {
        const int source = m_proxy->mapToSource(m_proxy->index(proxyRow, 0)).row();
        const LogEntry entry = m_log->entryAt(source);
        texts[0] = m_log->data(m_log->index(source, LogModel::ColumnMarker)).toString();
        texts[1] = m_stamps.text(entry, false);
        texts[2] = entry.isTouch() ? entry.codeText() : m_stamps.text(entry, true);
        texts[3] = entry.description(true);
        texts[4] = m_log->elapsedText(source, m_sameCode);
        return source + 1;
    }

private:
    const LogFilterProxyModel* m_proxy;
    const LogModel* m_log;
    bool m_sameCode;
    StampTexts m_stamps;
};

} // namespace

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
    QTextStream out(&device);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(false);
    RowTexts rows(this);
    QString texts[5];
    for (int row = span.first; row <= span.last; ++row) {
        out << rows.fill(row, texts) << '\t' << texts[0] << "  " << texts[1] << "  " << texts[2] << "  " << texts[3] << "  "
            << texts[4] << "\r\n";
        if (out.status() != QTextStream::Ok)
            return false;
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool LogTableView::writeXml(QIODevice& device, const RowSpan& span) const
{
    SpreadsheetXmlWriter xml(&device);
    xml.writeHeader(tr("Esemény napló"), span.count(), 6);
    RowTexts rows(this);
    QString texts[5];
    for (int row = span.first; row <= span.last && !xml.hasError(); ++row) {
        const int number = rows.fill(row, texts);
        xml.writeStartElement(xmlRow);
        xml.writeNumberCell(number);
        for (const QString& text : texts)
            xml.writeStringCell(text);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return !xml.hasError();
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
        Prompts::warning(this, title, tr("%1 exportálása nem sikerült\n%2.").arg(name, error));
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
    const int flags = Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine;

    const RowSpan span = exportSpan(dataRange);
    const bool colour = out->colorMode() == QPrinter::Color;
    LogFilterProxyModel* shownRows = proxy();
    auto header = [&](QPainter& painter) {
        for (int column : sections) {
            if (!shown(column))
                continue;
            const QString text = shownRows->headerData(column, Qt::Horizontal).toString();
            painter.drawText(pages.headerRect(edge[column], edge[column + 1] - 1), flags,
                             column < LogModel::ColumnDescription ? PagePrinter::padded(text) : text);
        }
    };
    auto row = [&](QPainter& painter, int offset, int k) {
        const int proxyRow = span.first + offset;
        const QModelIndex first = shownRows->index(proxyRow, 0);
        if (colour) {
            painter.setFont(first.data(Qt::FontRole).value<QFont>());
            painter.setPen(first.data(Qt::ForegroundRole).value<QBrush>().color());
            painter.setBackground(QBrush(first.data(Qt::BackgroundRole).value<QBrush>().color()));
        }
        const int source = shownRows->mapToSource(first).row();
        for (int column : sections) {
            if (!shown(column))
                continue;
            QString text = column == LogModel::ColumnRow ? QString::number(source + 1)
                                                          : shownRows->index(proxyRow, column).data().toString();
            if (column < LogModel::ColumnDescription)
                text = PagePrinter::padded(text);
            painter.drawText(pages.rowRect(k, edge[column], edge[column + 1] - 1), flags, text);
        }
    };
    return pages.print(this, span.count(), pageRange, filename, header, row);
}
