#include "codenames/kodnevexport.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/pageprinter.h"
#include "core/prompts.h"
#include "core/spreadsheetxml.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QTextStream>

namespace KodNevExport {

namespace {

// The fields of one entry in file order.
QStringList fieldsOf(const KodNev& entry, Fields fields, const KodNevDateText& dates)
{
    QStringList out;
    if (fields.date)
        out << dates.text(entry.datedName.validFrom);
    out << entry.codeText() << entry.datedName.name;
    if (fields.colors)
        out << entry.backgroundColor.name() << entry.foregroundColor.name();
    return out;
}

bool exportTo(QWidget* parent, const KodNevModel& list, const QString& fileName, const RowSpan& span,
              Fields fields, bool xml)
{
    const QString name = completedExportName(fileName, xml ? extXml : extText);
    const QString path = exportTargetPath(fileName, xml ? extXml : extText);
    if (!confirmExportOverwrite(parent, QCoreApplication::translate("KodnevView", "Exportálás"), path))
        return false;
    QString error;
    ExportWrite result;
    {
        WaitCursor wait;
        result = writeExportFile(
            path,
            [&](QIODevice& device) {
                return xml ? writeXml(device, list, span, fields) : writeText(device, list, span, fields);
            },
            &error);
    }
    const QString title = QCoreApplication::translate("KodnevView", "Kód-név lista exportálás");
    if (result == ExportWrite::OpenFailed)
        Prompts::warning(
            parent, title,
            QCoreApplication::translate("KodnevView", "%1 exportálása nem sikerült\n%2.").arg(name, reasonForSentence(error)));
    else if (result == ExportWrite::WriteFailed)
        Prompts::warning(
            parent, title,
            QCoreApplication::translate("KodnevView", "%1 exportálása nem sikerült\nFájl írási hiba.").arg(name));
    return result == ExportWrite::Written;
}

} // namespace

bool writeText(QIODevice& device, const KodNevModel& list, const RowSpan& span, Fields fields,
               const KodNevDateText& dates)
{
    QTextStream out(&device);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(false);
    for (int row = span.first; row <= span.last && out.status() == QTextStream::Ok; ++row)
        out << fieldsOf(list.entryAt(row), fields, dates).join(QLatin1Char('\t')) << "\r\n";
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool writeXml(QIODevice& device, const KodNevModel& list, const RowSpan& span, Fields fields,
              const KodNevDateText& dates)
{
    SpreadsheetXmlWriter xml(&device);
    xml.writeHeader(QCoreApplication::translate("KodnevView", "Kódlista"), span.count(), fields.count());
    for (int row = span.first; row <= span.last && !xml.hasError(); ++row) {
        xml.writeStartElement(xmlRow);
        for (const QString& field : fieldsOf(list.entryAt(row), fields, dates))
            xml.writeStringCell(field);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return !xml.hasError();
}

bool exportToTxt(QWidget* parent, const KodNevModel& list, const QString& fileName, const RowSpan& span,
                 Fields fields)
{
    return exportTo(parent, list, fileName, span, fields, false);
}

bool exportToXml(QWidget* parent, const KodNevModel& list, const QString& fileName, const RowSpan& span,
                 Fields fields)
{
    return exportTo(parent, list, fileName, span, fields, true);
}

bool print(QWidget* parent, QPrinter* out, const KodNevModel& list, const RowSpan& span, int pageSet,
           const QString& footerPath)
{
    PagePrinter pages(out);
    const int nine = pages.metrics().horizontalAdvance(QLatin1Char('9'));
    const int em = pages.metrics().horizontalAdvance(QLatin1Char('M'));
    const int edge[5] = {0, 6 * nine, 20 * nine, 20 * nine + 14 * em, pages.pageWidth()};
    const bool colour = out->colorMode() == QPrinter::Color;
    QVector<PrintCell> header;
    for (int column = 0; column < 4; ++column)
        header.append({edge[column], edge[column + 1] - 1, list.headerData(column, Qt::Horizontal).toString()});
    auto row = [&](int offset, PrintRow& out) {
        const int r = span.first + offset;
        if (colour) {
            const QModelIndex first = list.index(r, 0);
            out.pen = first.data(Qt::ForegroundRole).value<QBrush>().color();
            out.background = first.data(Qt::BackgroundRole).value<QBrush>().color();
        }
        const KodNev entry = list.entryAt(r);
        const QString cells[4] = {QString::number(r + 1), entry.datedName.validFrom.toString(Qt::SystemLocaleShortDate),
                                  entry.codeText(), entry.datedName.name};
        // The row's colour fills the cells before the name.
        for (int column = 0; column < 4; ++column)
            out.cells.append({edge[column], edge[column + 1] - 1, cells[column], Qt::AlignLeft, column < 3});
    };
    return pages.print(parent, span.count(), pageSet, footerPath, header, row);
}

bool exportToPdf(QWidget* parent, QPrinter* out, const KodNevModel& list, const RowSpan& span,
                 const QString& footerPath)
{
    WaitCursor wait;
    return paintToPrinterFile(parent, out, [&](QPrinter* printer) {
        return print(parent, printer, list, span, PageSetAll, footerPath);
    });
}

} // namespace KodNevExport
