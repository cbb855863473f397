// What the benchmark programs share besides their data: the platform they run on, timing, settling the event
// loop, and peak memory. Figures are wall-clock milliseconds and MiB.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>

#include <vector>

namespace tervala::bench {

// The offscreen platform unless QT_QPA_PLATFORM says otherwise; call before the QApplication is made.
void useOffscreenPlatformUnlessSet();

double millisecondsSince(const QElapsedTimer& timer);
// CPU time of this process so far, all its threads, user and system.
double cpuMilliseconds();
double median(std::vector<double> values);
// The least of the runs: the one the shared machine disturbed least.
double least(const std::vector<double>& values);
// "least-most", with the given digits after the point.
QByteArray spread(const std::vector<double>& values, int decimals = 1);

// The median, over `runs` runs, of the milliseconds that one call of work takes.
template <class Work> double medianMilliseconds(int runs, Work&& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(millisecondsSince(timer));
    }
    return median(times);
}

// Delivers posted events, input and paints until none is left, so a measurement includes the repaint that a
// change has asked for.
void settle();

// Peak resident set size of this process so far (getrusage's ru_maxrss).
double peakResidentMiB();

// The machine's load average over the last minute (/proc/loadavg), as it reads there; empty where unknown.
QByteArray loadAverage();

} // namespace tervala::bench
