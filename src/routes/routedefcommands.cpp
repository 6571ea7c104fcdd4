// The commands of the route-plan window that change the plan's structure.
#include "routes/addpointdlg.h"
#include "routes/addroutedlg.h"
#include "routes/addstartdlg.h"
#include "routes/routedefview.h"
#include "routes/tolerance.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QInputDialog>
#include <QTreeView>

bool RouteDefView::chooseName(const QString& title, const QString& label, const QString& okText,
                              const QStringList& names, const QString& preselected, QString* chosen)
{
    QInputDialog dlg(this);
    dlg.setWindowTitle(title);
    dlg.setLabelText(label);
    dlg.setCancelButtonText(tr("Mégsem"));
    dlg.setOkButtonText(okText);
    dlg.setComboBoxItems(names);
    dlg.setComboBoxEditable(false);
    dlg.setOption(QInputDialog::UseListViewForComboBoxItems);
    if (!preselected.isEmpty())
        dlg.setTextValue(preselected);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    *chosen = dlg.textValue();
    return true;
}

bool RouteDefView::addLog()
{
    const QStringList logs = QDir(appSettings().workDir)
                                 .entryList({QStringLiteral("*.") + extEventLog}, QDir::Files, QDir::Name);
    QString chosen;
    if (!chooseName(tr("Esemény napló hozzáadás"), tr("Válassza ki az útvonal tervhez\nhozzáadandó esemény naplót:"),
                    tr("Felvesz"), logs, QString(), &chosen)
        || logs.isEmpty() || chosen.isEmpty())
        return false;
    if (!routeModel.addLog(chosen.simplified()))
        return false;
    emit haveLog(true);
    return true;
}

bool RouteDefView::removeLog()
{
    if (routeModel.logCount() < 1)
        return false;
    QStringList names;
    for (int l = 0; l < routeModel.logCount(); ++l)
        names << routeModel.logName(l);
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    const QString preselected = currentKind() == LogItem ? current.data().toString() : QString();
    QString chosen;
    if (!chooseName(tr("Esemény napló törlés"), tr("Valóban töröljük a kijelölt esemény naplót?"), tr("Töröljük"),
                    names, preselected, &chosen))
        return false;
    if (!routeModel.removeLog(chosen))
        return false;
    if (routeModel.logCount() < 1)
        emit haveLog(false);
    return true;
}

bool RouteDefView::addRoute()
{
    AddRouteDlg dlg(this);
    dlg.model = &routeModel;
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const int row = routeModel.addRoute(RouteHead(dlg.RouteNameEdit->text(), dlg.routeType(), RouteTime()));
    if (row < 0)
        return false;
    emit haveRoute(true);
    return true;
}

bool RouteDefView::removeRoute()
{
    if (routeModel.routeCount() < 1)
        return false;
    QStringList names;
    for (int r = 0; r < routeModel.routeCount(); ++r)
        names << routeModel.routeHead(r).name;
    const QString preselected =
        currentKind() == RouteItem ? routeModel.routeHead(selectedRouteRow()).name : QString();
    QString chosen;
    if (!chooseName(tr("Útvonal törlés"), tr("Valóban töröljük a kijelölt útvonalat?"), tr("Töröljük"), names,
                    preselected, &chosen))
        return false;
    if (!routeModel.removeRoute(chosen))
        return false;
    if (routeModel.routeCount() < 1)
        emit haveRoute(false);
    return true;
}

bool RouteDefView::addStart()
{
    const int r = selectedRouteRow();
    if (r < 0)
        return false;
    addStartDlg dlg(this);
    dlg.setRoute(routeModel.routeHead(r), false);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    return routeModel.addStart(dlg.routeStart(), routeModel.startsGroupIndex(r));
}

bool RouteDefView::removeStart()
{
    if (currentKind() != StartItem)
        return true;
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    const RouteHead head = routeModel.routeHead(selectedRouteRow());
    const RouteStart start = routeModel.itemFromIndex(current)->value().value<RouteStart>();
    QString text = start.t1.toString().trimmed();
    if (head.type != 0 && head.type != 2)
        text += QStringLiteral("  -  ") + start.t2.toString().trimmed();
    if (askYesNo(this, tr("\"%1\"  útvonal").arg(head.name),
                 tr("Valóban töröljük az alábbi időpontot:\n\"%1\"").arg(text), tr("Töröljük"), tr("Mégsem"))) {
        const QModelIndex group = current.parent();
        if (routeModel.removeRows(current.row(), 1, group) && routeModel.rowCount(group) == 0)
            emit stayOnStart(currentKind() == StartItem);
    }
    return true;
}

bool RouteDefView::addPoint()
{
    const int r = selectedRouteRow();
    if (r < 0)
        return false;
    const RouteHead head = routeModel.routeHead(r);
    addPointDlg dlg(this);
    dlg.setRoute(head);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    return routeModel.addPoint(dlg.routePoint(), routeModel.pointsGroupIndex(r), head.type > 1);
}

bool RouteDefView::removePoint()
{
    if (currentKind() != PointItem)
        return true;
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    const RouteHead head = routeModel.routeHead(selectedRouteRow());
    const RoutePoint point = routeModel.itemFromIndex(current)->value().value<RoutePoint>();
    const QString prefix = head.type == 0 || head.type == 1
        ? point.offset.toString().trimmed() + QStringLiteral("   ")
        : QString();
    if (askYesNo(this, tr("\"%1\"  útvonal").arg(head.name),
                 tr("Valóban töröljük az alábbi ellenőrző pontot:\n\"%1%2\"").arg(prefix, point.describe(false)),
                 tr("Töröljük"), tr("Mégsem"))) {
        const QModelIndex group = current.parent();
        if (routeModel.removeRows(current.row(), 1, group) && routeModel.rowCount(group) == 0)
            emit stayOnPoint(currentKind() == PointItem);
    }
    return true;
}

bool RouteDefView::modify()
{
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    switch (currentKind()) {
    case RouteItem:
        return modifyRoute(current);
    case StartGroupItem:
    case PointGroupItem:
        return modifyRoute(current.parent());
    case StartItem:
        return modifyStart();
    case PointItem:
        return modifyPoint();
    default:
        return modifyTolerance();
    }
}

bool RouteDefView::modifyRoute(const QModelIndex& route)
{
    const RouteHead old = routeModel.routeHead(route.row());
    AddRouteDlg dlg(this);
    dlg.model = &routeModel;
    dlg.RouteNameEdit->setText(old.name);
    dlg.initialName = old.name;
    dlg.setRouteType(old.type);
    dlg.setWindowTitle(tr("Útvonal módosítás"));
    dlg.OKButton->setText(tr("Módosít"));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const RouteHead head(dlg.RouteNameEdit->text(), dlg.routeType(), old.duration);
    return routeModel.setData(route, QVariant::fromValue(head), Qt::EditRole);
}

bool RouteDefView::modifyStart()
{
    const int r = selectedRouteRow();
    if (r < 0)
        return false;
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    const RouteStart old = routeModel.itemFromIndex(current)->value().value<RouteStart>();
    addStartDlg dlg(this);
    dlg.setRoute(routeModel.routeHead(r), true);
    dlg.setStart(old);
    dlg.OKButton->setText(tr("Módosít"));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const QModelIndex group = routeModel.startsGroupIndex(r);
    if (!routeModel.removeRows(current.row(), 1, group))
        return false;
    if (routeModel.addStart(dlg.routeStart(), group))
        return true;
    routeModel.addStart(old, group);
    return false;
}

bool RouteDefView::modifyPoint()
{
    const int r = selectedRouteRow();
    if (r < 0)
        return false;
    const QModelIndex current = tree->currentIndex().siblingAtColumn(0);
    const RoutePoint old = routeModel.itemFromIndex(current)->value().value<RoutePoint>();
    const RouteHead head = routeModel.routeHead(r);
    addPointDlg dlg(this);
    dlg.setRoute(head);
    dlg.setPoint(old);
    dlg.setWindowTitle(tr("Ellenőrző pont módosítás"));
    dlg.OKButton->setText(tr("Módosít"));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const QModelIndex group = routeModel.pointsGroupIndex(r);
    if (!routeModel.removeRows(current.row(), 1, group))
        return false;
    if (routeModel.addPoint(dlg.routePoint(), group, head.type > 1))
        return true;
    // The old point always goes back, even where its offset is shared (a plan loaded with
    // equal offsets, or a route whose type changed): a refused change never loses it.
    routeModel.addPoint(old, group, true);
    return false;
}

bool RouteDefView::modifyTolerance()
{
    QInputDialog dlg(this);
    // The mode goes first: a button text builds the dialog, and a spin box swapped in
    // afterwards leaves its OK button disabled until the text is typed in.
    dlg.setInputMode(QInputDialog::IntInput);
    dlg.setWindowTitle(tr("Elvárt pontosság"));
    dlg.setLabelText(tr("A megengedett időeltérés percben"));
    dlg.setCancelButtonText(tr("Mégsem"));
    dlg.setOkButtonText(tr("Módosít"));
    const int old = routeModel.tolerance();
    dlg.setIntRange(Tolerance::editorLow(old), Tolerance::editorHigh(old));
    dlg.setIntValue(old);
    if (dlg.exec() != QDialog::Accepted || dlg.intValue() == old)
        return false;
    routeModel.setTolerance(dlg.intValue());
    return true;
}
