#pragma once
// Drives dialogs that run their own event loop (exec, or a pumping progress dialog).
// The action runs once a modal widget (optionally of a given object name or class) is
// up; a watchdog closes every modal widget and fails the test if nothing happened in time.
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

    // Closes every modal widget (rejecting dialogs); used by the watchdog.
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
