// The route-plan window's printout, PDF, text and XML exports and its XML import.
#include "routes/routedefview.h"

#include "routes/routeplanlayout.h"
#include "routes/routeplanxml.h"

#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/pageprinter.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "core/wyxapp.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextStream>

bool RouteDefView::exportFile(const QString& fileName, const QString& extension,
                              const std::function<bool(QIODevice&)>& writer)
{
    const QString name = completedExportName(fileName, extension);
    const QString path = exportTargetPath(fileName, extension);
    if (!confirmExportOverwrite(this, tr("Exportálás"), path))
        return false;
    QString errorText;
    ExportWrite result;
    {
        const WaitCursor wait;
        result = writeExportFile(path, writer, &errorText);
    }
    if (result == ExportWrite::Written)
        return true;
    // Nothing was put under the asked name: an old file there is as it was.
    Prompts::warning(this, tr("Útvonal terv exportálás"),
                     result == ExportWrite::WriteFailed
                         ? tr("%1 exportálása nem sikerült\nFájl írási hiba.").arg(name)
                         : tr("%1 exportálása nem sikerült\n%2.").arg(name, reasonForSentence(errorText)));
    return false;
}

bool RouteDefView::exportToTxt(QString fileName)
{
    return exportFile(fileName, extText, [this](QIODevice& out) {
        // Binary mode: the lines carry their own CR LF; no byte-order mark.
        QTextStream stream(&out);
        stream.setCodec("UTF-8");
        stream << planText(routeModel);
        stream.flush();
        return stream.status() == QTextStream::Ok;
    });
}

bool RouteDefView::exportToXml(QString fileName)
{
    return exportFile(fileName, extXml, [this](QIODevice& out) {
        SpreadsheetXmlWriter writer(&out);
        writePlanXml(writer, routeModel);
        writer.writeEndDocument();
        return !writer.hasError();
    });
}

QString RouteDefView::importFailure(const QString& name, const QString& reason)
{
    return tr("%1 importálása nem sikerült\n%2.").arg(name, reasonForSentence(reason));
}

QString RouteDefView::renamedRoutesText(const QList<RouteRename>& renamed) const
{
    // A box taller than the screen hides its button: the names past 20 are only counted, and
    // each rename keeps to one line, its names shortened in their middle so that the ends,
    // where alike names differ, show. A message box is about half its screen wide, at most
    // 500 pixels; its icon and margins take about 100 of that.
    constexpr int shown = 20;
    const QString line = tr("„%1” → „%2”");
    const QFontMetrics fm(Prompts::messageFont());
    const int boxWidth = qMin(screen()->availableGeometry().width() / 2, 500);
    const int room = boxWidth - 100 - fm.horizontalAdvance(line.arg(QString(), QString()));
    const int nameWidth = qMax(fm.averageCharWidth() * 8, room / 2);
    const auto ends = [&fm, nameWidth](const QString& name) {
        return fm.elidedText(name, Qt::ElideMiddle, nameWidth);
    };
    QStringList lines;
    for (int i = 0; i < qMin(shown, renamed.size()); ++i)
        lines << line.arg(ends(renamed.at(i).from), ends(renamed.at(i).to));
    if (renamed.size() > shown)
        lines << tr("és még %n útvonal.", nullptr, renamed.size() - shown);
    return tr("Az alábbi útvonalak nevét rövidíteni vagy módosítani kellett, mert az útvonal terv "
              "legfeljebb 80 bájtos neveket tárol, és két útvonalnak nem lehet azonos neve:\n%1")
        .arg(lines.join(QLatin1Char('\n')));
}

bool RouteDefView::importFromXml(QString fileName)
{
    const QString name = completedExportName(fileName, extXml);
    const QString title = tr("Útvonal terv importálás");
    QFile file(appSettings().workPath(name));
    if (!file.exists()) {
        Prompts::warning(this, title, tr("%1 nem létezik.").arg(name));
        return false;
    }
    const QString openError = openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text);
    if (!openError.isEmpty()) {
        Prompts::warning(this, title, importFailure(name, openError));
        return false;
    }
    PlanXmlResult result;
    {
        const WaitCursor wait;
        const AddingMany adding(*this);
        result = readPlanXml(file, routeModel);
    }
    file.close();
    // What was read before an error stays in the plan.
    setWindowModified(true);
    emit haveLog(routeModel.logCount() > 0);
    emit haveRoute(routeModel.routeCount() > 0);
    selectChange();
    if (!result.renamed.isEmpty())
        Prompts::warning(this, title, renamedRoutesText(result.renamed));
    if (result.ok)
        return true;
    Prompts::warning(this, title,
                     importFailure(name, result.error) + QLatin1Char('\n')
                         + tr("A beolvasás a fájl %1. soránál megállt.").arg(result.line));
    return false;
}

bool RouteDefView::print(QPrinter* out)
{
    return print(out, PageSetAll);
}

bool RouteDefView::print(QPrinter* out, int pageRange)
{
    return out && paintPlan(out, pageRange, out->outputFileName());
}

bool RouteDefView::exportToPdf(QPrinter* out)
{
    return exportToPdf(out, PageSetAll);
}

bool RouteDefView::exportToPdf(QPrinter* out, int pageRange)
{
    if (!out)
        return false;
    // Drawn into a file beside the target first: a failure leaves no half-written PDF
    // under the chosen name.
    const QString target = out->outputFileName();
    return paintToPrinterFile(this, out, [&](QPrinter* printer) { return paintPlan(printer, pageRange, target); });
}

bool RouteDefView::paintPlan(QPrinter* out, int pageRange, const QString& shownName)
{
    PagePrinter pages(out);
    const QList<PlanPrintLine> lines = planPrintLines(routeModel);
    const int M = pages.metrics().horizontalAdvance(QLatin1Char('M'));
    const int right = pages.pageWidth() - 1;
    auto row = [&](int i, PrintRow& row) {
        const PlanPrintLine& line = lines.at(i);
        if (line.level < 0)
            return;
        const int indent = 3 * M * line.level;
        if (line.routeMarker)
            row.cells.append({0, indent - 1, QStringLiteral("\u25BA "), Qt::AlignRight});
        row.cells.append({indent, right, line.text});
    };
    // No header: the plan starts at the top of the page.
    const PagePlan plan = pages.plan({}, lines.size(), row, pageRange);
    if (plan.tooSmall) {
        Prompts::warning(
            this, tr("Nyomtatás"),
            tr("A beállított lapméretre a kiválasztott betűmérettel\nsemmit sem lehet kinyomtatni!"));
        return false;
    }
    if (plan.pages.isEmpty())
        return true;

    QPainter painter;
    if (!painter.begin(out)) {
        // An unwritable PDF target or a printer that cannot start: never shown as done.
        const QString text = shownName.isEmpty()
            ? tr("A nyomtatás nem indítható.")
            : tr("%1 exportálása nem sikerült\nFájl írási hiba.").arg(shownName);
        Prompts::warning(this, tr("Nyomtatás"), text);
        return false;
    }
    const WaitCursor wait;
    const bool painted = pages.paint(painter, plan, {}, row, routeModel.fileName());
    return painter.end() && painted;
}

DocumentWindow::Outcome RouteDefView::printDocument(QPrinter* out, ExportRange, int pageSet)
{
    return print(out, pageSet) ? Done : NotDone;
}

DocumentWindow::Outcome RouteDefView::exportDocument(DocumentFormat format, const QString& fileName,
                                                     const ExportChoice&)
{
    switch (format) {
    case FormatText:
        return exportToTxt(fileName) ? Done : NotDone;
    case FormatXml:
        return exportToXml(fileName) ? Done : NotDone;
    default:
        return NotOffered;
    }
}

DocumentWindow::Outcome RouteDefView::exportPdf(QPrinter* out, ExportRange)
{
    return exportToPdf(out, PageSetAll) ? Done : NotDone;
}

DocumentWindow::Outcome RouteDefView::importDocument(DocumentFormat format, const QString& fileName)
{
    if (format != FormatXml)
        return NotOffered;
    return importFromXml(fileName) ? Done : NotDone;
}
