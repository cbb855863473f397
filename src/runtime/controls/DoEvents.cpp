// doEvents() is called after every row of a load, up to a million times, so its idle path must stay cheap.
// Posted events go out on every call. Qt 6 has no query for input waiting at the event dispatcher, and
// polling it costs microseconds, so the dispatcher is polled only when PollInterval has passed since the
// last poll: input and timers wait at most that long. The timer is the one piece of state kept here.
#include "runtime/controls/DoEvents.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace tervala::rt {

namespace {

constexpr qint64 PollIntervalMs = 10;

// Monotonic time since the last dispatcher poll; invalid before the first.
QElapsedTimer& sinceLastPoll()
{
    static QElapsedTimer timer;
    return timer;
}

} // namespace

void doEvents()
{
    QCoreApplication::sendPostedEvents();
    QElapsedTimer& timer = sinceLastPoll();
    if (timer.isValid() && timer.elapsed() < PollIntervalMs)
        return;
    // Restart before polling: a nested doEvents inside a handler run by this poll measures from here.
    timer.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace tervala::rt
