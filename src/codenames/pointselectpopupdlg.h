#pragma once
// Picks a named checkpoint from the code-name list and gives back its code letters.
#include "ui_pointselectpopupdlg.h"

#include <QDialog>

class PointSelectPopUpDlg : public QDialog, public Ui::PointSelectPopUpDlg
{
    Q_OBJECT
public:
    explicit PointSelectPopUpDlg(QWidget* parent = nullptr);
    ~PointSelectPopUpDlg() override;

    // The 12 code letters of the current row; empty without one.
    QString selectedCode() const;

public slots:
    // 0 after a warning when the list is empty; otherwise QDialog::exec().
    int exec() override;

protected:
    void changeEvent(QEvent* event) override;
};
