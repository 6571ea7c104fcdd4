#pragma once
// The window of the search for unnamed codes. The walk over the log drives it: it shows
// the progress, and askName waits for "Felvesz", "Kihagy" or "Megszakít" on one code.
// It runs no exec of its own; closing it counts as "Megszakít".
#include "ui_unnamedpointdlg.h"

#include <QColor>
#include <QDialog>
#include <QElapsedTimer>

class QEventLoop;

class UnNamedPointDlg : public QDialog, public Ui::UnNamedPointDlg
{
    Q_OBJECT
public:
    explicit UnNamedPointDlg(QWidget* parent = nullptr);
    ~UnNamedPointDlg() override;

    // Shows the code and waits for a button; true on "Felvesz".
    bool askName(const QString& codeText);
    void setProgressRange(int count);
    // Lets pending events through (at most every few dozen milliseconds), then shows the
    // value clamped to the bar's range.
    void setProgress(int value);
    void setBackgroundColor(const QColor& color);
    void setForegroundColor(const QColor& color);

    bool exitClicked = false;
    bool skipClicked = false;
    bool addClicked = false;
    QColor backgroundColor;
    QColor foregroundColor;

public slots:
    void exitButtonClicked();
    void skipButtonClicked();
    void addButtonClicked();
    void nameChanged(QString newName);
    void on_backgroundButton_clicked();
    void on_foregroundButton_clicked();
    // Escape and the window's close button end the search like "Megszakít".
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    bool answered() const { return exitClicked || skipClicked || addClicked; }
    // Name, date and the add and skip buttons are usable only while a code is asked.
    void setAsking(bool asking);
    void stopWaiting();

    QEventLoop* m_wait = nullptr;
    QElapsedTimer m_sincePump;
};
