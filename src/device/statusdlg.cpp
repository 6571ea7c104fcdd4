#include "device/statusdlg.h"

#include "core/constants.h"
#include "device/devicedialogsupport.h"

#include <QDateTimeEdit>

StatusDlg::StatusDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    connect(ReloadButton, &QPushButton::clicked, this, &StatusDlg::reload);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::accept);
    reload();
}

StatusDlg::~StatusDlg() = default;

void StatusDlg::reload()
{
    UsbErrorCodes result = device.open();
    if (result == UsbOk)
        result = device.getDeviceInfo();
    if (result != UsbOk) {
        device.showError(result, false);
        // Cleared values rather than the previous reading.
        device.clearInfo();
    }

    const auto setLabel = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->repaint();
    };
    setLabel(Ident, device.deviceName);
    setLabel(LotNo, device.serialNumber);
    setLabel(TypeCode, device.model);
    setLabel(Firmware, QStringLiteral("%1").arg(device.firmwareVersion, 4, 16, QLatin1Char('0')).toUpper());
    setLabel(LogCycles, QStringLiteral("%1").arg(device.logCount));
    setLabel(InicCycles, QStringLiteral("%1").arg(device.initCount));
    setLabel(MoistCycles, QStringLiteral("%1").arg(device.wetCount));

    const std::pair<QDateTimeEdit*, QDateTime> dates[] = {
        {InicDate, device.initDate},
        {ReadDate, device.readoutDate},
        {ReleaseDate, device.commissionedDate},
        {RepairDate, device.repairedDate},
        {DepleteDate, device.deepDischargeDate}};
    for (const auto& [field, value] : dates) {
        // The field ignores an invalid date and would keep the previous reading's.
        field->setDateTime(value.isValid() ? value : nullDeviceTime);
        DeviceDialogs::setBlackText(field);
        field->repaint();
    }

    DeviceDialogs::fillStatusLines(device, Battery, Shell, moisture, clock);
}

void StatusDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}
