#include "routes/extractroutedlg.h"

#include "routes/routedefmodel.h"
#include "routes/routenamevalidator.h"

#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QIntValidator>

ExtractRouteDlg::ExtractRouteDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    fillTypes();
    minuteOffsetEdit->setValidator(new QIntValidator(0, RouteTime::maxMinutes, minuteOffsetEdit));
    minuteOffsetEdit->setFixedWidth(lineEditWidthFor(
        minuteOffsetEdit,
        widestText(minuteOffsetEdit->fontMetrics(), QStringLiteral("0123456789"), minuteOffsetEdit->maxLength())));
    // The same rule as every route-name editor: numbering later keeps within it.
    routeNameEdit->setValidator(new RouteNameValidator(routeNameEdit));
    reservePathWidth(routeFileEdit);
    OKbutton->setEnabled(false);
}

void ExtractRouteDlg::fillTypes()
{
    const int current = qMax(0, routeTypeCombo->currentIndex());
    routeTypeCombo->clear();
    for (int type = 0; type < RouteTypeCount; ++type)
        routeTypeCombo->addItem(RouteDefModel::routeTypeName(type, true), type);
    routeTypeCombo->setCurrentIndex(current);
}

void ExtractRouteDlg::setPoints(const QList<RoutePoint>& points)
{
    m_points = points;
    pointList->clear();
    for (const RoutePoint& p : points)
        pointList->addItem(p.describe(true));
    minuteOffsetEdit->setValidator(new QIntValidator(0, maxLeadMinutes(points), minuteOffsetEdit));
}

ExtractedRoute ExtractRouteDlg::request(const QString& logName) const
{
    ExtractedRoute r;
    r.planName = extractionPlanName(routeFileEdit->text());
    r.logName = logName;
    r.routeName = routeNameEdit->text();
    r.type = routeTypeCombo->currentData().toInt();
    r.minutes = minuteOffsetEdit->text().toInt();
    r.points = m_points;
    return r;
}

void ExtractRouteDlg::browseRouteDef()
{
    const QString name = Prompts::openFileName(this, tr("Őrjárat leírás kiválasztása"), appSettings().workDir,
                                               tr("Őrjárat leírások (*.%1)").arg(extRoutePlan));
    if (!name.isEmpty())
        routeFileEdit->setText(name);
}

void ExtractRouteDlg::nameChanged(QString)
{
    OKbutton->setEnabled(!routeFileEdit->text().isEmpty() && !routeNameEdit->text().isEmpty());
}

void ExtractRouteDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        fillTypes();
    }
}
