#pragma once
// A checkpoint of a route: its code and, for the fixed-order types, its time after the start.
#include "routes/routevalues.h"

#include "ui_addpointdlg.h"

#include <QDialog>
#include <functional>

class addPointDlg : public QDialog, public Ui::addPointDlg
{
    Q_OBJECT
public:
    explicit addPointDlg(QWidget* parent = nullptr);

    void setRoute(const RouteHead& head);
    void setPoint(const RoutePoint& point);
    // The offset of the day and time fields, and the code padded to 12 letters.
    RoutePoint routePoint() const;

    // The checkpoint picker behind the browse button: shown with the given parent, it gives
    // the chosen code's letters and true, or false when cancelled. The code-name list's
    // picker unless replaced (tests); an empty one puts that back.
    using PointPicker = std::function<bool(QWidget* parent, QString* code)>;
    static void setPointPicker(const PointPicker& picker);

public slots:
    int exec() override;
    void PointPopup();

private:
    RouteHead m_head;
};
