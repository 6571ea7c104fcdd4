#include "eventlog/logfilterdlg.h"

#include "codenames/pointselectpopupdlg.h"

#include <QRegExpValidator>

logFilterDlg::logFilterDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    PointEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^[a-pA-P]{1,12}$")), this));
}

logFilterDlg::~logFilterDlg() = default;

void logFilterDlg::setMode(bool checkpoint)
{
    NormalRadio->setChecked(checkpoint);
    SpecialRadio->setChecked(!checkpoint);
    NormalSelected(checkpoint);
}

void logFilterDlg::SpecialSelected(bool newstate)
{
    SpecialCombo->setEnabled(newstate);
    PointEdit->setEnabled(!newstate);
    PointBrowseButton->setEnabled(!newstate);
}

void logFilterDlg::NormalSelected(bool newstate)
{
    SpecialSelected(!newstate);
}

void logFilterDlg::PointPopup()
{
    PointSelectPopUpDlg picker(this);
    if (picker.exec() == QDialog::Accepted) {
        PointEdit->setText(picker.selectedCode());
        PointEdit->update();
    }
}

void logFilterDlg::filterOn()
{
    filterActive = true;
    accept();
}

void logFilterDlg::filterOff()
{
    filterActive = false;
    accept();
}
