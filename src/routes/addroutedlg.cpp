#include "routes/addroutedlg.h"

#include "routes/routedefmodel.h"
#include "routes/routenamevalidator.h"

#include "core/prompts.h"


AddRouteDlg::AddRouteDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    RouteNameEdit->setValidator(new RouteNameValidator(RouteNameEdit));
}

QRadioButton* AddRouteDlg::typeButton(int type) const
{
    QRadioButton* const buttons[] = {KS_KI_radio, KS_SI_radio, SS_KI_radio, SS_SI_radio, RUG_radio};
    return type >= 0 && type < 5 ? buttons[type] : nullptr;
}

int AddRouteDlg::routeType() const
{
    for (int type = 0; type < 5; ++type) {
        if (typeButton(type)->isChecked())
            return type;
    }
    return -1;
}

void AddRouteDlg::setRouteType(int type)
{
    // Exclusive buttons cannot all be unchecked one by one.
    for (int t = 0; t < 5; ++t)
        typeButton(t)->setAutoExclusive(false);
    for (int t = 0; t < 5; ++t) {
        typeButton(t)->setChecked(t == type);
        typeButton(t)->setAutoExclusive(true);
    }
}

void AddRouteDlg::endDlg()
{
    QString message;
    const QString name = RouteNameEdit->text();
    if (name.isEmpty())
        message = tr("Nincs megadva útvonal név!\n");
    else if (model && model->findRouteRow(name) >= 0 && name != initialName)
        message = tr("Ilyen nevű útvonal már van!\n");
    if (routeType() < 0)
        message += tr("Ki kell választani az útvonal típusát!\n");
    if (message.isEmpty())
        accept();
    else
        Prompts::warning(this, tr("Útvonal adatai"), message);
}
