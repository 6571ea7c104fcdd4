#pragma once
// What the benchmark programs share.
#include "core/prompts.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
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

// The same in processor time of the whole process: steadier than the clock on a loaded machine.
inline double bestCpuMs(int rounds, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        const std::clock_t start = std::clock();
        work();
        best = std::min(best, double(std::clock() - start) * 1000.0 / CLOCKS_PER_SEC);
    }
    return best;
}

// A benchmark answers no question: any prompt is a fault of the run, told on stderr.
inline void reportUnexpectedPrompts()
{
    Prompts::setHandler([](const Prompts::Request& r) {
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(r.text));
        return Prompts::Answer{};
    });
}
