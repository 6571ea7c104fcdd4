#pragma once
// Asks for the plan, name, type and lead time of a route made from an event log's
// selection, showing the checkpoints taken from it.
#include "routes/routeextraction.h"

#include "ui_extractroutedlg.h"

#include <QDialog>

class ExtractRouteDlg : public QDialog, public Ui::ExtractRouteDlg
{
    Q_OBJECT
public:
    explicit ExtractRouteDlg(QWidget* parent = nullptr);

    // Lists the points and narrows the lead minutes so that no offset passes 239:59.
    void setPoints(const QList<RoutePoint>& points);
    // What the dialog holds, for the log of that name.
    ExtractedRoute request(const QString& logName) const;

public slots:
    void browseRouteDef();
    void nameChanged(QString text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillTypes();
    QList<RoutePoint> m_points;
};
