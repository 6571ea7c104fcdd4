#pragma once
// Service tool for the logger's signalling hardware: LEDs, tone and the 125 kHz RFID
// transmitter through the signal-test command. Owns its own connection; the controls
// are usable only while the identity reports a non-zero hardware code.
#include "device/usbcom.h"
#include "ui_servicewritedialog.h"

#include <QDialog>

class serviceWriteDialog : public QDialog, public Ui::servicewritedialog
{
    Q_OBJECT
public:
    explicit serviceWriteDialog(QWidget* parent = nullptr);
    ~serviceWriteDialog() override;

public slots:
    void frissitButton_clicked();
    void rfOnButton_clicked();
    void rfOffButton_clicked();
    void soundButton_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fail(UsbErrorCodes code);

    UsbCom device{nullptr};
};
