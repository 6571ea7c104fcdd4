#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "device/usbcom.h"
// The dialog header needs its form generated for this target as well.
#include "ui_vglclktunedlg.h"
#include "device/vglclktunedlg.h"

#include <QTimer>

namespace {

// An even second, so that the logger's 2-second clock and the computer's agree exactly.
const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));
const int dayS = 86400;

struct Outcome {
    UsbErrorCodes result = UsbOk;
    QString message;
    QColor colour;
};

// Runs the tuning and closes its window once the result is shown ("OK" on the button).
Outcome runTuning(UsbCom& com)
{
    Outcome out;
    QTimer watcher;
    ModalDriver driver;
    driver.onModal(QStringLiteral("vglClkTuneDlg"), [&](QWidget* w) {
        auto* dlg = qobject_cast<vglClkTuneDlg*>(w);
        QVERIFY(dlg);
        QObject::connect(&watcher, &QTimer::timeout, dlg, [&out, &watcher, dlg] {
            if (dlg->AbortButton->text() != QLatin1String("OK"))
                return;
            watcher.stop();
            out.message = dlg->Message->text();
            out.colour = dlg->Message->palette().color(QPalette::WindowText);
            QCOMPARE(dlg->AbortButton->toolTip(), QStringLiteral("A párbeszéd ablak bezárása"));
            QTest::mouseClick(dlg->AbortButton, Qt::LeftButton);
        });
        watcher.start(1);
    });
    out.result = com.tuneClock();
    return out;
}

} // namespace

class TestClockTune : public QObject
{
    Q_OBJECT
private:
    // A logger whose newest clock setting lies `age` seconds back, with touches after it
    // so that the search has to cross the ring's start, and whose clock is `drift` off.
    void prepare(SimulatorScope& s, qint64 age, int drift, quint8 calibration)
    {
        SimulatedDevice& dev = s.device();
        dev.appendEvent(219, pcNow.addSecs(-age), pcNow.addSecs(-age - 600));
        for (int i = 0; i < 70; ++i)
            dev.appendTouch(pcNow.addSecs(-3600 + i * 10), QByteArray(6, char(i)));
        dev.setClockOffset(qint64(drift) * 1000);
        dev.calibration = calibration;
        s.sim.clearLogs();
    }

    quint8 calibrationSent(SimulatorScope& s)
    {
        const QList<QByteArray> frames = s.sim.framesOf(0x19);
        if (frames.size() != 1)
            return 0xAA;
        return quint8(frames.first().at(2));
    }

private slots:
    void driftCorrectionAndClamping_data()
    {
        QTest::addColumn<int>("drift");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        // +10 s in 4 days: 9.48 steps, +1.5, truncated: 10; -10 s: -9.98 truncated: -9.
        QTest::newRow("fast") << 10 << 4 << 0 << 0x0A;
        QTest::newRow("slow") << -10 << 4 << 0 << 0x77;
        QTest::newRow("fast from -1") << 10 << 4 << 0x7F << 0x09;
        QTest::newRow("slow from -1") << -10 << 4 << 0x7F << 0x76;
        QTest::newRow("clamped high") << 10 << 4 << 0x3C << 0x3E;
        QTest::newRow("clamped low") << -10 << 4 << 0x42 << 0x42;
        QTest::newRow("decades off") << 2000000000 / 1000 << 3 << 0 << 0x3E;
        QTest::newRow("accurate") << 0 << 30 << 0 << 0x01;
    }

    void driftCorrectionAndClamping()
    {
        QFETCH(int, drift);
        QFETCH(int, days);
        QFETCH(int, before);
        QFETCH(int, after);
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        prepare(s, qint64(days) * dayS, drift, quint8(before));
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        const Outcome out = runTuning(com);
        QCOMPARE(out.result, UsbOk);
        QCOMPARE(out.message, QStringLiteral("Az óra pontossága behangolva!"));
        QCOMPARE(out.colour, QColor("darkGreen"));
        QCOMPARE(int(calibrationSent(s)), after);
        QCOMPARE(int(s.device().calibration), after);
        // The clock is set again after the calibration.
        QCOMPARE(s.sim.framesOf(0x02).size(), 1);
        QCOMPARE(s.device().now(), pcNow);
        QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.violations()));
    }

    void threeDayBoundaryAndFutureSetting_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<bool>("tunes");
        QTest::newRow("two seconds short") << qint64(259198) << false;
        QTest::newRow("exactly three days") << qint64(259200) << true;
        QTest::newRow("one day") << qint64(dayS) << false;
        // Set to a time after the computer's: the correction's sign would flip.
        QTest::newRow("four days ahead") << qint64(-4 * dayS) << false;
        QTest::newRow("ten days ahead") << qint64(-10 * dayS) << false;
    }

    void threeDayBoundaryAndFutureSetting()
    {
        QFETCH(qint64, age);
        QFETCH(bool, tunes);
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        prepare(s, age, 20, 0);
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        const Outcome out = runTuning(com);
        QCOMPARE(out.result, UsbOk);
        if (tunes) {
            QCOMPARE(s.sim.framesOf(0x19).size(), 1);
            QCOMPARE(s.sim.framesOf(0x02).size(), 1);
        } else {
            QCOMPARE(out.message,
                     QStringLiteral("Kevés idő telt el az óra beállítás óta,\na hangolás még nem lehetséges!"));
            QCOMPARE(out.colour, QColor("darkRed"));
            QCOMPARE(s.sim.framesOf(0x19).size(), 0);
            QCOMPARE(s.sim.framesOf(0x02).size(), 0);
            QCOMPARE(int(s.device().calibration), 0);
        }
        QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.violations()));
    }

    void searchWrapsAndGivesUpWithoutRecord()
    {
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        s.device().setWriteIndex(10);
        s.sim.clearLogs();
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        const Outcome out = runTuning(com);
        QCOMPARE(out.result, UsbOk);
        QCOMPARE(out.message,
                 QStringLiteral("Nincs az esemény naplóban óra beállítás bejegyzés,\naz óra behangolása nem lehetséges!"));
        QCOMPARE(out.colour, QColor("darkRed"));
        const QList<QByteArray> pages = s.sim.framesOf(0x0C);
        // 819 slots: pages at 0, 64, ... 768 scanned, 13 in all, newest first.
        QCOMPARE(pages.size(), 13);
        QCOMPARE(frameIndex(pages.at(0)), 765);
        QCOMPARE(frameIndex(pages.at(1)), 701);
        QCOMPARE(frameIndex(pages.at(12)), 765 - 12 * 64 + 819);
        QCOMPARE(s.sim.framesOf(0x19).size(), 0);
        QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.violations()));
    }

    void findsRecordBeyondRingStart()
    {
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        prepare(s, 4 * dayS, 10, 0); // record at slot 0, write index 71
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        QCOMPARE(runTuning(com).result, UsbOk);
        const QList<QByteArray> pages = s.sim.framesOf(0x0C);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(frameIndex(pages.at(0)), 7);
        QCOMPARE(frameIndex(pages.at(1)), 7 - 64 + 819);
        QCOMPARE(calibrationSent(s), quint8(0x0A));
    }

    void refusesRingItCannotWalk_data()
    {
        QTest::addColumn<int>("memoryCode");
        QTest::addColumn<int>("writeIndex");
        QTest::newRow("unknown capacity") << 0x15 << 0;
        QTest::newRow("write index beyond ring") << 0x01 << 900;
    }

    void refusesRingItCannotWalk()
    {
        QFETCH(int, memoryCode);
        QFETCH(int, writeIndex);
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        s.device().setMemoryCode(quint8(memoryCode));
        s.device().setWriteIndex(writeIndex);
        s.sim.clearLogs();
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        NoModalExpected noWindow;
        QCOMPARE(com.tuneClock(), UsbBadReply);
        QCOMPARE(s.sim.framesOf(0x0C).size(), 0);
        QCOMPARE(s.sim.framesOf(0x19).size(), 0);
    }

    void abortAndFailures()
    {
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        prepare(s, 4 * dayS, 10, 0);
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);

        // Escape during the search stops it after the page in progress: nothing written.
        for (int pagesBeforeEscape : {0, 1}) {
            s.device().eraseRing();
            s.sim.clearLogs();
            QTimer escaper; // zero interval: runs in every pass of the dialog's event pumping
            QObject::connect(&escaper, &QTimer::timeout, [&] {
                QWidget* w = QApplication::activeModalWidget();
                if (w && s.sim.framesOf(0x0C).size() >= pagesBeforeEscape)
                    QTest::keyClick(w, Qt::Key_Escape);
            });
            escaper.start(0);
            QCOMPARE(com.tuneClock(), UsbOk);
            QCOMPARE(s.sim.framesOf(0x0C).size(), pagesBeforeEscape);
            QVERIFY(!QApplication::activeModalWidget());
            QCOMPARE(s.sim.framesOf(0x19).size(), 0);
            QCOMPARE(s.sim.framesOf(0x02).size(), 0);
        }
        prepare(s, 4 * dayS, 10, 0);

        // A lost calibration write is reported in the window and returned.
        s.sim.injectReplyFault(0x19, 0, SimulatedLogger::Silent);
        Outcome out = runTuning(com);
        QCOMPARE(out.result, UsbNoDevice);
        QCOMPARE(out.message, QStringLiteral("A behangolás nem sikerült!"));
        QCOMPARE(out.colour, QColor("darkRed"));
        QCOMPARE(s.sim.framesOf(0x02).size(), 0);
        s.sim.clearFaults();

        // A failed page read closes the window and returns the failure.
        s.sim.injectReplyFault(0x0C, 0, SimulatedLogger::Silent);
        {
            ModalDriver hangGuard; // no window is to be waited for
            QCOMPARE(com.tuneClock(), UsbNoDevice);
        }
        QVERIFY(!QApplication::activeModalWidget());
        s.sim.clearFaults();

        // Without an open device nothing is shown.
        UsbCom closed;
        NoModalExpected noWindow;
        QCOMPARE(closed.tuneClock(), UsbNoChannel);
        QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.violations()));
    }

    void impossibleLoggerClockIsNotTuned()
    {
        TestEnv env;
        FakeClock clock(pcNow);
        SimulatorScope s;
        prepare(s, 4 * dayS, 0, 0);
        s.device().setRawClock(QByteArray::fromHex("34 9F 00 00")); // 31 April 2026
        UsbCom com;
        QCOMPARE(com.open(), UsbOk);
        const Outcome out = runTuning(com);
        QCOMPARE(out.result, UsbBadReply);
        QCOMPARE(out.message, QStringLiteral("A behangolás nem sikerült!"));
        QCOMPARE(s.sim.framesOf(0x19).size(), 0);
    }
};

WYX_TEST_MAIN(TestClockTune)
#include "tst_clocktune.moc"
