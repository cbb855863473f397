// doEvents delivers posted calls on every call and due timers while a loop keeps calling it, and works when
// called again from a handler it is running.
#include "runtime/DoEvents.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

using tervala::rt::doEvents;

namespace {

// Calls doEvents until done() holds; the deadline only keeps a broken doEvents from hanging the test.
template <class Done> bool doEventsUntil(Done done)
{
    const QDeadlineTimer guard(5000);
    while (!done() && !guard.hasExpired())
        doEvents();
    return done();
}

TEST(DoEventsTest, DeliversPostedCallsOnEveryCall)
{
    QObject receiver;
    for (int i = 0; i < 3; ++i) {
        bool ran = false;
        QMetaObject::invokeMethod(
            &receiver,
            [&] { ran = true; },
            Qt::QueuedConnection);
        doEvents();
        EXPECT_TRUE(ran);
    }
}

TEST(DoEventsTest, NestedInsidePostedHandler)
{
    QObject receiver;
    bool innerRan = false;
    bool innerRanBeforeOuterEnded = false;
    QMetaObject::invokeMethod(
        &receiver,
        [&] {
            QMetaObject::invokeMethod(
                &receiver,
                [&] { innerRan = true; },
                Qt::QueuedConnection);
            doEvents();
            innerRanBeforeOuterEnded = innerRan;
        },
        Qt::QueuedConnection);
    doEvents();
    EXPECT_TRUE(innerRanBeforeOuterEnded);
}

TEST(DoEventsTest, NestedInsideTimerHandler)
{
    QObject receiver;
    bool timerRan = false;
    bool innerRanInTimer = false;
    QTimer::singleShot(1, &receiver, [&] {
        bool innerRan = false;
        QMetaObject::invokeMethod(
            &receiver,
            [&] { innerRan = true; },
            Qt::QueuedConnection);
        doEvents();
        innerRanInTimer = innerRan;
        timerRan = true;
    });
    EXPECT_TRUE(doEventsUntil([&] { return timerRan; }));
    EXPECT_TRUE(innerRanInTimer);
}

} // namespace
