#pragma once
// Identity, counters, dates and status lines of the connected logger. Owns its own
// connection, reads the device on construction and on every "Frissít".
#include "device/usbcom.h"
#include "ui_statusdlg.h"

#include <QDialog>

class StatusDlg : public QDialog, public Ui::StatusDlg
{
    Q_OBJECT
public:
    explicit StatusDlg(QWidget* parent = nullptr);
    ~StatusDlg() override;

public slots:
    void reload();

protected:
    void changeEvent(QEvent* event) override;

private:
    UsbCom device{nullptr};
};
