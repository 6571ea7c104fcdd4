#include "device/vglclktunedlg.h"

#include "device/devicedialogsupport.h"
#include "device/usbcom.h"

#include <QLayout>


vglClkTuneDlg::vglClkTuneDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(AbortButton, &QPushButton::clicked, this, &vglClkTuneDlg::reject);
}

vglClkTuneDlg::~vglClkTuneDlg() = default;

void vglClkTuneDlg::showDeviceInfo(UsbCom* device)
{
    DeviceDialogs::fillHeader(device, Ident, LotNo, ReadOut, Batt, Enclosure, Moisture, Clock, true);
    progressBar->setMinimum(0);
    progressBar->setMaximum(device->lastIndex);
}

void vglClkTuneDlg::setProgress(int value)
{
    DeviceDialogs::pumpAndShow(progressBar, value);
}

void vglClkTuneDlg::setMessage(const QString& text, const QColor& colour)
{
    QPalette palette = Message->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, colour);
    Message->setPalette(palette);
    Message->setText(text);
    // A longer message grows the window rather than being clipped by it.
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
    Message->repaint();
}

void vglClkTuneDlg::setButton(const QString& text, const QString& tip)
{
    AbortButton->setText(text);
    AbortButton->setStatusTip(tip);
    AbortButton->setToolTip(tip);
    AbortButton->repaint();
}

void vglClkTuneDlg::waitForClose()
{
    DeviceDialogs::pumpUntil(closeRequested);
    close();
}

void vglClkTuneDlg::reject()
{
    closeRequested = true;
}

void vglClkTuneDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}

void vglClkTuneDlg::closeEvent(QCloseEvent* event)
{
    DeviceDialogs::closeOnlyWhenAsked(event, closeRequested);
}
