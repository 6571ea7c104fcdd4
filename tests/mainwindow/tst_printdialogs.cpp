#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "mainwindow/duplexprintdialog.h"
#include "mainwindow/exportdlg.h"
#include "mainwindow/pagesetupdlg.h"

#include <QPrinter>

namespace {

// Runs the export dialog's page setup and lets action act on the open page dialog.
void runPageSetup(ExportDlg& dlg, std::function<void(pageSetupDlg*)> action)
{
    ModalDriver driver;
    driver.onModal(QStringLiteral("pageSetupDlg"), [action](QWidget* w) { action(static_cast<pageSetupDlg*>(w)); });
    dlg.pageSetup();
    QVERIFY(driver.allDone());
}

} // namespace

class TestPrintDialogs : public QObject
{
    Q_OBJECT
private slots:
    void freshPageSetupShowsFirstSize()
    {
        pageSetupDlg dlg;
        QCOMPARE(dlg.pageSizeCombo->count(), 11);
        QCOMPARE(dlg.pageSizeCombo->currentText(), QStringLiteral("A6"));
        QCOMPARE(dlg.widthSpin->value(), 105);
        QCOMPARE(dlg.heightSpin->value(), 148);
        QVERIFY(!dlg.widthSpin->isEnabled());
        QCOMPARE(dlg.pageSizeCombo->itemText(10), QStringLiteral("Felhasználói"));
    }

    void paperSizes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shorter");
        QTest::addColumn<int>("longer");
        QTest::newRow("A5") << "A5" << 9 << 148 << 210;
        QTest::newRow("A4") << "A4" << 0 << 210 << 297;
        QTest::newRow("A3") << "A3" << 8 << 297 << 420;
        QTest::newRow("B6") << "B6" << 20 << 125 << 176;
        QTest::newRow("B5") << "B5" << 1 << 176 << 250;
        QTest::newRow("B4") << "B4" << 19 << 250 << 353;
        QTest::newRow("Letter") << "Letter" << 2 << 216 << 279;
        QTest::newRow("Legal") << "Legal" << 3 << 216 << 356;
        QTest::newRow("Folio") << "Folio" << 27 << 210 << 330;
    }

    void paperSizes()
    {
        QFETCH(QString, entry);
        QFETCH(int, code);
        QFETCH(int, shorter);
        QFETCH(int, longer);
        pageSetupDlg dlg;
        QVERIFY(dlg.selectPaperSize(code));
        QCOMPARE(dlg.pageSizeCombo->currentText(), entry);
        QCOMPARE(dlg.widthSpin->value(), shorter);
        QCOMPARE(dlg.heightSpin->value(), longer);
        QVERIFY(!dlg.heightSpin->isEnabled());
    }

    void customSizeKeepsMeasuresAndLimits()
    {
        pageSetupDlg dlg;
        dlg.selectPaperSize(2);
        dlg.selectPaperSize(pageSetupDlg::customPaperCode);
        QCOMPARE(dlg.widthSpin->value(), 216);
        QCOMPARE(dlg.heightSpin->value(), 279);
        QVERIFY(dlg.widthSpin->isEnabled());
        QVERIFY(dlg.heightSpin->isEnabled());
        dlg.widthSpin->setValue(10);
        dlg.heightSpin->setValue(5000);
        dlg.leftMarginSpin->setValue(5000);
        QCOMPARE(dlg.widthSpin->value(), 50);
        QCOMPARE(dlg.heightSpin->value(), 1000);
        QCOMPARE(dlg.leftMarginSpin->value(), 999);
    }

    void duplexPageSet()
    {
        DuplexPrintDialog dlg;
        QCOMPARE(dlg.pageSet(), 0);
        QVERIFY(!dlg.reverseCheck->isChecked());
        dlg.oddPagesRadio->setChecked(true);
        QCOMPARE(dlg.pageSet(), 1);
        dlg.evenPagesRadio->setChecked(true);
        QCOMPARE(dlg.pageSet(), 2);
    }

    void exportDefaults()
    {
        ExportDlg dlg;
        QCOMPARE(dlg.exportTypeCombo->count(), 3);
        QCOMPARE(dlg.exportType(), 0);
        QCOMPARE(dlg.exportRange(), RangeAll);
        QVERIFY(!dlg.exportPagesRadio->isEnabled());
        QVERIFY(!dlg.fromSpin->isEnabled());
        QVERIFY(!dlg.pageSetupButton->isEnabled());
        QVERIFY(dlg.validFromCheckBox->isHidden());
        QVERIFY(dlg.colorCheckBox->isHidden());
        QVERIFY(dlg.colorCheckBox->isChecked());
        QCOMPARE(dlg.fromSpin->minimum(), 1);
        QCOMPARE(dlg.ToSpin->value(), 99999);
    }

    void formatChangeSwapsExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("expected");
        QTest::newRow("text to pdf") << "naplo.txt" << 2 << "naplo.pdf";
        QTest::newRow("to xml") << "naplo.txt" << 1 << "naplo.xml";
        QTest::newRow("last dot only") << "a.b.txt" << 2 << "a.b.pdf";
        QTest::newRow("no dot") << "naplo" << 2 << "naplo.pdf";
        QTest::newRow("untitled") << ".txt" << 1 << ".xml";
    }

    void formatChangeSwapsExtension()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, expected);
        ExportDlg dlg;
        dlg.fileNameEdit->setText(name);
        dlg.exportTypeCombo->setCurrentIndex(type);
        QCOMPARE(dlg.fileNameEdit->text(), expected);
        dlg.exportTypeCombo->setCurrentIndex(0);
        QCOMPARE(dlg.fileNameEdit->text(), expected.left(expected.lastIndexOf('.')) + ".txt");
    }

    void pageControlsOnlyForPdf()
    {
        ExportDlg dlg;
        dlg.exportTypeCombo->setCurrentIndex(2);
        QVERIFY(dlg.exportPagesRadio->isEnabled());
        QVERIFY(dlg.pageSetupButton->isEnabled());
        QVERIFY(!dlg.fromSpin->isEnabled()); // until "oldalak" is ticked
        dlg.exportPagesRadio->setChecked(true);
        QVERIFY(dlg.fromSpin->isEnabled());
        QVERIFY(dlg.ToSpin->isEnabled());
        QCOMPARE(dlg.exportRange(), RangePages);
        dlg.exportTypeCombo->setCurrentIndex(1);
        QCOMPARE(dlg.exportRange(), RangeAll);
        QVERIFY(!dlg.exportPagesRadio->isEnabled());
        QVERIFY(!dlg.fromSpin->isEnabled());
    }

    void hiddenRangesLeaveTheRest()
    {
        ExportDlg dlg;
        dlg.show();
        const QSize before = dlg.size();
        for (int range : {1, 2, 3})
            dlg.setRangeVisible(range, false);
        dlg.setRangeVisible(7, false); // no such range
        QVERIFY(dlg.exportAllRadio->isVisible());
        QVERIFY(dlg.exportPagesRadio->isVisible());
        QVERIFY(!dlg.exportSelectedRadio->isVisible());
        QVERIFY(!dlg.exportFromCursorRadio->isVisible());
        QApplication::processEvents();
        QVERIFY(dlg.size().height() < before.height());
        dlg.setRangeVisible(4, false);
        QVERIFY(!dlg.ToSpin->isVisible());
    }

    void browseTakesChosenFileOnly()
    {
        TestEnv env;
        ExportDlg dlg;
        dlg.fileNameEdit->setText(QStringLiteral("a.txt"));
        {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::SaveFile, QString()); // cancelled
            dlg.browseFile();
            QCOMPARE(prompts.seen().first().confirmOverwrite, false);
        }
        QCOMPARE(dlg.fileNameEdit->text(), QStringLiteral("a.txt"));
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path("b.txt"));
        dlg.browseFile();
        QCOMPARE(dlg.fileNameEdit->text(), env.path("b.txt"));
    }

    void pageSetupShowsDefaultsAndKeepsThem()
    {
        ExportDlg dlg;
        runPageSetup(dlg, [](pageSetupDlg* page) {
            QCOMPARE(page->pageSizeCombo->currentText(), QStringLiteral("A4"));
            QCOMPARE(page->widthSpin->value(), 210);
            QCOMPARE(page->heightSpin->value(), 297);
            QVERIFY(!page->widthSpin->isEnabled());
            QCOMPARE(page->topMarginSpin->value(), 10);
            QCOMPARE(page->rightMarginSpin->value(), 10);
            QVERIFY(!page->blackOnlyCheck->isChecked());
            QVERIFY(page->portraitRadio->isChecked());
            page->accept();
        });
        QCOMPARE(dlg.page.paperSize, 0);
        QCOMPARE(dlg.page.paperWidth, 210.0);
        QCOMPARE(dlg.page.leftMargin, 10.0);
        QCOMPARE(dlg.page.colorMode, 1);
        QCOMPARE(dlg.page.orientation, 0);
    }

    void pageSettingsReachPrinter()
    {
        ExportDlg dlg;
        dlg.exportTypeCombo->setCurrentIndex(2);
        runPageSetup(dlg, [](pageSetupDlg* page) {
            page->selectPaperSize(pageSetupDlg::customPaperCode);
            page->widthSpin->setValue(100);
            page->heightSpin->setValue(150);
            page->leftMarginSpin->setValue(5);
            page->topMarginSpin->setValue(6);
            page->rightMarginSpin->setValue(7);
            page->bottomMarginSpin->setValue(8);
            page->landscapeRadio->setChecked(true);
            page->accept();
        });
        // Opened again, the custom size shows exactly its measures, editable.
        runPageSetup(dlg, [](pageSetupDlg* page) {
            QCOMPARE(page->widthSpin->value(), 100);
            QCOMPARE(page->heightSpin->value(), 150);
            QVERIFY(page->widthSpin->isEnabled());
            page->reject();
        });
        dlg.exportPagesRadio->setChecked(true);
        dlg.fromSpin->setValue(2);
        dlg.ToSpin->setValue(4);
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        dlg.setupPrinter(&printer);
        const QPageLayout layout = printer.pageLayout();
        const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
        QCOMPARE(qRound(size.width()), 100);
        QCOMPARE(qRound(size.height()), 150);
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
        const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
        QCOMPARE(qRound(margins.left()), 5);
        QCOMPARE(qRound(margins.top()), 6);
        QCOMPARE(qRound(margins.right()), 7);
        QCOMPARE(qRound(margins.bottom()), 8);
        QCOMPARE(printer.colorMode(), QPrinter::Color);
        QCOMPARE(printer.fromPage(), 2);
        QCOMPARE(printer.toPage(), 4);
    }

    void namedSizeAndColourReachPrinter()
    {
        ExportDlg dlg;
        runPageSetup(dlg, [](pageSetupDlg* page) {
            page->selectPaperSize(8); // A3
            page->accept();
        });
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        dlg.colorCheckBox->setChecked(false); // colours off overrides the page setup
        dlg.setupPrinter(&printer);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A3);
        QCOMPARE(printer.colorMode(), QPrinter::GrayScale);
        QCOMPARE(printer.fromPage(), 0);
        runPageSetup(dlg, [](pageSetupDlg* page) {
            page->blackOnlyCheck->setChecked(true);
            page->accept();
        });
        dlg.colorCheckBox->setChecked(true);
        dlg.setupPrinter(&printer);
        QCOMPARE(printer.colorMode(), QPrinter::GrayScale);
    }

    void rejectedPageSetupChangesNothing()
    {
        ExportDlg dlg;
        runPageSetup(dlg, [](pageSetupDlg* page) {
            page->selectPaperSize(2);
            page->topMarginSpin->setValue(30);
            page->reject();
        });
        QCOMPARE(dlg.page.paperSize, 0);
        QCOMPARE(dlg.page.topMargin, 10.0);
    }
};

WYX_TEST_MAIN(TestPrintDialogs)
#include "tst_printdialogs.moc"
