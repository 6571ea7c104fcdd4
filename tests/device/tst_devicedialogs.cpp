// The device dialogs driven offscreen against the simulated logger: clock set,
// initialisation, service signals, status and configuration, read-out progress, clock tuning.
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
#include <memory>
#include <QWindow>

namespace {

// Runs dlg.exec() with action applied to the dialog once it shows.
template <class Dialog>
int execWith(Dialog& dlg, const std::function<void(Dialog*)>& action)
{
    ModalDriver driver;
    driver.onModal(dlg.objectName(), [action](QWidget* w) { action(static_cast<Dialog*>(w)); });
    return dlg.exec();
}

// 100 ms past an even second: the tick wait has to run to the next window. The clock
// moves 7 ms at every reading, since reading the logger's clock waits for a tick too.
const QDateTime start(QDate(2026, 6, 15), QTime(12, 0, 0, 100));
// An even second, so that the logger's 2-second clock and the computer's agree exactly.
const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));

// True when t lies at a tick of the logger's 2-second clock, plus 160 ms.
bool atTick(const QDateTime& t)
{
    const qint64 phase = (t.toMSecsSinceEpoch() - 160) % 2000;
    return phase >= 1850 || phase <= 30;
}

struct Rig {
    TestEnv env;
    FakeClock clock{start, 7};
    SimulatorScope s;
};

const QString noDevice = QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");
const QString charsRefused =
    QStringLiteral("Szóköz, és az alábbi karakterek nem megengedettek:\n\\  /  .  :  ?  *");
const QString lengthRefused = QStringLiteral("A név legalább egy,\nés legfeljebb nyolc karakterből állhat!");

bool allEnabled(serviceWriteDialog& d, bool enabled)
{
    for (QWidget* w : QWidgetList{d.redCheck, d.greenCheck, d.soundSpin, d.soundLabel, d.soundButton,
                                  d.RFonButton, d.RFoffButton})
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

int runConfig(std::function<void(ConfigDlg*)> action)
{
    ConfigDlg dlg;
    return execWith(dlg, action);
}

void fillDevice(UsbCom& com)
{
    com.deviceName = QStringLiteral("KAPU-01 ");
    com.serialNumber = QStringLiteral("SN123456");
    com.model = QStringLiteral(" VGL-770 ");
    com.lastIndex = 818;
    com.statusBits = 0xC0; // charged, closed, wet
    com.batteryLevel = 0xFA;
    com.pcTime = pcNow;
    com.deviceTime = com.pcTime.addSecs(-400);
}

// The window's own close button, as the window system delivers it.
void closeButton(QWidget& w)
{
    QVERIFY(w.windowHandle());
    w.windowHandle()->close();
    QCoreApplication::processEvents();
}

const int dayS = 86400;
const QString failed = QStringLiteral("A behangolás nem sikerült!");

enum ClockChoice { PcTime, UntouchedFields, Escape };

struct Outcome {
    UsbErrorCodes result = UsbOk;
    QString message;
    QColor colour;
};

// A logger whose newest clock setting lies `age` seconds back, with touches after it so
// that the search has to cross the ring's start, and whose clock is `drift` seconds off.
struct TuneRig {
    TestEnv env;
    FakeClock clock{pcNow};
    SimulatorScope s;
    UsbCom com;

    void prepare(qint64 age, int drift, quint8 calibration)
    {
        SimulatedDevice& dev = s.device();
        dev.appendEvent(219, pcNow.addSecs(-age), pcNow.addSecs(-age - 600));
        for (int i = 0; i < 70; ++i)
            dev.appendTouch(pcNow.addSecs(-3600 + i * 10), QByteArray(6, char(i)));
        dev.setClockOffset(qint64(drift) * 1000);
        dev.calibration = calibration;
        s.sim.clearLogs();
    }
    int frames(int command) const { return s.sim.framesOf(command).size(); }
    QList<int> pageStarts() const
    {
        QList<int> starts;
        for (const QByteArray& f : s.sim.framesOf(0x0C))
            starts << frameIndex(f);
        return starts;
    }

    // Runs the tuning and closes its window once the result is shown ("OK" on the button).
    Outcome tune()
    {
        Outcome out;
        QTimer watcher;
        ModalDriver driver;
        driver.onModal(QStringLiteral("vglClkTuneDlg"), [&](QWidget* w) {
            auto* dlg = qobject_cast<vglClkTuneDlg*>(w);
            QObject::connect(&watcher, &QTimer::timeout, dlg, [&out, &watcher, dlg] {
                if (dlg->AbortButton->text() != QLatin1String("OK"))
                    return;
                watcher.stop();
                out.message = dlg->Message->text();
                out.colour = dlg->Message->palette().color(QPalette::WindowText);
                QTest::mouseClick(dlg->AbortButton, Qt::LeftButton);
            });
            watcher.start(1);
        });
        out.result = com.tuneClock();
        return out;
    }
};

} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT
private slots:
    void clockSetChoices_data()
    {
        // A typed time and "Mégsem" are driven through the main window's command.
        QTest::addColumn<int>("choice");
        QTest::newRow("computer's time") << int(PcTime);
        QTest::newRow("fields as shown") << int(UntouchedFields);
        QTest::newRow("Escape") << int(Escape);
    }

    void clockSetChoices()
    {
        QFETCH(int, choice);
        TestEnv env;
        FakeClock clock(start, 7);
        {
            // The command as the main window runs it: open, read, ask, set.
            SimulatorScope s;
            UsbCom com;
            vglClkSetDlg dlg;
            const QDateTime before = dlg.time;
            QCOMPARE(com.open(), UsbOk);
            QCOMPARE(com.getDeviceInfo(), UsbOk);
            s.sim.clearLogs();
            const QDateTime shownAt = Clock::currentDateTime();
            dlg.showDeviceInfo(&com);
            QDateTime clickedAt;
            const int result = execWith<vglClkSetDlg>(dlg, [&](vglClkSetDlg* d) {
                clickedAt = clock.peek();
                switch (choice) {
                case PcTime: QTest::mouseClick(d->actual, Qt::LeftButton); break;
                case UntouchedFields:
                    clock.set(start.addSecs(3600)); // the time shown with the header counts, not the click's
                    QTest::mouseClick(d->given, Qt::LeftButton);
                    break;
                case Escape: QTest::keyClick(d, Qt::Key_Escape); break;
                }
            });
            if (result == QDialog::Accepted)
                com.setClock(dlg.time);
            const QList<QByteArray> sets = s.sim.framesOf(0x02);
            if (choice == Escape) {
                QCOMPARE(result, int(QDialog::Rejected));
                QCOMPARE(dlg.time, before);
                QVERIFY(sets.isEmpty());
                return;
            }
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(sets.size(), 1);
            QCOMPARE(sets[0].mid(2, 4), SimulatedDevice::packTime(dlg.time));
            VERIFY_NO_VIOLATIONS(s.sim);
            if (choice == PcTime) {
                // The next tick of the logger's 2-second clock after the click.
                QVERIFY(atTick(dlg.time));
                const qint64 wait = dlg.time.toMSecsSinceEpoch() - 160 - clickedAt.toMSecsSinceEpoch();
                QVERIFY(wait >= 0);
                QVERIFY(wait < 2000);
            } else {
                QVERIFY(qAbs(dlg.time.secsTo(shownAt)) <= 1);
            }
        }
    }

    void nameChecks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        const QString taken = QStringLiteral(
            "KAPU01 néven már van kiolvasott esemény napló.\nAdjon meg egy még nem használt nevet!");
        QTest::newRow("eight letters") << "ABCDEFGH" << QString();
        QTest::newRow("blanks around") << "  KAPU  " << QString();
        QTest::newRow("dash and underscore") << "K-12_x" << QString();
        QTest::newRow("no log yet") << "KAPU02" << QString();
        QTest::newRow("blank inside") << "KA PU" << charsRefused;
        QTest::newRow("characters before the length") << "ABCDEFGHIJ.K" << charsRefused;
        QTest::newRow("question mark") << "AB?C" << charsRefused;
        QTest::newRow("star") << "AB*C" << charsRefused;
        QTest::newRow("colon") << "AB:C" << charsRefused;
        QTest::newRow("slash") << "AB/C" << charsRefused;
        QTest::newRow("backslash") << "AB\\C" << charsRefused;
        QTest::newRow("empty") << "" << lengthRefused;
        QTest::newRow("blanks only") << "    " << lengthRefused;
        QTest::newRow("nine letters") << "ABCDEFGHI" << lengthRefused;
        // The logger keeps 8 bytes: four accented letters fit, eight do not.
        QTest::newRow("four accented letters") << "ÁÉÍÓ" << QString();
        QTest::newRow("accented letter last") << "ABCDEFÉ" << QString();
        QTest::newRow("eight accented letters") << "ÁÉÍÓÖŐÚÜ" << lengthRefused;
        QTest::newRow("accented letter cut") << "ABCDEFGÉ" << lengthRefused;
        QTest::newRow("log exists") << "KAPU01" << taken;
        // Its log would be A_B.ewl, which exists: refused, never deleted afterwards.
        QTest::newRow("log under another spelling exists")
            << "A<B" << QStringLiteral("A<B néven már van kiolvasott esemény napló.");
    }

    void nameChecks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        TestEnv env;
        QVERIFY(QFile(env.path(QStringLiteral("KAPU01.ewl"))).open(QIODevice::WriteOnly));
        QVERIFY(QFile(env.path(QStringLiteral("A_B.ewl"))).open(QIODevice::WriteOnly));
        ScriptedPrompts prompts;
        if (!refusal.isEmpty())
            prompts.expectNotice(Prompts::Kind::Warning, refusal);
        InitDlg dlg;
        dlg.NewNameEdit->setText(typed); // the form allows 16 until the header is filled
        QCOMPARE(dlg.validateName(), refusal.isEmpty());
        QCOMPARE(dlg.newName, typed.trimmed());
        if (!refusal.isEmpty())
            QCOMPARE(prompts.seen().value(0).title, QStringLiteral("Inicializálás"));
        QVERIFY(QFileInfo::exists(env.path(QStringLiteral("A_B.ewl"))));
    }

    void initDialogDriven()
    {
        Rig r;
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        QCOMPARE(com.getDeviceInfo(), UsbOk);
        // A bad name keeps the dialog open; the good one is then taken with the computer's time.
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, charsRefused);
        InitDlg dlg;
        dlg.showDeviceInfo(&com);
        bool stayedOpen = false;
        QCOMPARE(execWith<InitDlg>(dlg,
                                   [&stayedOpen](InitDlg* d) {
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
        QVERIFY(atTick(dlg.time));
        r.s.sim.clearLogs();
        QCOMPARE(com.initDevice(dlg.newName, dlg.time), UsbOk);
        QCOMPARE(r.s.device().name(), QByteArray("ÚJNÉV "));
        QCOMPARE(r.s.sim.framesOf(0x05).value(0).mid(2, 4), SimulatedDevice::packTime(dlg.time));

        // Return is the shortcut of "Mégsem": it cancels although "PC idővel" is the default.
        InitDlg cancelled;
        cancelled.showDeviceInfo(&com);
        QCOMPARE(execWith<InitDlg>(cancelled,
                                   [](InitDlg* d) {
                                       d->NewNameEdit->setText(QStringLiteral("JO"));
                                       QVERIFY(QTest::qWaitForWindowActive(d)); // shortcuts need it
                                       QTest::keyClick(d, Qt::Key_Return);
                                   }),
                 int(QDialog::Rejected));
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }

    void serviceSignalsAreSentAtOnce()
    {
        Rig r;
        SimulatorScope& s = r.s;
        serviceWriteDialog dlg;
        QCOMPARE(dlg.InfoLabel->text(), QStringLiteral("SIM00001   (modell: VGL-770)"));
        QVERIFY(allEnabled(dlg, true));
        s.sim.clearLogs();
        dlg.redCheck->setChecked(true);
        dlg.greenCheck->setChecked(true);
        QTest::mouseClick(dlg.soundButton, Qt::LeftButton);
        // 125000 / 2000 = 62.5: the remainder is not above half, so 62. Every change sends at once.
        dlg.greenCheck->setChecked(false);
        dlg.soundSpin->setValue(1000);
        dlg.redCheck->setChecked(false);
        dlg.soundSpin->stepBy(-10); // 500 Hz
        QTest::mouseClick(dlg.RFonButton, Qt::LeftButton);
        QCOMPARE(signals_(s), (QList<QPair<int, int>>{{3, 62}, {1, 125}, {0, 250}, {4, 0}}));
        // "Ki" only reads the logger again.
        QTest::mouseClick(dlg.RFoffButton, Qt::LeftButton);
        QCOMPARE(signals_(s).size(), 4);
        QVERIFY(!s.sim.framesOf(0x1D).isEmpty());
        QCOMPARE(execWith<serviceWriteDialog>(
                     dlg, [](serviceWriteDialog* d) { QTest::mouseClick(d->exitButton, Qt::LeftButton); }),
                 int(QDialog::Rejected));
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    void serviceControlsStayOffWithoutHardwareCode()
    {
        Rig r;
        r.s.device().setHardwareCode(0);
        serviceWriteDialog dlg;
        QVERIFY(allEnabled(dlg, false));
    }

    void serviceFailedOpenIsReportedOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("on") << "RFonButton";
        QTest::newRow("off") << "RFoffButton";
        QTest::newRow("sound") << "soundButton";
    }

    void serviceFailedOpenIsReportedOnce()
    {
        // One error, nothing sent, the label cleared, the controls as they were.
        QFETCH(QString, button);
        Rig r;
        SimulatorScope& s = r.s;
        serviceWriteDialog dlg;
        s.sim.clearLogs();
        s.sim.failCall(QStringLiteral("openBySerial"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Hiba lépett fel az FTDI USB driverben!"));
        QTest::mouseClick(dlg.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(prompts.seen().size(), 1);
        QCOMPARE(s.sim.framesOf(0x1E).size(), 0);
        QCOMPARE(dlg.InfoLabel->text(), QString());
        QVERIFY(allEnabled(dlg, true));
    }

    void serviceWithoutALogger()
    {
        // One error box, an empty label, the controls off.
        Rig r;
        r.s.sim.removeDevices();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, noDevice);
        serviceWriteDialog dlg;
        QCOMPARE(prompts.seen().size(), 1);
        QCOMPARE(dlg.InfoLabel->text(), QString());
        QVERIFY(allEnabled(dlg, false));
    }

    void statusShowsTheDevice()
    {
        Rig r;
        SimulatorScope& s = r.s;
        StatusDlg dlg; // reads the logger at once
        const auto texts = [&dlg] {
            return QStringList{dlg.Ident->text(),    dlg.LotNo->text(),     dlg.TypeCode->text(),
                               dlg.Firmware->text(), dlg.LogCycles->text(), dlg.InicCycles->text(),
                               dlg.MoistCycles->text()};
        };
        QCOMPARE(texts(), QStringList({"PROBA   ", "SIM00001", "VGL-770 ", "0215", "120", "2", "0"}));
        QCOMPARE(dlg.InicDate->dateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0)));
        QCOMPARE(dlg.ReadDate->dateTime(), QDateTime(QDate(2023, 6, 1), QTime(12, 0)));
        QVERIFY(dlg.Battery->text().startsWith(QStringLiteral("kb. 85%  feltöltve: ")));
        QCOMPARE(dlg.Shell->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));

        // "Frissít" reads again: a new firmware shows in capitals.
        QByteArray identity = s.device().identity();
        identity.replace(28, 2, "\xEF\xBE");
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
        QCOMPARE(execWith<StatusDlg>(dlg, [](StatusDlg* d) { QTest::mouseClick(d->ExitButton, Qt::LeftButton); }),
                 int(QDialog::Accepted));
        VERIFY_NO_VIOLATIONS(s.sim);
    }

    // An impossible date (31 April) is shown as no date, not as the previous reading's.
    void statusImpossibleDateShowsNoOldDate()
    {
        Rig r;
        StatusDlg dlg;
        QCOMPARE(dlg.InicDate->dateTime(), QDateTime(QDate(2023, 1, 10), QTime(9, 0)));
        r.s.device().setConfigBytes(24, QByteArray::fromHex("2E9F0000"));
        QTest::mouseClick(dlg.ReloadButton, Qt::LeftButton);
        QCOMPARE(dlg.InicDate->dateTime(), nullDeviceTime);
    }

    void optionByteRoundTrip_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("toggle"); // index of the box to flip
        QTest::addColumn<int>("written");
        QTest::newRow("all set, deep discharge off") << 0x5F << 2 << 0x1F;
        QTest::newRow("foreign bits kept, moisture on") << 0xA9 << 4 << 0xB9;
        QTest::newRow("merge off") << 0xFF << 0 << 0xFE;
        QTest::newRow("case on") << 0x00 << 3 << 0x04;
    }

    void optionByteRoundTrip()
    {
        QFETCH(int, stored);
        QFETCH(int, toggle);
        QFETCH(int, written);
        Rig r;
        r.s.device().setConfigBytes(95, QByteArray(1, char(stored)));
        r.s.sim.clearLogs();
        const int bits[] = {0x01, 0x02, 0x40, 0x04, 0x10};
        int shown = 0;
        QCOMPARE(runConfig([&](ConfigDlg* d) {
                     const QList<QCheckBox*> boxes{d->MultiEntry, d->ChargeLog, d->DepleteLog, d->ShellLog,
                                                   d->MoistLog};
                     for (int i = 0; i < 5; ++i)
                         shown |= boxes.at(i)->isChecked() ? bits[i] : 0;
                     boxes.at(toggle)->toggle();
                     QTest::mouseClick(d->DoneButton, Qt::LeftButton);
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(shown, stored & 0x57);
        const QList<QByteArray> writes = r.s.sim.framesOf(0x1C);
        QCOMPARE(writes.size(), 1);
        QCOMPARE(writes.first().mid(2, 2), QByteArray("\x5F") + char(written));
        QCOMPARE(int(r.s.device().optionFlags()), written);
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }

    void configCancelAndFailures()
    {
        Rig r;
        SimulatorScope& s = r.s;
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

    // The read-out and tuning windows: header, bounded progress, and every way of asking to close.
    void readOutHeaderShowsTheLogger()
    {
        TestEnv env;
        UsbCom com;
        fillDevice(com);
        ReadOutDlg dlg;
        dlg.showDeviceInfo(&com);
        QCOMPARE(dlg.LotNo->text(), QStringLiteral("SN123456   (modell: VGL-770)"));
        QCOMPARE(dlg.Battery->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));
        QVERIFY(!dlg.clockOk); // 400 s off with a 5-minute limit
        QCOMPARE(dlg.RdProgressBar->maximum(), 818);
        com.deviceTime = com.pcTime.addSecs(10);
        dlg.showDeviceInfo(&com);
        QVERIFY(dlg.clockOk);
    }

    void readOutProgressStaysInItsRange_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("shown");
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("beyond the range") << 500 << 100;
        QTest::newRow("inside") << 64 << 64;
    }

    void readOutProgressStaysInItsRange()
    {
        QFETCH(int, step);
        QFETCH(int, shown);
        ReadOutDlg dlg;
        dlg.setProgressRange(100);
        dlg.setProgress(step);
        QCOMPARE(dlg.RdProgressBar->value(), shown);
        dlg.setProgressRange(10); // a new range starts again
        QCOMPARE(dlg.RdProgressBar->value(), 0);
    }

    void driversOwnCloseIsNoRequest()
    {
        ReadOutDlg dlg;
        dlg.show();
        dlg.close();
        QVERIFY(!dlg.closeRequested);
    }

    void closeRequestLeavesTheWindowForTheDriver_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Escape") << 0;
        QTest::newRow("Return") << 1;
        QTest::newRow("close button") << 2;
    }

    void closeRequestLeavesTheWindowForTheDriver()
    {
        QFETCH(int, way);
        ReadOutDlg dlg;
        dlg.setModal(true);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        switch (way) {
        case 0: QTest::keyClick(&dlg, Qt::Key_Escape); break;
        case 1: QTest::keyClick(&dlg, Qt::Key_Return); break;
        default: closeButton(dlg); break;
        }
        // The Return shortcut clicks the button animated, a moment later.
        QTRY_VERIFY(dlg.closeRequested);
        QVERIFY(dlg.isVisible());
        // A request made earlier ends the wait at once, and the window really closes.
        dlg.waitForClose();
        QVERIFY(!dlg.isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void tuneWindowProgressAndClose()
    {
        TestEnv env;
        UsbCom com;
        fillDevice(com);
        vglClkTuneDlg tune;
        tune.showDeviceInfo(&com);
        tune.setProgress(5000);
        QCOMPARE(tune.progressBar->value(), 818);
        // The message's colour leaves the header's colours alone.
        tune.setMessage(failed, QColor("darkRed"));
        QCOMPARE(tune.Batt->palette().color(QPalette::Disabled, QPalette::Base), QColor("lime"));
        tune.setModal(true);
        tune.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tune));
        closeButton(tune);
        QVERIFY(tune.closeRequested);
        QVERIFY(tune.isVisible());
        tune.waitForClose();
        QVERIFY(!tune.isVisible());
    }

    // A header line shows from its start (the charge level, the date), and its field grows
    // to show it whole even in a window made narrow before.
    void headerLinesShowTheirStart()
    {
        TestEnv env;
        UsbCom com;
        fillDevice(com);
        vglClkTuneDlg dlg;
        dlg.resize(240, dlg.height());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.showDeviceInfo(&com);
        for (const QLineEdit* line : {dlg.Batt, dlg.Enclosure, dlg.Moisture, dlg.Clock}) {
            QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) < line->width(), qPrintable(line->text()));
            QCOMPARE(line->cursorPosition(), 0);
        }
    }

    // The tuning window's two-line messages get the height they need.
    void tuneMessagesAreNotClipped()
    {
        TestEnv env;
        vglClkTuneDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.setMessage(QStringLiteral("Nincs az esemény naplóban óra beállítás bejegyzés,\naz óra behangolása nem lehetséges!"),
                       QColor("darkRed"));
        QTRY_VERIFY(dlg.Message->height() >= dlg.Message->sizeHint().height());
        QVERIFY(dlg.Message->height() >= 2 * dlg.Message->fontMetrics().lineSpacing());
    }

    void driftCorrectionClampingAndThreeDays_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<int>("drift");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after"); // -1: refused as too early, -2: beyond the calibration's range
        // +10 s in 4 days: 9.48 steps, +1.5, truncated: 10; -10 s: -9.98 truncated: -9.
        QTest::newRow("fast") << qint64(4 * dayS) << 10 << 0 << 0x0A;
        QTest::newRow("slow") << qint64(4 * dayS) << -10 << 0 << 0x77;
        QTest::newRow("fast from -1") << qint64(4 * dayS) << 10 << 0x7F << 0x09;
        QTest::newRow("up to the top") << qint64(4 * dayS) << 10 << 0x34 << 0x3E;
        QTest::newRow("beyond the top") << qint64(4 * dayS) << 10 << 0x3C << -2;
        QTest::newRow("down to the bottom") << qint64(4 * dayS) << -10 << 0x4B << 0x42;
        QTest::newRow("beyond the bottom") << qint64(4 * dayS) << -10 << 0x42 << -2;
        // A clock set a few minutes off is no drift of the crystal.
        QTest::newRow("minutes off") << qint64(4 * dayS) << 300 << 0 << -2;
        QTest::newRow("decades off") << qint64(3 * dayS) << 2000000 << 0 << -2;
        QTest::newRow("accurate") << qint64(30 * dayS) << 0 << 0 << 0x01;
        QTest::newRow("two seconds short of three days") << qint64(259198) << 20 << 0 << -1;
        QTest::newRow("exactly three days") << qint64(259200) << 20 << 0 << 0x1A;
        // Set to a time after the computer's: the correction's sign would flip.
        QTest::newRow("four days ahead") << qint64(-4 * dayS) << 20 << 0 << -1;
    }

    void driftCorrectionClampingAndThreeDays()
    {
        QFETCH(qint64, age);
        QFETCH(int, drift);
        QFETCH(int, before);
        QFETCH(int, after);
        TuneRig r;
        r.prepare(age, drift, quint8(before));
        QCOMPARE(r.com.open(), UsbOk);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbOk);
        if (after < 0) {
            QCOMPARE(out.message,
                     after == -1
                         ? QStringLiteral("Kevés idő telt el az óra beállítás óta,\na hangolás még nem lehetséges!")
                         : QStringLiteral("Az óra eltérése túl nagy,\naz óra behangolása nem lehetséges!"));
            QCOMPARE(out.colour, QColor("darkRed"));
            QCOMPARE(r.frames(0x19) + r.frames(0x02), 0);
            QCOMPARE(int(r.s.device().calibration), before);
        } else {
            QCOMPARE(out.message, QStringLiteral("Az óra pontossága behangolva!"));
            QCOMPARE(out.colour, QColor("darkGreen"));
            QCOMPARE(r.s.sim.framesOf(0x19),
                     QList<QByteArray>({SimulatedLogger::makeFrame(QByteArray("\x19") + char(after) + '\0')}));
            QCOMPARE(int(r.s.device().calibration), after);
            // The clock is set again after the calibration: read half a second into the
            // computer's 2-second step, it is set at the next one.
            QCOMPARE(r.frames(0x02), 1);
            QCOMPARE(r.s.device().now(), pcNow.addSecs(2));
        }
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }

    void searchCrossesTheRingStart()
    {
        {
            TuneRig r;
            r.prepare(4 * dayS, 10, 0); // record at slot 0, write index 71
            QCOMPARE(r.com.open(), UsbOk);
            QCOMPARE(r.tune().result, UsbOk);
            QCOMPARE(r.pageStarts(), QList<int>({7, 7 - 64 + 819}));
        }
        // Without any clock-set record the whole ring is read once, newest page first.
        TuneRig r;
        r.s.device().setWriteIndex(10);
        QCOMPARE(r.com.open(), UsbOk);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbOk);
        QCOMPARE(out.message, QStringLiteral("Nincs az esemény naplóban óra beállítás bejegyzés,\n"
                                             "az óra behangolása nem lehetséges!"));
        QCOMPARE(out.colour, QColor("darkRed"));
        QList<int> expected;
        for (int k = 0; k < 13; ++k)
            expected << (765 - 64 * k + 819) % 819;
        QCOMPARE(r.pageStarts(), expected);
        QCOMPARE(r.frames(0x19), 0);
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }

    void refusesWhatItCannotTune()
    {
        // A ring it cannot walk: unknown capacity, or a write index beyond the ring.
        for (const auto& ring : {qMakePair(0x15, 0), qMakePair(0x01, 900)}) {
            TuneRig r;
            r.s.device().setMemoryCode(quint8(ring.first));
            r.s.device().setWriteIndex(ring.second);
            QCOMPARE(r.com.open(), UsbOk);
            NoModalExpected noWindow;
            QCOMPARE(r.com.tuneClock(), UsbBadReply);
            QCOMPARE(r.frames(0x0C) + r.frames(0x19), 0);
        }
        // An impossible logger date.
        TuneRig r;
        r.prepare(4 * dayS, 0, 0);
        r.s.device().setRawClock(QByteArray::fromHex("34 9F 00 00")); // 31 April 2026
        QCOMPARE(r.com.open(), UsbOk);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbBadReply);
        QCOMPARE(out.message, failed);
        QCOMPARE(r.frames(0x19), 0);
        // Without an open device nothing is shown.
        UsbCom closed;
        NoModalExpected noWindow;
        QCOMPARE(closed.tuneClock(), UsbNoChannel);
    }

    void garbledWriteIndexStillFindsTheNewestClockSet_data()
    {
        QTest::addColumn<int>("garble");
        for (int g = 0; g < IdentityGarbleCount; ++g)
            QTest::newRow(identityGarbleName(g)) << g;
    }

    // The search starts at the write index of the identity reply. Garbled, it must neither
    // skip the newest record, a clock setting, nor find first an older one left beyond it
    // from the ring's previous round; a garbled capacity gives no search at all.
    void garbledWriteIndexStillFindsTheNewestClockSet()
    {
        QFETCH(int, garble);
        const auto clockSet = [](int daysAgo) {
            const QDateTime t = pcNow.addSecs(-qint64(daysAgo) * dayS);
            return QByteArray(1, char(219)) + SimulatedDevice::packTime(t)
                   + SimulatedDevice::packTime(t.addSecs(-600)) + QByteArray(1, '\0');
        };
        const auto run = [&](bool garbled, Outcome& out, QByteArray& calibrationFrames) {
            TuneRig r;
            SimulatedDevice& dev = r.s.device();
            dev.appendRecord(clockSet(30));
            for (int i = 0; i < 70; ++i)
                dev.appendTouch(pcNow.addSecs(-40 * dayS + i * 10), QByteArray(6, char(i)));
            dev.appendRecord(clockSet(4));
            dev.setRecord(dev.writeIndex() + 3, clockSet(60));
            dev.setClockOffset(40 * 1000);
            QCOMPARE(r.com.open(), UsbOk);
            r.s.sim.clearLogs();
            if (garbled)
                r.s.sim.garbleIdentity(1, identityGarble(garble));
            if (garbled && garblesTheIdentity(garble)) {
                NoModalExpected noWindow;
                out.result = r.com.tuneClock();
            } else {
                out = r.tune();
            }
            calibrationFrames = r.s.sim.framesOf(0x19).join();
            VERIFY_NO_VIOLATIONS(r.s.sim);
        };
        Outcome clean, garbled;
        QByteArray cleanFrames, garbledFrames;
        run(false, clean, cleanFrames);
        QCOMPARE(clean.message, QStringLiteral("Az óra pontossága behangolva!"));
        run(true, garbled, garbledFrames);
        if (garblesTheIdentity(garble)) {
            QCOMPARE(garbled.result, UsbBadReply);
            QVERIFY(garbledFrames.isEmpty());
        } else {
            QCOMPARE(garbled.result, clean.result);
            QCOMPARE(garbled.message, clean.message);
            QCOMPARE(garbledFrames, cleanFrames);
        }
    }

    void abortAndFailures()
    {
        TuneRig r;
        QCOMPARE(r.com.open(), UsbOk);
        // Escape during the search stops it after the page in progress: nothing written.
        for (int pagesBeforeEscape : {0, 1}) {
            r.s.device().eraseRing();
            r.prepare(4 * dayS, 10, 0);
            QTimer escaper; // zero interval: runs in every pass of the dialog's event pumping
            QObject::connect(&escaper, &QTimer::timeout, [&] {
                QWidget* w = QApplication::activeModalWidget();
                if (w && r.frames(0x0C) >= pagesBeforeEscape)
                    QTest::keyClick(w, Qt::Key_Escape);
            });
            escaper.start(0);
            QCOMPARE(r.com.tuneClock(), UsbOk);
            QCOMPARE(r.frames(0x0C), pagesBeforeEscape);
            QVERIFY(!QApplication::activeModalWidget());
            QCOMPARE(r.frames(0x19) + r.frames(0x02), 0);
        }
        // A lost calibration write is reported in the window and returned.
        r.s.sim.clearLogs();
        r.s.sim.injectReplyFault(0x19, 0, SimulatedLogger::Silent);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbNoDevice);
        QCOMPARE(out.message, failed);
        QCOMPARE(out.colour, QColor("darkRed"));
        QCOMPARE(r.frames(0x02), 0);
        r.s.sim.clearFaults();
        // A failed page read closes the window and returns the failure.
        r.s.sim.injectReplyFault(0x0C, 0, SimulatedLogger::Silent);
        {
            ModalDriver hangGuard; // no window is to be waited for
            QCOMPARE(r.com.tuneClock(), UsbNoDevice);
        }
        QVERIFY(!QApplication::activeModalWidget());
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }
};

WYX_TEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
