#pragma once
// What the benchmark programs share.
#include <QElapsedTimer>

#include <algorithm>
#include <functional>

// The best of a few runs of work, in milliseconds: the least disturbed by the rest of the machine.
inline double bestMs(int rounds, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}
