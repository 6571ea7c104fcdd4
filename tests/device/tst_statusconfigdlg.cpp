#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog headers need their forms generated for this target as well.
#include "ui_configdlg.h"
#include "ui_statusdlg.h"

#include "core/constants.h"
#include "device/configdlg.h"
#include "device/statusdlg.h"

namespace {

const QDateTime now(QDate(2026, 6, 15), QTime(12, 0, 0, 100));
const QString noDevice = QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");

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

} // namespace

class TestStatusConfigDlg : public QObject
{
    Q_OBJECT
private slots:
    void statusShowsTheDevice()
    {
        TestEnv env;
        FakeClock clock(now, 7);
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
        FakeClock clock(now, 7);
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
        FakeClock clock(now, 7);
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
};

WYX_TEST_MAIN(TestStatusConfigDlg)
#include "tst_statusconfigdlg.moc"
