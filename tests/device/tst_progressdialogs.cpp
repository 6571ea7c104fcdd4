#include "devicetestutil.h"
#include "support/modaldriver.h"
#include "support/testenv.h"
#include "support/testmain.h"

// The dialog headers need their forms generated for this target as well.
#include "ui_readoutdlg.h"
#include "ui_vglclktunedlg.h"

#include "device/readoutdlg.h"
#include "device/usbcom.h"
#include "device/vglclktunedlg.h"

#include <QWindow>

namespace {

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

class TestProgressDialogs : public QObject
{
    Q_OBJECT
private slots:
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

WYX_TEST_MAIN(TestProgressDialogs)
#include "tst_progressdialogs.moc"
