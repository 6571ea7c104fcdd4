#include "mainwindow/mainwindow.h"

#include "core/printexport.h"
#include "logrecords/logentry.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "routes/extractioncommand.h"
#include "routes/routedefview.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

RouteDefView* MainWindow::activeRouteDefView() const
{
    return qobject_cast<RouteDefView*>(activeMdiChild());
}

void MainWindow::reportRouteCommand(bool changed, const QString& message)
{
    // A cancelled command says nothing.
    if (changed)
        statusBar()->showMessage(message, 2000);
}

void MainWindow::newErdFile()
{
    RouteDefView* view = createRouteDefView();
    view->newFile();
    view->show();
    view->expandDefault();
}

void MainWindow::saveErd()
{
    saveActiveDocument(RouteDefViewKind, false, tr("Az útvonal terv fájl elmentve"));
}

void MainWindow::saveAsErd()
{
    saveActiveDocument(RouteDefViewKind, true, tr("Az útvonal terv fájl elmentve"));
}

void MainWindow::addLogToErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->addLog(), tr("Az esemény napló hozzáadva az útvonal tervhez"));
}

void MainWindow::removeLogFromErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->removeLog(), tr("Az esemény napló eltávolítva az útvonal tervből"));
}

void MainWindow::addRouteToErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->addRoute(), tr("Egy új útvonal hozzáadva az útvonal tervhez"));
}

void MainWindow::removeRouteFromErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->removeRoute(), tr("Az útvonal törölve az útvonal tervből"));
}

void MainWindow::addStartToErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->addStart(), tr("Egy új indulási idő hozzáadva az útvonal tervhez"));
}

void MainWindow::removeStartFromErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->removeStart(), tr("Az indulási idő törölve az útvonal tervből"));
}

void MainWindow::addPointToErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->addPoint(), tr("Egy új ellenőrző pont hozzáadva az útvonal tervhez"));
}

void MainWindow::removePointFromErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->removePoint(), tr("Az ellenőrzési pont törölve az útvonal tervből"));
}

void MainWindow::modifyErd()
{
    if (RouteDefView* view = activeRouteDefView())
        reportRouteCommand(view->modify(), tr("Az útvonal terv módosult"));
}

void MainWindow::extractRoute()
{
    LogView* log = activeLogView();
    if (!log)
        return;
    LogTableView* table = log->table();
    // The rows the user sees, in the selection's order, as entries of the log itself.
    QList<LogEntry> entries;
    const QModelIndexList rows = table->selectionModel()->selectedRows(0);
    entries.reserve(rows.size());
    for (const QModelIndex& row : rows)
        entries.append(table->logModel->entryAt(table->proxy()->mapToSource(row).row()));
    PlanWindowHost host;
    host.find = [this](const QString& path) { return qobject_cast<RouteDefView*>(findMdiChild(path)); };
    host.create = [this] { return createRouteDefView(); };
    runRouteExtraction(this, log->currentFile, entries, host);
}

void MainWindow::collapseAll()
{
    if (RouteDefView* view = activeRouteDefView())
        view->collapseAll();
}

void MainWindow::expandAll()
{
    if (RouteDefView* view = activeRouteDefView())
        view->expandAll();
}

void MainWindow::expandDefault()
{
    if (RouteDefView* view = activeRouteDefView())
        view->expandDefault();
}
