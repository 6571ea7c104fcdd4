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

// Replaces the source of milliseconds since the epoch; an empty function restores the
// system clock. Returns the previous source.
using Source = std::function<qint64()>;
Source setSource(Source source);

} // namespace Clock
