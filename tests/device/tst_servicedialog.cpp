#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog header needs its form generated for this target as well.
#include "ui_servicewritedialog.h"

#include "device/servicewritedialog.h"

namespace {

const QDateTime now(QDate(2026, 6, 15), QTime(12, 0, 0, 100));
const QString noDevice = QStringLiteral("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");

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

} // namespace

class TestServiceDialog : public QObject
{
    Q_OBJECT
private slots:
    void signalTestsReachTheLogger()
    {
        TestEnv env;
        FakeClock clock(now, 7);
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
        FakeClock clock(now, 7);
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
};

WYX_TEST_MAIN(TestServiceDialog)
#include "tst_servicedialog.moc"
