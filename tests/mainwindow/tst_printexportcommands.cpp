#include "documenttestutil.h"
#include "support/modaldriver.h"
#include "support/pdftext.h"

#include "core/documentwindow.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/duplexprintdialog.h"
#include "mainwindow/exportdlg.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

namespace {

// A document window of any kind that records what the commands hand it.
class FakeDocument : public QWidget, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    explicit FakeDocument(ViewKind kind, bool multiple = false)
        : m_kind(kind)
        , m_multiple(multiple)
    {
    }
    ViewKind viewKind() const override { return m_kind; }
    QString documentFile() const override { return QStringLiteral("/tmp/nowhere/terv.erd"); }
    bool isDocumentModified() const override { return false; }
    bool hasMultipleSelection() const override { return m_multiple; }
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override
    {
        calls << QStringLiteral("print %1 %2").arg(rows).arg(pageSet);
        QPainter page(out); // one blank page: a print without a page is refused
        return Done;
    }
    Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice) override
    {
        calls << QStringLiteral("export %1 %2 %3 %4 %5")
                     .arg(format)
                     .arg(fileName)
                     .arg(choice.range)
                     .arg(choice.withValidityDate)
                     .arg(choice.withColours);
        return Done;
    }
    Outcome exportPdf(QPrinter* out, ExportRange rows) override
    {
        calls << QStringLiteral("pdf %1 %2").arg(QFileInfo(out->outputFileName()).fileName()).arg(rows);
        return Done;
    }
    Outcome importDocument(DocumentFormat format, const QString& fileName) override
    {
        calls << QStringLiteral("import %1 %2").arg(format).arg(QFileInfo(fileName).fileName());
        return Done;
    }

    QStringList calls;

private:
    ViewKind m_kind;
    bool m_multiple;
};

FakeDocument* addFake(MainWindow& w, ViewKind kind, bool multiple = false)
{
    auto* fake = new FakeDocument(kind, multiple);
    QMdiSubWindow* sub = w.findChild<QMdiArea*>()->addSubWindow(fake);
    sub->show();
    w.findChild<QMdiArea*>()->setActiveSubWindow(sub);
    return fake;
}

// Runs command while driver answers its dialogs.
void run(ModalDriver& driver, const std::function<void()>& command)
{
    command();
    QVERIFY(driver.allDone());
    QVERIFY(!driver.watchdogFired());
}

// Accepted as set, printing to a PDF file in the working directory.
void acceptPrintDialog(QWidget* w)
{
    acceptPrintToPdf(w, QDir::current().absoluteFilePath(QStringLiteral("nyomtatas.pdf")));
}

QString pdfText(const QString& path, const QString& tool = QStringLiteral("pdftotext"))
{
    QProcess p;
    p.start(tool, tool == QLatin1String("pdfinfo") ? QStringList{path} : QStringList{path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestPrintExportCommands : public QObject
{
    Q_OBJECT
private slots:
    void printPageSets_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("duplexOption");
        QTest::addColumn<int>("choice"); // -1: no duplex dialog expected; 3: rejected
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QString>("call");
        QTest::newRow("no option") << int(LogViewKind) << false << -1 << false << "print 0 0";
        QTest::newRow("text never asks") << int(TxtViewKind) << true << -1 << false << "print 0 0";
        QTest::newRow("even, last first") << int(LogViewKind) << true << 2 << true << "print 0 18";
        QTest::newRow("odd") << int(KodnevViewKind) << true << 1 << false << "print 0 1";
        QTest::newRow("route plan all") << int(RouteDefViewKind) << true << 0 << false << "print 0 0";
        QTest::newRow("duplex cancelled") << int(EvaluationViewKind) << true << 3 << false << "";
    }

    void printPageSets()
    {
        QFETCH(int, kind);
        QFETCH(bool, duplexOption);
        QFETCH(int, choice);
        QFETCH(bool, reverse);
        QFETCH(QString, call);
        TestEnv env;
        appSettings().flags = duplexOption ? appSettings().flags | OptShowManualDuplex
                                           : appSettings().flags & ~OptShowManualDuplex;
        MainWindow w;
        FakeDocument* fake = addFake(w, ViewKind(kind));
        ModalDriver driver;
        driver.onModal(QStringLiteral("QPrintDialog"), acceptPrintDialog);
        if (choice >= 0) {
            driver.onModal(QStringLiteral("DuplexPrintDialog"), [choice, reverse](QWidget* widget) {
                auto* d = static_cast<DuplexPrintDialog*>(widget);
                QCOMPARE(d->parentWidget(), nullptr);
                if (choice == 3) {
                    d->reject();
                    return;
                }
                QRadioButton* radios[] = {d->allPagesRadio, d->oddPagesRadio, d->evenPagesRadio};
                radios[choice]->setChecked(true);
                d->reverseCheck->setChecked(reverse);
                d->accept();
            });
        }
        run(driver, [&] { w.print(); });
        QCOMPARE(fake->calls.join(';'), call);
    }

    void printOffersSelectionForSeveralLogRows()
    {
        TestEnv env;
        MainWindow w;
        for (bool multiple : {false, true}) {
            addFake(w, LogViewKind, multiple);
            ModalDriver driver;
            driver.onModal(QStringLiteral("QPrintDialog"), [multiple](QWidget* widget) {
                auto* d = static_cast<QPrintDialog*>(widget);
                QCOMPARE(d->testOption(QAbstractPrintDialog::PrintSelection), multiple);
                QVERIFY(d->testOption(QAbstractPrintDialog::PrintPageRange));
                d->reject();
            });
            run(driver, [&] { w.print(); });
        }
    }

    void exportDialogByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<bool>>("visible"); // the five range radios
        QTest::addColumn<bool>("options");
        QTest::addColumn<QString>("name");
        QTest::newRow("code names") << int(KodnevViewKind) << QList<bool>{true, false, true, true, true} << true
                                    << "kodlista.txt";
        QTest::newRow("log") << int(LogViewKind) << QList<bool>{true, true, false, false, true} << false << "terv.txt";
        QTest::newRow("route plan") << int(RouteDefViewKind) << QList<bool>{true, false, false, false, true} << false
                                    << "terv.txt";
        QTest::newRow("report") << int(EvaluationViewKind) << QList<bool>{true, false, true, true, true} << false
                                << "terv.txt";
    }

    // Each kind's dialog shows its own ranges, options and proposed name; text goes to the
    // window unchanged.
    void exportDialogByKind()
    {
        QFETCH(int, kind);
        QFETCH(QList<bool>, visible);
        QFETCH(bool, options);
        QFETCH(QString, name);
        TestEnv env;
        MainWindow w;
        FakeDocument* fake = addFake(w, ViewKind(kind));
        ModalDriver driver;
        driver.onModal(QStringLiteral("ExportDlg"), [&](QWidget* widget) {
            auto* d = static_cast<ExportDlg*>(widget);
            QCOMPARE(d->parentWidget(), nullptr);
            const QRadioButton* radios[] = {d->exportAllRadio, d->exportSelectedRadio, d->exportToCursorRadio,
                                            d->exportFromCursorRadio, d->exportPagesRadio};
            for (int i = 0; i < 5; ++i)
                QCOMPARE(!radios[i]->isHidden(), visible[i]);
            QCOMPARE(!d->colorCheckBox->isHidden(), options);
            QCOMPARE(d->fileNameEdit->text(), name);
            d->exportTypeCombo->setCurrentIndex(1);
            d->accept();
        });
        const QMap<int, std::function<void()>> commands{{KodnevViewKind, [&] { w.kodNevExport(); }},
                                                        {LogViewKind, [&] { w.logExport(); }},
                                                        {RouteDefViewKind, [&] { w.routeExport(); }},
                                                        {EvaluationViewKind, [&] { w.reportExport(); }}};
        run(driver, commands[kind]);
        QCOMPARE(fake->calls, QStringList{QStringLiteral("export 1 %1 0 1 1").arg(name.replace(".txt", ".xml"))});
    }

    void commandOfAnotherKindDoesNothing()
    {
        TestEnv env;
        MainWindow w;
        FakeDocument* fake = addFake(w, TxtViewKind);
        ScriptedPrompts prompts; // no file dialog either
        w.logExport();
        w.kodNevExport();
        w.routeImport();
        w.kodNevImport();
        QVERIFY(fake->calls.isEmpty());
    }

    void pdfNameAndOverwrite_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("agree");
        QTest::newRow("bare name") << "naplo" << "naplo.pdf" << false << false;
        QTest::newRow("capital extension") << "NAPLO.PDF" << "NAPLO.PDF" << false << false;
        QTest::newRow("existing, declined") << "naplo.pdf" << "" << true << false;
        QTest::newRow("existing, agreed") << "naplo.pdf" << "naplo.pdf" << true << true;
    }

    void pdfNameAndOverwrite()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, exists);
        QFETCH(bool, agree);
        TestEnv env;
        if (exists)
            writeBytes(env.path("naplo.pdf"));
        MainWindow w;
        FakeDocument* fake = addFake(w, RouteDefViewKind);
        ScriptedPrompts prompts;
        if (exists)
            prompts.expectQuestion(QStringLiteral("naplo.pdf nevű fájl már létezik.\nFelülírjuk?"), agree);
        ModalDriver driver;
        driver.onModal(QStringLiteral("ExportDlg"), [&](QWidget* widget) {
            auto* d = static_cast<ExportDlg*>(widget);
            d->exportTypeCombo->setCurrentIndex(2);
            d->fileNameEdit->setText(typed);
            d->accept();
        });
        run(driver, [&] { w.routeExport(); });
        QCOMPARE(fake->calls.join(';'), written.isEmpty() ? QString() : QStringLiteral("pdf %1 0").arg(written));
        if (exists)
            QVERIFY(!prompts.seen().first().text.contains(env.workDir()));
    }

    // From the menu to the file: a log's PDF export shows the rows of the selection, with
    // the export dialog's name, creator and paper.
    void logPdfFromTheMenu()
    {
        TestEnv env;
        MainWindow w;
        LogView* log = openLog(w, 30);
        QItemSelection selection(log->table()->model()->index(3, 0), log->table()->model()->index(5, 4));
        log->table()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        ModalDriver driver;
        driver.onModal(QStringLiteral("ExportDlg"), [](QWidget* widget) {
            auto* d = static_cast<ExportDlg*>(widget);
            QVERIFY(d->exportSelectedRadio->isChecked());
            QCOMPARE(d->fileNameEdit->text(), QStringLiteral("VIG1.txt"));
            d->exportTypeCombo->setCurrentIndex(2);
            d->page.paperSize = 9; // A5
            d->accept();
        });
        run(driver, [&] { w.logExport(); });
        const QString text = pdfText(env.path("VIG1.pdf"));
        QVERIFY2(text.contains(QStringLiteral("08:03:00")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("08:05:00")));
        QVERIFY(!text.contains(QStringLiteral("08:06:00")));
        QVERIFY(!text.contains(QStringLiteral("08:02:00")));
        QVERIFY(footerShows(pdfPages(env.path("VIG1.pdf")).value(0), env.path("VIG1.ewl"), 1));
        const QString info = pdfText(env.path("VIG1.pdf"), QStringLiteral("pdfinfo"));
        QVERIFY2(info.contains(QStringLiteral("QUELTA WYX770")), qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("eseménynapló")));
        QVERIFY(info.contains(QStringLiteral("(A5)")));
    }

    void logTextExportFromTheMenu()
    {
        TestEnv env;
        MainWindow w;
        openLog(w, 3);
        ModalDriver driver;
        driver.onModal(QStringLiteral("ExportDlg"), [](QWidget* widget) { static_cast<ExportDlg*>(widget)->accept(); });
        run(driver, [&] { w.logExport(); });
        QCOMPARE(readBytes(env.path("VIG1.txt")).count("\r\n"), 3);
    }

    void imports_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("call");
        QTest::newRow("code names, text in capitals") << int(KodnevViewKind) << "/a/lista.TXT" << "import 0 lista.TXT";
        QTest::newRow("code names, xml") << int(KodnevViewKind) << "/a/lista.xml" << "import 1 lista.xml";
        QTest::newRow("code names, other") << int(KodnevViewKind) << "/a/lista.csv" << "";
        QTest::newRow("cancelled") << int(KodnevViewKind) << "" << "";
        QTest::newRow("route plan, xml") << int(RouteDefViewKind) << "/a/terv.XML" << "import 1 terv.XML";
        QTest::newRow("route plan, text ignored") << int(RouteDefViewKind) << "/a/terv.txt" << "";
    }

    void imports()
    {
        QFETCH(int, kind);
        QFETCH(QString, picked);
        QFETCH(QString, call);
        TestEnv env;
        MainWindow w;
        FakeDocument* fake = addFake(w, ViewKind(kind));
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, picked);
        kind == KodnevViewKind ? w.kodNevImport() : w.routeImport();
        QCOMPARE(fake->calls.join(';'), call);
        QCOMPARE(prompts.seen().first().text, kind == KodnevViewKind
                                                  ? QStringLiteral("Ellenőrzési pont elnevezések importálása")
                                                  : QStringLiteral("Útvonal terv importálása"));
    }
};

WYX_TEST_MAIN(TestPrintExportCommands)
#include "tst_printexportcommands.moc"
