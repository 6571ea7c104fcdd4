// The fulfilment commands of the main window: evaluating a plan file or the active plan
// window, the report window found or made for the report, and saving and reopening it.
#include "mainwindow/documenttestutil.h"
#include "support/modaldriver.h"

#include "core/documentwindow.h"
#include "evaluation/evaluationdlg.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "evaluation/runtestutil.h"
#include "routes/routedefview.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QUdpSocket>

using namespace PlanTest;

namespace {

const QDate day(2024, 3, 5);
// The tests run under the C locale: the day is written day first.
const QString dayText = QStringLiteral("05-03-2024");
const QStringList fulfilledRows{"40000000/0", "00000000/0", "80000000/0"};

void writeTouches(const QString& path, const QVector<LogEntry>& entries)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    LogFile::Header header;
    header.deviceName = QStringLiteral("L1");
    QVERIFY(LogFile::write(f, header, entries));
}

// One route of one point at 8:00 (tolerance 5 minutes), read from the log L1.EWL.
void fillPlan(RouteDefModel& model)
{
    model.setTolerance(5);
    model.addLog(QStringLiteral("L1.EWL"));
    const int route = model.addRoute(RouteHead(QStringLiteral("R"), 0, minutesTime(-1)));
    RouteStart start;
    start.t1 = minutesTime(480);
    start.count = 1;
    model.addStart(start, model.startsGroupIndex(route));
    model.addPoint(RoutePoint(QStringLiteral("B"), 0u), model.pointsGroupIndex(route), true);
}

// terv.erd and a log in which the point was touched in time.
void writePlanAndLog(const TestEnv& env)
{
    writeTouches(env.path("L1.EWL"), {touch(day, "B", 482)});
    RouteDefModel plan;
    fillPlan(plan);
    QVERIFY(plan.saveAs(env.path("terv.erd"), nullptr));
}

QAction* action(MainWindow& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

EvaluationView* activeReport(MainWindow& w)
{
    return qobject_cast<EvaluationView*>(w.activeMdiChild());
}

QList<EvaluationView*> reportWindows(MainWindow& w)
{
    QList<EvaluationView*> out;
    for (QMdiSubWindow* window : openWindows(w)) {
        if (auto* report = qobject_cast<EvaluationView*>(window))
            out << report;
    }
    return out;
}

// Accepts the parameter dialog with this plan file (none: the field must be hidden), the
// test day and the normal depth.
void acceptDialog(QWidget* widget, const QString& planFile)
{
    auto* dlg = static_cast<EvaluationDlg*>(widget);
    QCOMPARE(dlg->fileNameEdit->isVisibleTo(dlg), !planFile.isEmpty());
    if (!planFile.isEmpty())
        dlg->fileNameEdit->setText(planFile);
    dlg->BeginDateEdit->setDate(day);
    dlg->normalRadio->setChecked(true);
    dlg->OkButton->click();
}

void runFromMenu(MainWindow& w, const QString& planFile)
{
    ModalDriver driver;
    driver.onModal(QStringLiteral("evaluationDlg"), [&](QWidget* dlg) { acceptDialog(dlg, planFile); });
    action(w, "fulfilmentAct")->trigger();
    QVERIFY(driver.allDone());
}

RouteDefView* addPlanWindow(MainWindow& w)
{
    RouteDefView* view = w.createRouteDefView();
    view->show();
    w.findChild<QMdiArea*>()->setActiveSubWindow(view);
    return view;
}

} // namespace

class TestEvaluationCommands : public QObject
{
    Q_OBJECT
private slots:
    void planFileFromTheMenuShowsItsReport()
    {
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        runFromMenu(w, env.path("terv.erd"));

        EvaluationView* report = activeReport(w);
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->currentFile(), env.path("terv_" + dayText + ".ffr"));
        QCOMPARE(report->windowTitle(), "terv_" + dayText + ".ffr[*]");
        QCOMPARE(RunTest::rowKinds(report->model()->report()), fulfilledRows);
        QCOMPARE(report->model()->report().mode, 1);
        QCOMPARE(int(w.activeViewKind()), int(EvaluationViewKind));
        QVERIFY(action(w, "saveFfrAct")->isVisible());
        QVERIFY(action(w, "fulfilmentAct")->isEnabled());
        QCOMPARE(openWindows(w).size(), 1);
    }

    void cancelledDialogChangesNothing()
    {
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        ModalDriver driver;
        driver.onModal(QStringLiteral("evaluationDlg"),
                       [](QWidget* dlg) { static_cast<EvaluationDlg*>(dlg)->cancelButton->click(); });
        w.fulfilment();
        QVERIFY(driver.allDone());
        QVERIFY(openWindows(w).isEmpty());
        QVERIFY(action(w, "fulfilmentAct")->isEnabled());
    }

    void secondRunReusesTheReportWindow()
    {
        // It rebuilds the rows and comes to the front, even from behind another window.
        TestEnv env;
        writePlanAndLog(env);
        writeBytes(env.path("a.txt"));
        MainWindow w;
        w.show();
        runFromMenu(w, env.path("terv.erd"));
        EvaluationView* first = activeReport(w);
        QVERIFY(first);
        w.loadFile(env.path("a.txt"));
        QVERIFY(activeTxt(w));

        writeTouches(env.path("L1.EWL"), {touch(day, "B", 500)}); // now 15 minutes late
        runFromMenu(w, env.path("terv.erd"));
        QCOMPARE(activeReport(w), first);
        QCOMPARE(reportWindows(w).size(), 1);
        QCOMPARE(RunTest::rowKinds(first->model()->report()).last(), QStringLiteral("2400000f/0"));
    }

    void activePlanWindowIsEvaluated()
    {
        // Its own plan, without the file field; the commands are off while it runs.
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        w.loadFile(env.path("terv.erd"));
        auto* plan = qobject_cast<RouteDefView*>(w.activeMdiChild());
        QVERIFY(plan);
        QCOMPARE(int(w.activeViewKind()), int(RouteDefViewKind));
        QVERIFY(action(w, "fulfilmentCurrentAct")->isEnabled());

        bool offWhileRunning = false;
        ModalDriver driver;
        driver.onModal(QStringLiteral("evaluationDlg"), [&](QWidget* dlg) {
            offWhileRunning =
                !action(w, "fulfilmentAct")->isEnabled() && !action(w, "fulfilmentCurrentAct")->isEnabled();
            acceptDialog(dlg, QString());
        });
        action(w, "fulfilmentCurrentAct")->trigger();
        QVERIFY(driver.allDone());
        QVERIFY(offWhileRunning);
        EvaluationView* report = activeReport(w);
        QVERIFY(report);
        QCOMPARE(report->currentFile(), env.path("terv_" + dayText + ".ffr"));
        QCOMPARE(RunTest::rowKinds(report->model()->report()), fulfilledRows);
        QVERIFY(action(w, "fulfilmentAct")->isEnabled());

        // Back on the plan, its command is on again.
        w.findChild<QMdiArea*>()->setActiveSubWindow(plan);
        QVERIFY(action(w, "fulfilmentCurrentAct")->isEnabled());
    }

    void unsavedPlanNamesTheReportAfterItsWindow()
    {
        TestEnv env;
        writeTouches(env.path("L1.EWL"), {touch(day, "B", 482)});
        MainWindow w;
        w.show();
        RouteDefView* plan = addPlanWindow(w);
        plan->newFile();
        fillPlan(*plan->model());
        const QString stem = QFileInfo(plan->currentFile()).completeBaseName();

        // Also when the plan comes through the overload, not as the active window.
        writeBytes(env.path("a.txt"));
        w.loadFile(env.path("a.txt"));
        ModalDriver driver;
        driver.onModal(QStringLiteral("evaluationDlg"), [](QWidget* dlg) { acceptDialog(dlg, QString()); });
        w.fulfilment(plan->model());
        QVERIFY(driver.allDone());
        EvaluationView* report = activeReport(w);
        QVERIFY(report);
        QCOMPARE(report->currentFile(), env.path(stem + "_" + dayText + ".ffr"));
        QCOMPARE(RunTest::rowKinds(report->model()->report()), fulfilledRows);
    }

    void nullPlanAsksForTheFile()
    {
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        ModalDriver driver;
        driver.onModal(QStringLiteral("evaluationDlg"),
                       [&](QWidget* dlg) { acceptDialog(dlg, env.path("terv.erd")); });
        w.fulfilment(nullptr);
        QVERIFY(driver.allDone());
        QVERIFY(activeReport(w));
    }

    void currentCommandNeedsAPlanWindow()
    {
        TestEnv env;
        writeBytes(env.path("a.txt"));
        MainWindow w;
        w.show();
        w.loadFile(env.path("a.txt"));
        bool dialogShown = false;
        QTimer::singleShot(0, [&] {
            dialogShown = QApplication::activeModalWidget() != nullptr;
            ModalDriver::closeAllModals();
        });
        w.fulfilmentCurrent();
        QCoreApplication::processEvents();
        QVERIFY(!dialogShown);
        QCOMPARE(openWindows(w).size(), 1);
    }

    void reportSavesAndReopensByExtension()
    {
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        runFromMenu(w, env.path("terv.erd"));
        const QString path = env.path("terv_" + dayText + ".ffr");

        action(w, "saveFfrAct")->trigger();
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("A teljesítés jelentés fájl elmentve"));
        QCOMPARE(recentFiles().value(0), path);
        const QByteArray saved = readBytes(path);
        QVERIFY(saved.size() > 16);

        {
            // Saved under a name whose extension is in capitals: it is kept.
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::SaveFile, env.path("MASIK.FFR"));
            action(w, "saveAsFfrAct")->trigger();
        }
        QCOMPARE(recentFiles().value(0), env.path("MASIK.FFR"));
        QCOMPARE(readBytes(env.path("MASIK.FFR")), saved);
        QCOMPARE(activeReport(w)->windowTitle(), QStringLiteral("MASIK.FFR[*]"));

        w.findChild<QMdiArea*>()->closeAllSubWindows();
        QVERIFY(openWindows(w).isEmpty());
        w.statusBar()->clearMessage();
        w.loadFile(QStringLiteral("MASIK.FFR")); // relative: in the working directory
        EvaluationView* reopened = activeReport(w);
        QVERIFY(reopened);
        QVERIFY(reopened->isVisible());
        QCOMPARE(reopened->currentFile(), env.path("MASIK.FFR"));
        QCOMPARE(RunTest::rowKinds(reopened->model()->report()), fulfilledRows);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Teljesítés jelentés fájl betöltve"));
        QCOMPARE(recentFiles().value(0), QStringLiteral("MASIK.FFR"));

        // Opened again it is only activated.
        w.loadFile(env.path("MASIK.FFR"));
        QCOMPARE(reportWindows(w).size(), 1);
    }

    void cancelledSaveAsTellsNothing()
    {
        TestEnv env;
        writePlanAndLog(env);
        MainWindow w;
        w.show();
        runFromMenu(w, env.path("terv.erd"));
        const QString message = w.statusBar()->currentMessage();
        const QStringList before = recentFiles();
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        action(w, "saveAsFfrAct")->trigger();
        QCOMPARE(w.statusBar()->currentMessage(), message);
        QCOMPARE(recentFiles(), before);
    }

    void brokenReportClosesItsWindow()
    {
        TestEnv env;
        writeBytes(env.path("rossz.ffr"), "nem jelentés");
        MainWindow w;
        w.show();
        const QString idle = w.statusBar()->currentMessage();
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "sérült");
            w.loadFile(env.path("rossz.ffr"));
        }
        QVERIFY(openWindows(w).isEmpty());
        QCOMPARE(w.statusBar()->currentMessage(), idle);
        QVERIFY(recentFiles().isEmpty());

        // A file handed over by another start has its failure told later, in one message.
        QStringList failures;
        w.loadFile(env.path("rossz.ffr"), &failures);
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures.first().contains(QStringLiteral("sérült")), qPrintable(failures.first()));
        QVERIFY(openWindows(w).isEmpty());
    }

    void handedOverFileWaitsForTheRun()
    {
        TestEnv env;
        writePlanAndLog(env);
        writeBytes(env.path("a.txt"));
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        int openDuringRun = -1;
        ModalDriver driver;
        driver.onModal(QStringLiteral("evaluationDlg"), [&](QWidget* dlg) {
            QUdpSocket sender;
            sender.writeDatagram(handOverDatagram(w.handOverSecret(), env.path("a.txt").toLocal8Bit()),
                                 QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
            QTest::qWait(200);
            openDuringRun = openWindows(w).size();
            acceptDialog(dlg, env.path("terv.erd"));
        });
        w.fulfilment();
        QVERIFY(driver.allDone());
        QCOMPARE(openDuringRun, 0);
        QTRY_COMPARE(openWindows(w).size(), 2);
        QVERIFY(w.findMdiChild(env.path("a.txt")));
    }
};

WYX_TEST_MAIN(TestEvaluationCommands)
#include "tst_evaluationcommands.moc"
