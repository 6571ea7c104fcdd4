#pragma once
// Progress window of the logger read-out. It has no event loop of its own: the read-out
// shows it, calls setProgress between pages (which pumps events) and ends with
// waitForClose. The button, Escape and the close button only raise closeRequested.
#include "ui_readoutdlg.h"

#include <QDialog>

class UsbCom;

class ReadOutDlg : public QDialog, public Ui::ReadOutDlg
{
    Q_OBJECT
public:
    explicit ReadOutDlg(QWidget* parent = nullptr);
    ~ReadOutDlg() override;

    void showDeviceInfo(UsbCom* device);
    void setProgressRange(int max);
    void setProgress(int value);
    void setProgressVisible(bool visible);
    void setButtonText(const QString& text);
    void showNotice(const QString& text); // a line under the progress bar, in dark red
    void waitForClose();

    bool clockOk = false;        // the device clock was within tolerance at showDeviceInfo
    bool closeRequested = false; // abort while reading, close afterwards; never reset

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void buttonClicked();
};
