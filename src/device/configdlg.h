#pragma once
// The logger's logging options (configuration byte 95) as five check boxes. exec() reads
// the device first and does not show the dialog when that fails; "Átír" writes the byte
// back, keeping the bits that have no box.
#include "device/usbcom.h"
#include "ui_configdlg.h"

#include <QDialog>

class ConfigDlg : public QDialog, public Ui::ConfigDlg
{
    Q_OBJECT
public:
    explicit ConfigDlg(QWidget* parent = nullptr);
    ~ConfigDlg() override;

public slots:
    int exec() override;
    void doit();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct OptionBox {
        QCheckBox* box;
        unsigned bit;
    };
    QList<OptionBox> optionBoxes() const;

    UsbCom device{nullptr};
};
