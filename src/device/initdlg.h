#pragma once
// Asks for a logger's new name and start time before it is initialised. The name must
// do as a file name stem and must not belong to an event log already in the working
// directory; the dialog stays open until it does. The caller talks to the device.
#include "ui_initdlg.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

class UsbCom;

class InitDlg : public QDialog, public Ui::InitDlg
{
    Q_OBJECT
public:
    explicit InitDlg(QWidget* parent = nullptr);
    ~InitDlg() override;

    void showDeviceInfo(UsbCom* device);
    bool validateName();

    QDateTime time;  // the time to give the device, valid after an accepted exec
    QString newName; // the trimmed name, stored by every name check

public slots:
    void cancel();
    void giventime();
    void systime();

protected:
    void changeEvent(QEvent* event) override;
};
