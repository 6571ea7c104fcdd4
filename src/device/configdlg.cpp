#include "device/configdlg.h"

ConfigDlg::ConfigDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(DoneButton, &QPushButton::clicked, this, &ConfigDlg::doit);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

ConfigDlg::~ConfigDlg() = default;

QList<ConfigDlg::OptionBox> ConfigDlg::optionBoxes() const
{
    return {{MultiEntry, 0x01}, {ChargeLog, 0x02}, {DepleteLog, 0x40}, {ShellLog, 0x04}, {MoistLog, 0x10}};
}

int ConfigDlg::exec()
{
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.getDeviceInfo();
    if (result != UsbOk) {
        device.showError(result, false);
        return 0;
    }
    Ident->setText(device.deviceName);
    LotNo->setText(device.serialNumber);
    for (const OptionBox& option : optionBoxes())
        option.box->setChecked(device.optionFlags & option.bit);
    return QDialog::exec();
}

void ConfigDlg::doit()
{
    // Bits without a box go back as they were read.
    for (const OptionBox& option : optionBoxes()) {
        if (option.box->isChecked())
            device.optionFlags |= option.bit;
        else
            device.optionFlags &= ~option.bit;
    }
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.writeOptionFlags();
    if (result == UsbOk) {
        accept();
        return;
    }
    device.showError(result, false);
    reject();
}

void ConfigDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
