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
    void nameChecks()
    {
        TestEnv env;
        QVERIFY(QFile(env.path(QStringLiteral("KAPU01.ewl"))).open(QIODevice::WriteOnly));
        const QString taken = QStringLiteral("KAPU01 néven már van kiolvasott esemény napló.\nAdjon meg egy még nem "
                                             "használt nevet!");
        const QString accepted;
        const struct {
            const char* typed;
            const QString& refusal;
        } cases[] = {
            {"ABCDEFGH", accepted}, {"  KAPU  ", accepted}, {"K-12_x", accepted}, {"KA PU", charsRefused},
            {"ABCDEFGHIJ.K", charsRefused}, // characters are checked before the length
            {"AB?C", charsRefused}, {"AB*C", charsRefused}, {"AB:C", charsRefused}, {"AB/C", charsRefused},
            {"AB\\C", charsRefused}, {"", lengthRefused}, {"    ", lengthRefused}, {"ABCDEFGHI", lengthRefused},
            // The logger keeps 8 bytes: four accented letters fit, eight do not.
            {"ÁÉÍÓ", accepted}, {"ÁÉÍÓÖŐÚÜ", lengthRefused}, {"ABCDEFÉ", accepted}, {"ABCDEFGÉ", lengthRefused},
            {"KAPU01", taken}, {"KAPU02", accepted},
        };
        for (const auto& c : cases) {
            ScriptedPrompts prompts;
            if (!c.refusal.isEmpty())
                prompts.expectNotice(Prompts::Kind::Warning, c.refusal);
            InitDlg dlg;
            dlg.NewNameEdit->setText(QString::fromUtf8(c.typed)); // the form allows 16 until the header is filled
            QVERIFY2(dlg.validateName() == c.refusal.isEmpty(), c.typed);
            QCOMPARE(dlg.newName, QString::fromUtf8(c.typed).trimmed());
            if (!c.refusal.isEmpty())
                QCOMPARE(prompts.seen().value(0).title, QStringLiteral("Inicializálás"));
        }
    }

    void driveTheDialog()
    {
        TestEnv env;
        FakeClock clock(QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0, 100)), 7);
        SimulatorScope s;
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        QCOMPARE(com.getDeviceInfo(), UsbOk);
        const auto run = [&com](InitDlg& dlg, std::function<void(InitDlg*)> action) {
            dlg.showDeviceInfo(&com);
            ModalDriver driver;
            driver.onModal(QStringLiteral("InitDlg"), [action](QWidget* w) { action(static_cast<InitDlg*>(w)); });
            return dlg.exec();
        };

        // A bad name keeps the dialog open; the good one is then taken with the computer's time.
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, charsRefused);
        InitDlg dlg;
        bool stayedOpen = false;
        QCOMPARE(run(dlg, [&stayedOpen](InitDlg* d) {
                     QCOMPARE(d->NewNameEdit->maxLength(), 8);
                     QCOMPARE(d->Ident->text(), QStringLiteral("PROBA   "));
                     d->NewNameEdit->setText(QStringLiteral("A.B"));
                     QTest::mouseClick(d->GivenTimeButton, Qt::LeftButton);
                     stayedOpen = d->isVisible();
                     d->NewNameEdit->setText(QStringLiteral(" ÚJNÉV "));
                     QTest::mouseClick(d->PcTimeButton, Qt::LeftButton);
                 }),
                 int(QDialog::Accepted));
        QVERIFY(stayedOpen);
        QCOMPARE(dlg.newName, QStringLiteral("ÚJNÉV"));
        const qint64 phase = (dlg.time.toMSecsSinceEpoch() - 160) % 2000;
        QVERIFY(phase >= 1850 || phase <= 30);
        s.sim.clearLogs();
        QCOMPARE(com.initDevice(dlg.newName, dlg.time), UsbOk);
        QCOMPARE(s.device().name(), QByteArray("ÚJNÉV "));
        QCOMPARE(s.sim.framesOf(0x05).value(0).mid(2, 4), SimulatedDevice::packTime(dlg.time));

        // Return is the shortcut of "Mégsem": it cancels although "PC idővel" is the default.
        InitDlg cancelled;
        QCOMPARE(run(cancelled, [](InitDlg* d) {
                     d->NewNameEdit->setText(QStringLiteral("JO"));
                     QTest::keyClick(d, Qt::Key_Return);
                 }),
                 int(QDialog::Rejected));

        // "Ezzel az idővel" takes the edited date and time.
        InitDlg given;
        const QDateTime t(QDate(2026, 7, 1), QTime(6, 0, 0));
        QCOMPARE(run(given, [&t](InitDlg* d) {
                     d->NewNameEdit->setText(QStringLiteral("KAPU03"));
                     d->NewDateTimeEdit->setDateTime(t);
                     QTest::mouseClick(d->GivenTimeButton, Qt::LeftButton);
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(given.time, t);
        QCOMPARE(given.newName, QStringLiteral("KAPU03"));
        VERIFY_NO_VIOLATIONS(s.sim);
    }
};

WYX_TEST_MAIN(TestInitDlg)
#include "tst_initdlg.moc"
