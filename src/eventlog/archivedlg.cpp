#include "eventlog/archivedlg.h"

#include <QDate>

archiveDlg::archiveDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    dateEdit->setDate(QDate::currentDate().addMonths(-1));
    connect(readSpin, qOverload<int>(&QSpinBox::valueChanged), this, &archiveDlg::showCountSuffix);
    showCountSuffix();
}

// The spin box writes the number itself; the word after it agrees with the number.
void archiveDlg::showCountSuffix()
{
    readSpin->setSuffix(tr(" kiolvasás", "after the number of read-outs", readSpin->value()));
}

archiveDlg::~archiveDlg() = default;

int archiveDlg::mode() const
{
    if (emptyRadio->isChecked())
        return EmptyLog;
    if (dateRadio->isChecked())
        return FromDate;
    if (readRadio->isChecked())
        return LastReadouts;
    return FromCursor;
}

void archiveDlg::setMode(int mode)
{
    if (mode != LastReadouts && mode != FromDate && mode != EmptyLog)
        mode = FromCursor;
    cursorRradio->setChecked(mode == FromCursor);
    readRadio->setChecked(mode == LastReadouts);
    dateRadio->setChecked(mode == FromDate);
    emptyRadio->setChecked(mode == EmptyLog);
    readSpin->setEnabled(mode == LastReadouts);
    dateEdit->setEnabled(mode == FromDate);
}

void archiveDlg::readChanged(bool newState)
{
    readSpin->setEnabled(newState);
}

void archiveDlg::dateChanged(bool newState)
{
    dateEdit->setEnabled(newState);
}

void archiveDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        showCountSuffix();
    }
}
