#include "device/vglclksetdlg.h"

#include "core/clock.h"
#include "core/helpers.h"
#include "device/devicedialogsupport.h"
#include "device/usbcom.h"

vglClkSetDlg::vglClkSetDlg(QWidget* parent)
    : QDialog(parent)
    , time(Clock::currentDateTime())
{
    setupUi(this);
    connect(Ui_vglClkSetDlg::cancel, &QPushButton::clicked, this, &vglClkSetDlg::cancel);
    connect(given, &QPushButton::clicked, this, &vglClkSetDlg::giventime);
    connect(actual, &QPushButton::clicked, this, &vglClkSetDlg::systime);
}

vglClkSetDlg::~vglClkSetDlg() = default;

void vglClkSetDlg::showDeviceInfo(UsbCom* device)
{
    DeviceDialogs::fillHeader(device, Ident, LotNo, ReadOut, Batt, Enclosure, Moisture, Clock, false);
    const QDateTime now = Clock::currentDateTime();
    dateEdit->setDate(now.date());
    timeEdit->setTime(now.time());
}

void vglClkSetDlg::cancel()
{
    QDialog::reject();
}

void vglClkSetDlg::giventime()
{
    time = QDateTime(dateEdit->date(), timeEdit->time(), Qt::LocalTime);
    QDialog::accept();
}

void vglClkSetDlg::systime()
{
    time = waitDeviceTick();
    QDialog::accept();
}

void vglClkSetDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
