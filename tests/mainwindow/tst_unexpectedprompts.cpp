// A prompt or dialog that no test expects fails the test at once: it never waits for an
// answer that will not come.
#include "mainwindow/documenttestutil.h"

#include "device/devicetestutil.h"
#include "support/modaldriver.h"
#include "support/sourcetext.h"
#include "ui_initdlg.h"

#include "device/initdlg.h"

#include <QDialog>
#include <QProcess>
#include <QRegularExpression>

namespace {
const char failingArg[] = "--failing";
}

// Each runs in a child process and fails on purpose.
class FailingScenarios : public QObject
{
    Q_OBJECT
private slots:
    // The dialog refuses the name of an existing log with a prompt and stays open.
    void initialisationOverAnExistingLog()
    {
        TestEnv env;
        SimulatorScope sim;
        writeBytes(env.path("UJ.ewl"), "history");
        MainWindow w;
        w.show();
        ModalDriver driver;
        driver.onModal(QStringLiteral("InitDlg"), [](QWidget* d) {
            static_cast<InitDlg*>(d)->NewNameEdit->setText("UJ");
            static_cast<InitDlg*>(d)->GivenTimeButton->click();
        });
        w.initialize();
    }

    void checkFailingInsideADialog()
    {
        QDialog dialog;
        ModalDriver driver;
        driver.onModal(QString(), [](QWidget*) { QFAIL("the check inside the dialog"); });
        dialog.exec();
    }

    void dialogWithoutAScript()
    {
        QDialog dialog;
        dialog.setObjectName("Unscripted");
        dialog.exec();
    }
};

class TestUnexpectedPrompts : public QObject
{
    Q_OBJECT
private slots:
    void endsTheTestAtOnce_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("message");
        QTest::newRow("prompt") << "initialisationOverAnExistingLog"
                                << "Unexpected Warning prompt \"Inicializálás\"";
        QTest::newRow("failed check") << "checkFailingInsideADialog" << "the check inside the dialog";
        QTest::newRow("dialog") << "dialogWithoutAScript" << "Unexpected modal window QDialog \"Unscripted\"";
    }

    void endsTheTestAtOnce()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, message);
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {failingArg, scenario});
        // Far below the run's own timeout: the watchdog for the hang this is about.
        if (!child.waitForFinished(30000)) {
            child.kill();
            child.waitForFinished();
            QFAIL("the test waited for an answer");
        }
        const QString output = QString::fromUtf8(child.readAll());
        QVERIFY2(output.contains(message), qPrintable(output));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
    }

    // A prompt outside the replaceable point cannot be scripted, and is only ended as an
    // unexpected window: every message box, question and file or colour dialog goes through it.
    void everyPromptGoesThroughOnePoint()
    {
        const QRegularExpression direct(
            QStringLiteral("\\b(QMessageBox|QFileDialog|QColorDialog|QErrorMessage|QInputDialog::get)"));
        // src/core/prompts.cpp is the point itself.
        const QStringList found = SourceText::linesMatching(direct, QStringLiteral("src/core/prompts.cpp"));
        QCOMPARE(found.join(QLatin1String(", ")), QString());
    }
};

int main(int argc, char* argv[])
{
    TestSupport::prepareProcess();
    WyxApp app(argc, argv);
    TestSupport::prepareApplication(app);
    QTEST_SET_MAIN_SOURCE_PATH
    if (argc > 2 && qstrcmp(argv[1], failingArg) == 0) {
        FailingScenarios scenarios;
        argv[1] = argv[0];
        return QTest::qExec(&scenarios, argc - 1, argv + 1);
    }
    TestUnexpectedPrompts tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_unexpectedprompts.moc"
