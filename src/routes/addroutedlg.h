#pragma once
// Name and type of a new or changed route; the name must be new to the plan.
#include "ui_addroutedlg.h"

#include <QDialog>

class RouteDefModel;

class AddRouteDlg : public QDialog, public Ui::AddRouteDlg
{
    Q_OBJECT
public:
    explicit AddRouteDlg(QWidget* parent = nullptr);

    // 0 to 4 by the checked button; -1 when none is checked.
    int routeType() const;
    void setRouteType(int type);

    RouteDefModel* model = nullptr; // for the name check; none: every name is new
    QString initialName;            // the changed route's own name, accepted as it stands

public slots:
    void endDlg();

private:
    QRadioButton* typeButton(int type) const;
};
