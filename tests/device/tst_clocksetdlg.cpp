#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog header needs its form generated for this target as well.
#include "ui_vglclksetdlg.h"

#include "device/usbcom.h"
#include "device/vglclksetdlg.h"

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

} // namespace

class TestClockSetDlg : public QObject
{
    Q_OBJECT
private slots:
    void pcTimeIsTheNextTickPlus160ms()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        ClockSetRun run;
        QDateTime clickedAt;
        QCOMPARE(run.exec([&](vglClkSetDlg* d) {
                     clickedAt = clock.peek();
                     QTest::mouseClick(d->actual, Qt::LeftButton);
                 }),
                 int(QDialog::Accepted));
        const qint64 tickMs = run.dlg.time.toMSecsSinceEpoch() - 160;
        const qint64 phase = tickMs % 2000;
        QVERIFY2(phase >= 1850 || phase <= 30, qPrintable(QString::number(phase)));
        QVERIFY(tickMs >= clickedAt.toMSecsSinceEpoch());
        QVERIFY(tickMs - clickedAt.toMSecsSinceEpoch() < 2000);

        QCOMPARE(run.s.sim.framesOf(0x02).size(), 1);
        QCOMPARE(run.clockSent(), SimulatedDevice::packTime(run.dlg.time));
        QVERIFY2(run.s.sim.violations().isEmpty(), qPrintable(run.s.violations()));
    }

    void givenTimeAndCancel()
    {
        TestEnv env;
        FakeClock clock(start, 7);
        {
            ClockSetRun run;
            // Untouched fields give the time shown with the header, not the time of the click.
            QCOMPARE(run.exec([&clock](vglClkSetDlg* d) {
                         clock.set(start.addSecs(3600));
                         QTest::mouseClick(d->given, Qt::LeftButton);
                     }),
                     int(QDialog::Accepted));
            QVERIFY(qAbs(run.dlg.time.secsTo(run.shownAt)) <= 1);
            QCOMPARE(run.clockSent(), SimulatedDevice::packTime(run.dlg.time));
        }
        {
            ClockSetRun run;
            const QDateTime typed(QDate(2027, 1, 2), QTime(3, 4, 6));
            QCOMPARE(run.exec([&](vglClkSetDlg* d) {
                         d->dateEdit->setDate(typed.date());
                         d->timeEdit->setTime(typed.time());
                         QTest::mouseClick(d->given, Qt::LeftButton);
                     }),
                     int(QDialog::Accepted));
            QCOMPARE(run.dlg.time, typed);
            QCOMPARE(run.clockSent(), SimulatedDevice::packTime(typed));
        }
        for (bool escape : {false, true}) {
            ClockSetRun run;
            const QDateTime before = run.dlg.time;
            QCOMPARE(run.exec([escape](vglClkSetDlg* d) {
                         if (escape)
                             QTest::keyClick(d, Qt::Key_Escape);
                         else
                             QTest::mouseClick(d->Ui_vglClkSetDlg::cancel, Qt::LeftButton);
                     }),
                     int(QDialog::Rejected));
            QCOMPARE(run.dlg.time, before);
            QCOMPARE(run.s.sim.framesOf(0x02).size(), 0);
        }
    }
};

WYX_TEST_MAIN(TestClockSetDlg)
#include "tst_clocksetdlg.moc"
