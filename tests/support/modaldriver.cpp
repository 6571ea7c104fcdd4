#include "support/modaldriver.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace {

// Longer than the logger's longest wait for its clock tick, under a progress dialog.
const int unexpectedModalMs = 5000;

QList<const ModalDriver*>& liveDrivers()
{
    static QList<const ModalDriver*> drivers;
    return drivers;
}

class ModalGuard : public QObject
{
public:
    explicit ModalGuard(QObject* parent)
        : QObject(parent)
    {
        m_poll.setInterval(10);
        connect(&m_poll, &QTimer::timeout, this, &ModalGuard::poll);
        m_poll.start();
    }

private:
    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (w && QTest::currentTestFailed()) {
            ModalDriver::closeAllModals();
            return;
        }
        if (!w || ModalDriver::anyExpected()) {
            m_seen = nullptr;
            return;
        }
        if (w != m_seen) {
            m_seen = w;
            m_since.start();
            return;
        }
        if (m_since.elapsed() < unexpectedModalMs)
            return;
        QString what = QStringLiteral("%1 \"%2\" \"%3\"")
                           .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), w->windowTitle());
        if (auto* box = qobject_cast<QMessageBox*>(w))
            what += QStringLiteral(": ") + box->text();
        m_seen = nullptr;
        QTest::qFail(qPrintable(QStringLiteral("Unexpected modal window %1").arg(what)), __FILE__, __LINE__);
        ModalDriver::closeAllModals();
    }

    QTimer m_poll;
    QPointer<QWidget> m_seen;
    QElapsedTimer m_since;
};

} // namespace

void installModalGuard()
{
    new ModalGuard(QCoreApplication::instance());
}

ModalDriver::ModalDriver(int watchdogMs)
{
    liveDrivers().append(this);
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
    liveDrivers().removeAll(this);
    if (!m_actions.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail("ModalDriver: not every expected dialog appeared", __FILE__, __LINE__);
}

ModalDriver& ModalDriver::onModal(const QString& name, std::function<void(QWidget*)> action)
{
    m_actions.append({name, std::move(action)});
    return *this;
}

bool ModalDriver::anyExpected()
{
    for (const ModalDriver* d : liveDrivers())
        if (!d->allDone())
            return true;
    return false;
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
