#pragma once
// Building small route plans and event logs by hand for the evaluation tests. Times are
// minutes from 00:00 of the evaluated day; -1 leaves a time unset. Codes are written as
// letters ("B" is BAAAAAAAAAAA).
#include "core/helpers.h"
#include "logrecords/logentry.h"
#include "evaluation/plansnapshot.h"
#include "routes/routedefmodel.h"

#include <QDateTime>
#include <QVector>
#include <memory>

namespace PlanTest {

inline RouteTime minutesTime(int m)
{
    RouteTime t;
    if (m >= 0)
        t.setSeconds(unsigned(m) * 60);
    return t;
}

class Plan
{
public:
    Plan() : model(std::make_unique<RouteDefModel>()) { model->setTolerance(0); }

    Plan& tolerance(int minutes)
    {
        model->setTolerance(minutes);
        return *this;
    }
    Plan& log(const QString& name)
    {
        model->addLog(name);
        return *this;
    }
    // Adds a route and makes it the one that start() and point() fill.
    Plan& route(const QString& name, int type, int duration = -1)
    {
        current = model->addRoute(RouteHead(name, type, minutesTime(duration)));
        return *this;
    }
    Plan& start(int t1, int t2 = -1, int count = 1, int t3 = -1, int t4 = -1)
    {
        RouteStart s;
        s.t1 = minutesTime(t1);
        s.t2 = minutesTime(t2);
        s.t3 = minutesTime(t3);
        s.t4 = minutesTime(t4);
        s.count = quint16(count);
        model->addStart(s, model->startsGroupIndex(current));
        return *this;
    }
    Plan& point(const QString& letters, int offset)
    {
        model->addPoint(RoutePoint(letters, unsigned(offset) * 60), model->pointsGroupIndex(current), true);
        return *this;
    }
    PlanSnapshot snapshot() const { return PlanSnapshot::fromModel(*model); }

    std::unique_ptr<RouteDefModel> model;
    int current = -1;
};

inline QByteArray code(const QString& letters)
{
    RoutePoint p(letters, 0u);
    return QByteArray(reinterpret_cast<const char*>(p.code), 6);
}

inline const unsigned char* bytes(const QByteArray& b)
{
    return reinterpret_cast<const unsigned char*>(b.constData());
}

// A touch of the code at base + minute (wall clock, seconds after the minute).
inline LogEntry touch(const QDate& base, const QString& letters, int minute, int seconds = 0)
{
    unsigned char raw[10];
    packDeviceTime(QDateTime(base, QTime(0, 0), Qt::UTC).addSecs(qint64(minute) * 60 + seconds), raw);
    const QByteArray c = code(letters);
    std::copy(c.constBegin(), c.constEnd(), raw + 4);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

inline LogEntry event(const QDate& base, unsigned char kind, int minute)
{
    unsigned char raw[10] = {kind, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    packDeviceTime(QDateTime(base, QTime(0, 0), Qt::UTC).addSecs(qint64(minute) * 60), raw + 1);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

} // namespace PlanTest
