// The print, export and import commands of the main window on a code-name list and a
// fulfilment report, from the menu command to the file.
#include "documenttestutil.h"
#include "support/pdftext.h"
#include "core/safesave.h"
#include "support/modaldriver.h"

#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "codenames/kodtableview.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "evaluation/evaluationview.h"
#include "mainwindow/exportdlg.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {

KodNevModel* names()
{
    return appSettings().kodNevModel;
}

// The shared list holds exactly these entries, black on white unless given.
void setNames(const QList<KodNev>& entries)
{
    names()->removeRows(0, names()->rowCount());
    for (const KodNev& k : entries)
        names()->addEntry(k, true);
}

KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

QList<KodNev> threeNames()
{
    return {entry("AB", QDate(2021, 4, 1), "Kapu", QColor("#ffee00"), QColor("#0000ff")),
            entry("AC", QDate(2022, 1, 2), "Őrház"), entry("AD", QDate(2023, 6, 30), "Raktár, hátsó")};
}

KodnevView* openNames(MainWindow& w, int cursor)
{
    KodnevView* view = w.createKodnevView();
    showActive(w, view);
    if (cursor >= 0)
        view->table()->selectRow(cursor);
    return view;
}

// Answers the export dialog: type 0 text, 1 XML, 2 PDF; radio picks the range.
void onExport(ModalDriver& driver, int type, const QString& fileName, int range, bool date = true,
              bool colours = true)
{
    driver.onModal(QStringLiteral("ExportDlg"), [=](QWidget* widget) {
        auto* d = static_cast<ExportDlg*>(widget);
        d->exportTypeCombo->setCurrentIndex(type);
        if (!fileName.isEmpty())
            d->fileNameEdit->setText(fileName);
        QRadioButton* radios[] = {d->exportAllRadio, d->exportSelectedRadio, d->exportToCursorRadio,
                                  d->exportFromCursorRadio, d->exportPagesRadio};
        radios[range]->setChecked(true);
        d->validFromCheckBox->setChecked(date);
        d->colorCheckBox->setChecked(colours);
        d->accept();
    });
}

// Accepts the print dialog with its printer writing a PDF file.
void onPrintToPdf(ModalDriver& driver, const QString& path)
{
    driver.onModal(QStringLiteral("QPrintDialog"), [path](QWidget* widget) {
        auto* d = static_cast<QPrintDialog*>(widget);
        d->printer()->setOutputFormat(QPrinter::PdfFormat);
        d->printer()->setOutputFileName(path);
        d->printer()->setPrintRange(QPrinter::AllPages);
        // done() keeps the printer as set here; accept() would read the dialog's widgets.
        d->done(QDialog::Accepted);
    });
}

void run(ModalDriver& driver, const std::function<void()>& command)
{
    command();
    QVERIFY(driver.allDone());
    QVERIFY(!driver.watchdogFired());
}

QString listText()
{
    QStringList out;
    for (int r = 0; r < names()->rowCount(); ++r) {
        const KodNev e = names()->entryAt(r);
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(e.codeText(), e.datedName.validFrom.toString(Qt::ISODate), e.datedName.name,
                        e.backgroundColor.name(), e.foregroundColor.name());
    }
    return out.join(QStringLiteral("; "));
}

} // namespace

class TestWindowExports : public QObject
{
    Q_OBJECT
private slots:
    void codeNameTextExport_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<bool>("date");
        QTest::addColumn<bool>("colours");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("all, bare") << int(RangeAll) << false << false
                                   << QByteArray("ABAAAAAAAAAA\tKapu\r\nACAAAAAAAAAA\tŐrház\r\n"
                                                 "ADAAAAAAAAAA\tRaktár, hátsó\r\n");
        QTest::newRow("from cursor, colours") << int(RangeFromCursor) << false << true
                                              << QByteArray("ACAAAAAAAAAA\tŐrház\t#ffffff\t#000000\r\n"
                                                            "ADAAAAAAAAAA\tRaktár, hátsó\t#ffffff\t#000000\r\n");
        QTest::newRow("to cursor, both") << int(RangeToCursor) << true << true
                                         << QByteArray("1 Apr 2021\tABAAAAAAAAAA\tKapu\t#ffee00\t#0000ff\r\n"
                                                       "2 Jan 2022\tACAAAAAAAAAA\tŐrház\t#ffffff\t#000000\r\n");
    }

    // The dialog's range and its date and colour choices reach the file.
    void codeNameTextExport()
    {
        QFETCH(int, range);
        QFETCH(bool, date);
        QFETCH(bool, colours);
        QFETCH(QByteArray, bytes);
        TestEnv env;
        MainWindow w;
        setNames(threeNames());
        QVERIFY(openNames(w, 1));
        ModalDriver driver;
        onExport(driver, 0, QString(), range, date, colours);
        run(driver, [&] { w.kodNevExport(); });
        QCOMPARE(readBytes(env.path("kodlista.txt")), bytes);
    }

    // What the export writes, the import reads back as the same list.
    void codeNameRoundTrip_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::newRow("text") << 0 << "kodlista.txt";
        QTest::newRow("xml") << 1 << "kodlista.xml";
    }

    void codeNameRoundTrip()
    {
        QFETCH(int, type);
        QFETCH(QString, file);
        TestEnv env;
        MainWindow w;
        setNames(threeNames());
        const QString before = listText();
        QVERIFY(openNames(w, -1));
        ModalDriver driver;
        onExport(driver, type, QStringLiteral("kodlista"), RangeAll);
        run(driver, [&] { w.kodNevExport(); });
        setNames({});
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, env.path(file));
        w.kodNevImport();
        QCOMPARE(listText(), before);
    }

    void codeNameImportReportsDamage()
    {
        TestEnv env;
        MainWindow w;
        setNames({});
        QVERIFY(openNames(w, -1));
        writeBytes(env.path("rossz.xml"), "<?xml version=\"1.0\"?><Workbook><Worksheet><Table>"
                                          "<Row><Cell><Data>AB</Data></Cell><Cell><Data>Jó</Data></Cell></Row>"
                                          "<Row><Cell><Data>XYZ</Data></Cell><Cell><Data>Rossz</Data></Cell></Row>"
                                          "</Table></Worksheet></Workbook>");
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, env.path("rossz.xml"));
        prompts.expectNotice(Prompts::Kind::Warning,
                             QStringLiteral("rossz.xml nem megfelelő adatokat tartalmaz.\n2. sor: érvénytelen kód: XYZ."));
        w.kodNevImport();
        QCOMPARE(names()->rowCount(), 1);
        QCOMPARE(names()->entryAt(0).datedName.name, QStringLiteral("Jó"));
    }

    // A PDF of the rows up to the cursor: exactly those, with the list's path in the footer.
    void codeNamePdf()
    {
        TestEnv env;
        MainWindow w;
        setNames(threeNames());
        QVERIFY(openNames(w, 1));
        ModalDriver driver;
        onExport(driver, 2, QStringLiteral("lista"), RangeToCursor);
        run(driver, [&] { w.kodNevExport(); });
        const QStringList pages = pdfPages(env.path("lista.pdf"));
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages.first().contains(QStringLiteral("Kapu")), qPrintable(pages.first()));
        QVERIFY(pages.first().contains(QStringLiteral("Őrház")));
        QVERIFY(!pages.first().contains(QStringLiteral("Raktár")));
        QVERIFY(footerShows(pages.first(), appSettings().codeFilePath(), 1));
    }

    void codeNamePrint()
    {
        TestEnv env;
        MainWindow w;
        setNames(threeNames());
        QVERIFY(openNames(w, 2));
        ModalDriver driver;
        onPrintToPdf(driver, env.path("nyomtatas.pdf"));
        run(driver, [&] { w.print(); });
        const QStringList pages = pdfPages(env.path("nyomtatas.pdf"));
        QCOMPARE(pages.size(), 1);
        for (const char* name : {"Kapu", "Őrház", "Raktár, hátsó"})
            QVERIFY2(pages.first().contains(QString::fromUtf8(name)), qPrintable(pages.first()));
        QVERIFY(pages.first().contains(QStringLiteral("1 oldal")));
    }

    // Printed to a PDF file, the document is saved like an export: a failed last write is
    // reported and the old PDF stays whole.
    void printToPdfFileKeepsTheOldOneOnFailure()
    {
        TestEnv env;
        MainWindow w;
        setNames(threeNames());
        QVERIFY(openNames(w, 2));
        const QString path = env.path("nyomtatas.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        ModalDriver driver;
        onPrintToPdf(driver, path);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, path + QStringLiteral(" exportálása nem sikerült\nFájl írási hiba."));
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op::Sync, 1, ENOSPC);
        run(driver, [&] { w.print(); });
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    void reportTextExport_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("rows");
        const QByteArray title = "\tJelentés ";
        QTest::newRow("text, from cursor") << 0 << int(RangeFromCursor) << "terv_2024-03-05.txt" << title << 2;
        QTest::newRow("text, all") << 0 << int(RangeAll) << "terv_2024-03-05.txt" << title << 4;
        QTest::newRow("xml, to cursor") << 1 << int(RangeToCursor) << "terv_2024-03-05.xml"
                                        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") << 3;
    }

    void reportTextExport()
    {
        QFETCH(int, type);
        QFETCH(int, range);
        QFETCH(QString, file);
        QFETCH(QByteArray, start);
        QFETCH(int, rows);
        TestEnv env;
        MainWindow w;
        EvaluationView* report = openReport(w, 4);
        report->tableView()->selectRow(2);
        ModalDriver driver;
        onExport(driver, type, QString(), range);
        run(driver, [&] { w.reportExport(); });
        const QByteArray bytes = readBytes(env.path(file));
        QVERIFY2(bytes.startsWith(start), bytes.constData());
        QCOMPARE(bytes.count("Érintett esemény napló(k): N"), rows);
    }

    void reportPdfAndPrint()
    {
        TestEnv env;
        MainWindow w;
        openReport(w, 5);
        ModalDriver driver;
        onExport(driver, 2, QStringLiteral("jelentes"), RangeAll);
        run(driver, [&] { w.reportExport(); });
        ModalDriver printing;
        onPrintToPdf(printing, env.path("nyomtatas.pdf"));
        run(printing, [&] { w.print(); });
        for (const QString& file : {QStringLiteral("jelentes.pdf"), QStringLiteral("nyomtatas.pdf")}) {
            const QStringList pages = pdfPages(env.path(file));
            QCOMPARE(pages.size(), 1);
            QVERIFY2(pages.first().contains(QStringLiteral("napló(k): N5")), qPrintable(pages.first()));
            QVERIFY(footerShows(pages.first(), env.path("terv_2024-03-05.ffr"), 1));
        }
    }
};

WYX_TEST_MAIN(TestWindowExports)
#include "tst_windowexports.moc"
