#pragma once
// Drives dialogs that run their own event loop (exec, or a pumping progress dialog).
// The action runs once a modal widget (optionally of a given object name or class) is
// up; a watchdog closes every modal widget and fails the test if nothing happened in time.
// Beyond the drivers, the guard the test main installs keeps any modal widget from
// waiting for an answer that will never come (see installModalGuard).
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

class ModalDriver : public QObject
{
    Q_OBJECT
public:
    explicit ModalDriver(int watchdogMs = 10000);
    ~ModalDriver() override;

    // Queue an action for the next modal widget whose objectName or class name equals
    // `name` (empty: any modal widget). Actions run in order, one per matching dialog.
    ModalDriver& onModal(const QString& name, std::function<void(QWidget*)> action);
    bool allDone() const { return m_actions.isEmpty(); }
    bool watchdogFired() const { return m_fired; }
    // Whether any living driver still waits for a dialog.
    static bool anyExpected();

    // Closes every modal widget (rejecting dialogs); used by the watchdog and the guard.
    static void closeAllModals();

private:
    void poll();
    struct Step {
        QString name;
        std::function<void(QWidget*)> action;
    };
    QList<Step> m_actions;
    QTimer m_poll;
    QTimer m_watchdog;
    bool m_fired = false;
};

// Installed by the test main. A dialog left open by a failed test (an unexpected prompt
// refused, a check failing inside a driver's action) is closed at once, and a modal widget
// that no driver expects fails the test and is closed once it has stayed up longer than
// any wait of the program: either way the test ends instead of hanging in exec().
void installModalGuard();
