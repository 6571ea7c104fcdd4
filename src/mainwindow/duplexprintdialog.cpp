#include "mainwindow/duplexprintdialog.h"

#include "core/printexport.h"

#include <QEvent>

DuplexPrintDialog::DuplexPrintDialog(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
}

DuplexPrintDialog::~DuplexPrintDialog() = default;

int DuplexPrintDialog::pageSet() const
{
    if (evenPagesRadio->isChecked())
        return PageSetEven;
    if (oddPagesRadio->isChecked())
        return PageSetOdd;
    return PageSetAll;
}

void DuplexPrintDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
