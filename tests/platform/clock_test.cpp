// The interval rules every timer follows, on the manual clock and on QTimer.
#include "platform/manual_clock.h"
#include "platform/qt_clock.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavro::platform;

namespace {

TEST(ManualClock, IntervalRules)
{
    ManualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick([&] { ++ticks; });

    timer->setInterval(1000);
    clock.advance(600);
    timer->setInterval(1000);  // same interval: the running period is kept
    clock.advance(400);
    EXPECT_EQ(ticks, 1);

    clock.advance(600);
    timer->setInterval(2000);  // another interval restarts the count
    clock.advance(1999);
    EXPECT_EQ(ticks, 1);
    clock.advance(1);
    EXPECT_EQ(ticks, 2);

    timer->setInterval(0);
    clock.advance(10000);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer->isRunning());
    timer->setInterval(-5);
    EXPECT_EQ(timer->interval(), 0);
}

TEST(ManualClock, DueTicksFireInTimeOrderAndMayRearmEachOther)
{
    ManualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    QStringList order;
    a->onTick([&] {
        order << QStringLiteral("a%1").arg(clock.now());
        a->stop();
        b->setInterval(300);
    });
    b->onTick([&] { order << QStringLiteral("b%1").arg(clock.now()); });
    a->setInterval(500);
    b->setInterval(2000);
    clock.advance(1200);
    EXPECT_EQ(order, (QStringList{QStringLiteral("a500"), QStringLiteral("b800"),
                                  QStringLiteral("b1100")}));
}

TEST(ManualClock, PausesAreRecordedAndMoveTime)
{
    ManualClock clock;
    clock.pause(50);
    clock.pause(5);
    EXPECT_EQ(clock.pauses(), (std::vector<int>{50, 5}));
    EXPECT_EQ(clock.now(), 55);
}

TEST(QtClock, FollowsTheSameRules)
{
    QtClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick([&] { ++ticks; });
    timer->setInterval(10);
    EXPECT_EQ(timer->interval(), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
    timer->stop();
    const int stoppedAt = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stoppedAt);
}

}  // namespace
