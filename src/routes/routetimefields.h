#pragma once
// A route time entered as a day count (0-9) and a time of day, as the start and point
// dialogs show it: an unset time shows as day 0, 23:59.
#include "routes/routevalues.h"

#include <QSpinBox>
#include <QTimeEdit>

inline void showRouteTime(QSpinBox* days, QTimeEdit* time, const RouteTime& t)
{
    const int s = t.toSeconds();
    days->setValue(s / 86400);
    time->setTime(QTime(0, 0).addSecs(s % 86400));
}

inline unsigned routeTimeSeconds(const QSpinBox* days, const QTimeEdit* time)
{
    const QTime t = time->time();
    return unsigned(days->value() * 86400 + t.hour() * 3600 + t.minute() * 60);
}
