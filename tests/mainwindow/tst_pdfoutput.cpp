// Every way the program writes a PDF file (printing to a file from the menu or from the
// preview, each document kind's PDF export), and the preview of the shared printer.
#include "documenttestutil.h"
#include "support/modaldriver.h"
#include "support/pdftext.h"

#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "core/helpers.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/exportdlg.h"
#include "routes/routedefmodel.h"
#include "routes/routedefview.h"
#include "routes/routeplanlayout.h"

#include <QDir>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>

namespace {

// A code whose letters A to P are the hexadecimal digits of n.
QString letterCode(int n)
{
    QString code = QStringLiteral("%1").arg(n, 12, 16, QLatin1Char('0'));
    for (QChar& c : code)
        c = QLatin1Char(char('A' + QString(c).toInt(nullptr, 16)));
    return code;
}

// A document of the kind with about `pages` printed pages (A4, the default font).
void openDocument(MainWindow& w, const TestEnv& env, int kind, int pages)
{
    const int rows = pages * 80 - 40;
    switch (kind) {
    case TxtViewKind: {
        QByteArray text;
        for (int i = 0; i < rows; ++i)
            text += "sor " + QByteArray::number(i) + '\n';
        writeBytes(env.path("jegyzet.txt"), text);
        w.loadFile(env.path("jegyzet.txt"));
        showActive(w, w.findMdiChild(env.path("jegyzet.txt")));
        return;
    }
    case KodnevViewKind: {
        KodNevModel* names = appSettings().kodNevModel;
        names->removeRows(0, names->rowCount());
        for (int i = 0; i < rows; ++i) {
            KodNev k;
            QVERIFY(k.set(letterCode(i + 1), QStringLiteral("Pont %1").arg(i), QDate(2024, 1, 1), Qt::white, Qt::black));
            names->addEntry(k, true);
        }
        showActive(w, w.createKodnevView());
        return;
    }
    case LogViewKind:
        openLog(w, rows);
        return;
    case RouteDefViewKind: {
        RouteDefView* view = w.createRouteDefView();
        for (int i = 0; i < rows; ++i)
            view->model()->addLog(QStringLiteral("VIG%1").arg(i));
        showActive(w, view);
        return;
    }
    default:
        openReport(w, rows);
        return;
    }
}

// A document of the kind named path with rows whose texts are longer than a printed line
// (names of 70 to 80 characters, or by format); the texts that must all reach the page.
QStringList openLongRows(MainWindow& w, int kind, const QString& path, int rows = 30,
                         const QString& format = QStringLiteral(
                             "Déli kerítés mentén a rakodóudvarig tartó éjjeli kör %1. ellenőrző pontja"))
{
    const auto name = [&](int i) { return format.arg(i); };
    KodNevModel* names = appSettings().kodNevModel;
    names->removeRows(0, names->rowCount());
    for (int i = 1; i <= rows; ++i) {
        KodNev k;
        k.set(letterCode(i), name(i), QDate(2024, 1, 1), Qt::white, Qt::black);
        names->addEntry(k, true);
    }
    QStringList texts;
    switch (kind) {
    case KodnevViewKind:
        appSettings().codeFile = path;
        showActive(w, w.createKodnevView());
        for (int i = 1; i <= rows; ++i)
            texts << name(i);
        return texts;
    case LogViewKind: {
        LogView* view = w.createLogView();
        QVector<LogEntry> entries;
        for (int i = 1; i <= rows; ++i) {
            unsigned char raw[LogEntry::size] = {};
            packDeviceTime(QDateTime(QDate(2024, 3, 5), QTime(8, 0)).addSecs(60 * i), raw);
            KodNev k;
            k.setCode(letterCode(i));
            std::copy(k.code, k.code + KodNev::codeSize, raw + LogEntry::codeOffset);
            LogEntry e;
            e.setBytes(raw);
            entries << e;
        }
        view->table()->logModel->appendEntries(entries);
        view->setCurrentFile(path);
        showActive(w, view);
        for (int i = 0; i < rows; ++i)
            texts << view->table()->model()->index(i, LogModel::ColumnDescription).data().toString();
        return texts;
    }
    case RouteDefViewKind: {
        RouteDefView* view = w.createRouteDefView();
        view->model()->setFileName(path);
        for (int i = 1; i <= rows; ++i)
            view->model()->addRoute(RouteHead(name(i).left(70), 3, RouteTime::parse("1:30")));
        showActive(w, view);
        for (const PlanPrintLine& line : planPrintLines(*view->model()))
            texts << line.text;
        return texts;
    }
    default: {
        EvaluationReport report = ReportTest::numberedReport(rows);
        for (int i = 0; i < rows; ++i)
            report.logNames[i] = name(i + 1);
        EvaluationView* view = openReport(w, 0);
        view->model()->setReport(report, false);
        view->setCurrentFile(path);
        texts << view->model()->headerText();
        for (int i = 0; i < rows; ++i)
            texts << view->model()->rowText(i);
        return texts;
    }
    }
}

// Accepts the print dialog with its printer writing pages from..to (0: all) to a PDF file.
void onPrintToPdf(ModalDriver& driver, const QString& path, int from = 0, int to = 0)
{
    driver.onModal(QStringLiteral("QPrintDialog"), [=](QWidget* widget) {
        QPrinter* printer = static_cast<QPrintDialog*>(widget)->printer();
        printer->setPrintRange(from ? QPrinter::PageRange : QPrinter::AllPages);
        printer->setFromTo(from, to);
        acceptPrintToPdf(widget, path);
    });
}

// Presses the preview's own print button.
void onPreviewPrint(ModalDriver& driver)
{
    driver.onModal(QStringLiteral("QPrintPreviewDialog"), [](QWidget* preview) {
        for (QAction* action : preview->findChildren<QAction*>()) {
            // Queued: the print dialog it opens is answered from the preview's own loop.
            if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
        }
    });
}

// Exports the active document as PDF under name on the paper, pages from..to (0: every row).
void onPdfExport(ModalDriver& driver, const QString& name, int from = 0, int to = 0, int paper = QPageSize::A4)
{
    driver.onModal(QStringLiteral("ExportDlg"), [=](QWidget* widget) {
        auto* d = static_cast<ExportDlg*>(widget);
        d->page.paperSize = paper;
        d->exportTypeCombo->setCurrentIndex(2);
        d->fileNameEdit->setText(name);
        if (from) {
            d->exportPagesRadio->setChecked(true);
            d->fromSpin->setValue(from);
            d->ToSpin->setValue(to);
        }
        d->accept();
    });
}

void runExport(MainWindow& w, int kind)
{
    switch (kind) {
    case KodnevViewKind: w.kodNevExport(); return;
    case LogViewKind: w.logExport(); return;
    case RouteDefViewKind: w.routeExport(); return;
    default: w.reportExport(); return;
    }
}

// The number of pages the preview shows, then closes it.
void countPreviewPages(ModalDriver& driver, int* pages)
{
    driver.onModal(QStringLiteral("QPrintPreviewDialog"), [pages](QWidget* preview) {
        *pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        static_cast<QDialog*>(preview)->reject();
    });
}

enum Path { MenuPrint, PreviewPrint, Export };

void addPathRows(const char* tag, Path path, std::initializer_list<int> kinds)
{
    const char* names[] = {"", "text", "code names", "log", "route plan", "report"};
    for (int kind : kinds)
        QTest::addRow("%s, %s", tag, names[kind]) << int(path) << kind;
}

// Runs the command of the path on the active document, writing the PDF file `name` in the
// working directory; pages from..to (0: all), the paper for an export.
void writePdf(MainWindow& w, const TestEnv& env, Path path, int kind, const QString& name, int from = 0, int to = 0,
              int paper = QPageSize::A4)
{
    ModalDriver driver;
    if (path == Export) {
        onPdfExport(driver, name, from, to, paper);
        runExport(w, kind);
    } else {
        if (path == PreviewPrint)
            onPreviewPrint(driver);
        onPrintToPdf(driver, env.path(name), from, to);
        path == PreviewPrint ? w.preview() : w.print();
    }
    QVERIFY(driver.allDone());
    QVERIFY(!driver.watchdogFired());
}

QStringList files(const TestEnv& env)
{
    return QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestPdfOutput : public QObject
{
    Q_OBJECT
private slots:
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("kind");
        const auto all = {int(TxtViewKind), int(KodnevViewKind), int(LogViewKind), int(RouteDefViewKind),
                          int(EvaluationViewKind)};
        addPathRows("print", MenuPrint, all);
        addPathRows("preview's print", PreviewPrint, all);
        addPathRows("export", Export, {KodnevViewKind, LogViewKind, RouteDefViewKind, EvaluationViewKind});
    }

    // However a PDF file is written, a full disk is reported and the old file stays whole.
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(int, path);
        QFETCH(int, kind);
        TestEnv env;
        MainWindow w;
        openDocument(w, env, kind, 1);
        const QString target = env.path("ki.pdf");
        writeBytes(target, "old");
        ScriptedPrompts prompts;
        if (path == Export)
            prompts.expectQuestion(QStringLiteral("ki.pdf nevű fájl már létezik."), true);
        prompts.expectNotice(Prompts::Kind::Warning, target + QStringLiteral(" exportálása nem sikerült\nFájl írási hiba."));
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op::Flush, 1, ENOSPC);
        writePdf(w, env, Path(path), kind, QStringLiteral("ki.pdf"));
        QCOMPARE(readBytes(target), QByteArray("old"));
        QCOMPARE(files(env).filter(QStringLiteral("ki.pdf")), QStringList{"ki.pdf"});
    }

    void noPageMakesNoFile_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("pages"); // of the document
        QTest::addColumn<int>("from");  // 0: all pages
        QTest::newRow("print, empty report") << int(MenuPrint) << int(EvaluationViewKind) << 0 << 0;
        QTest::newRow("print 5-9 of a log page") << int(MenuPrint) << int(LogViewKind) << 1 << 5;
        QTest::newRow("print 5-9 of a text page") << int(MenuPrint) << int(TxtViewKind) << 1 << 5;
        QTest::newRow("print 5-9 of a plan page") << int(MenuPrint) << int(RouteDefViewKind) << 1 << 5;
        QTest::newRow("export, empty log") << int(Export) << int(LogViewKind) << 0 << 0;
        QTest::newRow("export 5-9 of a report page") << int(Export) << int(EvaluationViewKind) << 1 << 5;
    }

    // A PDF without a page is not written; the user learns why there is no file.
    void noPageMakesNoFile()
    {
        QFETCH(int, path);
        QFETCH(int, kind);
        QFETCH(int, pages);
        QFETCH(int, from);
        TestEnv env;
        MainWindow w;
        openDocument(w, env, kind, pages);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning,
                             QStringLiteral("Nincs nyomtatható oldal.\n%1 nem készült el.").arg(env.path("ki.pdf")));
        writePdf(w, env, Path(path), kind, QStringLiteral("ki.pdf"), from, from ? from + 4 : 0);
        QVERIFY(!QFile::exists(env.path("ki.pdf")));
    }

    void printedTextIsNeverCut_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("paper");
        for (int size : {10, 8}) {
            QTest::addRow("code names, %d pt", size) << int(KodnevViewKind) << size << int(QPageSize::A4);
            QTest::addRow("log, %d pt", size) << int(LogViewKind) << size << int(QPageSize::A4);
            QTest::addRow("route plan, %d pt", size) << int(RouteDefViewKind) << size << int(QPageSize::A4);
            QTest::addRow("report, %d pt", size) << int(EvaluationViewKind) << size << int(QPageSize::A4);
        }
        // Columns measured in characters reach past a narrow page.
        QTest::newRow("log, 16 pt") << int(LogViewKind) << 16 << int(QPageSize::A4);
        QTest::newRow("log, 20 pt, A6") << int(LogViewKind) << 20 << int(QPageSize::A6);
        QTest::newRow("code names, 20 pt, A5") << int(KodnevViewKind) << 20 << int(QPageSize::A5);
        QTest::newRow("code names, 14 pt, A6") << int(KodnevViewKind) << 14 << int(QPageSize::A6);
    }

    // A row too long for a line goes on in the next ones, and the footer of a file deep in
    // folders keeps its page number: every text reaches the page.
    void printedTextIsNeverCut()
    {
        QFETCH(int, kind);
        QFETCH(int, fontSize);
        QFETCH(int, paper);
        TestEnv env;
        appSettings().fontSize = fontSize;
        const QString path = env.path(QStringLiteral("ugyfelek/budapest/deli_telephely/orjaratok/2026/december/"
                                                     "ejszakai_muszak/masodik_het/ellenorzott_anyagok/dokumentum.dat"));
        MainWindow w;
        const QStringList texts = openLongRows(w, kind, path);
        writePdf(w, env, Export, kind, QStringLiteral("ki.pdf"), 0, 0, paper);
        const QStringList pages = pdfPages(env.path("ki.pdf"));
        const QString printed = pages.join(QLatin1Char(' ')).simplified();
        QStringList lost;
        for (const QString& text : texts) {
            if (!printed.contains(text.simplified()))
                lost << text;
        }
        for (int i = 0; i < pages.size(); ++i) {
            if (!footerShows(pages.at(i), path, i + 1))
                lost << QStringLiteral("footer of page %1").arg(i + 1);
        }
        qInfo("pages %d", int(pages.size()));
        QCOMPARE(lost, QStringList());
    }

    void narrowPageKeepsRowsShort_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("paper");
        QTest::newRow("log, A4") << int(LogViewKind) << int(QPageSize::A4);
        for (int paper : {QPageSize::A5, QPageSize::A6, QPageSize::B6}) {
            const QString name = QPageSize::name(QPageSize::PageSizeId(paper));
            QTest::addRow("log, %s", qPrintable(name)) << int(LogViewKind) << paper;
            QTest::addRow("code names, %s", qPrintable(name)) << int(KodnevViewKind) << paper;
        }
    }

    // At the largest font a narrow page still takes six rows on two pages.
    void narrowPageKeepsRowsShort()
    {
        QFETCH(int, kind);
        QFETCH(int, paper);
        TestEnv env;
        appSettings().fontSize = 20;
        MainWindow w;
        openLongRows(w, kind, env.path("lista.dat"), 6, QStringLiteral("Pont %1"));
        writePdf(w, env, Export, kind, QStringLiteral("ki.pdf"), 0, 0, paper);
        const int pages = pdfPages(env.path("ki.pdf")).size();
        QVERIFY2(pages <= 2, qPrintable(QStringLiteral("%1 pages").arg(pages)));
    }

    void previewShowsEveryPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("text") << int(TxtViewKind);
        QTest::newRow("log") << int(LogViewKind);
        QTest::newRow("route plan") << int(RouteDefViewKind);
    }

    // Pages chosen for a print do not narrow the preview, and are offered again to the
    // next print.
    void previewShowsEveryPage()
    {
        QFETCH(int, kind);
        TestEnv env;
        MainWindow w;
        openDocument(w, env, kind, 4);
        int before = 0;
        int after = 0;
        {
            ModalDriver driver;
            countPreviewPages(driver, &before);
            w.preview();
            onPrintToPdf(driver, env.path("ki.pdf"), 2, 3);
            w.print();
            QVERIFY(QFile::exists(env.path("ki.pdf")));
            countPreviewPages(driver, &after);
            w.preview();
            driver.onModal(QStringLiteral("QPrintDialog"), [](QWidget* widget) {
                QCOMPARE(static_cast<QPrintDialog*>(widget)->printer()->fromPage(), 2);
                static_cast<QDialog*>(widget)->reject();
            });
            w.print();
            QVERIFY(driver.allDone());
        }
        QVERIFY(before >= 3);
        QCOMPARE(after, before);
    }
};

WYX_TEST_MAIN(TestPdfOutput)
#include "tst_pdfoutput.moc"
