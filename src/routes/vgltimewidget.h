#pragma once
// A compact editor of one route time as a day count and a time of day.
#include "routes/routevalues.h"

#include <QWidget>

class QSpinBox;
class QTimeEdit;

class VglTimeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VglTimeWidget(QWidget* parent = nullptr);

    // An unset time shows as day 0, 00:00.
    void setValue(const RouteTime& time);
    // The edited time (whole minutes).
    RouteTime value() const;

    QSpinBox* daySpin() const { return m_days; }
    QTimeEdit* timeEdit() const { return m_time; }

signals:
    void accepted(); // focus left, or Return / Enter
    void rejected(); // Escape

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSpinBox* m_days;
    QTimeEdit* m_time;
};
