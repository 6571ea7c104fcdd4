#pragma once
// Two progress bars with their labels and an abort button that a long run polls.
// Closing the window or pressing Escape aborts as well.
#include "ui_doubleprocessdlg.h"

#include <QDialog>

class DoubleProcessDlg : public QDialog, public Ui::DoubleProcessDlg
{
    Q_OBJECT
public:
    explicit DoubleProcessDlg(QWidget* parent = nullptr);
    ~DoubleProcessDlg() override;

    void setTexts(const QString& title, const QString& text1, const QString& text2);
    void setRange1(int n);
    void setRange2(int n);
    // Let pending events through, then show the value clamped to the bar's range.
    void setValue1(int v);
    void setValue2(int v);

    bool cancelled = false;

public slots:
    void buttonClicked();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};
