#include "evaluation/doubleprocessdlg.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

void setClamped(QProgressBar* bar, int v)
{
    v = qMin(v, bar->maximum());
    v = qMax(v, bar->minimum());
    bar->setValue(v);
}

} // namespace

DoubleProcessDlg::DoubleProcessDlg(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    connect(exitButton, &QPushButton::clicked, this, &DoubleProcessDlg::buttonClicked);
}

DoubleProcessDlg::~DoubleProcessDlg() = default;

void DoubleProcessDlg::setTexts(const QString& title, const QString& text1, const QString& text2)
{
    setWindowTitle(title);
    label1->setText(text1);
    label2->setText(text2);
}

void DoubleProcessDlg::setRange1(int n)
{
    progress1->setRange(0, n);
    progress1->setValue(0);
}

void DoubleProcessDlg::setRange2(int n)
{
    progress2->setRange(0, n);
    progress2->setValue(0);
}

void DoubleProcessDlg::setValue1(int v)
{
    QCoreApplication::processEvents();
    setClamped(progress1, v);
}

void DoubleProcessDlg::setValue2(int v)
{
    QCoreApplication::processEvents();
    setClamped(progress2, v);
}

void DoubleProcessDlg::buttonClicked()
{
    cancelled = true;
}

void DoubleProcessDlg::reject()
{
    // The run closes the dialog itself; hiding it here would leave the run going unseen.
    cancelled = true;
}

void DoubleProcessDlg::closeEvent(QCloseEvent* event)
{
    cancelled = true;
    event->ignore();
}

DoubleProcessProgress::DoubleProcessProgress(DoubleProcessDlg& dialog) : m_dialog(dialog)
{
    m_sincePump.start();
}

void DoubleProcessProgress::setTexts(const QString& title, const QString& text1, const QString& text2)
{
    m_dialog.setTexts(title, text1, text2);
}

void DoubleProcessProgress::setRange1(int n)
{
    m_dialog.setRange1(n);
}

void DoubleProcessProgress::setValue1(int v)
{
    m_dialog.setValue1(v);
    m_sincePump.restart();
}

void DoubleProcessProgress::setRange2(int n)
{
    m_dialog.setRange2(n);
}

void DoubleProcessProgress::setValue2(int v)
{
    m_value2 = v;
}

bool DoubleProcessProgress::poll()
{
    // Reading the clock costs more than judging an entry: look at it every few entries.
    if (++m_polls % pollsPerClockCheck == 0 && m_sincePump.elapsed() >= pumpMilliseconds) {
        m_dialog.setValue2(m_value2);
        m_sincePump.restart();
    }
    return m_dialog.cancelled;
}
