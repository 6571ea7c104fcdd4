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
};

WYX_TEST_MAIN(TestClockSetDlg)
#include "tst_clocksetdlg.moc"
