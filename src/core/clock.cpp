#include "core/clock.h"

#include <QThread>

namespace Clock {
namespace {
Source& current()
{
    static Source source;
    return source;
}

Sleeper& sleeper()
{
    static Sleeper wait;
    return wait;
}
} // namespace

qint64 currentMSecsSinceEpoch()
{
    return current() ? current()() : QDateTime::currentMSecsSinceEpoch();
}

QDateTime currentDateTime()
{
    if (!current())
        return QDateTime::currentDateTime();
    return QDateTime::fromMSecsSinceEpoch(current()(), Qt::LocalTime);
}

void sleepUntil(qint64 msSinceEpoch)
{
    if (current()) {
        if (sleeper())
            sleeper()(msSinceEpoch);
        return;
    }
    const qint64 left = msSinceEpoch - QDateTime::currentMSecsSinceEpoch();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

Source setSource(Source source)
{
    Source previous = current();
    current() = std::move(source);
    return previous;
}

Sleeper setSleeper(Sleeper wait)
{
    Sleeper previous = sleeper();
    sleeper() = std::move(wait);
    return previous;
}

} // namespace Clock
