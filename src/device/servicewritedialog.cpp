#include "device/servicewritedialog.h"

#include "device/devicedialogsupport.h"

serviceWriteDialog::serviceWriteDialog(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(refreshButton, &QPushButton::clicked, this, &serviceWriteDialog::frissitButton_clicked);
    connect(soundSpin, QOverload<int>::of(&QSpinBox::valueChanged), this, &serviceWriteDialog::soundButton_clicked);
    connect(soundButton, &QPushButton::clicked, this, &serviceWriteDialog::soundButton_clicked);
    connect(RFonButton, &QPushButton::clicked, this, &serviceWriteDialog::rfOnButton_clicked);
    connect(RFoffButton, &QPushButton::clicked, this, &serviceWriteDialog::rfOffButton_clicked);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    frissitButton_clicked();
}

serviceWriteDialog::~serviceWriteDialog() = default;

void serviceWriteDialog::fail(UsbErrorCodes code)
{
    device.showError(code, false);
    device.hardwareCode = 0;
    InfoLabel->setText(QString());
    repaint();
}

void serviceWriteDialog::frissitButton_clicked()
{
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.getDeviceInfo();
    if (result == UsbOk)
        InfoLabel->setText(DeviceDialogs::serialAndModel(device));
    else
        fail(result);
    const bool usable = device.hardwareCode != 0;
    for (QWidget* w : {static_cast<QWidget*>(redCheck), static_cast<QWidget*>(greenCheck),
                       static_cast<QWidget*>(soundSpin), static_cast<QWidget*>(soundLabel),
                       static_cast<QWidget*>(soundButton), static_cast<QWidget*>(RFonButton),
                       static_cast<QWidget*>(RFoffButton)})
        w->setEnabled(usable);
    repaint();
}

void serviceWriteDialog::rfOnButton_clicked()
{
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.sendSignalTest(4, 0);
    if (result != UsbOk)
        fail(result);
}

void serviceWriteDialog::rfOffButton_clicked()
{
    // Reads the device again; the logger has no separate "off" signal.
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.getDeviceInfo();
    if (result != UsbOk)
        fail(result);
}

void serviceWriteDialog::soundButton_clicked()
{
    const char mode = (redCheck->isChecked() ? 1 : 0) | (greenCheck->isChecked() ? 2 : 0);
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.sendSignalTest(mode, soundSpin->value());
    if (result != UsbOk)
        fail(result);
}

void serviceWriteDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
