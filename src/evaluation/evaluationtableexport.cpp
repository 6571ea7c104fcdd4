// Text, XML spreadsheet and printed forms of a fulfilment report.
#include "evaluation/evaluationtableview.h"

#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/pageprinter.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "core/wyxapp.h"

#include <QPainter>
#include <QPrinter>
#include <QTextStream>

RowSpan EvaluationTableView::exportSpan(ExportRange range) const
{
    const int cursor = firstSelectedRow();
    return exportRowSpan(range, m_model.rowCount(), cursor, cursor);
}

bool EvaluationTableView::writeText(QIODevice& device, const RowSpan& span) const
{
    QTextStream out(&device);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(false);
    out << '\t' << m_model.headerText() << "\r\n\r\n";
    for (int row = span.first; row <= span.last && out.status() == QTextStream::Ok; ++row)
        out << row + 1 << '\t' << m_model.rowText(row) << "\r\n";
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool EvaluationTableView::writeXml(QIODevice& device, const RowSpan& span) const
{
    SpreadsheetXmlWriter xml(&device);
    xml.writeHeader(tr("Teljesítés jelentés"), span.count() + 1, 2);
    xml.writeStartElement(xmlRow);
    xml.writeStringCell(QStringLiteral(" "));
    xml.writeStringCell(m_model.headerText());
    xml.writeEndElement();
    for (int row = span.first; row <= span.last && !xml.hasError(); ++row) {
        xml.writeStartElement(xmlRow);
        xml.writeNumberCell(row + 1);
        xml.writeStringCell(m_model.rowText(row));
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return !xml.hasError();
}

bool EvaluationTableView::exportToTxt(const QString& fileName, ExportRange range)
{
    return exportTo(fileName, range, false);
}

bool EvaluationTableView::exportToXml(const QString& fileName, ExportRange range)
{
    return exportTo(fileName, range, true);
}

bool EvaluationTableView::exportTo(const QString& fileName, ExportRange range, bool xml)
{
    const RowSpan span = exportSpan(range);
    const QString name = completedExportName(fileName, xml ? extXml : extText);
    const QString path = appSettings().workPath(name);
    if (!confirmExportOverwrite(this, tr("Exportálás"), path))
        return false;
    // The rows are written beside the file and replace it only when complete, so a full
    // disk keeps the old export and is reported.
    QString error;
    ExportWrite result;
    {
        WaitCursor wait;
        result = writeExportFile(
            path, [&](QIODevice& device) { return xml ? writeXml(device, span) : writeText(device, span); },
            &error);
    }
    const QString title = tr("Teljesítés jelentés exportálás");
    if (result == ExportWrite::OpenFailed)
        Prompts::warning(this, title, tr("%1 exportálása nem sikerült\n%2.").arg(name, reasonForSentence(error)));
    else if (result == ExportWrite::WriteFailed)
        Prompts::warning(this, title, tr("%1 exportálása nem sikerült\nFájl írási hiba.").arg(name));
    return result == ExportWrite::Written;
}

bool EvaluationTableView::print(QPrinter* out, const QString& fileName, ExportRange dataRange, int pageRange)
{
    PagePrinter pages(out);
    const int split = 6 * pages.metrics().horizontalAdvance(QLatin1Char('9'));
    const int right = pages.pageWidth() - 1;
    const RowSpan span = exportSpan(dataRange);
    const QVector<PrintCell> header = {{0, split - 1, m_model.headerData(0, Qt::Horizontal).toString()},
                                       {split, right, m_model.headerText()}};
    auto row = [&](int offset, PrintRow& out) {
        const int r = span.first + offset;
        out.cells = {{0, split - 1, QString::number(r + 1)}, {split, right, m_model.rowText(r)}};
    };
    return pages.print(this, span.count(), pageRange, fileName, header, row);
}

bool EvaluationTableView::print(QPrinter* out, const QString& fileName, ExportRange dataRange)
{
    return print(out, fileName, dataRange, PageSetAll);
}

bool EvaluationTableView::print(QPrinter* out, const QString& fileName)
{
    return print(out, fileName, RangeAll, PageSetAll);
}
