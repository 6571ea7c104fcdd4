#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "routes/addpointdlg.h"
#include "routes/addroutedlg.h"
#include "routes/addstartdlg.h"
#include "routes/extractioncommand.h"
#include "routes/extractroutedlg.h"
#include "routes/routedefview.h"
#include "routes/routeextraction.h"
#include "routes/routeplanlayout.h"

#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "logrecords/logentry.h"
#include "mainwindow/programfiles.h"

#include <QAbstractItemModelTester>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>
#include <QTreeView>
#include <QWheelEvent>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A window holding route "R" of the type with one start (8:00-9:00) and points at 0:05
// and 0:10, the start row current.
void fill(RouteDefView& v, int type)
{
    RouteDefModel* m = v.model();
    QCOMPARE(v.addRouteRecord(RouteHead("R", type, RouteTime::parse("1:00"))), 0);
    QVERIFY(m->addStart(RouteStart("8:00", "9:00", 1, "", ""), m->startsGroupIndex(0)));
    QVERIFY(m->addPoint(RoutePoint("B", "0:05"), m->pointsGroupIndex(0), true));
    QVERIFY(m->addPoint(RoutePoint("C", "0:10"), m->pointsGroupIndex(0), true));
    v.treeView()->setCurrentIndex(m->index(0, 0, m->startsGroupIndex(0)));
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

void answerInput(ModalDriver& driver, const QString& text, bool ok = true)
{
    driver.onModal("QInputDialog", [text, ok](QWidget* w) {
        auto* dlg = qobject_cast<QInputDialog*>(w);
        if (!text.isEmpty())
            dlg->setTextValue(text);
        ok ? dlg->accept() : dlg->reject();
    });
}

LogEntry touchAt(int h, int m, int sec, unsigned char code)
{
    unsigned char raw[LogEntry::size] = {0, 0, 0, 0, 0, 0, 0, 0, 0, code};
    packDeviceTime(QDateTime(QDate(2026, 6, 10), QTime(h, m, sec)), raw);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

void answerExtraction(ModalDriver& driver, const QString& plan, const QString& route, const QString& minutes)
{
    driver.onModal("ExtractRouteDlg", [plan, route, minutes](QWidget* w) {
        auto* dlg = qobject_cast<ExtractRouteDlg*>(w);
        dlg->routeFileEdit->setText(plan);
        dlg->routeNameEdit->setText(route);
        dlg->minuteOffsetEdit->setText(minutes);
        dlg->OKbutton->click();
    });
}

QString pointTexts(const RouteDefModel& m, int route = 0)
{
    QStringList out;
    for (int p = 0; p < m.pointCount(route); ++p)
        out << m.routePoint(route, p).describe(true).trimmed();
    return out.join(", ");
}

} // namespace

class TestRouteDefView : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void untitledPlansAreNumberedOnce()
    {
        RouteDefView a;
        const int first = a.currentFile().mid(11).section('.', 0, 0).toInt();
        QVERIFY(a.currentFile().startsWith("útvonalterv"));
        QCOMPARE(a.windowTitle(), a.currentFile() + "[*]");
        QVERIFY(a.isWindowModified());
        RouteDefView b;
        QCOMPARE(b.currentFile(), QStringLiteral("útvonalterv%1.erd").arg(first + 1));
        a.newFile();
        QCOMPARE(a.currentFile(), QStringLiteral("útvonalterv%1.erd").arg(first + 2));
        QCOMPARE(a.sizeHint(), QSize(640, 400));
        DocumentWindow* document = documentWindowOf(&a);
        QVERIFY(document);
        QCOMPARE(document->viewKind(), RouteDefViewKind);
        QCOMPARE(document->documentFile(), a.currentFile());
        QCOMPARE(document->isDocumentModified(), true);
        QCOMPARE(document->exportPdf(nullptr, RangeAll), DocumentWindow::NotDone);
        QCOMPARE(document->importDocument(FormatText, "x"), DocumentWindow::NotOffered);
        a.setCurrentFile("sub/plan.erd");
        QCOMPARE(a.currentFile(), env->path("sub/plan.erd"));
        QCOMPARE(a.windowTitle(), QStringLiteral("plan.erd[*]"));
        QCOMPARE(a.isWindowModified(), false);
    }

    void planMadeInTheWindowReopensTheSame()
    {
        writeFile(env->path("guard1.ewl"), "x");
        writeFile(env->path("guard2.ewl"), "x");
        QByteArray saved;
        {
            RouteDefView v;
            QAbstractItemModelTester tester(v.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
            v.expandDefault();
            QSignalSpy logs(&v, &RouteDefView::haveLog);
            QSignalSpy routes(&v, &RouteDefView::haveRoute);
            QSignalSpy onStart(&v, &RouteDefView::stayOnStart);
            QSignalSpy onRoute(&v, &RouteDefView::stayOnRoute);
            ModalDriver driver;
            answerInput(driver, "guard2.ewl");
            answerRouteDialog(driver, "Éjjel", 1);
            driver.onModal("addStartDlg", [](QWidget* w) {
                auto* dlg = qobject_cast<addStartDlg*>(w);
                dlg->BeginEdit->setTime(QTime(22, 0));
                dlg->EndSpin->setValue(1);
                dlg->EndEdit->setTime(QTime(2, 0));
                dlg->OKButton->click();
            });
            driver.onModal("addPointDlg", [](QWidget* w) {
                auto* dlg = qobject_cast<addPointDlg*>(w);
                dlg->CodeEdit->setText("abc");
                dlg->timeEdit->setTime(QTime(0, 12));
                dlg->OKButton->click();
            });
            v.ClickCatcher(v.model()->logsGroupIndex().siblingAtColumn(5));
            QCOMPARE(v.model()->logName(0), QStringLiteral("guard2.ewl"));
            QVERIFY(v.addRoute());
            v.treeView()->setCurrentIndex(v.model()->routeIndex(0));
            onStart.clear();
            onRoute.clear();
            QVERIFY(v.addStart());
            QCOMPARE(v.currentKind(), StartItem); // the new row is current
            QCOMPARE(onStart.last().at(0).toBool(), true);
            QCOMPARE(onRoute.last().at(0).toBool(), true);
            QVERIFY(v.addPoint());
            QVERIFY(driver.allDone());
            QCOMPARE(logs.count(), 1);
            QCOMPARE(routes.count(), 1);
            {
                ScriptedPrompts prompts;
                prompts.expectFile(Prompts::Kind::SaveFile, QString())
                    .expectFile(Prompts::Kind::SaveFile, env->path("night"));
                QCOMPARE(v.saveDocumentAs(), DocumentWindow::NotDone); // cancelled
                QCOMPARE(v.saveDocument(), DocumentWindow::Done);       // no name yet: asks for one
            }
            QCOMPARE(v.currentFile(), env->path("night.erd"));
            QCOMPARE(v.isWindowModified(), false);
            saved = fileBytes(env->path("night.erd"));
            QVERIFY(v.close());
        }
        RouteDefView again;
        QVERIFY(again.loadFile(env->path("night.erd")));
        QCOMPARE(again.isWindowModified(), false);
        const RouteDefModel& m = *again.model();
        QCOMPARE(m.logName(0), QStringLiteral("GUARD2.EWL"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("Éjjel"));
        QCOMPARE(m.routeStart(0, 0).t2.toString(), QStringLiteral("1 02:00"));
        QCOMPARE(pointTexts(m), QStringLiteral("00:12 ABCAAAAAAAAA"));
        again.model()->setModified(true);
        QVERIFY(again.save()); // written back unasked, byte for byte the same
        QCOMPARE(fileBytes(env->path("night.erd")), saved);
    }

    void emptyLogChoiceAddsNothing()
    {
        RouteDefView v;
        ModalDriver driver;
        driver.onModal("QInputDialog", [](QWidget* w) {
            QCOMPARE(qobject_cast<QInputDialog*>(w)->comboBoxItems().size(), 0);
            qobject_cast<QInputDialog*>(w)->accept();
        });
        QVERIFY(!v.addLog());
        QCOMPARE(v.model()->logCount(), 0);
        QVERIFY(!v.removeLog()); // nothing to remove: no dialog
    }

    void removalsTellWhenTheLastOneGoes()
    {
        RouteDefView v;
        QAbstractItemModelTester tester(v.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy routes(&v, &RouteDefView::haveRoute);
        QSignalSpy logs(&v, &RouteDefView::haveLog);
        QVERIFY(v.addLogName(" guard  1.ewl"));
        QVERIFY(!v.addLogName("GUARD 1.EWL"));
        QCOMPARE(v.model()->logName(0), QStringLiteral("GUARD 1.EWL"));
        QCOMPARE(logs.count(), 1);
        QCOMPARE(v.addRouteRecord(RouteHead("A", 0, RouteTime())), 0);
        QCOMPARE(v.addRouteRecord(RouteHead("B", 0, RouteTime())), 1);
        QCOMPARE(v.addRouteRecord(RouteHead(" a", 2, RouteTime())), -1);
        QCOMPARE(routes.count(), 2);
        routes.clear();
        v.treeView()->setCurrentIndex(v.model()->routeIndex(1));
        ModalDriver driver;
        driver.onModal("QInputDialog", [](QWidget* w) {
            auto* dlg = qobject_cast<QInputDialog*>(w);
            QCOMPARE(dlg->textValue(), QStringLiteral("B")); // the current route is offered
            dlg->accept();
        });
        answerInput(driver, "A");
        answerInput(driver, "GUARD 1.EWL");
        QVERIFY(v.removeRoute());
        QCOMPARE(routes.count(), 0);
        QVERIFY(v.removeRoute());
        QCOMPARE(routes.count(), 1);
        QCOMPARE(routes.last().at(0).toBool(), false);
        QVERIFY(v.removeLog());
        QCOMPARE(logs.last().at(0).toBool(), false);
        QVERIFY(!v.removeRoute());
    }

    void removalQuestions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("startText");
        QTest::addColumn<QString>("pointText");
        QTest::newRow("0") << 0 << "\"08:00\"" << "\"00:05   BAAAAAAAAAAA\"";
        QTest::newRow("1") << 1 << "\"08:00  -  09:00\"" << "\"00:05   BAAAAAAAAAAA\"";
        QTest::newRow("2") << 2 << "\"08:00\"" << "\"BAAAAAAAAAAA\"";
        QTest::newRow("4") << 4 << "\"08:00  -  09:00\"" << "\"BAAAAAAAAAAA\"";
    }
    void removalQuestions()
    {
        QFETCH(int, type);
        QFETCH(QString, startText);
        QFETCH(QString, pointText);
        RouteDefView v;
        fill(v, type);
        QSignalSpy onStart(&v, &RouteDefView::stayOnStart);
        QSignalSpy onPoint(&v, &RouteDefView::stayOnPoint);
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("Valóban töröljük az alábbi időpontot:\n" + startText, false)
                .expectQuestion("Valóban töröljük az alábbi időpontot:\n" + startText, true);
            QVERIFY(v.removeStart());
            QCOMPARE(v.model()->startCount(0), 1);
            QVERIFY(v.removeStart());
            QCOMPARE(prompts.seen().first().title, QStringLiteral("\"R\"  útvonal"));
        }
        QCOMPARE(v.model()->startCount(0), 0);
        QCOMPARE(onStart.count() > 0, true);
        QCOMPARE(onStart.last().at(0).toBool(), v.currentKind() == StartItem);
        QVERIFY(v.removeStart()); // not on a start: nothing asked
        v.treeView()->setCurrentIndex(v.model()->index(0, 0, v.model()->pointsGroupIndex(0)));
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("Valóban töröljük az alábbi ellenőrző pontot:\n" + pointText, true);
            QVERIFY(v.removePoint());
        }
        QCOMPARE(v.model()->pointCount(0), 1);
        QCOMPARE(onPoint.last().at(0).toBool(), true); // selection moved to the other point
    }

    void refusedPointChangeKeepsThePoint()
    {
        // Points sharing 0:00 on a free-order route, then the route turned fixed-order.
        RouteDefView v;
        QAbstractItemModelTester tester(v.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        RouteDefModel* m = v.model();
        QCOMPARE(v.addRouteRecord(RouteHead("R", 2, RouteTime())), 0);
        QVERIFY(m->addPoint(RoutePoint("B", 0u), m->pointsGroupIndex(0), true));
        QVERIFY(m->addPoint(RoutePoint("C", 0u), m->pointsGroupIndex(0), true));
        QVERIFY(m->setData(m->routeIndex(0), QVariant::fromValue(RouteHead("R", 0, RouteTime()))));
        v.treeView()->setCurrentIndex(m->index(1, 0, m->pointsGroupIndex(0)));
        ModalDriver driver;
        driver.onModal("addPointDlg", [](QWidget* w) {
            auto* dlg = qobject_cast<addPointDlg*>(w);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Ellenőrző pont módosítás"));
            QCOMPARE(dlg->OKButton->text(), QStringLiteral("Módosít"));
            dlg->CodeEdit->setText("D");
            dlg->OKButton->click();
        });
        QVERIFY(!v.modify());
        QCOMPARE(pointTexts(*m), QStringLiteral("00:00 BAAAAAAAAAAA, 00:00 CAAAAAAAAAAA"));
        QCOMPARE(v.currentKind(), PointItem);
        // An accepted change moves the point to its place.
        driver.onModal("addPointDlg", [](QWidget* w) {
            auto* dlg = qobject_cast<addPointDlg*>(w);
            dlg->timeEdit->setTime(QTime(0, 30));
            dlg->OKButton->click();
        });
        v.treeView()->setCurrentIndex(m->index(0, 0, m->pointsGroupIndex(0)));
        QVERIFY(v.modify());
        QCOMPARE(pointTexts(*m), QStringLiteral("00:00 CAAAAAAAAAAA, 00:30 BAAAAAAAAAAA"));
    }

    void modifyByCurrentItem()
    {
        RouteDefView v;
        QAbstractItemModelTester tester(v.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        fill(v, 2);
        RouteDefModel* m = v.model();
        ModalDriver driver;
        driver.onModal("addStartDlg", [](QWidget* w) {
            auto* dlg = qobject_cast<addStartDlg*>(w);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Indulási idő módosítás"));
            dlg->BeginEdit->setTime(QTime(7, 0));
            dlg->OKButton->click();
        });
        QVERIFY(v.modify());
        QCOMPARE(m->routeStart(0, 0).t1.toString(), QStringLiteral("  07:00"));
        v.treeView()->setCurrentIndex(m->pointsGroupIndex(0));
        driver.onModal("AddRouteDlg", [](QWidget* w) {
            auto* dlg = qobject_cast<AddRouteDlg*>(w);
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Útvonal módosítás"));
            QCOMPARE(dlg->routeType(), 2);
            dlg->RouteNameEdit->setText("Renamed");
            dlg->setRouteType(3);
            dlg->OKButton->click();
        });
        QVERIFY(v.modify());
        QCOMPARE(m->routeHead(0).name, QStringLiteral("Renamed"));
        QCOMPARE(m->routeHead(0).type, 3);
        QCOMPARE(m->routeHead(0).duration.toString(), QStringLiteral("  01:00"));
        v.treeView()->setCurrentIndex(m->logsGroupIndex());
        driver.onModal("QInputDialog", [](QWidget* w) {
            auto* dlg = qobject_cast<QInputDialog*>(w);
            QCOMPARE(dlg->intValue(), 10);
            QCOMPARE(dlg->intMaximum(), 500);
            dlg->setIntValue(35);
            dlg->accept();
        });
        QVERIFY(v.modify());
        QCOMPARE(m->tolerance(), 35);
        QVERIFY(driver.allDone());
        v.treeView()->setCurrentIndex(m->logsGroupIndex());
        QVERIFY(!v.addStart()); // not inside a route: no dialog
        QVERIFY(!v.addPoint());
        QCOMPARE(v.selectedRouteRow(), -1);
    }

    void closingAsksAboutChanges()
    {
        QPointer<RouteDefView> v = new RouteDefView;
        {
            ScriptedPrompts prompts;
            prompts.expectButton(Prompts::Kind::Warning, "fájl módosult.\nElmentsük a változásokat?", 2);
            QVERIFY(!v->close());
        }
        QVERIFY(!v.isNull());
        v->setCurrentFile("plan.erd");
        v->model()->setFileName("plan.erd");
        v->model()->addLog("a.ewl");
        QVERIFY(QDir(env->workDir()).mkpath("plan.erd")); // a directory in the way of the save
        {
            ScriptedPrompts prompts;
            prompts.expectButton(Prompts::Kind::Warning, "\"" + env->path("plan.erd") + "\" fájl módosult.", 0)
                .expectNotice(Prompts::Kind::Warning, "Az adatok lemezre írása során hiba lépett fel!");
            QVERIFY(!v->close());
        }
        QVERIFY(v->isWindowModified());
        {
            ScriptedPrompts prompts;
            prompts.expectButton(Prompts::Kind::Warning, "fájl módosult.", 1);
            QVERIFY(v->close());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(v.isNull());
    }

    void importedPlanOpensModified()
    {
        const QByteArray rdf = QByteArray::fromHex("0000 0000 0a00");
        writeFile(env->path("OLD.rdf"), rdf);
        RouteDefView v;
        QVERIFY(v.loadFile("OLD.rdf"));
        QVERIFY(v.isWindowModified());
        QCOMPARE(v.currentFile(), env->path("OLD.rdf"));
        QVERIFY(v.save());
        QCOMPARE(v.currentFile(), env->path("OLD.erd"));
        QCOMPARE(fileBytes(env->path("OLD.erd")).toHex(), QByteArray("0e1a0102000a00000000"));
        writeFile(env->path("bad.ERD"), "not a plan");
        RouteDefView broken;
        const QString untitled = broken.currentFile();
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "bad.ERD\nNem megfelelő, vagy sérült fájl.");
            QVERIFY(!broken.loadFile("bad.ERD"));
        }
        QCOMPARE(broken.currentFile(), untitled);
        QVERIFY(broken.isWindowModified());
        broken.setWindowModified(false);
    }

    void extractionNeverReplacesAnUnreadablePlan()
    {
        writeFile(env->path("damaged.erd"), "damaged");
        ExtractedRoute route;
        route.planName = "fresh.erd";
        route.logName = "guard.ewl";
        route.routeName = "Reggel";
        const unsigned char code[6] = {0, 0, 0, 0, 0, 1};
        RoutePoint p;
        p.set(code, 0);
        route.points << p;
        {
            RouteDefView v;
            {
                ScriptedPrompts prompts;
                prompts.expectNotice(Prompts::Kind::Warning, "Nem megfelelő, vagy sérült fájl.");
                QVERIFY(!v.openOrCreate("damaged.erd"));
            }
            QCOMPARE(fileBytes(env->path("damaged.erd")), QByteArray("damaged"));
            v.setWindowModified(false);
        }
        RouteDefView v;
        QVERIFY(v.openOrCreate("fresh.erd"));
        QCOMPARE(v.currentFile(), env->path("fresh.erd"));
        QVERIFY(v.addExtractedRoute(route));
        QVERIFY(v.addExtractedRoute(route));
        QVERIFY(v.save());
        RouteDefModel back;
        QVERIFY(back.load("fresh.erd"));
        QCOMPARE(back.tolerance(), 10);
        QCOMPARE(back.logCount(), 1);
        QCOMPARE(back.routeHead(1).name, QStringLiteral("Reggel2"));
        route.points << RoutePoint(); // no offset: refused and told
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Sikertelen ellenőrző pont felvétel!");
            QVERIFY(!v.addExtractedRoute(route));
        }
        v.setWindowModified(false);
    }

    void extractionCommand()
    {
        const QList<LogEntry> selection = {touchAt(8, 0, 0, 1), touchAt(8, 7, 0, 2), touchAt(8, 7, 20, 3)};
        QList<RouteDefView*> made;
        PlanWindowHost host;
        host.find = [&made](const QString& path) -> RouteDefView* {
            for (RouteDefView* v : made) {
                if (v->currentFile() == path)
                    return v;
            }
            return nullptr;
        };
        host.create = [&made]() {
            made << new RouteDefView;
            return made.last();
        };
        {
            ModalDriver driver;
            answerExtraction(driver, "Plan1", "Reggel", "5");
            answerExtraction(driver, "Plan1.erd", "Reggel", "");
            QVERIFY(runRouteExtraction(nullptr, "/logs/Guard 1.ewl", selection, host));
            QVERIFY(runRouteExtraction(nullptr, "/logs/Guard 1.ewl", selection, host));
        }
        QCOMPARE(made.size(), 1);
        RouteDefModel back;
        QVERIFY(back.load("Plan1.erd"));
        QCOMPARE(back.tolerance(), 10);
        QCOMPARE(back.logCount(), 1);
        QCOMPARE(back.logName(0), QStringLiteral("GUARD 1.EWL"));
        QCOMPARE(back.routeHead(0).duration.toString(), QStringLiteral("  00:13"));
        QCOMPARE(pointTexts(back), QStringLiteral("00:05 AAAAAAAAAAAB, 00:12 AAAAAAAAAAAC, 00:13 AAAAAAAAAAAD"));
        QCOMPARE(back.routeHead(1).name, QStringLiteral("Reggel2"));
        QCOMPARE(back.routePoint(1, 0).offset.toSeconds(), 0);
        QCOMPARE(made.first()->isWindowModified(), false);

        writeFile(env->path("damaged.erd"), "damaged");
        {
            ModalDriver driver;
            answerExtraction(driver, "damaged", "Reggel", "0");
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Nem megfelelő, vagy sérült fájl.");
            QVERIFY(!runRouteExtraction(nullptr, "a.ewl", selection, host));
        }
        QCOMPARE(fileBytes(env->path("damaged.erd")), QByteArray("damaged"));
        QCOMPARE(made.size(), 2);
        QPointer<RouteDefView> refused = made.last();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(refused.isNull()); // closed and gone
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "nincsen ellenőrző pont bejegyzés");
            QVERIFY(!runRouteExtraction(nullptr, "a.ewl", {}, host));
        }
        {
            ModalDriver driver;
            driver.onModal("ExtractRouteDlg", [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
            QVERIFY(!runRouteExtraction(nullptr, "a.ewl", selection, host));
        }
        QCOMPARE(made.size(), 2);
        delete made.first();
    }

    // An import or an extraction adds many rows; the current item moves once, to where adding
    // them one by one left it (the last row added, shown), and the rows come in as before.
    void addingManyMovesTheCurrentItemOnce_data()
    {
        QTest::addColumn<bool>("extraction");
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("point");
        QTest::addColumn<QString>("points"); // of the route
        QTest::newRow("xml import") << false << 0 << 1 << "00:05 BAAAAAAAAAAA, 00:07 DAAAAAAAAAAA, 00:10 CAAAAAAAAAAA";
        QTest::newRow("extraction") << true << 1 << 2 << "00:00 BAAAAAAAAAAA, 00:01 CAAAAAAAAAAA, 00:02 DAAAAAAAAAAA";
    }

    void addingManyMovesTheCurrentItemOnce()
    {
        QFETCH(bool, extraction);
        QFETCH(int, route);
        QFETCH(int, point);
        QFETCH(QString, points);
        RouteDefView v;
        fill(v, 0);
        v.show();
        QSignalSpy moves(v.treeView()->selectionModel(), &QItemSelectionModel::currentChanged);
        if (extraction) {
            const QList<RoutePoint> points = {RoutePoint("B", "0:00"), RoutePoint("C", "0:01"), RoutePoint("D", "0:02")};
            QVERIFY(v.addExtractedRoute({QString(), "guard.ewl", "R", 0, 0, points}));
        } else {
            // The same plan with one more point, which lands between the two it has.
            RouteDefView source;
            fill(source, 0);
            QVERIFY(source.model()->addLog("L1.EWL"));
            QVERIFY(source.model()->addPoint(RoutePoint("D", "0:07"), source.model()->pointsGroupIndex(0), false));
            ScriptedPrompts prompts;
            QVERIFY(source.exportToXml("plan"));
            source.setWindowModified(false);
            QVERIFY(v.importFromXml("plan"));
        }
        QCOMPARE(moves.count(), 1);
        const RouteDefModel* m = v.model();
        QCOMPARE(v.treeView()->currentIndex(), m->index(point, 0, m->pointsGroupIndex(route)));
        QVERIFY(v.treeView()->isExpanded(m->pointsGroupIndex(route)));
        QVERIFY(v.treeView()->isExpanded(m->routeIndex(route)));
        QCOMPARE(m->logCount(), 1);
        QCOMPARE(pointTexts(*m, route), points);
        QVERIFY(v.isWindowModified());
        v.setWindowModified(false);
    }

    void clicksAndSelectionSignals()
    {
        RouteDefView v;
        fill(v, 0);
        QSignalSpy onRoute(&v, &RouteDefView::stayOnRoute);
        QSignalSpy onPoint(&v, &RouteDefView::stayOnPoint);
        v.ClickCatcher(v.model()->settingsIndex().siblingAtColumn(5)); // nothing to do
        v.ClickCatcher(v.model()->logsGroupIndex()); // not the button column
        emit appSettings().optionsChanged();
        v.treeView()->setCurrentIndex(v.model()->index(1, 0, v.model()->pointsGroupIndex(0)));
        QCOMPARE(onPoint.last().at(0).toBool(), true);
        v.treeView()->setCurrentIndex(v.model()->logsGroupIndex());
        QCOMPARE(onRoute.last().at(0).toBool(), false);
        QCOMPARE(v.selectedRouteRow(), -1);
        v.treeView()->setCurrentIndex(v.model()->index(0, 0, v.model()->pointsGroupIndex(0)));
        QCOMPARE(v.selectedRouteRow(), 0);
        v.expandDefault();
        QCOMPARE(v.currentKind(), RouteGroupItem);
        QVERIFY(v.treeView()->isExpanded(v.model()->settingsIndex()));
        QVERIFY(!v.treeView()->isExpanded(v.model()->logsGroupIndex()));
    }

    void closingWithAnOpenEditor()
    {
        auto* v = new RouteDefView;
        fill(*v, 1);
        v->show();
        v->treeView()->edit(v->model()->index(0, 1, v->model()->startsGroupIndex(0)));
        v->setWindowModified(false);
        QVERIFY(v->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every place that shows or edits the tolerance, for values a plan file can hold, in
    // each language: the number as it stands, whole, and kept until the user changes it.
    void toleranceInEveryPlace_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("points"); // the list font's size
        const std::pair<const char*, int> languages[] = {
            {"hu", OptLanguageHungarian}, {"de", OptLanguageGerman}, {"en", OptLanguageEnglish}};
        for (const auto& [name, language] : languages) {
            for (int minutes : {-10, 0, 500, 1000, 32767, -32768})
                QTest::addRow("%s %d", name, minutes) << language << minutes << 10;
            // The smallest list fonts make the narrowest column.
            for (int points : {5, 6, 7, 8, 20})
                for (int minutes : {32767, -32768})
                    QTest::addRow("%s %d %dpt", name, minutes, points) << language << minutes << points;
        }
    }
    void toleranceInEveryPlace()
    {
        QFETCH(int, language);
        QFETCH(int, minutes);
        QFETCH(int, points);
        appSettings().fontSize = points;
        setProgramDirectory(QStringLiteral(WYX_BUILD_DIR));
        QTranslator program, qt;
        loadProgramTranslations(program, qt, (appSettings().flags & ~OptLanguageMask) | language);
        QCoreApplication::installTranslator(&program);
        RouteDefView v;
        RouteDefModel* m = v.model();
        m->setTolerance(minutes);
        m->setModified(false);
        v.setWindowModified(false);
        const QRegularExpression number(QStringLiteral("(?<![-\\d])%1(?!\\d)").arg(minutes));
        QStringList faults;
        const auto check = [&](const char* place, const QString& text, int width = 0) {
            const bool cut = width > v.treeView()->header()->sectionSize(1);
            if (!text.contains(number) || text.contains(QLatin1Char('%')) || cut)
                faults << QStringLiteral("%1: %2 (%3)").arg(QLatin1String(place), text, QString::number(width));
        };
        const QModelIndex cell = m->settingsIndex().siblingAtColumn(1);
        const QString cellText = RouteDefDelegate::cellText(cell);
        check("cell", cellText,
              QFontMetrics(documentFont()).horizontalAdvance(cellText) + cellTextMargins(v.treeView()));
        RouteDefDelegate delegate;
        std::unique_ptr<QWidget> editor(delegate.createEditor(v.treeView(), QStyleOptionViewItem(), cell));
        auto* spin = qobject_cast<QSpinBox*>(editor.get());
        QVERIFY(spin);
        delegate.setEditorData(spin, cell);
        check("cell editor", spin->text(), spin->sizeHint().width());
        delegate.setModelData(spin, m, cell); // left without typing
        ModalDriver driver;
        driver.onModal("QInputDialog", [&](QWidget* w) {
            check("tolerance dialog", w->findChild<QSpinBox*>()->text());
            w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        v.treeView()->setCurrentIndex(m->settingsIndex());
        QVERIFY(!v.modify());
        check("print and PDF", planPrintLines(*m).value(0).text);
        check("text export", planText(*m).section(QLatin1Char('\r'), 0, 0));
        setProgramDirectory(QString());
        QCOMPARE(faults.join(QLatin1Char('\n')), QString());
        QCOMPARE(m->tolerance(), minutes);
        QVERIFY(!m->isModified());
        QVERIFY(!v.isWindowModified());
    }

    // The dialog's button takes the value the box shows, however it got there.
    void toleranceDialogTakesTheShownValue_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("notches"); // of the mouse wheel, up positive
        QTest::addColumn<int>("shown");
        QTest::newRow("up") << 10 << 1 << 11;
        QTest::newRow("down") << 10 << -2 << 8;
        QTest::newRow("untouched") << 10 << 0 << 10;
        QTest::newRow("at the top") << 500 << 1 << 500;
        QTest::newRow("at the bottom") << 0 << -1 << 0;
        QTest::newRow("file's lowest up") << -32768 << 1 << -32767;
        QTest::newRow("file's highest down") << 32767 << -1 << 32766;
    }
    void toleranceDialogTakesTheShownValue()
    {
        QFETCH(int, held);
        QFETCH(int, notches);
        QFETCH(int, shown);
        RouteDefView v;
        RouteDefModel* m = v.model();
        m->setTolerance(held);
        m->setModified(false);
        v.setWindowModified(false);
        v.treeView()->setCurrentIndex(m->settingsIndex());
        ModalDriver driver;
        driver.onModal("QInputDialog", [&](QWidget* w) {
            auto* spin = w->findChild<QSpinBox*>();
            const QPoint at = spin->rect().center();
            QWheelEvent wheel(at, spin->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(spin, &wheel);
            QCOMPARE(spin->value(), shown);
            QPushButton* ok = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QCOMPARE(ok->isEnabled(), true);
            ok->click();
        });
        const bool changed = shown != held;
        QCOMPARE(v.modify(), changed);
        QVERIFY(driver.allDone());
        QCOMPARE(m->tolerance(), shown);
        QCOMPARE(m->isModified(), changed);
        QCOMPARE(v.isWindowModified(), changed);
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRouteDefView)
#include "tst_routedefview.moc"
