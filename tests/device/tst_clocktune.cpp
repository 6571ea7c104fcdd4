#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "device/usbcom.h"
// The dialog header needs its form generated for this target as well.
#include "ui_vglclktunedlg.h"
#include "device/vglclktunedlg.h"

namespace {

// An even second, so that the logger's 2-second clock and the computer's agree exactly.
const QDateTime pcNow(QDate(2026, 6, 15), QTime(12, 0, 0));
const int dayS = 86400;
const QString tooEarly = QStringLiteral("Kevés idő telt el az óra beállítás óta,\na hangolás még nem lehetséges!");
const QString failed = QStringLiteral("A behangolás nem sikerült!");

struct Outcome {
    UsbErrorCodes result = UsbOk;
    QString message;
    QColor colour;
};

// A logger whose newest clock setting lies `age` seconds back, with touches after it so
// that the search has to cross the ring's start, and whose clock is `drift` seconds off.
struct Rig {
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

class TestClockTune : public QObject
{
    Q_OBJECT
private slots:
    void driftCorrectionClampingAndThreeDays_data()
    {
        QTest::addColumn<qint64>("age");
        QTest::addColumn<int>("drift");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after"); // -1: refused as too early
        // +10 s in 4 days: 9.48 steps, +1.5, truncated: 10; -10 s: -9.98 truncated: -9.
        QTest::newRow("fast") << qint64(4 * dayS) << 10 << 0 << 0x0A;
        QTest::newRow("slow") << qint64(4 * dayS) << -10 << 0 << 0x77;
        QTest::newRow("fast from -1") << qint64(4 * dayS) << 10 << 0x7F << 0x09;
        QTest::newRow("slow from -1") << qint64(4 * dayS) << -10 << 0x7F << 0x76;
        QTest::newRow("clamped high") << qint64(4 * dayS) << 10 << 0x3C << 0x3E;
        QTest::newRow("clamped low") << qint64(4 * dayS) << -10 << 0x42 << 0x42;
        QTest::newRow("decades off") << qint64(3 * dayS) << 2000000 << 0 << 0x3E;
        QTest::newRow("accurate") << qint64(30 * dayS) << 0 << 0 << 0x01;
        QTest::newRow("two seconds short of three days") << qint64(259198) << 20 << 0 << -1;
        QTest::newRow("exactly three days") << qint64(259200) << 20 << 0 << 0x1A;
        // Set to a time after the computer's: the correction's sign would flip.
        QTest::newRow("four days ahead") << qint64(-4 * dayS) << 20 << 0 << -1;
        QTest::newRow("ten days ahead") << qint64(-10 * dayS) << 20 << 0 << -1;
    }

    void driftCorrectionClampingAndThreeDays()
    {
        QFETCH(qint64, age);
        QFETCH(int, drift);
        QFETCH(int, before);
        QFETCH(int, after);
        Rig r;
        r.prepare(age, drift, quint8(before));
        QCOMPARE(r.com.open(), UsbOk);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbOk);
        if (after < 0) {
            QCOMPARE(out.message, tooEarly);
            QCOMPARE(out.colour, QColor("darkRed"));
            QCOMPARE(r.frames(0x19) + r.frames(0x02), 0);
            QCOMPARE(int(r.s.device().calibration), before);
        } else {
            QCOMPARE(out.message, QStringLiteral("Az óra pontossága behangolva!"));
            QCOMPARE(out.colour, QColor("darkGreen"));
            QCOMPARE(r.s.sim.framesOf(0x19), QList<QByteArray>({SimulatedLogger::makeFrame(QByteArray("\x19") + char(after) + '\0')}));
            QCOMPARE(int(r.s.device().calibration), after);
            // The clock is set again after the calibration.
            QCOMPARE(r.frames(0x02), 1);
            QCOMPARE(r.s.device().now(), pcNow);
        }
        VERIFY_NO_VIOLATIONS(r.s.sim);
    }

    void searchCrossesTheRingStart()
    {
        {
            Rig r;
            r.prepare(4 * dayS, 10, 0); // record at slot 0, write index 71
            QCOMPARE(r.com.open(), UsbOk);
            QCOMPARE(r.tune().result, UsbOk);
            QCOMPARE(r.pageStarts(), QList<int>({7, 7 - 64 + 819}));
        }
        // Without any clock-set record the whole ring is read once, newest page first.
        Rig r;
        r.s.device().setWriteIndex(10);
        QCOMPARE(r.com.open(), UsbOk);
        const Outcome out = r.tune();
        QCOMPARE(out.result, UsbOk);
        QCOMPARE(out.message,
                 QStringLiteral("Nincs az esemény naplóban óra beállítás bejegyzés,\naz óra behangolása nem lehetséges!"));
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
            Rig r;
            r.s.device().setMemoryCode(quint8(ring.first));
            r.s.device().setWriteIndex(ring.second);
            QCOMPARE(r.com.open(), UsbOk);
            NoModalExpected noWindow;
            QCOMPARE(r.com.tuneClock(), UsbBadReply);
            QCOMPARE(r.frames(0x0C) + r.frames(0x19), 0);
        }
        // An impossible logger date.
        Rig r;
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

    void abortAndFailures()
    {
        Rig r;
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

WYX_TEST_MAIN(TestClockTune)
#include "tst_clocktune.moc"
