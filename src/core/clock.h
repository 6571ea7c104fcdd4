#pragma once
// The program's one source of "now". Tests replace it so that waits on the logger's
// 2-second tick and the simulated logger's clock run without real time passing.
#include <QDateTime>
#include <functional>

namespace Clock {

// Milliseconds since the epoch, as QDateTime::currentMSecsSinceEpoch().
qint64 currentMSecsSinceEpoch();
// Local date and time, as QDateTime::currentDateTime().
QDateTime currentDateTime();

// Returns when the clock stands at msSinceEpoch, without spinning: the system clock
// sleeps for the time left at one reading. A replaced clock waits through the function
// given with setSleeper, or returns at once without one (a clock that steps at every
// reading moves on by itself). Callers read the clock again afterwards.
void sleepUntil(qint64 msSinceEpoch);

// Replaces the source of milliseconds since the epoch; an empty function restores the
// system clock. Returns the previous source.
using Source = std::function<qint64()>;
Source setSource(Source source);

// The wait of a replaced source, typically moving its "now" on to the given moment.
// Used only while a source is set. Returns the previous one.
using Sleeper = std::function<void(qint64 msSinceEpoch)>;
Sleeper setSleeper(Sleeper sleeper);

} // namespace Clock
