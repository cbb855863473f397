// doEvents() is called after every row of a load, up to a million times, so its idle path must stay cheap.
// Posted events go out on every call. Qt 6 has no query for input waiting at the event dispatcher, and
// polling it costs microseconds, so the dispatcher is polled only when PollInterval has passed since the
// last poll: input and timers wait at most that long. The time of the last poll is the one piece of state kept
// here, read from the steady clock directly (QElapsedTimer's calls cost twice as much, on every row).
#include "runtime/controls/DoEvents.h"

#include <QCoreApplication>

#include <chrono>

namespace tervala::rt {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto PollInterval = std::chrono::milliseconds(10);

// The time of the last dispatcher poll; the clock's epoch before the first.
Clock::time_point& lastPoll()
{
    static Clock::time_point time;
    return time;
}

} // namespace

void doEvents()
{
    QCoreApplication::sendPostedEvents();
    const Clock::time_point now = Clock::now();
    Clock::time_point& last = lastPoll();
    if (last != Clock::time_point() && now - last < PollInterval)
        return;
    // Noted before polling: a nested doEvents inside a handler run by this poll measures from here.
    last = now;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace tervala::rt
