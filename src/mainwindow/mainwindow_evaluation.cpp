#include "mainwindow/mainwindow.h"

#include "core/printexport.h"
#include "evaluation/evaluationview.h"
#include "evaluation/fulfilment.h"
#include "routes/routedefview.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScopeGuard>

EvaluationView* MainWindow::createEvaluationView()
{
    auto* view = new EvaluationView;
    fitNewWindow(view);
    mdiArea->addSubWindow(view);
    return view;
}

EvaluationView* MainWindow::reportWindow(const QString& reportPath)
{
    if (auto* open = qobject_cast<EvaluationView*>(findMdiChild(reportPath)))
        return open;
    return createEvaluationView();
}

void MainWindow::fulfilment()
{
    runFulfilment(nullptr, QString());
}

void MainWindow::fulfilment(RouteDefModel* model)
{
    // A plan never saved names its report after its window.
    QString planName;
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        auto* plan = qobject_cast<RouteDefView*>(window);
        if (model && plan && plan->model() == model) {
            planName = plan->currentFile();
            break;
        }
    }
    runFulfilment(model, planName);
}

void MainWindow::fulfilmentCurrent()
{
    if (RouteDefView* plan = activeRouteDefView())
        runFulfilment(plan->model(), plan->currentFile());
}

void MainWindow::runFulfilment(RouteDefModel* plan, const QString& planName)
{
    if (fulfilmentRunning || Fulfilment::isRunning())
        return;
    fulfilmentRunning = true;
    updateFulfilmentActions();
    const auto finished = qScopeGuard([this] {
        fulfilmentRunning = false;
        updateMenus();
        openDeferredFiles();
    });
    const QPointer<EvaluationView> shown =
        Fulfilment::run(this, plan, planName, [this](const QString& path) { return reportWindow(path); });
    // A report window reused from behind the others comes to the front with its new rows.
    if (shown)
        mdiArea->setActiveSubWindow(shown);
}

void MainWindow::updateFulfilmentActions()
{
    const bool idle = !fulfilmentRunning && !Fulfilment::isRunning();
    fulfilmentAct->setEnabled(idle);
    if (!idle)
        fulfilmentCurrentAct->setEnabled(false);
}

void MainWindow::saveFfr()
{
    saveActiveDocument(EvaluationViewKind, false, tr("A teljesítés jelentés fájl elmentve"));
}

void MainWindow::saveAsFfr()
{
    saveActiveDocument(EvaluationViewKind, true, tr("A teljesítés jelentés fájl elmentve"));
}
