// The interval rules every timer follows, on the manual clock and on QTimer.
#include "platform/manual_clock.h"
#include "platform/qt_clock.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using namespace tavro::platform;

namespace {

qint64 ms(std::chrono::microseconds time)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(time).count();
}

TEST(ManualClock, IntervalRules)
{
    ManualClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick([&] { ++ticks; });

    timer->setInterval(1000ms);
    clock.advance(600ms);
    timer->setInterval(1000ms);  // same interval: the running period is kept
    clock.advance(400ms);
    EXPECT_EQ(ticks, 1);

    clock.advance(600ms);
    timer->setInterval(2000ms);  // another interval restarts the count
    clock.advance(1999ms);
    EXPECT_EQ(ticks, 1);
    clock.advance(1ms);
    EXPECT_EQ(ticks, 2);

    timer->setInterval(0ms);
    clock.advance(10000ms);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(timer->isRunning());
    timer->setInterval(-5ms);
    EXPECT_EQ(timer->interval(), 0ms);
}

TEST(ManualClock, DueTicksFireInTimeOrderAndMayRearmEachOther)
{
    ManualClock clock;
    auto a = clock.createTimer();
    auto b = clock.createTimer();
    QStringList order;
    a->onTick([&] {
        order << QStringLiteral("a%1").arg(ms(clock.now()));
        a->stop();
        b->setInterval(300ms);
    });
    b->onTick([&] { order << QStringLiteral("b%1").arg(ms(clock.now())); });
    a->setInterval(500ms);
    b->setInterval(2000ms);
    clock.advance(1200ms);
    EXPECT_EQ(order, (QStringList{QStringLiteral("a500"), QStringLiteral("b800"),
                                  QStringLiteral("b1100")}));
}

TEST(ManualClock, PausesAreRecordedAndMoveTime)
{
    ManualClock clock;
    clock.pause(50ms);
    clock.pause(5ms);
    EXPECT_EQ(clock.pauses(), (std::vector<std::chrono::milliseconds>{50ms, 5ms}));
    EXPECT_EQ(clock.now(), 55ms);
}

TEST(QtClock, FollowsTheSameRules)
{
    QtClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick([&] { ++ticks; });
    timer->setInterval(10ms);
    EXPECT_EQ(timer->interval(), 10ms);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
    timer->stop();
    const int stoppedAt = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(QtClock, NowNeverGoesBack)
{
    QtClock clock;
    const auto before = clock.now();
    clock.pause(2ms);
    EXPECT_GE(clock.now() - before, 2ms);
}

}  // namespace
