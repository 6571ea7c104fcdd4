// The dispatcher's main road through the main window, with the simulated logger: read the
// logger out, make a route from the touches, save and reopen the plan, evaluate it.
#include "mainwindow/documenttestutil.h"

#include "device/devicetestutil.h"
#include "support/modaldriver.h"

#include "evaluation/evaluationdlg.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "routes/extractroutedlg.h"
#include "routes/routedefview.h"

#include <QItemSelectionModel>
#include <QRadioButton>

namespace {

const QDate day(2024, 3, 5);

QAction* action(MainWindow& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TestMainRoad : public QObject
{
    Q_OBJECT
private slots:
    void readOutPlanAndEvaluate()
    {
        TestEnv env;
        SimulatorScope sim;
        // The logger's own case names the log file; the plan keeps the name in capitals.
        sim.device().setName("Tour1");
        const QStringList codes{"AAAAAAAAAAAB", "AAAAAAAAAAAC", "AAAAAAAAAAAD"};
        const int minutes[] = {0, 7, 12};
        for (int i = 0; i < codes.size(); ++i)
            sim.device().appendTouch(QDateTime(day, QTime(8, minutes[i])), QByteArray(5, '\0') + char(i + 1));
        MainWindow w;
        w.show();
        w.readOut();
        auto* log = qobject_cast<LogView*>(w.activeMdiChild());
        QVERIFY(log);
        QCOMPARE(log->currentFile, env.path("Tour1.ewl"));

        // The whole log selected: its touches become the route's points.
        LogTableView* table = log->table();
        table->selectAll();
        {
            ModalDriver driver;
            driver.onModal("ExtractRouteDlg", [](QWidget* widget) {
                auto* dlg = qobject_cast<ExtractRouteDlg*>(widget);
                dlg->routeFileEdit->setText("terv");
                dlg->routeNameEdit->setText("Reggel");
                dlg->OKbutton->click();
            });
            action(w, "extractRouteAct")->trigger();
            QVERIFY(driver.allDone());
        }
        auto* plan = qobject_cast<RouteDefView*>(w.findMdiChild(env.path("terv.erd")));
        QVERIFY(plan);
        QCOMPARE(plan->model()->pointCount(0), 3);
        // The plan's start time is added by hand.
        QVERIFY(plan->model()->addStart(RouteStart("7:45", "", 1, "", ""), plan->model()->startsGroupIndex(0)));
        QVERIFY(plan->save());

        w.findChild<QMdiArea*>()->closeAllSubWindows();
        QVERIFY(openWindows(w).isEmpty());
        w.loadFile(env.path("terv.erd"));
        plan = qobject_cast<RouteDefView*>(w.activeMdiChild());
        QVERIFY(plan);
        QCOMPARE(plan->model()->logName(0), QStringLiteral("TOUR1.EWL"));

        {
            ModalDriver driver;
            driver.onModal("evaluationDlg", [](QWidget* widget) {
                auto* dlg = static_cast<EvaluationDlg*>(widget);
                dlg->BeginDateEdit->setDate(day);
                dlg->verboseRadio->setChecked(true);
                dlg->OkButton->click();
            });
            action(w, "fulfilmentCurrentAct")->trigger();
            QVERIFY(driver.allDone());
        }
        auto* report = qobject_cast<EvaluationView*>(w.activeMdiChild());
        QVERIFY(report);
        // The guard started 15 minutes after the planned 7:45: with the tolerance of 10 minutes
        // every touch is 5 minutes out, so each has its row.
        const EvaluationModel* model = report->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->rowText(row);
        QStringList expected{"Reggel, 5 Mar 2024 07:45 IDÖ ELTÉRÉS(EK)! (TOUR1.EWL)"};
        for (int i = 0; i < codes.size(); ++i)
            expected << QStringLiteral("  %1 5 Mar 2024 07:%2  ellenőrzése 5 perc idő eltéréssel!")
                            .arg(codes.at(i))
                            .arg(45 + minutes[i]);
        QCOMPARE(rows, expected);
    }
};

WYX_TEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
