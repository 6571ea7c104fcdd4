#pragma once
// Asks for the route plan, the evaluated day and the report's depth before a run.
#include "ui_evaluationdlg.h"

#include <QDialog>

class EvaluationDlg : public QDialog, public Ui::evaluationDlg
{
    Q_OBJECT
public:
    explicit EvaluationDlg(QWidget* parent = nullptr);
    ~EvaluationDlg() override;

    // The chosen depth: reduced, normal, or detailed (also when no button is checked).
    int reportMode() const;
    // Hides the plan file row (the run already has a plan).
    void hidePlanFile();

public slots:
    void browseRouteDef();

protected:
    void changeEvent(QEvent* event) override;
};
