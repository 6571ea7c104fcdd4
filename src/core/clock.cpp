#include "core/clock.h"

namespace Clock {
namespace {
Source& current()
{
    static Source source;
    return source;
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

Source setSource(Source source)
{
    Source previous = current();
    current() = std::move(source);
    return previous;
}

} // namespace Clock
