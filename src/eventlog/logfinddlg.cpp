#include "eventlog/logfinddlg.h"

#include "codenames/pointselectpopupdlg.h"

#include <QDateTime>
#include <QRegExpValidator>

LogFindDlg::LogFindDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    dateEdit->setDate(QDate::currentDate());
    timeEdit->setTime(QTime::currentTime());
    PointEdit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("^[a-pA-P]{1,12}$")), this));
}

LogFindDlg::~LogFindDlg() = default;

void LogFindDlg::PointPopup()
{
    PointSelectPopUpDlg picker(this);
    if (picker.exec() == QDialog::Accepted) {
        PointEdit->setText(picker.selectedCode());
        PointEdit->update();
    }
}

void LogFindDlg::DateSearchStateChange(int newstate)
{
    const bool on = newstate == Qt::Checked;
    const QSignalBlocker blockDate(DateFindingCheck);
    DateFindingCheck->setChecked(on);
    if (!on)
        EntryFindingCheck->setChecked(true);
    dateEdit->setEnabled(on);
    ExactMatchCheck->setEnabled(on);
    TimeValidCheck->setEnabled(on);
    timeEdit->setEnabled(on && TimeValidCheck->isChecked());
}

void LogFindDlg::PointSearchStateChange(int newstate)
{
    const bool on = newstate == Qt::Checked;
    const QSignalBlocker blockEntry(EntryFindingCheck);
    EntryFindingCheck->setChecked(on);
    if (!on)
        DateFindingCheck->setChecked(true);
    SpecialRadio->setEnabled(on);
    NormalRadio->setEnabled(on);
    SpecialCombo->setEnabled(on && SpecialRadio->isChecked());
    PointEdit->setEnabled(on && NormalRadio->isChecked());
    PointBrowseButton->setEnabled(on && NormalRadio->isChecked());
}

void LogFindDlg::TimeValidChange(int newstate)
{
    timeEdit->setEnabled(newstate != Qt::Unchecked);
}

void LogFindDlg::SpecialSelected(bool newstate)
{
    SpecialCombo->setEnabled(newstate);
    PointEdit->setEnabled(!newstate);
    PointBrowseButton->setEnabled(!newstate);
}

void LogFindDlg::NormalSelected(bool newstate)
{
    SpecialSelected(!newstate);
}

void LogFindDlg::StartFind()
{
    emit findIt();
}

void LogFindDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
