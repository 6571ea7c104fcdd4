#include "mainwindow/exportdlg.h"

#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "mainwindow/pagesetupdlg.h"

#include <QEvent>
#include <QPrinter>

ExportDlg::ExportDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    reservePathWidth(fileNameEdit);
    fillTypes();
    exportTypeCombo->setCurrentIndex(0);
    setOptionsVisible(false);
}

ExportDlg::~ExportDlg() = default;

void ExportDlg::fillTypes()
{
    // The combo is connected already: the first entry runs changedType(0).
    exportTypeCombo->addItem(tr("Egyszerű szöveg (*.%1)").arg(extText));
    exportTypeCombo->addItem(tr("eXtensible Markup Language (*.%1)").arg(extXml));
    exportTypeCombo->addItem(tr("Portable Document Format (*.%1)").arg(extPdf));
}

int ExportDlg::exportType() const
{
    const int index = exportTypeCombo->currentIndex();
    return index == TypeXml || index == TypePdf ? index : TypeText;
}

ExportRange ExportDlg::exportRange() const
{
    if (exportAllRadio->isChecked())
        return RangeAll;
    if (exportSelectedRadio->isChecked())
        return RangeSelection;
    if (exportToCursorRadio->isChecked())
        return RangeToCursor;
    if (exportFromCursorRadio->isChecked())
        return RangeFromCursor;
    if (exportPagesRadio->isChecked())
        return RangePages;
    return RangeAll;
}

void ExportDlg::setRangeVisible(int range, bool visible)
{
    switch (range) {
    case RangeAll:
        exportAllRadio->setVisible(visible);
        break;
    case RangeSelection:
        exportSelectedRadio->setVisible(visible);
        break;
    case RangeToCursor:
        exportToCursorRadio->setVisible(visible);
        break;
    case RangeFromCursor:
        exportFromCursorRadio->setVisible(visible);
        break;
    case RangePages:
        exportPagesRadio->setVisible(visible);
        fromSpin->setVisible(visible);
        pagesLabel->setVisible(visible);
        ToSpin->setVisible(visible);
        break;
    default:
        break;
    }
}

void ExportDlg::setOptionsVisible(bool visible)
{
    validFromCheckBox->setVisible(visible);
    colorCheckBox->setVisible(visible);
}

void ExportDlg::enablePageControls(bool on)
{
    exportPagesRadio->setEnabled(on);
    pagesLabel->setEnabled(on);
    const bool pages = exportPagesRadio->isChecked();
    fromSpin->setEnabled(pages);
    ToSpin->setEnabled(pages);
}

void ExportDlg::changedType(int selected)
{
    QString name = fileNameEdit->text();
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    const QString ext = selected == TypeXml ? extXml : selected == TypePdf ? extPdf : extText;
    name += QLatin1Char('.') + ext;
    // Page ranges and the page setup exist only for PDF.
    if (exportPagesRadio->isChecked() && selected != TypePdf)
        exportAllRadio->setChecked(true);
    enablePageControls(selected == TypePdf);
    fileNameEdit->setText(name);
    pageSetupButton->setEnabled(selected == TypePdf);
}

void ExportDlg::browseFile()
{
    QString filter;
    switch (exportTypeCombo->currentIndex()) {
    case TypeText:
        filter = tr("Egyszerű szöveg (*.%1)").arg(extText);
        break;
    case TypeXml:
        filter = tr("eXtensible Markup Language (*.%1)").arg(extXml);
        break;
    case TypePdf:
        filter = tr("Portable Document Format (*.%1)").arg(extPdf);
        break;
    default:
        filter = tr("Egyszerű szöveg (*.%1);;eXtensible Markup Language (*.%2);;Portable Document Format (*.%3)")
                     .arg(extText, extXml, extPdf);
        break;
    }
    // The export itself asks before it overwrites.
    Prompts::Request request;
    request.kind = Prompts::Kind::SaveFile;
    request.title = tr("Exportálás");
    request.text = tr("Exportálás");
    request.directory = appSettings().workPath(QString());
    request.filter = filter;
    request.confirmOverwrite = false;
    const QString chosen = Prompts::ask(request).path;
    if (!chosen.isEmpty())
        fileNameEdit->setText(chosen);
}

void ExportDlg::pageSetup()
{
    pageSetupDlg dialog(nullptr);
    dialog.widthSpin->setValue(int(page.paperWidth));
    dialog.heightSpin->setValue(int(page.paperHeight));
    dialog.leftMarginSpin->setValue(int(page.leftMargin));
    dialog.rightMarginSpin->setValue(int(page.rightMargin));
    dialog.topMarginSpin->setValue(int(page.topMargin));
    dialog.bottomMarginSpin->setValue(int(page.bottomMargin));
    // After the sides: a named size shows its own measures.
    dialog.selectPaperSize(page.paperSize);
    dialog.blackOnlyCheck->setChecked(page.colorMode != QPrinter::Color);
    if (page.orientation == QPrinter::Portrait)
        dialog.portraitRadio->setChecked(true);
    else
        dialog.landscapeRadio->setChecked(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    page.paperWidth = dialog.widthSpin->value();
    page.paperHeight = dialog.heightSpin->value();
    page.leftMargin = dialog.leftMarginSpin->value();
    page.rightMargin = dialog.rightMarginSpin->value();
    page.topMargin = dialog.topMarginSpin->value();
    page.bottomMargin = dialog.bottomMarginSpin->value();
    page.paperSize = dialog.pageSizeCombo->currentData().toInt();
    page.colorMode = dialog.blackOnlyCheck->isChecked() ? QPrinter::GrayScale : QPrinter::Color;
    page.orientation = dialog.portraitRadio->isChecked() ? QPrinter::Portrait : QPrinter::Landscape;
}

void ExportDlg::setupPrinter(QPrinter* printer) const
{
    printer->setPageMargins(QMarginsF(page.leftMargin, page.topMargin, page.rightMargin, page.bottomMargin),
                            QPageLayout::Millimeter);
    printer->setPageSize(QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Millimeter));
    // A custom size is the one just set from the measures.
    if (page.paperSize != pageSetupDlg::customPaperCode)
        printer->setPageSize(QPageSize(QPageSize::PageSizeId(page.paperSize)));
    printer->setPageOrientation(QPageLayout::Orientation(page.orientation));
    printer->setColorMode(colorCheckBox->isChecked() ? QPrinter::ColorMode(page.colorMode) : QPrinter::GrayScale);
    if (exportPagesRadio->isChecked())
        printer->setFromTo(fromSpin->value(), ToSpin->value());
}

void ExportDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        const int current = exportTypeCombo->currentIndex();
        retranslateUi(this);
        exportTypeCombo->setItemText(0, tr("Egyszerű szöveg (*.%1)").arg(extText));
        exportTypeCombo->setItemText(1, tr("eXtensible Markup Language (*.%1)").arg(extXml));
        exportTypeCombo->setItemText(2, tr("Portable Document Format (*.%1)").arg(extPdf));
        exportTypeCombo->setCurrentIndex(current);
    }
}
