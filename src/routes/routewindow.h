#pragma once
// The time window of one checkpoint of one start, and the word that judges a touch
// against it. Pure minute arithmetic, shared by the route-plan model's checks and the
// evaluation's flat copy of a plan, so the windows are computed in one place.
#include <QtGlobal>

namespace RouteWindow {

constexpr quint32 inside = 0x20000000;
constexpr quint32 outside = 0x04000000;
constexpr quint32 otherCode = 0x08000000;
constexpr quint32 skipped = 0x02000000;
constexpr quint32 farOutside = 0x240003ff;
constexpr quint32 noMatch = 0x0e0007ff;
// The actual start of a run is not known (route type 1 then uses t1 .. t2 + offset).
constexpr int startNotGiven = 0x7fffffff;

// A route time's seconds as evaluation minutes (truncated toward zero; unset -1 s gives 0).
constexpr int minutes(int seconds)
{
    return seconds / 60;
}

constexpr bool startGiven(int actualStart)
{
    return actualStart >= -1073741823 && actualStart <= 1073741822;
}

// Window word of a touch at minute for a route of the type; t1, t2, offset and duration
// in minutes, actualStart startNotGiven unless known.
inline quint32 word(int type, int t1, int t2, int offset, int duration, int tolerance, int actualStart, int minute)
{
    qint64 lo = 0;
    qint64 hi = 0;
    switch (type) {
    case 0:
        lo = hi = qint64(t1) + offset;
        break;
    case 1:
        if (startGiven(actualStart)) {
            lo = hi = qint64(actualStart) + offset;
        } else {
            lo = t1;
            hi = qint64(t2) + offset;
        }
        break;
    case 2:
        lo = t1;
        hi = qint64(t1) + duration;
        break;
    case 3:
    case 4:
        lo = t1;
        hi = t2;
        break;
    default:
        return farOutside;
    }
    lo -= tolerance;
    hi += tolerance;
    if (lo <= minute && minute <= hi)
        return inside;
    if (minute < lo - 1023 || minute > hi + 1023)
        return farOutside;
    const qint64 distance = minute < lo ? lo - minute : minute - hi;
    return 0x24000000u + quint32(distance & 0x3ff);
}

// The minute lies strictly inside the start's window widened by the tolerance;
// never for route types 0 and 2.
inline bool startCovers(int type, int t1, int t2, int tolerance, int minute)
{
    if (type == 0 || type == 2)
        return false;
    return qint64(t1) - tolerance < minute && minute < qint64(t2) + tolerance;
}

} // namespace RouteWindow
