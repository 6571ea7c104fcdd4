#include "routes/addpointdlg.h"

#include "routes/routetimefields.h"

#include "codenames/pointselectpopupdlg.h"
#include "core/fieldwidth.h"
#include "core/helpers.h"

#include <QRegularExpressionValidator>

namespace {

// The code-name list's own picker; it warns by itself when no checkpoint has a name.
bool pickFromCodeNames(QWidget* parent, QString* code)
{
    PointSelectPopUpDlg dlg(parent);
    if (dlg.exec() != 1)
        return false;
    *code = dlg.selectedCode();
    return true;
}

addPointDlg::PointPicker& picker()
{
    static addPointDlg::PointPicker p = pickFromCodeNames;
    return p;
}

} // namespace

addPointDlg::addPointDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    CodeEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[a-pA-P]{1,12}")), CodeEdit));
    reserveWidthFor(CodeEdit, widestCode(CodeEdit->fontMetrics()));
}

void addPointDlg::setPointPicker(const PointPicker& p)
{
    picker() = p ? p : pickFromCodeNames;
}

void addPointDlg::setRoute(const RouteHead& head)
{
    m_head = head;
    RouteLabel->setText(tr("Útvonal név: \"%1\"").arg(head.name));
    const bool timed = head.type < 2; // fixed-order routes carry a time per point
    for (QWidget* w : {static_cast<QWidget*>(TimeLabel), static_cast<QWidget*>(TimeSpin),
                       static_cast<QWidget*>(SpinLabel), static_cast<QWidget*>(timeEdit)})
        w->setVisible(timed);
}

void addPointDlg::setPoint(const RoutePoint& point)
{
    CodeEdit->setText(codeToLetters(point.code));
    showRouteTime(TimeSpin, timeEdit, point.offset);
}

RoutePoint addPointDlg::routePoint() const
{
    return RoutePoint(CodeEdit->text(), routeTimeSeconds(TimeSpin, timeEdit));
}

int addPointDlg::exec()
{
    if (m_head.type == -1)
        return 0;
    return QDialog::exec();
}

void addPointDlg::PointPopup()
{
    QString code;
    if (picker() && picker()(this, &code))
        CodeEdit->setText(code);
}
