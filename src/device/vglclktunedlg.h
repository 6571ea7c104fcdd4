#pragma once
// Progress window of the clock tuning. Like the read-out window it has no event loop of
// its own: the tuning pumps events through setProgress and ends with waitForClose.
#include "ui_vglclktunedlg.h"

#include <QDialog>

class UsbCom;

class vglClkTuneDlg : public QDialog, public Ui::vglClkTuneDlg
{
    Q_OBJECT
public:
    explicit vglClkTuneDlg(QWidget* parent = nullptr);
    ~vglClkTuneDlg() override;

    void showDeviceInfo(UsbCom* device);
    void setProgress(int value);
    void setMessage(const QString& text, const QColor& colour);
    void setButton(const QString& text, const QString& tip);
    void waitForClose();

    bool closeRequested = false; // abort while searching, close afterwards; never reset

public slots:
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
