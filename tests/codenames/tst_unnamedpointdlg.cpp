#include "ui_unnamedpointdlg.h" // generated for this target too

#include "codenames/unnamedpointdlg.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QTimer>

namespace {

// One question, answered by act once the dialog waits; shown as the walk shows it.
bool ask(UnNamedPointDlg& dlg, const QString& code, std::function<void(UnNamedPointDlg*)> act)
{
    dlg.setModal(true);
    dlg.show();
    ModalDriver driver;
    driver.onModal("UnNamedPointDlg", [act](QWidget* w) { act(static_cast<UnNamedPointDlg*>(w)); });
    return dlg.askName(code);
}
} // namespace

class TestUnNamedPointDlg : public QObject
{
    Q_OBJECT
private slots:
    void cancelledColourDialogKeepsTheColour_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QColor>("answer");
        QTest::addColumn<QColor>("result");
        QTest::newRow("background chosen") << true << QColor(Qt::cyan) << QColor(Qt::cyan);
        QTest::newRow("background cancelled") << true << QColor() << QColor(Qt::yellow);
        QTest::newRow("text colour chosen") << false << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("text colour cancelled") << false << QColor() << QColor(Qt::blue);
    }

    void cancelledColourDialogKeepsTheColour()
    {
        QFETCH(bool, background);
        QFETCH(QColor, answer);
        QFETCH(QColor, result);
        TestEnv env;
        UnNamedPointDlg dlg;
        dlg.setBackgroundColor(Qt::yellow);
        dlg.setForegroundColor(Qt::blue);
        ScriptedPrompts prompts;
        prompts.expect(Prompts::Kind::Color, QString(), Prompts::Answer{-1, {}, answer});
        QTest::mouseClick(background ? dlg.backgroundButton : dlg.foregroundButton, Qt::LeftButton);
        QCOMPARE(background ? dlg.backgroundColor : dlg.foregroundColor, result);
    }

    void addSkipAndCancelWhileWalking()
    {
        TestEnv env;
        UnNamedPointDlg dlg;
        QVERIFY(!dlg.nevEdit->isEnabled()); // nothing to name before the first code
        QVERIFY(ask(dlg, QStringLiteral("ABCDEFGHIJKL"), [](UnNamedPointDlg* d) {
            d->ervenyesEdit->setDate(QDate(2024, 3, 5));
            d->setBackgroundColor(Qt::yellow);
            QTest::keyClick(d->nevEdit, Qt::Key_Return); // no name yet: refused
            QVERIFY(!d->addClicked);
            QVERIFY(!d->addNameButton->isEnabled());
            QTest::keyClicks(d->nevEdit, QString(90, QLatin1Char('n')));
            QCOMPARE(d->nevEdit->text().size(), 80); // what a code-name entry can hold
            QTest::mouseClick(d->addNameButton, Qt::LeftButton);
        }));
        QVERIFY(!dlg.nevEdit->isEnabled());
        QVERIFY(!dlg.skipButton->isEnabled());
        QVERIFY(dlg.cancelButton->isEnabled());

        QVERIFY(!ask(dlg, QStringLiteral("PPPPAAAAPPPP"), [](UnNamedPointDlg* d) {
            QVERIFY(d->nevEdit->text().isEmpty());
            QVERIFY(!d->addNameButton->isEnabled());
            QCOMPARE(d->ervenyesEdit->date(), QDate(2024, 3, 5)); // the date is kept
            QTest::mouseClick(d->skipButton, Qt::LeftButton);
        }));
        QVERIFY(!dlg.exitClicked);
        ScriptedPrompts prompts; // a cancelled colour choice keeps the colour
        prompts.expect(Prompts::Kind::Color, QString(), Prompts::Answer());
        QTest::mouseClick(dlg.backgroundButton, Qt::LeftButton);
        QCOMPARE(dlg.backgroundColor, QColor(Qt::yellow));

        // A click while the walk only reports progress is seen within a few progress calls.
        dlg.setProgressRange(10);
        QTimer::singleShot(0, &dlg, [&dlg] { QTest::mouseClick(dlg.cancelButton, Qt::LeftButton); });
        for (int i = 0; i < 400 && !dlg.exitClicked; ++i) {
            QTest::qSleep(5); // no events but those setProgress lets through
            dlg.setProgress(5);
        }
        QVERIFY(dlg.exitClicked);
    }

    // After either colour dialog the name field has the keyboard again.
    void colourChoiceGivesFocusBackToTheName()
    {
        TestEnv env;
        UnNamedPointDlg dlg;
        QStringList focused;
        QVERIFY(!ask(dlg, QStringLiteral("ABCDEFGHIJKL"), [&focused](UnNamedPointDlg* d) {
            for (QPushButton* button : {d->backgroundButton, d->foregroundButton}) {
                ScriptedPrompts prompts;
                prompts.expect(Prompts::Kind::Color, QString(), Prompts::Answer{0, {}, QColor(Qt::cyan)});
                QTest::mouseClick(button, Qt::LeftButton);
                focused << (d->focusWidget() ? d->focusWidget()->objectName() : QString());
            }
            QTest::mouseClick(d->skipButton, Qt::LeftButton);
        }));
        QCOMPARE(focused, QStringList({"nevEdit", "nevEdit"}));
        QCOMPARE(dlg.foregroundColor, QColor(Qt::cyan));
    }

    void everyWayOutEndsTheSearch()
    {
        TestEnv env;
        for (const bool closeWindow : {false, true}) { // Escape: in the log window's walk
            UnNamedPointDlg dlg;
            QVERIFY(!ask(dlg, QStringLiteral("AAAAAAAAAAAC"), [closeWindow](UnNamedPointDlg* d) {
                QTest::keyClicks(d->nevEdit, QStringLiteral("Nem kell"));
                closeWindow ? void(d->close()) : QTest::mouseClick(d->cancelButton, Qt::LeftButton);
            }));
            // Later questions answer at once: a wait here would hang the test.
            QVERIFY(dlg.exitClicked);
            QVERIFY(!dlg.askName(QStringLiteral("AAAAAAAAAAAD")));
        }
    }
};

WYX_TEST_MAIN(TestUnNamedPointDlg)
#include "tst_unnamedpointdlg.moc"