#include "mainwindow/documenttestutil.h"
#include "support/modaldriver.h"

#include "core/helpers.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/exportdlg.h"
#include "routes/addroutedlg.h"
#include "routes/extractroutedlg.h"
#include "routes/routedefview.h"

#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTreeView>

namespace {

QAction* act(MainWindow& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

RouteDefView* activePlan(MainWindow& w)
{
    return qobject_cast<RouteDefView*>(w.activeMdiChild());
}

LogEntry touchAt(const QTime& t, unsigned char code)
{
    unsigned char raw[LogEntry::size] = {0, 0, 0, 0, 0, 0, 0, 0, 0, code};
    packDeviceTime(QDateTime(QDate(2026, 6, 10), t), raw);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

// A log of three touches: 8:00 (code …B), 8:07 (…C) and 8:12 (…D).
void writeTouchLog(const QString& path)
{
    LogFile::Header header;
    header.deviceType = 0x31;
    header.deviceName = QStringLiteral("PROBA   ");
    header.initDate = QDateTime(QDate(2026, 6, 1), QTime(9, 0));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(LogFile::write(file, header,
                           {touchAt(QTime(8, 0), 1), touchAt(QTime(8, 7), 2), touchAt(QTime(8, 12), 3)}));
}

// A plan with log "GUARD1.EWL" and route "R" (type 1) holding one start and one point.
void writePlan(const QString& path)
{
    RouteDefModel m;
    QVERIFY(m.addLog("GUARD1.EWL"));
    QCOMPARE(m.addRoute(RouteHead("R", 1, RouteTime())), 0);
    QVERIFY(m.addStart(RouteStart("8:00", "9:00", 1, "", ""), m.startsGroupIndex(0)));
    QVERIFY(m.addPoint(RoutePoint("B", "0:05"), m.pointsGroupIndex(0), false));
    QVERIFY(m.saveAs(path, nullptr, true));
}

void answerRouteDialog(ModalDriver& driver, const QString& name, int type)
{
    driver.onModal("AddRouteDlg", [name, type](QWidget* w) {
        auto* dlg = qobject_cast<AddRouteDlg*>(w);
        dlg->RouteNameEdit->setText(name);
        dlg->setRouteType(type);
        dlg->OKButton->click();
    });
}

void answerExtraction(ModalDriver& driver, const QString& plan, const QString& route)
{
    driver.onModal("ExtractRouteDlg", [plan, route](QWidget* w) {
        auto* dlg = qobject_cast<ExtractRouteDlg*>(w);
        dlg->routeFileEdit->setText(plan);
        dlg->routeNameEdit->setText(route);
        dlg->minuteOffsetEdit->setText("5");
        dlg->OKbutton->click();
    });
}

// Opens the touch log and selects its rows from..to (as shown).
LogView* openSelectedLog(MainWindow& w, const QString& path, int from, int to)
{
    w.loadFile(path);
    auto* log = qobject_cast<LogView*>(w.activeMdiChild());
    if (!log)
        return nullptr;
    LogTableView* table = log->table();
    table->clearSelection();
    const QModelIndex first = table->model()->index(from, 0);
    const QModelIndex last = table->model()->index(to, 0);
    table->selectionModel()->select(QItemSelection(first, last),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    return log;
}

} // namespace

class TestRouteCommands : public QObject
{
    Q_OBJECT
private slots:

    void newPlanIsActiveWithOnlyAddCommands()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        act(w, "newErdFileAct")->trigger();
        RouteDefView* plan = activePlan(w);
        QVERIFY(plan);
        QCOMPARE(w.activeViewKind(), int(RouteDefViewKind));
        QVERIFY(plan->isVisible());
        QCOMPARE(plan->currentKind(), RouteGroupItem); // expanded by default
        QVERIFY(act(w, "addRouteToErdAct")->isEnabled());
        QVERIFY(act(w, "addLogToErdAct")->isEnabled());
        QVERIFY(!act(w, "removeLogFromErdAct")->isEnabled());
        QVERIFY(!act(w, "removeRouteFromErdAct")->isEnabled());
        QVERIFY(!act(w, "addStartToErdAct")->isEnabled());
        QVERIFY(!act(w, "addPointToErdAct")->isEnabled());
        QVERIFY(!act(w, "removeStartFromErdAct")->isEnabled());
        QVERIFY(!act(w, "removePointFromErdAct")->isEnabled());
        QVERIFY(act(w, "expandAllAct")->isVisible());
        QVERIFY(!act(w, "extractRouteAct")->isVisible());
    }

    void loadedPlanEnablesByItsContentsAndCurrentItem_data()
    {
        QTest::addColumn<int>("current"); // 0 start, 1 point, 2 route
        QTest::addColumn<bool>("addStart");
        QTest::addColumn<bool>("removeStart");
        QTest::addColumn<bool>("removePoint");
        QTest::newRow("start") << 0 << true << true << false;
        QTest::newRow("point") << 1 << true << false << true;
        QTest::newRow("route") << 2 << true << false << false;
    }

    void loadedPlanEnablesByItsContentsAndCurrentItem()
    {
        QFETCH(int, current);
        QFETCH(bool, addStart);
        QFETCH(bool, removeStart);
        QFETCH(bool, removePoint);
        TestEnv env;
        writePlan(env.path("plan.erd"));
        MainWindow w;
        w.show();
        w.loadFile("plan.erd");
        RouteDefView* plan = activePlan(w);
        QVERIFY(plan);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Útvonal terv fájl betöltve"));
        QCOMPARE(recentFiles().value(0), QStringLiteral("plan.erd")); // as given, not made absolute
        QVERIFY(act(w, "removeLogFromErdAct")->isEnabled());
        QVERIFY(act(w, "removeRouteFromErdAct")->isEnabled());
        RouteDefModel* m = plan->model();
        const QModelIndex items[] = {m->index(0, 0, m->startsGroupIndex(0)), m->index(0, 0, m->pointsGroupIndex(0)),
                                     m->routeIndex(0)};
        plan->treeView()->setCurrentIndex(items[current]);
        QCOMPARE(act(w, "addStartToErdAct")->isEnabled(), addStart);
        QCOMPARE(act(w, "addPointToErdAct")->isEnabled(), addStart);
        QCOMPARE(act(w, "removeStartFromErdAct")->isEnabled(), removeStart);
        QCOMPARE(act(w, "removePointFromErdAct")->isEnabled(), removePoint);

        // The same state is rebuilt when the plan becomes active again.
        w.newTxtFile();
        w.findChild<QMdiArea*>()->setActiveSubWindow(plan);
        QCOMPARE(act(w, "addStartToErdAct")->isEnabled(), addStart);
        QCOMPARE(act(w, "removeStartFromErdAct")->isEnabled(), removeStart);
        QCOMPARE(act(w, "removePointFromErdAct")->isEnabled(), removePoint);
    }

    void unreadablePlanClosesItsWindowWithoutAQuestion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plan") << "bad.erd";
        QTest::newRow("older format") << "bad.rdf";
    }

    void unreadablePlanClosesItsWindowWithoutAQuestion()
    {
        QFETCH(QString, name);
        TestEnv env;
        writeBytes(env.path(name), "\x0E\x1A\x01");
        MainWindow w;
        w.show();
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QString()); // the loader's own message only
            w.loadFile(name);
        }
        QCOMPARE(openWindows(w).size(), 0);
        QVERIFY(recentFiles().isEmpty());
    }

    void olderFormatOpensAsAnUnsavedPlan()
    {
        TestEnv env;
        // One log "G", no routes, tolerance 7: little-endian counts.
        writeBytes(env.path("old.rdf"), QByteArray("\x01\x00\x01G\x00\x00\x07\x00", 8));
        MainWindow w;
        w.show();
        w.loadFile(env.path("OLD.RDF").replace("OLD.RDF", "old.rdf"));
        RouteDefView* plan = activePlan(w);
        QVERIFY(plan);
        QCOMPARE(plan->model()->tolerance(), 7);
        QVERIFY(plan->isWindowModified());
        QCOMPARE(openWindows(w).size(), 1);
        plan->setWindowModified(false);
    }

    void commandsReportOnlyWhatChanged()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        w.newErdFile();
        RouteDefView* plan = activePlan(w);
        QVERIFY(plan);
        w.statusBar()->clearMessage();
        {
            ModalDriver driver;
            driver.onModal("AddRouteDlg", [](QWidget* dlg) { qobject_cast<QDialog*>(dlg)->reject(); });
            act(w, "addRouteToErdAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(w.statusBar()->currentMessage(), QString()); // cancelled: no message
        {
            ModalDriver driver;
            answerRouteDialog(driver, "Reggel", 0);
            act(w, "addRouteToErdAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Egy új útvonal hozzáadva az útvonal tervhez"));
        QCOMPARE(plan->model()->routeCount(), 1);
        QVERIFY(act(w, "removeRouteFromErdAct")->isEnabled());
        QVERIFY(plan->currentKind() > RouteGroupItem); // inside the new route
        QVERIFY(act(w, "addStartToErdAct")->isEnabled());

        {
            ModalDriver driver;
            driver.onModal("QInputDialog", [](QWidget* dlg) { qobject_cast<QInputDialog*>(dlg)->accept(); });
            act(w, "removeRouteFromErdAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Az útvonal törölve az útvonal tervből"));
        QCOMPARE(plan->model()->routeCount(), 0);
        QVERIFY(!act(w, "removeRouteFromErdAct")->isEnabled());

        {
            ModalDriver driver;
            driver.onModal("QInputDialog", [](QWidget* dlg) {
                auto* input = qobject_cast<QInputDialog*>(dlg);
                input->setIntValue(25);
                input->accept();
            });
            act(w, "modifyErdAct")->trigger(); // the route group is current: the tolerance
            QVERIFY(driver.allDone());
        }
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Az útvonal terv módosult"));
        QCOMPARE(plan->model()->tolerance(), 25);
        plan->setWindowModified(false);
    }

    void treeCommandsWorkOnTheActivePlan()
    {
        TestEnv env;
        writePlan(env.path("plan.erd"));
        MainWindow w;
        w.show();
        w.loadFile("plan.erd");
        RouteDefView* plan = activePlan(w);
        QVERIFY(plan);
        QTreeView* tree = plan->treeView();
        RouteDefModel* m = plan->model();
        act(w, "expandAllAct")->trigger();
        QVERIFY(tree->isExpanded(m->startsGroupIndex(0)));
        act(w, "collapseAllAct")->trigger();
        QVERIFY(!tree->isExpanded(m->routesGroupIndex()));
        act(w, "expandDefaultAct")->trigger();
        QVERIFY(tree->isExpanded(m->routesGroupIndex()));
        QVERIFY(!tree->isExpanded(m->routeIndex(0)));
    }

    void saveNamesAnUntitledPlanAndRecordsIt()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        w.newErdFile();
        RouteDefView* plan = activePlan(w);
        {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::SaveFile, env.path("night"));
            act(w, "saveErdAct")->trigger();
        }
        QCOMPARE(plan->currentFile(), env.path("night.erd"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Az útvonal terv fájl elmentve"));
        QCOMPARE(recentFiles().value(0), env.path("night.erd"));
        QCOMPARE(readBytes(env.path("night.erd")), QByteArray("\x0E\x1A\x01\x02\x00\x0A\x00\x00\x00\x00", 10));
        {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::SaveFile, QString()); // cancelled
            w.statusBar()->clearMessage();
            act(w, "saveAsErdAct")->trigger();
        }
        QCOMPARE(w.statusBar()->currentMessage(), QString());
    }

    void extractionMakesASavedPlanAndReusesItsWindow()
    {
        TestEnv env;
        writeTouchLog(env.path("guard1.ewl"));
        MainWindow w;
        w.show();
        LogView* log = openSelectedLog(w, env.path("guard1.ewl"), 0, 2);
        QVERIFY(log);
        QVERIFY(act(w, "extractRouteAct")->isVisible());
        {
            ModalDriver driver;
            answerExtraction(driver, "morning", "Reggel");
            act(w, "extractRouteAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QList<QMdiSubWindow*> windows = openWindows(w);
        QCOMPARE(windows.size(), 2);
        auto* plan = qobject_cast<RouteDefView*>(w.findMdiChild("morning.erd"));
        QVERIFY(plan);
        QCOMPARE(plan->isWindowModified(), false); // saved
        QCOMPARE(plan->model()->logName(0), QStringLiteral("GUARD1.EWL"));
        QCOMPARE(plan->model()->routeHead(0).name, QStringLiteral("Reggel"));
        QCOMPARE(plan->model()->routePoint(0, 2).offset.toString().trimmed(), QStringLiteral("00:17"));
        QVERIFY(QFile::exists(env.path("morning.erd")));
        // The plan window is a route-plan window of the main window: its signals drive the actions.
        w.findChild<QMdiArea*>()->setActiveSubWindow(plan);
        QVERIFY(act(w, "removeRouteFromErdAct")->isEnabled());

        // Again, from the log: the open plan window gets the numbered route.
        w.findChild<QMdiArea*>()->setActiveSubWindow(log);
        {
            ModalDriver driver;
            answerExtraction(driver, "MORNING.erd", "Reggel");
            act(w, "extractRouteAct")->trigger();
            QVERIFY(driver.allDone());
        }
#ifdef Q_OS_LINUX
        // Letter case counts for file names here: a second plan.
        QCOMPARE(openWindows(w).size(), 3);
#endif
        {
            ModalDriver driver;
            w.findChild<QMdiArea*>()->setActiveSubWindow(log);
            answerExtraction(driver, "morning", "Reggel");
            act(w, "extractRouteAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(plan->model()->routeCount(), 2);
        QCOMPARE(plan->model()->routeHead(1).name, QStringLiteral("Reggel2"));
        QCOMPARE(plan->model()->logCount(), 1);
    }

    void extractionNeverReplacesAnUnreadablePlan()
    {
        TestEnv env;
        writeTouchLog(env.path("guard1.ewl"));
        writeBytes(env.path("morning.erd"), "not a plan");
        MainWindow w;
        w.show();
        QVERIFY(openSelectedLog(w, env.path("guard1.ewl"), 0, 2));
        {
            ModalDriver driver;
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QString()); // the plan's own load message
            answerExtraction(driver, "morning", "Reggel");
            w.extractRoute();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(openWindows(w).size(), 1); // the plan window went without a save question
        QCOMPARE(readBytes(env.path("morning.erd")), QByteArray("not a plan"));
    }

    void extractionUsesTheRowsShownThroughTheFilter()
    {
        // Rows 1..2 as shown are the 8:07 and 8:12 touches: offsets 0 and 5.
        TestEnv env;
        writeTouchLog(env.path("guard1.ewl"));
        MainWindow w;
        w.show();
        QVERIFY(openSelectedLog(w, env.path("guard1.ewl"), 1, 2));
        {
            ModalDriver driver;
            driver.onModal("ExtractRouteDlg", [](QWidget* dlg) {
                auto* d = qobject_cast<ExtractRouteDlg*>(dlg);
                QCOMPARE(d->pointList->count(), 2);
                QCOMPARE(d->pointList->item(1)->text().left(7), QStringLiteral("  00:05"));
                d->reject();
            });
            w.extractRoute();
            QVERIFY(driver.allDone());
        }
        QCOMPARE(openWindows(w).size(), 1);
    }

    void planExportedFromTheMenuImportsIntoANewPlan()
    {
        TestEnv env;
        writePlan(env.path("plan.erd"));
        MainWindow w;
        w.show();
        w.loadFile("plan.erd");
        {
            ModalDriver driver;
            driver.onModal("ExportDlg", [](QWidget* widget) {
                auto* d = static_cast<ExportDlg*>(widget);
                QCOMPARE(d->fileNameEdit->text(), QStringLiteral("plan.txt"));
                d->exportTypeCombo->setCurrentIndex(1); // XML
                d->fileNameEdit->setText("copy");
                d->accept();
            });
            act(w, "routeExportAct")->trigger();
            QVERIFY(driver.allDone());
        }
        QVERIFY(readBytes(env.path("copy.xml")).contains("_ERD_V1.0_POINTS_"));
        w.newErdFile();
        RouteDefView* fresh = activePlan(w);
        QVERIFY(!act(w, "removeRouteFromErdAct")->isEnabled());
        {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::OpenFile, env.path("copy.xml"));
            act(w, "routeImportAct")->trigger();
        }
        QCOMPARE(fresh->model()->routeCount(), 1);
        QCOMPARE(fresh->model()->routePoint(0, 0).describe(false), QStringLiteral("BAAAAAAAAAAA"));
        QVERIFY(act(w, "removeRouteFromErdAct")->isEnabled()); // told by the window
        QVERIFY(act(w, "removeLogFromErdAct")->isEnabled());
        fresh->setWindowModified(false);
    }

    void extractionNeedsAnActiveLog()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        w.extractRoute(); // nothing active: nothing happens, no prompt
        w.newErdFile();
        w.extractRoute();
        QCOMPARE(openWindows(w).size(), 1);
        activePlan(w)->setWindowModified(false);
    }
};

WYX_TEST_MAIN(TestRouteCommands)
#include "tst_routecommands.moc"
