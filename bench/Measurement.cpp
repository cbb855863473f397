#include "bench/Measurement.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace tervala::bench {

void useOffscreenPlatformUnlessSet()
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double cpuMilliseconds()
{
    timespec time {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1000 + double(time.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double least(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

QByteArray spread(const std::vector<double>& values, int decimals)
{
    const auto [least, most] = std::minmax_element(values.begin(), values.end());
    return QByteArray::number(*least, 'f', decimals) + '-' + QByteArray::number(*most, 'f', decimals);
}

void settle()
{
    // A paint can post further events (a deferred layout, an update request), so two rounds.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

double peakResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().split(' ').value(0);
}

} // namespace tervala::bench
