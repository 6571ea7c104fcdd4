#include "mainwindow/mainwindow.h"

#include "core/constants.h"
#include "core/documentwindow.h"
#include "core/exportfile.h"
#include "core/printexport.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "mainwindow/duplexprintdialog.h"
#include "mainwindow/exportdlg.h"

#include <QAction>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void MainWindow::print()
{
    if (DocumentWindow* document = activeDocument())
        printWithDialog(document, this);
}

bool MainWindow::printWithDialog(DocumentWindow* document, QWidget* parent)
{
    const int kind = document->viewKind();
    QPrintDialog dialog(printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                                       QAbstractPrintDialog::PrintPageRange |
                                                       QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies;
    if (kind == LogViewKind && document->hasMultipleSelection())
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ExportRange range = RangeAll;
    if (printer->printRange() == QPrinter::Selection)
        range = RangeSelection;
    else if (printer->printRange() == QPrinter::PageRange)
        range = RangePages;

    int pageSet = PageSetAll;
    // Text printing knows no page set.
    if ((appSettings().flags & OptShowManualDuplex) && kind != TxtViewKind) {
        DuplexPrintDialog duplex(nullptr);
        duplex.reverseCheck->setChecked(printer->pageOrder() == QPrinter::LastPageFirst);
        if (duplex.exec() != QDialog::Accepted)
            return false;
        pageSet = duplex.pageSet() + (duplex.reverseCheck->isChecked() ? PageSetReverse : 0);
    }
    // A route plan has no row range; its window ignores the one given. Printed to a PDF
    // file, the file is saved as an export is.
    paintToPrinterFile(parent, printer, [&](QPrinter* out) {
        return document->printDocument(out, range, pageSet) == DocumentWindow::Done;
    });
    return true;
}

void MainWindow::preview()
{
    // The preview shows the whole document, whatever pages the last print chose; the next
    // print dialog offers that choice again unless the preview itself prints.
    const QPrinter::PrintRange lastRange = printer->printRange();
    const int lastFrom = printer->fromPage();
    const int lastTo = printer->toPage();
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFromTo(0, 0);
    bool printed = false;
    {
        QPrintPreviewDialog dialog(printer, this);
        if (DocumentWindow* document = activeDocument()) {
            // All pages, in natural order.
            connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                    [document](QPrinter* out) { document->printDocument(out, RangeAll, PageSetAll); });
            // The preview's own print button would paint straight into the printer, a PDF file
            // too; it prints as File > Print does instead.
            for (QAction* action : dialog.findChildren<QAction*>()) {
                if (!QObject::disconnect(action, SIGNAL(triggered(bool)), &dialog, SLOT(_q_print())))
                    continue;
                connect(action, &QAction::triggered, &dialog, [&dialog, &printed, document, this] {
                    if (!printWithDialog(document, &dialog))
                        return;
                    printed = true;
                    dialog.accept();
                });
            }
        }
        dialog.exec();
    }
    if (!printed) {
        printer->setPrintRange(lastRange);
        printer->setFromTo(lastFrom, lastTo);
    }
}

void MainWindow::kodNevExport()
{
    exportActiveDocument(KodnevViewKind);
}

void MainWindow::kodNevImport()
{
    importActiveDocument(KodnevViewKind, tr("Ellenőrzési pont elnevezések importálása"),
                         tr("Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2)").arg(extText, extXml),
                         {extText, extXml});
}

void MainWindow::logExport()
{
    exportActiveDocument(LogViewKind);
}

void MainWindow::routeExport()
{
    exportActiveDocument(RouteDefViewKind);
}

void MainWindow::routeImport()
{
    importActiveDocument(RouteDefViewKind, tr("Útvonal terv importálása"),
                         tr("eXtensible Markup Language (*.%1)").arg(extXml), {extXml});
}

void MainWindow::reportExport()
{
    exportActiveDocument(EvaluationViewKind);
}

void MainWindow::exportActiveDocument(int kind)
{
    DocumentWindow* document = activeDocument();
    if (!document || document->viewKind() != kind)
        return;
    ExportDlg dialog(nullptr);
    QString source = document->documentFile();
    QString pdfName;
    switch (kind) {
    case KodnevViewKind:
        dialog.setRangeVisible(RangeSelection, false);
        dialog.setOptionsVisible(true);
        source = appSettings().codeFilePath();
        pdfName = tr("kódlista");
        break;
    case LogViewKind:
        dialog.setRangeVisible(RangeToCursor, false);
        dialog.setRangeVisible(RangeFromCursor, false);
        pdfName = tr("eseménynapló");
        break;
    case RouteDefViewKind:
        for (int range : {RangeSelection, RangeToCursor, RangeFromCursor})
            dialog.setRangeVisible(range, false);
        pdfName = tr("útvonal terv jelentés");
        break;
    default:
        dialog.setRangeVisible(RangeSelection, false);
        pdfName = tr("teljesítés jelentés");
        break;
    }
    dialog.fileNameEdit->setText(QFileInfo(source).baseName() + QLatin1Char('.') + extText);
    if (kind == LogViewKind && document->hasMultipleSelection())
        dialog.exportSelectedRadio->setChecked(true);
    if (dialog.exec() != QDialog::Accepted)
        return;

    const QString fileName = dialog.fileNameEdit->text();
    // A route plan has no row range.
    const ExportRange range = kind == RouteDefViewKind ? RangeAll : dialog.exportRange();
    if (dialog.exportType() != ExportDlg::TypePdf) {
        ExportChoice choice;
        choice.range = range;
        choice.withValidityDate = dialog.validFromCheckBox->isChecked();
        choice.withColours = dialog.colorCheckBox->isChecked();
        document->exportDocument(dialog.exportType() == ExportDlg::TypeXml ? FormatXml : FormatText, fileName,
                                 choice);
        return;
    }
    QPrinter pdf(QPrinter::ScreenResolution);
    const QString path = exportTargetPath(fileName, extPdf);
    if (!confirmExportOverwrite(this, tr("Exportálás"), path))
        return;
    pdf.setOutputFileName(path);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setCreator(QStringLiteral("QUELTA WYX770"));
    pdf.setDocName(pdfName);
    dialog.setupPrinter(&pdf);
    document->exportPdf(&pdf, range);
}

void MainWindow::importActiveDocument(int kind, const QString& caption, const QString& filter,
                                      const QStringList& extensions)
{
    DocumentWindow* document = activeDocument();
    if (!document || document->viewKind() != kind)
        return;
    const QString fileName = Prompts::openFileName(this, caption, appSettings().workPath(QString()), filter);
    for (const QString& ext : extensions) {
        if (fileName.endsWith(QLatin1Char('.') + ext, Qt::CaseInsensitive)) {
            document->importDocument(ext == extXml ? FormatXml : FormatText, fileName);
            return;
        }
    }
}
