#pragma once
// The page of a PDF export: margins, a named or custom paper size, orientation and
// black-and-white output. The caller fills the widgets and reads them back.
#include "ui_pagesetupdlg.h"

#include <QDialog>

class pageSetupDlg : public QDialog, public Ui::pageSetupDlg
{
    Q_OBJECT
public:
    explicit pageSetupDlg(QWidget* parent = nullptr);
    ~pageSetupDlg() override;

    // The paper-size code of the custom size entry.
    static constexpr int customPaperCode = 30;
    // Selects the entry of a paper-size code; false when there is none.
    bool selectPaperSize(int code);

public slots:
    void pageSizeSelChanged(int index);

protected:
    void changeEvent(QEvent* event) override;
};
