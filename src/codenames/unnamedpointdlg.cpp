#include "codenames/unnamedpointdlg.h"

#include "core/constants.h"
#include "core/prompts.h"

#include <QEventLoop>

namespace {
// A progress call lets events through no more often than this, so that a walk over a
// million rows is not spent in the event dispatcher; a click still shows within it.
constexpr qint64 pumpIntervalMs = 40;
} // namespace

UnNamedPointDlg::UnNamedPointDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    exitClicked = false;
    QPalette palette = kodEdit->palette();
    palette.setColor(QPalette::All, QPalette::Text, QColor("black"));
    kodEdit->setPalette(palette);
    setBackgroundColor(defaultBackColor);
    setForegroundColor(defaultTextColor);
    setAsking(false); // nothing to name until the walk finds a code
}

UnNamedPointDlg::~UnNamedPointDlg() = default;

bool UnNamedPointDlg::askName(const QString& codeText)
{
    kodEdit->setText(codeText);
    skipClicked = false;
    addClicked = false;
    nevEdit->clear();
    setAsking(true);
    if (!answered()) {
        nevEdit->setFocus();
        QEventLoop wait;
        m_wait = &wait;
        wait.exec();
        m_wait = nullptr;
        // Left without a button (the application is quitting): end the search.
        if (!answered())
            exitClicked = true;
    }
    setAsking(false);
    QCoreApplication::processEvents();
    m_sincePump.start();
    return addClicked;
}

void UnNamedPointDlg::setProgressRange(int count)
{
    progressBar->setRange(0, count);
    progressBar->setValue(0);
}

void UnNamedPointDlg::setProgress(int value)
{
    if (!m_sincePump.isValid() || m_sincePump.elapsed() >= pumpIntervalMs || value >= progressBar->maximum()) {
        QCoreApplication::processEvents();
        m_sincePump.start();
    }
    progressBar->setValue(qBound(progressBar->minimum(), value, progressBar->maximum()));
}

void UnNamedPointDlg::setBackgroundColor(const QColor& color)
{
    backgroundButton->setStyleSheet(QStringLiteral("background-color: ") + color.name());
    backgroundColor = color;
}

void UnNamedPointDlg::setForegroundColor(const QColor& color)
{
    foregroundButton->setStyleSheet(QStringLiteral("background-color: ") + color.name());
    foregroundColor = color;
}

void UnNamedPointDlg::exitButtonClicked()
{
    exitClicked = true;
    stopWaiting();
}

void UnNamedPointDlg::skipButtonClicked()
{
    skipClicked = true;
    stopWaiting();
}

void UnNamedPointDlg::addButtonClicked()
{
    addClicked = true;
    stopWaiting();
}

void UnNamedPointDlg::nameChanged(QString newName)
{
    addNameButton->setEnabled(!newName.isEmpty());
}

// A cancelled colour dialog keeps the colour chosen before.
void UnNamedPointDlg::on_backgroundButton_clicked()
{
    const QColor chosen = Prompts::color(parentWidget(), backgroundColor);
    if (chosen.isValid() && chosen != backgroundColor)
        setBackgroundColor(chosen);
    nevEdit->setFocus(); // the name is what is typed next
}

void UnNamedPointDlg::on_foregroundButton_clicked()
{
    const QColor chosen = Prompts::color(parentWidget(), foregroundColor);
    if (chosen.isValid() && chosen != foregroundColor)
        setForegroundColor(chosen);
    nevEdit->setFocus();
}

void UnNamedPointDlg::reject()
{
    exitButtonClicked();
    QDialog::reject();
}

void UnNamedPointDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi(this);
}

void UnNamedPointDlg::setAsking(bool asking)
{
    nevEdit->setEnabled(asking);
    ervenyesEdit->setEnabled(asking);
    addNameButton->setEnabled(false);
    skipButton->setEnabled(asking);
}

void UnNamedPointDlg::stopWaiting()
{
    if (m_wait)
        m_wait->quit();
}
