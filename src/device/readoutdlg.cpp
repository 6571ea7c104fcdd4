#include "device/readoutdlg.h"

#include "device/devicedialogsupport.h"
#include "device/usbcom.h"


ReadOutDlg::ReadOutDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(ActionButton, &QPushButton::clicked, this, &ReadOutDlg::buttonClicked);
}

ReadOutDlg::~ReadOutDlg() = default;

void ReadOutDlg::showDeviceInfo(UsbCom* device)
{
    DeviceDialogs::fillHeader(device, Ident, LotNo, Readout, Battery, Shell, moisture, clock, true);
    clockOk = device->clockWithinTolerance();
    RdProgressBar->setMinimum(0);
    RdProgressBar->setMaximum(device->lastIndex);
}

void ReadOutDlg::setProgressRange(int max)
{
    RdProgressBar->setValue(0);
    RdProgressBar->setMinimum(0);
    RdProgressBar->setMaximum(max);
}

void ReadOutDlg::setProgress(int value)
{
    DeviceDialogs::pumpAndShow(RdProgressBar, value);
}

void ReadOutDlg::setProgressVisible(bool visible)
{
    RdProgressBar->setVisible(visible);
}

void ReadOutDlg::setButtonText(const QString& text)
{
    ActionButton->setText(text);
    ActionButton->repaint();
}

void ReadOutDlg::showNotice(const QString& text)
{
    QPalette palette = Notice->palette();
    palette.setColor(QPalette::WindowText, QColor(QStringLiteral("darkRed")));
    Notice->setPalette(palette);
    Notice->setText(text);
    Notice->show();
}

void ReadOutDlg::waitForClose()
{
    DeviceDialogs::pumpUntil(closeRequested);
    close();
}

void ReadOutDlg::buttonClicked()
{
    closeRequested = true;
}

void ReadOutDlg::reject()
{
    closeRequested = true;
}

void ReadOutDlg::closeEvent(QCloseEvent* event)
{
    DeviceDialogs::closeOnlyWhenAsked(event, closeRequested);
}
