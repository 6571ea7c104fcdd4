// The device dialogs driven offscreen against the simulated logger: clock set,
// initialisation, service signals, status and configuration, read-out and tuning progress.
#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog headers need their forms generated for this target as well.
#include "ui_configdlg.h"
#include "ui_initdlg.h"
#include "ui_readoutdlg.h"
#include "ui_servicewritedialog.h"
#include "ui_statusdlg.h"
#include "ui_vglclksetdlg.h"
#include "ui_vglclktunedlg.h"

#include "core/constants.h"
#include "device/configdlg.h"
#include "device/initdlg.h"
#include "device/readoutdlg.h"
#include "device/servicewritedialog.h"
#include "device/statusdlg.h"
#include "device/usbcom.h"
#include "device/vglclksetdlg.h"
#include "device/vglclktunedlg.h"

#include <QFile>
#include <QWindow>

namespace {

// 100 ms past an even second: the tick wait has to run to the next window. The clock
// moves 7 ms at every reading, since reading the logger's clock waits for a tick too.
const QDateTime start(QDate(2026, 6, 15), QTime(12, 0, 0, 100));

// The clock-set command as the main window runs it: open, read, ask, set.
struct ClockSetRun {
    SimulatorScope s;
    UsbCom com;
    vglClkSetDlg dlg;
    QDateTime shownAt;

    int exec(std::function<void(vglClkSetDlg*)> action)
    {
        if (com.open() != UsbOk || com.getDeviceInfo() != UsbOk)
            return -1;
        s.sim.clearLogs();
        shownAt = Clock::currentDateTime();
        dlg.showDeviceInfo(&com);
        ModalDriver driver;
        driver.onModal(QStringLiteral("vglClkSetDlg"),
                       [action](QWidget* w) { action(static_cast<vglClkSetDlg*>(w)); });
        const int result = dlg.exec();
        if (result == QDialog::Accepted)
            com.setClock(dlg.time);
        return result;
    }
    QByteArray clockSent() const { return s.sim.framesOf(0x02).value(0).mid(2, 4); }
};

const QString noDevice = QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");
const QString charsRefused = QStringLiteral("Szóköz, és az alábbi karakterek nem megengedettek:\n\\  /  .  :  ?  *");
const QString lengthRefused = QStringLiteral("A név legalább egy,\nés legfeljebb nyolc karakterből állhat!");

bool allEnabled(serviceWriteDialog& d, bool enabled)
{
    for (QWidget* w : QWidgetList{d.redCheck, d.greenCheck, d.soundSpin, d.soundLabel, d.soundButton, d.RFonButton,
                                  d.RFoffButton})
        if (w->isEnabled() != enabled)
            return false;
    return true;
}

// Mode and tone divider of every signal-test frame.
QList<QPair<int, int>> signals_(SimulatorScope& s)
{
    QList<QPair<int, int>> out;
    for (const QByteArray& f : s.sim.framesOf(0x1E))
        out << qMakePair(int(quint8(f.at(2))), int(quint8(f.at(3))));
    return out;
}

// Runs ConfigDlg::exec with action applied to the shown dialog; -1 when it never showed.
int runConfig(std::function<void(ConfigDlg*)> action)
{
    ConfigDlg dlg;
    ModalDriver driver;
    driver.onModal(QStringLiteral("ConfigDlg"), [action](QWidget* w) { action(static_cast<ConfigDlg*>(w)); });
    return dlg.exec();
}

QList<QCheckBox*> boxes(ConfigDlg* d)
{
    return {d->MultiEntry, d->ChargeLog, d->DepleteLog, d->ShellLog, d->MoistLog};
}

void fillDevice(UsbCom& com)
{
    com.deviceName = QStringLiteral("KAPU-01 ");
    com.serialNumber = QStringLiteral("SN123456");
    com.model = QStringLiteral(" VGL-770 ");
    com.readoutDate = QDateTime(QDate(2026, 3, 1), QTime(10, 20, 30));
    com.lastIndex = 818;
    com.statusBits = 0xC0; // charged, closed, wet
    com.batteryLevel = 0xFA;
    com.pcTime = QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0));
    com.deviceTime = com.pcTime.addSecs(-400);
}

// The window's own close button, as the window system delivers it.
void closeButton(QWidget& w)
{
    QVERIFY(w.windowHandle());
    w.windowHandle()->close();
    QCoreApplication::processEvents();
}

} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT
private slots:
    void everyChoiceOfTheDialog()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        const QDateTime typed(QDate(2027, 1, 2), QTime(3, 4, 6));
        enum Choice { PcTime, UntouchedFields, TypedTime, CancelButton, Escape };
        for (Choice choice : {PcTime, UntouchedFields, TypedTime, CancelButton, Escape}) {
            ClockSetRun run;
            const QDateTime before = run.dlg.time;
            QDateTime clickedAt;
            const int result = run.exec([&](vglClkSetDlg* d) {
                clickedAt = clock.peek();
                switch (choice) {
                case PcTime: QTest::mouseClick(d->actual, Qt::LeftButton); break;
                case UntouchedFields:
                    clock.set(start.addSecs(3600)); // the time shown with the header counts, not the click's
                    QTest::mouseClick(d->given, Qt::LeftButton);
                    break;
                case TypedTime:
                    d->dateEdit->setDate(typed.date());
                    d->timeEdit->setTime(typed.time());
                    QTest::mouseClick(d->given, Qt::LeftButton);
                    break;
                case CancelButton: QTest::mouseClick(d->Ui_vglClkSetDlg::cancel, Qt::LeftButton); break;
                case Escape: QTest::keyClick(d, Qt::Key_Escape); break;
                }
            });
            if (choice >= CancelButton) {
                QCOMPARE(result, int(QDialog::Rejected));
                QCOMPARE(run.dlg.time, before);
                QCOMPARE(run.s.sim.framesOf(0x02).size(), 0);
                continue;
            }
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(run.s.sim.framesOf(0x02).size(), 1);
            QCOMPARE(run.clockSent(), SimulatedDevice::packTime(run.dlg.time));
            VERIFY_NO_VIOLATIONS(run.s.sim);
            if (choice == PcTime) {
                // The next tick of the logger's 2-second clock after the click, plus 160 ms.
                const qint64 tickMs = run.dlg.time.toMSecsSinceEpoch() - 160;
                const qint64 phase = tickMs % 2000;
                QVERIFY2(phase >= 1850 || phase <= 30, qPrintable(QString::number(phase)));
                const qint64 wait = tickMs - clickedAt.toMSecsSinceEpoch();
                QVERIFY(wait >= 0 && wait < 2000);
            } else if (choice == UntouchedFields) {
                QVERIFY(qAbs(run.dlg.time.secsTo(run.shownAt)) <= 1);
            } else {
                QCOMPARE(run.dlg.time, typed);
            }
        }
    }

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

    void initDialogDriven()
    {
        TestEnv env;
        FakeClock clock(start, 7);
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

    void signalTestsReachTheLogger()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        SimulatorScope s;
        serviceWriteDialog dlg;
        QCOMPARE(dlg.InfoLabel->text(), QStringLiteral("SIM00001   (modell: VGL-770)"));
        QVERIFY(allEnabled(dlg, true));
        s.sim.clearLogs();

        dlg.redCheck->setChecked(true);
        dlg.greenCheck->setChecked(true);
        QTest::mouseClick(dlg.soundButton, Qt::LeftButton);
        // 125000 / 2000 = 62.5: the remainder is not above half, so 62.
        QCOMPARE(signals_(s), (QList<QPair<int, int>>{{3, 62}}));

        // Every change of the frequency sends again at once.
        dlg.greenCheck->setChecked(false);
        dlg.soundSpin->setValue(1000);
        dlg.redCheck->setChecked(false);
        dlg.soundSpin->stepBy(-10); // 500 Hz
        QCOMPARE(signals_(s), (QList<QPair<int, int>>{{3, 62}, {1, 125}, {0, 250}}));

        QTest::mouseClick(dlg.RFonButton, Qt::LeftButton);
        QCOMPARE(signals_(s).last(), qMakePair(4, 0));
        // "Ki" only reads the logger again.
        QTest::mouseClick(dlg.RFoffButton, Qt::LeftButton);
        QCOMPARE(signals_(s).size(), 4);
        QVERIFY(!s.sim.framesOf(0x1D).isEmpty());

        ModalDriver driver;
        driver.onModal(QStringLiteral("servicewritedialog"), [](QWidget* w) {
            QTest::mouseClick(static_cast<serviceWriteDialog*>(w)->exitButton, Qt::LeftButton);
        });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    void unusableLoggers()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        SimulatorScope s;

        // Hardware code 0: shown, but the controls stay off.
        s.device().setHardwareCode(0);
        {
            serviceWriteDialog dlg;
            QVERIFY(allEnabled(dlg, false));
        }
        s.device().setHardwareCode(0x0202);

        // A failed open in "Be": one error, nothing sent, the label cleared, controls as they were.
        {
            serviceWriteDialog dlg;
            s.sim.clearLogs();
            s.sim.failCall(QStringLiteral("openBySerial"));
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Hiba lépett fel az FTDI USB driverben!"));
            QTest::mouseClick(dlg.RFonButton, Qt::LeftButton);
            QCOMPARE(prompts.seen().size(), 1);
            QCOMPARE(s.sim.framesOf(0x1E).size(), 0);
            QCOMPARE(dlg.InfoLabel->text(), QString());
            QVERIFY(allEnabled(dlg, true));
        }

        // No logger at all: one error box, an empty label, the controls off.
        s.sim.removeDevices();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, noDevice);
        serviceWriteDialog dlg;
        QCOMPARE(prompts.seen().size(), 1);
        QCOMPARE(dlg.InfoLabel->text(), QString());
        QVERIFY(allEnabled(dlg, false));
    }

    void statusShowsTheDevice()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        SimulatorScope s;
        StatusDlg dlg; // reads the logger at once
        const auto texts = [&dlg] {
            return QStringList{dlg.Ident->text(),     dlg.LotNo->text(),      dlg.TypeCode->text(),
                               dlg.Firmware->text(),  dlg.LogCycles->text(),  dlg.InicCycles->text(),
                               dlg.MoistCycles->text()};
        };
        QCOMPARE(texts(), QStringList({"PROBA   ", "SIM00001", "VGL-770 ", "0215", "120", "2", "0"}));
        QCOMPARE(dlg.InicDate->dateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0)));
        QCOMPARE(dlg.ReadDate->dateTime(), QDateTime(QDate(2023, 6, 1), QTime(12, 0)));
        QVERIFY(dlg.Battery->text().startsWith(QStringLiteral("kb. 85%  feltöltve: ")));
        QCOMPARE(dlg.Shell->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));

        // "Frissít" reads again: a new firmware shows in capitals.
        QByteArray identity = s.device().identity();
        identity[28] = char(0xEF);
        identity[29] = char(0xBE);
        QVERIFY(s.device().setIdentity(identity));
        QTest::mouseClick(dlg.ReloadButton, Qt::LeftButton);
        QCOMPARE(dlg.Firmware->text(), QStringLiteral("BEEF"));

        // Unplugged: one error box, then the cleared values instead of the old reading.
        s.device().pluggedIn = false;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, noDevice);
            QTest::mouseClick(dlg.ReloadButton, Qt::LeftButton);
            QCOMPARE(prompts.seen().size(), 1);
            QCOMPARE(prompts.seen().first().buttons, QStringList{QStringLiteral("OK")});
        }
        QCOMPARE(texts(), QStringList({"", "", "", "0000", "0", "0", "0"}));
        QCOMPARE(dlg.InicDate->dateTime(), nullDeviceTime);
        QCOMPARE(dlg.Battery->palette().color(QPalette::Disabled, QPalette::Base), QColor("tomato"));

        ModalDriver driver;
        driver.onModal(QStringLiteral("StatusDlg"),
                       [](QWidget* w) { QTest::mouseClick(static_cast<StatusDlg*>(w)->ExitButton, Qt::LeftButton); });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    void optionByteRoundTrip_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("toggle"); // index of the box to flip, -1 none
        QTest::addColumn<int>("written");
        QTest::newRow("all set, deep discharge off") << 0x5F << 2 << 0x1F;
        QTest::newRow("only foreign bits, unchanged") << 0xA8 << -1 << 0xA8;
        QTest::newRow("foreign bits kept, moisture on") << 0xA9 << 4 << 0xB9;
        QTest::newRow("merge off") << 0xFF << 0 << 0xFE;
        QTest::newRow("case on") << 0x00 << 3 << 0x04;
    }

    void optionByteRoundTrip()
    {
        QFETCH(int, stored);
        QFETCH(int, toggle);
        QFETCH(int, written);
        TestEnv env;
        FakeClock clock(start, 7);
        SimulatorScope s;
        s.device().setConfigBytes(95, QByteArray(1, char(stored)));
        s.sim.clearLogs();
        const int bits[] = {0x01, 0x02, 0x40, 0x04, 0x10};
        int shown = 0;
        QCOMPARE(runConfig([&](ConfigDlg* d) {
                     for (int i = 0; i < 5; ++i)
                         shown |= boxes(d).at(i)->isChecked() ? bits[i] : 0;
                     if (toggle >= 0)
                         boxes(d).at(toggle)->toggle();
                     QTest::mouseClick(d->DoneButton, Qt::LeftButton);
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(shown, stored & 0x57);
        const QList<QByteArray> writes = s.sim.framesOf(0x1C);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.first().mid(2, 2), QByteArray("\x5F") + char(written));
        QCOMPARE(int(s.device().optionFlags()), written);
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    void configCancelAndFailures()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        SimulatorScope s;
        s.device().setConfigBytes(95, QByteArray(1, char(0x5F)));
        s.sim.clearLogs();

        // "Mégsem" and Escape write nothing.
        QCOMPARE(runConfig([](ConfigDlg* d) {
                     d->DepleteLog->setChecked(false);
                     QTest::mouseClick(d->CancelButton, Qt::LeftButton);
                 }),
                 int(QDialog::Rejected));
        QCOMPARE(runConfig([](ConfigDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }), int(QDialog::Rejected));
        QCOMPARE(s.sim.framesOf(0x1C).size(), 0);

        // A failed write is told once and the dialog closes.
        s.sim.injectReplyFault(0x1C, 0, SimulatedLogger::Silent);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, noDevice);
            QCOMPARE(runConfig([](ConfigDlg* d) { QTest::mouseClick(d->DoneButton, Qt::LeftButton); }),
                     int(QDialog::Rejected));
        }
        s.sim.clearFaults();
        QCOMPARE(int(s.device().optionFlags()), 0x5F);

        // An unreadable logger: one error and no dialog at all.
        s.sim.removeDevices();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, noDevice);
        NoModalExpected noWindow;
        ConfigDlg dlg;
        QCOMPARE(dlg.exec(), 0);
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    void readOutHeaderAndProgress()
    {
        TestEnv env;
        UsbCom com;
        fillDevice(com);
        ReadOutDlg dlg;
        dlg.showDeviceInfo(&com);
        QCOMPARE(dlg.LotNo->text(), QStringLiteral("SN123456   (modell: VGL-770)"));
        QCOMPARE(dlg.Battery->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));
        QCOMPARE(dlg.moisture->palette().color(QPalette::Disabled, QPalette::Base), QColor("tomato"));
        QVERIFY(!dlg.clockOk); // 400 s off with a 5-minute limit
        com.deviceTime = com.pcTime.addSecs(10);
        dlg.showDeviceInfo(&com);
        QVERIFY(dlg.clockOk);

        // The bar stays within its range.
        QCOMPARE(dlg.RdProgressBar->maximum(), 818);
        dlg.setProgressRange(100);
        for (const auto& p : {qMakePair(-5, 0), qMakePair(500, 100), qMakePair(64, 64)}) {
            dlg.setProgress(p.first);
            QCOMPARE(dlg.RdProgressBar->value(), p.second);
        }
        dlg.setProgressRange(10);
        QCOMPARE(dlg.RdProgressBar->value(), 0);
    }

    void readOutCloseRequests()
    {
        TestEnv env;
        // Each way of asking sets the flag and leaves the window open for the driver.
        const std::function<void(ReadOutDlg&)> asks[] = {
            [](ReadOutDlg& d) { QTest::mouseClick(d.ActionButton, Qt::LeftButton); },
            [](ReadOutDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
            [](ReadOutDlg& d) { QTest::keyClick(&d, Qt::Key_Return); },
            [](ReadOutDlg& d) { closeButton(d); },
        };
        for (int i = 0; i < 4; ++i) {
            ReadOutDlg dlg;
            dlg.setModal(true);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            asks[i](dlg);
            // The Return shortcut clicks the button animated, a moment later.
            QTRY_VERIFY2(dlg.closeRequested, qPrintable(QString::number(i)));
            QVERIFY(dlg.isVisible());
            // A request made earlier ends the wait at once, and the window really closes.
            dlg.waitForClose();
            QVERIFY(!dlg.isVisible());
            QVERIFY(!QApplication::activeModalWidget());
        }
        // The driver's own close() is not mistaken for a request.
        ReadOutDlg dlg;
        dlg.show();
        dlg.close();
        QVERIFY(!dlg.closeRequested);

        // Waiting ends with the button.
        dlg.setModal(true);
        dlg.setButtonText(QStringLiteral("OK"));
        dlg.show();
        ModalDriver driver;
        driver.onModal(QStringLiteral("ReadOutDlg"), [](QWidget* w) {
            QTest::mouseClick(static_cast<ReadOutDlg*>(w)->ActionButton, Qt::LeftButton);
        });
        dlg.waitForClose();
        QVERIFY(driver.allDone());
        QVERIFY(!dlg.isVisible());
    }

    void tuneDialogMessagesAndClose()
    {
        TestEnv env;
        UsbCom com;
        fillDevice(com);
        vglClkTuneDlg dlg;
        dlg.showDeviceInfo(&com);
        dlg.setProgress(5000);
        QCOMPARE(dlg.progressBar->value(), 818);
        // The message's colour leaves the header's colours alone.
        dlg.setMessage(QStringLiteral("A behangolás nem sikerült!"), QColor("darkRed"));
        QCOMPARE(dlg.Batt->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));

        dlg.setModal(true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        closeButton(dlg);
        QVERIFY(dlg.closeRequested);
        QVERIFY(dlg.isVisible());
        dlg.waitForClose();
        QVERIFY(!dlg.isVisible());
    }
};

WYX_TEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
