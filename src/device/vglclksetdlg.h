#pragma once
// Chooses the time the connected logger's clock is set to: the computer's time at its
// next 2-second step ("PC idő") or a typed date and time ("Adott idő"). The caller opens
// the device, runs the dialog and sends the time.
#include "ui_vglclksetdlg.h"

#include <QDateTime>
#include <QDialog>

class UsbCom;

class vglClkSetDlg : public QDialog, public Ui::vglClkSetDlg
{
    Q_OBJECT
public:
    explicit vglClkSetDlg(QWidget* parent = nullptr);
    ~vglClkSetDlg() override;

    void showDeviceInfo(UsbCom* device);

    QDateTime time; // the chosen time, valid after an accepted exec

public slots:
    void cancel();
    void giventime();
    void systime();

protected:
    void changeEvent(QEvent* event) override;
};
