#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog header needs its form generated for this target as well.
#include "ui_initdlg.h"

#include "device/initdlg.h"
#include "device/usbcom.h"

#include <QFile>

namespace {

const QString charsRefused = QStringLiteral("Szóköz, és az alábbi karakterek nem megengedettek:\n\\  /  .  :  ?  *");
const QString lengthRefused = QStringLiteral("A név legalább egy,\nés legfeljebb nyolc karakterből állhat!");

} // namespace

class TestInitDlg : public QObject
{
    Q_OBJECT
private slots:
    void nameChecks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "KAPU01" << "" << "KAPU01";
        QTest::newRow("eight") << "ABCDEFGH" << "" << "ABCDEFGH";
        QTest::newRow("trimmed") << "  KAPU  " << "" << "KAPU";
        QTest::newRow("hyphen and digits") << "K-12_x" << "" << "K-12_x";
        QTest::newRow("inner blank") << "KA PU" << charsRefused << "KA PU";
        QTest::newRow("characters before length") << "ABCDEFGHIJ.K" << charsRefused << "ABCDEFGHIJ.K";
        for (const char* c : {".", "?", "*", ":", "/", "\\"})
            QTest::newRow(c) << QStringLiteral("AB%1C").arg(QLatin1String(c)) << charsRefused
                             << QStringLiteral("AB%1C").arg(QLatin1String(c));
        QTest::newRow("empty") << "" << lengthRefused << "";
        QTest::newRow("all blank") << "    " << lengthRefused << "";
        QTest::newRow("nine") << "ABCDEFGHI" << lengthRefused << "ABCDEFGHI";
        // The logger keeps 8 bytes: four accented letters fit, eight do not.
        QTest::newRow("four accented") << "ÁÉÍÓ" << "" << "ÁÉÍÓ";
        QTest::newRow("eight accented") << "ÁÉÍÓÖŐÚÜ" << lengthRefused << "ÁÉÍÓÖŐÚÜ";
        QTest::newRow("six letters and an accent") << "ABCDEFÉ" << "" << "ABCDEFÉ";
        QTest::newRow("seven letters and an accent") << "ABCDEFGÉ" << lengthRefused << "ABCDEFGÉ";
    }

    void nameChecks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, stored);
        TestEnv env;
        ScriptedPrompts prompts;
        if (!refusal.isEmpty())
            prompts.expectNotice(Prompts::Kind::Warning, refusal);
        InitDlg dlg;
        dlg.NewNameEdit->setText(typed); // the form allows 16 until the header is filled
        QCOMPARE(dlg.validateName(), refusal.isEmpty());
        QCOMPARE(dlg.newName, stored);
        if (!refusal.isEmpty())
            QCOMPARE(prompts.seen().value(0).title, QStringLiteral("Inicializálás"));
    }

    void existingLogIsRefused()
    {
        TestEnv env;
        QFile existing(env.path(QStringLiteral("KAPU01.ewl")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning,
                             QStringLiteral("KAPU01 néven már van kiolvasott esemény napló.\nAdjon meg egy még nem "
                                            "használt nevet!"));
        InitDlg dlg;
        dlg.NewNameEdit->setText(QStringLiteral("KAPU01"));
        QVERIFY(!dlg.validateName());
        dlg.NewNameEdit->setText(QStringLiteral("KAPU02"));
        QVERIFY(dlg.validateName());
    }

    void driveTheDialog()
    {
        TestEnv env;
        FakeClock clock(QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0, 100)), 7);
        SimulatorScope s;
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        QCOMPARE(com.getDeviceInfo(), UsbOk);

        // A bad name keeps the dialog open; the good one is then taken with the computer's time.
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, charsRefused);
            InitDlg dlg;
            dlg.showDeviceInfo(&com);
            QCOMPARE(dlg.NewNameEdit->maxLength(), 8);
            QCOMPARE(dlg.Ident->text(), QStringLiteral("PROBA   "));
            bool stayedOpen = false;
            ModalDriver driver;
            driver.onModal(QStringLiteral("InitDlg"), [&stayedOpen](QWidget* w) {
                auto* d = static_cast<InitDlg*>(w);
                d->NewNameEdit->setText(QStringLiteral("A.B"));
                QTest::mouseClick(d->GivenTimeButton, Qt::LeftButton);
                stayedOpen = d->isVisible();
                d->NewNameEdit->setText(QStringLiteral(" ÚJNÉV "));
                QTest::mouseClick(d->PcTimeButton, Qt::LeftButton);
            });
            QCOMPARE(dlg.exec(), int(QDialog::Accepted));
            QVERIFY(stayedOpen);
            QCOMPARE(dlg.newName, QStringLiteral("ÚJNÉV"));
            const qint64 phase = (dlg.time.toMSecsSinceEpoch() - 160) % 2000;
            QVERIFY(phase >= 1850 || phase <= 30);

            s.sim.clearLogs();
            QCOMPARE(com.initDevice(dlg.newName, dlg.time), UsbOk);
            QCOMPARE(s.device().name(), QByteArray("ÚJNÉV "));
            QCOMPARE(s.sim.framesOf(0x05).value(0).mid(2, 4), SimulatedDevice::packTime(dlg.time));
        }

        // Return is the shortcut of "Mégsem": it cancels although "PC idővel" is the default.
        {
            InitDlg dlg;
            dlg.showDeviceInfo(&com);
            ModalDriver driver;
            driver.onModal(QStringLiteral("InitDlg"), [](QWidget* w) {
                auto* d = static_cast<InitDlg*>(w);
                d->NewNameEdit->setText(QStringLiteral("JO"));
                QTest::keyClick(d, Qt::Key_Return);
            });
            QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        }

        // "Ezzel az idővel" takes the edited date and time.
        {
            InitDlg dlg;
            dlg.showDeviceInfo(&com);
            const QDateTime given(QDate(2026, 7, 1), QTime(6, 0, 0));
            ModalDriver driver;
            driver.onModal(QStringLiteral("InitDlg"), [&given](QWidget* w) {
                auto* d = static_cast<InitDlg*>(w);
                d->NewNameEdit->setText(QStringLiteral("KAPU03"));
                d->NewDateTimeEdit->setDateTime(given);
                QTest::mouseClick(d->GivenTimeButton, Qt::LeftButton);
            });
            QCOMPARE(dlg.exec(), int(QDialog::Accepted));
            QCOMPARE(dlg.time, given);
            QCOMPARE(dlg.newName, QStringLiteral("KAPU03"));
        }
        QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.violations()));
    }
};

WYX_TEST_MAIN(TestInitDlg)
#include "tst_initdlg.moc"
