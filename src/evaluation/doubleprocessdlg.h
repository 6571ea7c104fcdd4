#pragma once
// Two progress bars with their labels and an abort button that a long run polls.
// Closing the window or pressing Escape aborts as well.
#include "ui_doubleprocessdlg.h"

#include "evaluation/evaluationengine.h"

#include <QDialog>
#include <QElapsedTimer>

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

// The progress of an evaluation shown in the dialog. Events are let through at most every
// few milliseconds; the abort flag is read on every call.
class DoubleProcessProgress : public EvaluationProgress
{
public:
    static constexpr int pumpMilliseconds = 8;
    static constexpr int pollsPerClockCheck = 32;

    explicit DoubleProcessProgress(DoubleProcessDlg& dialog);

    void setTexts(const QString& title, const QString& text1, const QString& text2) override;
    void setRange1(int n) override;
    void setValue1(int v) override;
    void setRange2(int n) override;
    void setValue2(int v) override;
    bool poll() override;

private:
    DoubleProcessDlg& m_dialog;
    QElapsedTimer m_sincePump;
    int m_value2 = 0;
    int m_polls = 0;
};
