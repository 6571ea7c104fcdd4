#include "mainwindow/pagesetupdlg.h"

#include <QEvent>

namespace {

struct PaperEntry {
    const char* text;
    int code;
    int shorter;
    int longer;
};

// Portrait measures in millimetres; the printer turns the sheet for landscape.
const PaperEntry paperEntries[] = {
    {"A6", 10, 105, 148},    {"A5", 9, 148, 210},     {"A4", 0, 210, 297},    {"A3", 8, 297, 420},
    {"B6", 20, 125, 176},    {"B5", 1, 176, 250},     {"B4", 19, 250, 353},   {"Letter", 2, 216, 279},
    {"Legal", 3, 216, 356},  {"Folio", 27, 210, 330},
};

} // namespace

pageSetupDlg::pageSetupDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    for (const PaperEntry& entry : paperEntries)
        pageSizeCombo->addItem(QString::fromLatin1(entry.text), entry.code);
    pageSizeCombo->addItem(tr("Felhasználói"), customPaperCode);
    pageSizeCombo->setMaxVisibleItems(11);
}

pageSetupDlg::~pageSetupDlg() = default;

bool pageSetupDlg::selectPaperSize(int code)
{
    const int index = pageSizeCombo->findData(code);
    if (index < 0)
        return false;
    pageSizeCombo->setCurrentIndex(index);
    return true;
}

void pageSetupDlg::pageSizeSelChanged(int index)
{
    const int code = pageSizeCombo->itemData(index).toInt();
    const bool custom = code == customPaperCode;
    widthSpin->setEnabled(custom);
    heightSpin->setEnabled(custom);
    if (!custom) {
        int shorter = 210;
        int longer = 297;
        for (const PaperEntry& entry : paperEntries) {
            if (entry.code == code) {
                shorter = entry.shorter;
                longer = entry.longer;
            }
        }
        widthSpin->setValue(shorter);
        heightSpin->setValue(longer);
    }
    widthSpin->update();
    heightSpin->update();
}

void pageSetupDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        pageSizeCombo->setItemText(pageSizeCombo->count() - 1, tr("Felhasználói"));
    }
}
