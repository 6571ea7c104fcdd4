// The report window, the parameter and progress dialogs and the fulfilment command from
// the plan to the shown report.
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "logrecords/logfile.h"
#include "evaluation/doubleprocessdlg.h"
#include "evaluation/evaluationdlg.h"
#include "evaluation/evaluationview.h"
#include "evaluation/fulfilment.h"
#include "runtestutil.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace PlanTest;

class TestEvaluationView : public QObject
{
    Q_OBJECT
private slots:
    void reportPath_data();
    void reportPath();
    void parameterDialog_data();
    void parameterDialog();
    void progressDialog();
    void evaluatePlanWindow();
    void commandWithPlanFile();
    void saveAndLoad();
    void firstSaveAsksOverOldReport_data();
    void firstSaveAsksOverOldReport();
    void jumps();
    void abortShowsRowsSoFar();
};

namespace {

const QDate day(2024, 3, 5);

void writeLog(const QString& path, const QVector<LogEntry>& entries)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    LogFile::Header header;
    header.deviceName = QStringLiteral("L1");
    QVERIFY(LogFile::write(f, header, entries));
}

Plan onePointPlan()
{
    Plan p;
    p.tolerance(5).log("L1.EWL").route("R", 0).start(480).point("B", 0);
    return p;
}

} // namespace

void TestEvaluationView::reportPath_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("planName");
    QTest::addColumn<bool>("hungarian");
    QTest::addColumn<QString>("path");
    QTest::newRow("hungarian") << "plan1.erd" << "" << true << "/w/plan1_2024-03-05.ffr";
    QTest::newRow("other locale") << "plan1.erd" << "" << false << "/w/plan1_05-03-2024.ffr";
    QTest::newRow("older format") << "Régi.RDF" << "" << true << "/w/Régi_2024-03-05.ffr";
    QTest::newRow("elsewhere") << "/data/x.y.erd" << "" << true << "/data/x.y_2024-03-05.ffr";
    QTest::newRow("no extension") << "terv" << "" << true << "/w/terv_2024-03-05.ffr";
    QTest::newRow("never saved") << "" << "útvonalterv1.erd" << true << "/w/útvonalterv1_2024-03-05.ffr";
    QTest::newRow("no name at all") << "" << "" << true << "/w/útvonalterv_2024-03-05.ffr";
}

void TestEvaluationView::reportPath()
{
    QFETCH(QString, fileName);
    QFETCH(QString, planName);
    QFETCH(bool, hungarian);
    QFETCH(QString, path);
    const QLocale locale = hungarian ? QLocale(QLocale::Hungarian, QLocale::Hungary) : QLocale(QLocale::German);
    QCOMPARE(Fulfilment::reportPath(fileName, planName, QStringLiteral("/w"), day, locale), path);
}

void TestEvaluationView::parameterDialog_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<int>("mode");
    QTest::newRow("reduced") << 0 << "simpleRadio" << 0;
    QTest::newRow("normal") << 1 << "normalRadio" << 1;
    QTest::newRow("detailed") << 2 << "verboseRadio" << 2;
    QTest::newRow("no depth chosen") << 3 << "" << 2;
}

void TestEvaluationView::parameterDialog()
{
    QFETCH(int, flags);
    QFETCH(QString, checked);
    QFETCH(int, mode);
    TestEnv env;
    appSettings().flags = (appSettings().flags & ~3) | flags;
    appSettings().prependDays = 7;
    EvaluationDlg dlg;
    for (QRadioButton* radio : {dlg.simpleRadio, dlg.normalRadio, dlg.verboseRadio})
        QCOMPARE(radio->isChecked(), radio->objectName() == checked);
    QCOMPARE(dlg.reportMode(), mode);
    QCOMPARE(dlg.BeginDateEdit->date(), QDate::currentDate().addDays(-7));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Teljesítés kiértékelés"));

    // Browsing: a choice fills the field, a cancelled dialog keeps what was typed.
    dlg.fileNameEdit->setText(QStringLiteral("typed.erd"));
    ScriptedPrompts prompts;
    prompts.expectFile(Prompts::Kind::OpenFile, QString());
    prompts.expectFile(Prompts::Kind::OpenFile, env.path("chosen.erd"));
    dlg.browseButton->click();
    QCOMPARE(dlg.fileNameEdit->text(), QStringLiteral("typed.erd"));
    dlg.browseButton->click();
    QCOMPARE(dlg.fileNameEdit->text(), env.path("chosen.erd"));
    QCOMPARE(prompts.seen().first().filter, QStringLiteral("Őrjárat leírások (*.erd *.rdf)"));
}

void TestEvaluationView::progressDialog()
{
    DoubleProcessDlg dlg;
    dlg.setRange2(10);
    dlg.setValue2(12);
    QCOMPARE(dlg.progress2->value(), 10);
    dlg.setValue2(-3);
    QCOMPARE(dlg.progress2->value(), 0);
    DoubleProcessProgress progress(dlg);
    QVERIFY(!progress.poll());
    // Escape and the window's close button abort like the button does.
    dlg.show();
    dlg.reject();
    QVERIFY(dlg.cancelled);
    QVERIFY(progress.poll());
    DoubleProcessDlg closed;
    closed.show();
    closed.close();
    QVERIFY(closed.cancelled);
    DoubleProcessDlg clicked;
    clicked.exitButton->click();
    QVERIFY(clicked.cancelled);
}

void TestEvaluationView::evaluatePlanWindow()
{
    TestEnv env;
    writeLog(env.path("L1.EWL"), {touch(day, "B", 482)});
    Plan p = onePointPlan();
    QPointer<EvaluationView> created;
    int asked = 0;
    QStringList paths;
    const auto window = [&](const QString& path) -> EvaluationView* {
        ++asked;
        paths.append(path);
        if (!created)
            created = new EvaluationView;
        return created.data();
    };
    EvaluationView* view = Fulfilment::evaluate(nullptr, *p.model, QStringLiteral("útvonalterv3.erd"), day, 1, window);
    QVERIFY(view);
    QCOMPARE(paths, QStringList{env.path("útvonalterv3_05-03-2024.ffr")});
    QVERIFY(view->isVisible());
    QVERIFY(!Fulfilment::isRunning());
    QCOMPARE(view->windowTitle(), QStringLiteral("útvonalterv3_05-03-2024.ffr[*]"));
    QCOMPARE(view->currentFile(), env.path("útvonalterv3_05-03-2024.ffr"));
    QCOMPARE(RunTest::rowKinds(view->model()->report()), (QStringList{"40000000/0", "00000000/0", "80000000/0"}));
    QVERIFY(view->model()->isModified());
    QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    // A second run into the same report rebuilds it in the same window.
    QFile::remove(env.path("L1.EWL"));
    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Warning, "Ez a fájl nem létezik");
    QWidget parent;
    QCOMPARE(Fulfilment::evaluate(&parent, *p.model, QStringLiteral("útvonalterv3.erd"), day, 1, window), view);
    QCOMPARE(asked, 2);
    QCOMPARE(RunTest::rowKinds(view->model()->report()), (QStringList{"00000000/0", "80000010/0", "4fffffff/0"}));
    delete view;
}

void TestEvaluationView::commandWithPlanFile()
{
    TestEnv env;
    writeLog(env.path("L1.EWL"), {touch(day, "B", 490)});
    Plan p = onePointPlan();
    QVERIFY(p.model->saveAs(env.path("terv.erd"), nullptr));
    appSettings().flags = (appSettings().flags & ~3) | 2;

    EvaluationView* view = nullptr;
    const auto window = [&](const QString& path) -> EvaluationView* {
        view = new EvaluationView;
        view->setObjectName(path);
        return view;
    };
    ModalDriver driver;
    driver.onModal(QStringLiteral("evaluationDlg"), [&](QWidget* w) {
        auto* dlg = static_cast<EvaluationDlg*>(w);
        QVERIFY(dlg->fileNameEdit->isVisibleTo(dlg));
        dlg->fileNameEdit->setText(env.path("terv.erd"));
        dlg->BeginDateEdit->setDate(day);
        dlg->OkButton->click();
    });
    EvaluationView* shown = Fulfilment::run(nullptr, nullptr, QString(), window);
    QCOMPARE(shown, view);
    QVERIFY(driver.allDone());
    QVERIFY(view);
    QCOMPARE(view->currentFile(), env.path("terv_05-03-2024.ffr"));
    QCOMPARE(RunTest::rowKinds(view->model()->report()), (QStringList{"40008000/0", "24000005/0"}));
    QCOMPARE(view->model()->report().mode, 2);
    delete view;

    // With a plan window's plan the file row is hidden; cancelling changes nothing.
    view = nullptr;
    driver.onModal(QStringLiteral("evaluationDlg"), [&](QWidget* w) {
        auto* dlg = static_cast<EvaluationDlg*>(w);
        QVERIFY(!dlg->fileNameEdit->isVisibleTo(dlg));
        QVERIFY(!dlg->browseButton->isVisibleTo(dlg));
        dlg->cancelButton->click();
    });
    QVERIFY(!Fulfilment::run(nullptr, p.model.get(), QString(), window));
    QVERIFY(!view);
}

void TestEvaluationView::saveAndLoad()
{
    TestEnv env;
    EvaluationView view;
    EvaluationReport report;
    report.title = QStringLiteral("terv_05-03-2024");
    report.baseTime = QDateTime(day, QTime(0, 0));
    EvaluationRow done;
    done.set(0, 0x80000000);
    report.rows = {done};
    view.model()->setReport(report);

    // Without a file the report is saved under its title in the working directory.
    QVERIFY(view.save());
    QCOMPARE(view.currentFile(), env.path("terv_05-03-2024.ffr"));
    QVERIFY(QFile::exists(env.path("terv_05-03-2024.ffr")));
    QVERIFY(!view.model()->isModified());

    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path("masik"));
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        QVERIFY(view.saveAs());
        QCOMPARE(view.currentFile(), env.path("masik.ffr"));
        QCOMPARE(view.windowTitle(), QStringLiteral("masik.ffr[*]"));
        QVERIFY(!view.saveAs());
        QCOMPARE(prompts.seen().first().directory, env.path("terv_05-03-2024.ffr"));
    }

    EvaluationView other;
    QVERIFY(other.loadFile(QStringLiteral("masik.ffr")));
    QCOMPARE(other.currentFile(), env.path("masik.ffr"));
    QCOMPARE(other.model()->report().rows, report.rows);
    QCOMPARE(other.model()->title(), report.title);
    DocumentWindow* document = documentWindowOf(&other);
    QCOMPARE(document, static_cast<DocumentWindow*>(&other));
    QCOMPARE(document->viewKind(), EvaluationViewKind);
    QCOMPARE(document->documentFile(), env.path("masik.ffr"));
    QVERIFY(!document->isDocumentModified());
    QCOMPARE(document->saveDocument(), DocumentWindow::Done);
    QCOMPARE(document->importDocument(FormatText, env.path("masik.txt")), DocumentWindow::NotOffered);

    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Warning, "Ez a fájl nem létezik");
    QVERIFY(!other.loadFile(QStringLiteral("nincs.ffr")));
    QCOMPARE(other.currentFile(), env.path("masik.ffr"));
}

void TestEvaluationView::firstSaveAsksOverOldReport_data()
{
    QTest::addColumn<bool>("named");  // a name given by the run, or only the title
    QTest::addColumn<bool>("oldFile"); // a report of that name is already there
    QTest::addColumn<int>("answer");  // to the overwrite question: 0 "Igen", 1 "Mégsem", -1 none
    QTest::addColumn<bool>("replaced");
    QTest::newRow("title, no old file") << false << false << -1 << true;
    QTest::newRow("title, old file, yes") << false << true << 0 << true;
    QTest::newRow("title, old file, cancel") << false << true << 1 << false;
    QTest::newRow("run's name, old file, yes") << true << true << 0 << true;
    QTest::newRow("run's name, old file, cancel") << true << true << 1 << false;
}

void TestEvaluationView::firstSaveAsksOverOldReport()
{
    QFETCH(bool, named);
    QFETCH(bool, oldFile);
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    TestEnv env;
    const QString path = env.path("terv_2024-03-05.ffr");
    if (oldFile) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write("old report") > 0);
    }
    EvaluationView view;
    EvaluationReport report;
    report.title = QStringLiteral("terv_2024-03-05");
    report.baseTime = QDateTime(day, QTime(0, 0));
    view.model()->setReport(report);
    if (named)
        view.setCurrentFile(path);

    {
        ScriptedPrompts prompts;
        if (answer >= 0)
            prompts.expectQuestion(QStringLiteral("terv_2024-03-05.ffr nevű fájl már létezik.\nFelülírjuk?"),
                                   answer == 0);
        QCOMPARE(view.save(), replaced);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == "old report", oldFile && !replaced);
    QCOMPARE(view.model()->isModified(), !replaced);
    if (!replaced)
        return;
    // Once written (or agreed), the window's own file is saved over without a question.
    QCOMPARE(view.currentFile(), path);
    view.model()->setReport(report);
    ScriptedPrompts none;
    QVERIFY(view.save());
}

void TestEvaluationView::jumps()
{
    TestEnv env;
    EvaluationView view;
    EvaluationTableView* table = view.tableView();
    QCOMPARE(table->firstSelectedRow(), -1);
    table->JumpToEnd(); // no rows: nothing happens
    EvaluationReport report;
    EvaluationRow blank;
    blank.set(0, 0);
    report.rows = {blank, blank, blank};
    view.model()->setReport(report);
    table->JumpToEnd();
    QCOMPARE(table->firstSelectedRow(), 2);
    table->JumpToBegin();
    QCOMPARE(table->firstSelectedRow(), 0);
    QCOMPARE(view.sizeHint(), QSize(640, 400));
    QVERIFY(!table->showGrid());
}

void TestEvaluationView::abortShowsRowsSoFar()
{
    // Long enough to be stopped: many logs full of device events inside the range, each
    // one a row. Closing the progress window stops the run; the window shows what was found.
    TestEnv env;
    Plan p;
    p.route("S", 3).start(0, 14000).point("B", 0);
    QVector<LogEntry> events;
    for (int i = 0; i < 40000; ++i)
        events.append(PlanTest::event(day, 219, i / 30));
    for (int l = 0; l < 30; ++l) {
        writeLog(env.path(QStringLiteral("L%1.EWL").arg(l)), events);
        p.log(QStringLiteral("L%1.EWL").arg(l));
    }
    EvaluationView* view = nullptr;
    ModalDriver driver;
    driver.onModal(QStringLiteral("DoubleProcessDlg"), [](QWidget* w) {
        QCOMPARE(w->windowModality(), Qt::ApplicationModal);
        w->close();
    });
    const auto window = [&](const QString&) -> EvaluationView* { return view = new EvaluationView; };
    QVERIFY(Fulfilment::evaluate(nullptr, *p.model, QStringLiteral("t.erd"), day, 1, window) == view);
    QVERIFY(driver.allDone());
    QVERIFY(view->isVisible());
    const QVector<EvaluationRow>& rows = view->model()->report().rows;
    QVERIFY(!rows.isEmpty());
    QVERIFY(rows.size() < 30 * 40000);
    QCOMPARE(rows.last().word(), 0x80000001u);
    delete view;
}

WYX_TEST_MAIN(TestEvaluationView)
#include "tst_evaluationview.moc"
