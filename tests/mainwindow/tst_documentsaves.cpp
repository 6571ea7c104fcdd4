// What every kind of document does when a save would replace a file the user has not
// agreed to lose: a save under a new name over an existing file, and a write-protected file.
#include "mainwindow/documenttestutil.h"

#include "codenames/kodnevmodel.h"
#include "core/documentwindow.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logmodel.h"
#include "routes/routedefmodel.h"
#include "routes/routedefview.h"

#include <memory>

namespace {

enum Kind { EventLog, RoutePlan, Report, CodeNames, Text };

std::unique_ptr<QWidget> newDocumentWindow(int kind)
{
    if (kind == RoutePlan)
        return std::make_unique<RouteDefView>();
    if (kind == Report)
        return std::make_unique<EvaluationView>();
    auto text = std::make_unique<TxtView>();
    text->newFile();
    text->setPlainText(QStringLiteral("new text"));
    return text;
}

// A window holding the document at path, as its kind wrote it, with a change of its own.
std::unique_ptr<QWidget> changedDocumentWindow(int kind, const QString& path)
{
    auto window = newDocumentWindow(kind);
    if (kind == RoutePlan) {
        RouteDefModel().saveAs(path, nullptr, true);
        static_cast<RouteDefView*>(window.get())->loadFile(path);
        window->setWindowModified(true);
    } else if (kind == Report) {
        auto* view = static_cast<EvaluationView*>(window.get());
        view->model()->setReport(ReportTest::numberedReport(1));
        view->model()->save(path, nullptr, true);
        view->loadFile(path);
        view->model()->setReport(ReportTest::numberedReport(2));
    } else {
        writeBytes(path, "mine");
        static_cast<TxtView*>(window.get())->loadFile(path);
        static_cast<TxtView*>(window.get())->setPlainText("ours");
    }
    return window;
}

} // namespace

class TestDocumentSaves : public QObject
{
    Q_OBJECT
private slots:
    // A name typed without its extension over an existing file of that name: the question is
    // asked, "Mégsem" keeps the old file, "Igen" replaces it.
    void saveAsAsksBeforeReplacing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("agree");
        for (bool agree : {false, true}) {
            const char* answer = agree ? "agreed" : "declined";
            QTest::addRow("route plan, %s", answer) << int(RoutePlan) << "plan" << "plan.erd" << agree;
            QTest::addRow("report, %s", answer) << int(Report) << "jelentes" << "jelentes.ffr" << agree;
            QTest::addRow("text, %s", answer) << int(Text) << "szoveg" << "szoveg.txt" << agree;
        }
    }

    void saveAsAsksBeforeReplacing()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(bool, agree);
        TestEnv env;
        writeBytes(env.path(file), "old");
        const auto window = newDocumentWindow(kind);
        DocumentWindow* document = documentWindowOf(window.get());
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(typed));
        prompts.expectQuestion(file + QStringLiteral(" nevű fájl már létezik.\nFelülírjuk?"), agree);
        QCOMPARE(int(document->saveDocumentAs()), int(agree ? DocumentWindow::Done : DocumentWindow::NotDone));
        QCOMPARE(readBytes(env.path(file)) == "old", !agree);
        // The dialog itself proposes the extension too.
        QCOMPARE(prompts.seen().first().defaultSuffix, QFileInfo(file).suffix());
    }

    // Another user saved the document since this window loaded it: a save asks before it
    // writes over that version; once it wrote, its next save asks nothing.
    void saveAsksBeforeWritingOverAnothersChange_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("agree");
        for (bool agree : {false, true}) {
            const char* answer = agree ? "agreed" : "declined";
            QTest::addRow("route plan, %s", answer) << int(RoutePlan) << agree;
            QTest::addRow("report, %s", answer) << int(Report) << agree;
            QTest::addRow("text, %s", answer) << int(Text) << agree;
        }
    }

    void saveAsksBeforeWritingOverAnothersChange()
    {
        QFETCH(int, kind);
        QFETCH(bool, agree);
        TestEnv env;
        const QString path = env.path(kind == RoutePlan ? "plan.erd" : kind == Report ? "a.ffr" : "t.txt");
        const auto window = changedDocumentWindow(kind, path);
        DocumentWindow* document = documentWindowOf(window.get());
        writeBytes(path, "theirs");
        ScriptedPrompts prompts;
        prompts.expectQuestion("Mióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.", agree);
        QCOMPARE(int(document->saveDocument()), int(agree ? DocumentWindow::Done : DocumentWindow::NotDone));
        QCOMPARE(readBytes(path) == "theirs", !agree);
        window->setWindowModified(true); // the plan and the text write again
        if (agree)
            QCOMPARE(int(document->saveDocument()), int(DocumentWindow::Done));
    }

    // Another user's save right after this window's is no version of the window's own: what
    // the window wrote is known by its bytes, not read back, so the next save asks.
    void anothersSaveJustAfterIsNotTakenForOwn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("route plan") << int(RoutePlan);
        QTest::newRow("report") << int(Report);
    }

    void anothersSaveJustAfterIsNotTakenForOwn()
    {
        QFETCH(int, kind);
        TestEnv env;
        const QString path = env.path(kind == RoutePlan ? "plan.erd" : "a.ffr");
        const auto window = changedDocumentWindow(kind, path);
        DocumentWindow* document = documentWindowOf(window.get());
        const auto saveChange = [&](int n) {
            window->setWindowModified(true);
            if (kind == Report)
                static_cast<EvaluationView*>(window.get())->model()->setReport(ReportTest::numberedReport(n));
            return int(document->saveDocument());
        };
        QCOMPARE(saveChange(3), int(DocumentWindow::Done)); // the backup is made
        SafeSave::FaultScope faults;
        QCOMPARE(saveChange(4), int(DocumentWindow::Done));
        faults.runAt(2 * faults.operations(), [&] { writeBytes(path, "theirs"); }); // the next save's last step
        QCOMPARE(saveChange(5), int(DocumentWindow::Done));
        QCOMPARE(readBytes(path), QByteArray("theirs"));
        ScriptedPrompts prompts;
        prompts.expectQuestion("Mióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.", false);
        QCOMPARE(saveChange(6), int(DocumentWindow::NotDone));
    }

    // A write-protected document is not replaced by its save (the temporary and the rename
    // would do it where the file itself refuses): the message gives the reason.
    void writeProtectedDocumentIsKept_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message"); // <path> and <reason> filled in
        QTest::newRow("event log") << int(EventLog) << "L.ewl" << "Nem sikerült elmenteni az esemény naplót\n<reason>";
        QTest::newRow("route plan") << int(RoutePlan) << "plan.erd"
                                    << "Az adatok lemezre írása során hiba lépett fel!\n<reason>.";
        QTest::newRow("report") << int(Report) << "a.ffr" << "A mentés sikertelen!\n<path>\n<reason>.";
        QTest::newRow("code names") << int(CodeNames) << "kodlista.kod"
                                    << "A kód-név fájl mentése sikertelen!\n<path>\n<reason>.";
        QTest::newRow("text") << int(Text) << "t.txt" << "<path> mentése nem sikerült!\n<reason>.";
    }

    void writeProtectedDocumentIsKept()
    {
        QFETCH(int, kind);
        QFETCH(QString, file);
        QFETCH(QString, message);
        TestEnv env;
        const QString path = env.path(file);
        writeBytes(path, "old");
        QWidget parent;
        ScriptedPrompts prompts;
        if (kind == CodeNames) // a file the list was not read from: replaced only when agreed
            prompts.expectQuestion(file + QStringLiteral(" nevű fájl már létezik."), true);
        prompts.expectNotice(kind == CodeNames ? Prompts::Kind::Information : Prompts::Kind::Warning, QString());
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op::Access, 1, EACCES);
        bool saved = true;
        if (kind == EventLog) {
            LogModel log;
            saved = log.save(path, &parent);
        } else if (kind == RoutePlan) {
            RouteDefModel plan;
            saved = plan.saveAs(file, &parent, true);
        } else if (kind == Report) {
            EvaluationModel report;
            saved = report.save(file, &parent, true);
        } else if (kind == CodeNames) {
            KodNevModel list;
            list.insertRows(0, 1);
            saved = list.save();
        } else {
            TxtView text;
            saved = text.saveFile(path);
        }
        QVERIFY(!saved);
        QCOMPARE(readBytes(path), QByteArray("old"));
        QCOMPARE(prompts.seen().last().text,
                 message.replace("<path>", path).replace("<reason>", qt_error_string(EACCES)));
    }
};

WYX_TEST_MAIN(TestDocumentSaves)
#include "tst_documentsaves.moc"
