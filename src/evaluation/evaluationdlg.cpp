#include "evaluation/evaluationdlg.h"

#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "evaluation/evaluationreport.h"

#include <QDate>
#include <QEvent>

EvaluationDlg::EvaluationDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    reservePathWidth(fileNameEdit);
    connect(browseButton, &QPushButton::clicked, this, &EvaluationDlg::browseRouteDef);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    const Settings& s = appSettings();
    switch (s.flags & OptReportDetailMask) {
    case 0: simpleRadio->setChecked(true); break;
    case 1: normalRadio->setChecked(true); break;
    case 2: verboseRadio->setChecked(true); break;
    default:
        break; // three is no depth of its own: nothing checked, and the run goes into detail
    }
    BeginDateEdit->setDate(QDate::currentDate().addDays(-s.prependDays));
}

EvaluationDlg::~EvaluationDlg() = default;

int EvaluationDlg::reportMode() const
{
    if (simpleRadio->isChecked())
        return ReportReduced;
    if (normalRadio->isChecked())
        return ReportNormal;
    return ReportDetailed;
}

void EvaluationDlg::hidePlanFile()
{
    fileNameLabel->hide();
    fileNameEdit->hide();
    browseButton->hide();
}

void EvaluationDlg::browseRouteDef()
{
    const QString name =
        Prompts::openFileName(this, tr("Őrjárat leírás kiválasztása"), appSettings().workDir,
                              tr("Őrjárat leírások (*.%1 *.%2)").arg(extRoutePlan, extRoutePlanImport));
    if (!name.isEmpty())
        fileNameEdit->setText(name);
}

void EvaluationDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
    QDialog::changeEvent(event);
}
