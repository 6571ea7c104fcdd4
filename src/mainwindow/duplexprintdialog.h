#pragma once
// Manual two-sided printing: all, odd or even pages, and whether the last comes first.
#include "ui_duplexprintdialog.h"

#include <QDialog>

class DuplexPrintDialog : public QDialog, public Ui::DuplexPrintDialog
{
    Q_OBJECT
public:
    explicit DuplexPrintDialog(QWidget* parent = nullptr);
    ~DuplexPrintDialog() override;

    // PageSetAll, PageSetOdd or PageSetEven; the caller adds the order from reverseCheck.
    int pageSet() const;

protected:
    void changeEvent(QEvent* event) override;
};
