#include "ui_unnamedpointdlg.h" // generated for this target too

#include "codenames/unnamedpointdlg.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QTimer>

class TestUnNamedPointDlg : public QObject
{
    Q_OBJECT

private:
    // Shows the dialog as the walk does.
    static void open(UnNamedPointDlg& dlg)
    {
        dlg.setModal(true);
        dlg.setProgressRange(10);
        dlg.show();
    }
    // One question answered by `act`, run once the dialog waits.
    static bool ask(UnNamedPointDlg& dlg, const QString& code, std::function<void(UnNamedPointDlg*)> act)
    {
        ModalDriver driver;
        driver.onModal(QStringLiteral("UnNamedPointDlg"),
                       [act](QWidget* w) { act(static_cast<UnNamedPointDlg*>(w)); });
        return dlg.askName(code);
    }

private slots:
    void addAndSkipCarryDateAndColours();
    void addNeedsAName();
    void abortEndsEveryLaterQuestion();
    void closingTheWindowAborts_data();
    void closingTheWindowAborts();
    void progressClampsAndLetsEventsThrough();
    void colourChoice();
};

void TestUnNamedPointDlg::addAndSkipCarryDateAndColours()
{
    TestEnv env;
    UnNamedPointDlg dlg;
    open(dlg);
    QCOMPARE(dlg.ervenyesEdit->date(), QDate(2000, 1, 1));
    QVERIFY(!dlg.nevEdit->isEnabled());

    const bool added = ask(dlg, QStringLiteral("ABCDEFGHIJKL"), [](UnNamedPointDlg* d) {
        QCOMPARE(d->kodEdit->text(), QStringLiteral("ABCDEFGHIJKL"));
        QVERIFY(d->nevEdit->isEnabled() && d->ervenyesEdit->isEnabled() && d->skipButton->isEnabled());
        d->ervenyesEdit->setDate(QDate(2024, 3, 5));
        d->setBackgroundColor(Qt::yellow);
        d->setForegroundColor(Qt::blue);
        QTest::keyClicks(d->nevEdit, QStringLiteral("Kapu"));
        QTest::mouseClick(d->addNameButton, Qt::LeftButton);
    });
    QVERIFY(added);
    QCOMPARE(dlg.nevEdit->text(), QStringLiteral("Kapu"));
    QVERIFY(!dlg.nevEdit->isEnabled() && !dlg.ervenyesEdit->isEnabled());
    QVERIFY(!dlg.addNameButton->isEnabled() && !dlg.skipButton->isEnabled());
    QVERIFY(dlg.cancelButton->isEnabled() && dlg.backgroundButton->isEnabled());

    const bool second = ask(dlg, QStringLiteral("PPPPAAAAPPPP"), [](UnNamedPointDlg* d) {
        QVERIFY(d->nevEdit->text().isEmpty());
        QCOMPARE(d->ervenyesEdit->date(), QDate(2024, 3, 5));
        QTest::mouseClick(d->skipButton, Qt::LeftButton);
    });
    QVERIFY(!second);
    QVERIFY(!dlg.exitClicked);
    QCOMPARE(dlg.backgroundColor, QColor(Qt::yellow));
    QCOMPARE(dlg.foregroundColor, QColor(Qt::blue));
    QCOMPARE(dlg.backgroundButton->styleSheet(), QStringLiteral("background-color: #ffff00"));
}

void TestUnNamedPointDlg::addNeedsAName()
{
    TestEnv env;
    UnNamedPointDlg dlg;
    open(dlg);
    const bool added = ask(dlg, QStringLiteral("AAAAAAAAAAAB"), [](UnNamedPointDlg* d) {
        QVERIFY(!d->addNameButton->isEnabled());
        QTest::mouseClick(d->addNameButton, Qt::LeftButton);
        QTest::keyClick(d->nevEdit, Qt::Key_Return); // the default button is off too
        QVERIFY(!d->addClicked);
        QTest::keyClicks(d->nevEdit, QStringLiteral("x"));
        QVERIFY(d->addNameButton->isEnabled());
        QTest::keyClick(d->nevEdit, Qt::Key_Backspace);
        QVERIFY(!d->addNameButton->isEnabled());
        // Names stop at the 80 characters a code-name entry can hold.
        QTest::keyClicks(d->nevEdit, QString(90, QLatin1Char('n')));
        QCOMPARE(d->nevEdit->text().size(), 80);
        QTest::keyClick(d->nevEdit, Qt::Key_Return);
    });
    QVERIFY(added);
}

void TestUnNamedPointDlg::abortEndsEveryLaterQuestion()
{
    TestEnv env;
    UnNamedPointDlg dlg;
    open(dlg);
    QVERIFY(!ask(dlg, QStringLiteral("AAAAAAAAAAAC"),
                 [](UnNamedPointDlg* d) { QTest::mouseClick(d->cancelButton, Qt::LeftButton); }));
    QVERIFY(dlg.exitClicked);
    // Answered at once: a wait here would hang the test.
    QVERIFY(!dlg.askName(QStringLiteral("AAAAAAAAAAAD")));
    QVERIFY(!dlg.askName(QStringLiteral("AAAAAAAAAAAE")));
    QVERIFY(dlg.exitClicked);
}

void TestUnNamedPointDlg::closingTheWindowAborts_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close button") << false;
    QTest::newRow("Escape") << true;
}

void TestUnNamedPointDlg::closingTheWindowAborts()
{
    QFETCH(bool, escape);
    TestEnv env;
    UnNamedPointDlg dlg;
    open(dlg);
    const bool added = ask(dlg, QStringLiteral("AAAAAAAAAAAF"), [escape](UnNamedPointDlg* d) {
        QTest::keyClicks(d->nevEdit, QStringLiteral("Nem kell"));
        if (escape)
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->close();
    });
    QVERIFY(!added);
    QVERIFY(dlg.exitClicked);
    QVERIFY(!dlg.askName(QStringLiteral("AAAAAAAAAAAG")));
}

void TestUnNamedPointDlg::progressClampsAndLetsEventsThrough()
{
    TestEnv env;
    UnNamedPointDlg dlg;
    open(dlg);
    bool delivered = false;
    QTimer::singleShot(0, &dlg, [&delivered] { delivered = true; });
    dlg.setProgress(4);
    QVERIFY(delivered);
    QCOMPARE(dlg.progressBar->value(), 4);
    dlg.setProgress(11);
    QCOMPARE(dlg.progressBar->value(), 10);
    dlg.setProgress(-3);
    QCOMPARE(dlg.progressBar->value(), 0);

    // A click while the walk only reports progress ends the walk at its next row.
    QTimer::singleShot(0, dlg.cancelButton, [&dlg] { QTest::mouseClick(dlg.cancelButton, Qt::LeftButton); });
    for (int i = 0; i < 400 && !dlg.exitClicked; ++i) {
        QTest::qSleep(5); // no events but those setProgress lets through
        dlg.setProgress(5);
    }
    QVERIFY(dlg.exitClicked);

    dlg.setProgressRange(3);
    QCOMPARE(dlg.progressBar->maximum(), 3);
    QCOMPARE(dlg.progressBar->value(), 0);
}

void TestUnNamedPointDlg::colourChoice()
{
    TestEnv env;
    UnNamedPointDlg dlg;
    QCOMPARE(dlg.backgroundColor, QColor(Qt::white));
    QCOMPARE(dlg.foregroundColor, QColor(Qt::black));
    QCOMPARE(dlg.kodEdit->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));

    ScriptedPrompts prompts;
    Prompts::Answer red;
    red.color = Qt::red;
    prompts.expect(Prompts::Kind::Color, QString(), red);
    prompts.expect(Prompts::Kind::Color, QString(), Prompts::Answer()); // cancelled
    QTest::mouseClick(dlg.backgroundButton, Qt::LeftButton);
    QCOMPARE(dlg.backgroundColor, QColor(Qt::red));
    QCOMPARE(dlg.backgroundButton->styleSheet(), QStringLiteral("background-color: #ff0000"));
    QCOMPARE(prompts.seen().first().color, QColor(Qt::white));
    QTest::mouseClick(dlg.foregroundButton, Qt::LeftButton);
    QCOMPARE(dlg.foregroundColor, QColor(Qt::black));
    QCOMPARE(dlg.foregroundButton->styleSheet(), QStringLiteral("background-color: #000000"));
}

WYX_TEST_MAIN(TestUnNamedPointDlg)
#include "tst_unnamedpointdlg.moc"
