#pragma once
// The choice of a log filter: one kind of event or the touches of one checkpoint.
// filterActive tells which accepting button was pressed ("Szűrés" or "Nem szűr").
#include "ui_logfilterdlg.h"

#include <QDialog>

class logFilterDlg : public QDialog, public Ui::logFilterDlg
{
    Q_OBJECT
public:
    explicit logFilterDlg(QWidget* parent = nullptr);
    ~logFilterDlg() override;

    // true: by checkpoint, false: by kind.
    void setMode(bool checkpoint);

    bool filterActive = false;

public slots:
    void SpecialSelected(bool newstate);
    void NormalSelected(bool newstate);
    void PointPopup();
    void filterOn();
    void filterOff();
};
