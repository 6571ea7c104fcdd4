#pragma once
// The criteria of the log search: a date (with or without the time of day, exact or as a
// bound in the search direction) and an entry kind or checkpoint code. Non-modal; "Keres"
// emits findIt() and the main window runs the step on the active log.
#include "ui_logfinddlg.h"

#include <QDialog>

class LogFindDlg : public QDialog, public Ui::LogFindDlg
{
    Q_OBJECT
public:
    explicit LogFindDlg(QWidget* parent = nullptr);
    ~LogFindDlg() override;

signals:
    void findIt();

public slots:
    void PointPopup();
    // Switching one criterion off switches the other on: one of them always counts.
    void DateSearchStateChange(int newstate);
    void PointSearchStateChange(int newstate);
    void TimeValidChange(int newstate);
    void SpecialSelected(bool newstate);
    void NormalSelected(bool newstate);
    void StartFind();

protected:
    void changeEvent(QEvent* event) override;
};
