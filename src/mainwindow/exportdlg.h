#pragma once
// The one export dialog: target file, format (text, XML spreadsheet, PDF), the part of
// the document and, for PDF, the page settings edited through the page setup dialog and
// applied to the PDF printer. Starts from the defaults every time; stores nothing.
#include "ui_exportdlg.h"

#include "core/printexport.h"

#include <QDialog>

class QPrinter;

class ExportDlg : public QDialog, public Ui::ExportDlg
{
    Q_OBJECT
public:
    enum ExportType { TypeText = 0, TypeXml = 1, TypePdf = 2 };

    // Page settings of a PDF export, in millimetres and QPrinter codes.
    struct PageSettings {
        double topMargin = 10.0;
        double bottomMargin = 10.0;
        double leftMargin = 10.0;
        double rightMargin = 10.0;
        double paperWidth = 210.0;  // the shorter side
        double paperHeight = 297.0; // the longer side
        int paperSize = 0;          // A4; 30 is a custom size
        int orientation = 0;        // portrait
        int colorMode = 1;          // colour
    };

    explicit ExportDlg(QWidget* parent = nullptr);
    ~ExportDlg() override;

    int exportType() const;
    ExportRange exportRange() const;
    void setRangeVisible(int range, bool visible);
    void setOptionsVisible(bool visible);
    void enablePageControls(bool on);
    void setupPrinter(QPrinter* printer) const;

    PageSettings page;

public slots:
    void changedType(int selected);
    void browseFile();
    void pageSetup();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillTypes();
};
