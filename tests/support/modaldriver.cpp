#include "support/modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

ModalDriver::ModalDriver(int watchdogMs)
{
    m_poll.setInterval(5);
    connect(&m_poll, &QTimer::timeout, this, &ModalDriver::poll);
    m_poll.start();
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(watchdogMs);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        m_fired = true;
        QTest::qFail("ModalDriver watchdog: a modal dialog was not handled in time", __FILE__, __LINE__);
        closeAllModals();
    });
    m_watchdog.start();
}

ModalDriver::~ModalDriver()
{
    if (!m_actions.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail("ModalDriver: not every expected dialog appeared", __FILE__, __LINE__);
}

ModalDriver& ModalDriver::onModal(const QString& name, std::function<void(QWidget*)> action)
{
    m_actions.append({name, std::move(action)});
    return *this;
}

void ModalDriver::poll()
{
    if (m_actions.isEmpty())
        return;
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible())
        return;
    const Step& next = m_actions.first();
    if (!next.name.isEmpty() && w->objectName() != next.name &&
        QString::fromLatin1(w->metaObject()->className()) != next.name)
        return;
    // Taken before it runs: the action may open a nested modal loop that polls again.
    const Step step = m_actions.takeFirst();
    if (m_actions.isEmpty())
        m_watchdog.stop();
    step.action(w);
}

void ModalDriver::closeAllModals()
{
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
        QCoreApplication::processEvents();
    }
}
