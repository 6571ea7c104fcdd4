#pragma once
// The times of one start (or service time) of a route, laid out by the route's type.
#include "routes/routevalues.h"

#include "ui_addstartdlg.h"

#include <QDialog>

class addStartDlg : public QDialog, public Ui::addStartDlg
{
    Q_OBJECT
public:
    explicit addStartDlg(QWidget* parent = nullptr);

    // modify chooses the verb of the title only.
    void setRoute(const RouteHead& head, bool modify);
    void setStart(const RouteStart& start);
    // Every row counts, shown or hidden.
    RouteStart routeStart() const;

public slots:
    // A route without a type has no start layout: nothing is shown, 0 is returned.
    int exec() override;
    void endDlg();

private:
    void showRow(int row, bool on);
    RouteHead m_head;
};
