// doEvents delivers posted calls, also when called again from a handler it is running.
#include "runtime/DoEvents.h"

#include "TestSupport.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

using tervala::rt::doEvents;

TEST(DoEventsTest, NestedInsideAPostedCall)
{
    QObject receiver;
    const auto post
        = [&](const std::function<void()>& call) { QMetaObject::invokeMethod(&receiver, call, Qt::QueuedConnection); };
    QStringList ran;
    post([&] {
        post([&] { ran << "inner"; });
        doEvents();
        ran << "outer";
    });
    doEvents();
    EXPECT_EQ(ran, QStringList({ "inner", "outer" }));
}
