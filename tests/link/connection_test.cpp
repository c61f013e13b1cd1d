// Port scan, probe time-outs, retries, presence check and the break button.
#include "link_fixture.h"

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

QList<int> range(int first, int last)
{
    QList<int> out;
    for (int n = first; n <= last; ++n) out << n;
    return out;
}

TEST_F(LinkTest, MachineAloneOnCom3IsProbedAtOnce)
{
    line.openable = {3};
    link.startConnect();
    EXPECT_EQ(line.openAttempts, (QList<int>{1, 2, 3}));
    EXPECT_EQ(takeWrites(), QList<QByteArray>{bytes({0xFF, 0x09, 0x00, 0x00})});
    EXPECT_EQ(link.probeTimer().interval(), 1000ms);
    EXPECT_EQ(view.events.first(), u"caption:Connecting..."_s);
    EXPECT_EQ(link.state(), link::LinkState::Probing);
    receive({0xFF, 0x01, 0x0A, 0x00});
    EXPECT_EQ(link.state(), link::LinkState::Identified);
    EXPECT_EQ(clock.now(), 0ms) << "identified without any timer tick";
}

TEST_F(LinkTest, SilentDeviceCostsOneSecondThenTheNextPortIsProbed)
{
    line.openable = {3, 5};
    link.startConnect();
    clock.advance(999ms);
    EXPECT_EQ(line.openAttempts.last(), 3);
    clock.advance(1ms);
    EXPECT_EQ(line.openAttempts, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(line.writes.size(), 2) << "CmdIdentify on COM3, then on COM5";
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(line.portNumber(), 5);
    receive({0xFF, 0x01, 0x0A, 0x00});
    EXPECT_EQ(link.connectedPort(), 5);
}

TEST_F(LinkTest, NothingOpensSoTheScanWaitsTwoSecondsAndRepeats)
{
    link.startConnect();
    EXPECT_EQ(line.openAttempts, range(1, 64)) << "no COM65";
    EXPECT_EQ(link.retryTimer().interval(), 2000ms);
    EXPECT_EQ(link.state(), link::LinkState::WaitingToRetry);
    EXPECT_TRUE(view.log.isEmpty());
    clock.advance(2000ms);
    EXPECT_EQ(line.openAttempts.size(), 128);
    clock.advance(4000ms);
    EXPECT_EQ(line.openAttempts.size(), 256);
    EXPECT_EQ(view.events.count(u"caption:Connecting..."_s), 4);
}

TEST_F(LinkTest, ProbeOfCom64EndsTheScanAndStartsTheRetryTimer)
{
    line.openable = {64};
    link.startConnect();
    clock.advance(1000ms);
    EXPECT_EQ(line.openAttempts, range(1, 64));
    EXPECT_EQ(link.portNumber(), 65);
    EXPECT_EQ(link.retryTimer().interval(), 2000ms);
}

TEST_F(LinkTest, RetryTicksLetARunningScanGiveEveryPortItsSecond)
{
    line.openable = {};
    link.startConnect();  // exhausted: the retry timer runs
    line.openable = {10, 20, 30, 40};
    clock.advance(2000ms);  // scan from COM1 probes COM10
    for (int port : {10, 20, 30, 40}) {
        EXPECT_EQ(line.portNumber(), port);
        EXPECT_TRUE(line.isOpen());
        clock.advance(1000ms);
    }
    // Only after COM40 had its second does a retry tick start over.
    EXPECT_EQ(line.writePorts, (QList<int>{10, 20, 30, 40, 10}));
}

TEST_F(LinkTest, RetryTimerKeepsItsRhythmWhenAScanIsExhaustedAgain)
{
    link.startConnect();
    clock.advance(1500ms);
    EXPECT_EQ(line.openAttempts.size(), 64);
    clock.advance(500ms);
    EXPECT_EQ(line.openAttempts.size(), 128);
    clock.advance(1999ms);
    EXPECT_EQ(line.openAttempts.size(), 128);
    clock.advance(1ms);
    EXPECT_EQ(line.openAttempts.size(), 192);
}

TEST_F(LinkTest, IdentificationStopsRetrying)
{
    link.startConnect();
    line.openable = {7};
    clock.advance(2000ms);
    receive({0xFF, 0x01, 0x0A, 0x00});
    ports.list.names = u"COM7A"_s;
    const int attempts = line.openAttempts.size();
    clock.advance(10000ms);
    EXPECT_EQ(line.openAttempts.size(), attempts);
    EXPECT_FALSE(link.retryTimer().isRunning());
}

TEST_F(LinkTest, PresenceCheckKeepsTheLinkWhileThePortIsListed)
{
    identifyOn(1);
    ports.list.names = u"COM10ACOM1A"_s;
    clock.advance(5000ms);
    EXPECT_EQ(ports.calls, 5);
    EXPECT_TRUE(view.events.isEmpty());
}

TEST_F(LinkTest, PulledCableBreaksTheLinkAndScansAgain)
{
    identifyOn(1);
    ports.list.names = u"COM10ACOM11A"_s;  // COM1 must not match inside COM10 or COM11
    line.openable = {};
    clock.advance(1000ms);
    EXPECT_EQ(view.events.first(), u"log:>>>Connection BREAK !<<<\r\n"_s);
    EXPECT_EQ(view.events.at(1), u"caption:Connecting..."_s);
    EXPECT_FALSE(link.presenceTimer().isRunning());
    EXPECT_EQ(link.retryTimer().interval(), 2000ms);
    EXPECT_FALSE(view.effects().contains(u"disable-controls"_s));

    line.openable = {1};  // plugged back in
    clock.advance(2000ms);
    receive({0xFF, 0x01, 0x0A, 0x00});
    EXPECT_EQ(link.state(), link::LinkState::Identified);
}

TEST_F(LinkTest, UnreadablePortListShowsOneBoxAtATime)
{
    identifyOn(1);
    ports.list.ok = false;
    ports.list.status = 2;
    int boxes = 0;
    view.onMessage = [&](const QString &text) {
        ++boxes;
        EXPECT_EQ(text, u"打开状态=2, 键句柄=0"_s);
        clock.advance(3000ms);  // ticks while the box is open add no boxes
    };
    clock.advance(1000ms);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(view.events.contains(u"box:提示信息|打开状态=2, 键句柄=0"_s));
    EXPECT_TRUE(link.presenceTimer().isRunning());
    EXPECT_TRUE(line.isOpen());
}

TEST_F(LinkTest, BreakWhileIdentifiedClosesAndDisablesOnly)
{
    identifyOn(2);
    link.disconnectMachine();
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(view.effects(),
              (QStringList{u"caption:Connect"_s, u"connect-enabled"_s, u"disable-controls"_s}));
    EXPECT_EQ(view.log, u"Disconnected Connection\r\n\r\n"_s);
    EXPECT_TRUE(link.presenceTimer().isRunning()) << "no timer is touched";
    ports.list.names = u"COM2A"_s;
    const int attempts = line.openAttempts.size();
    clock.advance(5000ms);
    EXPECT_EQ(line.openAttempts.size(), attempts);
}

TEST_F(LinkTest, BreakWhileProbingLetsTheScanGoOn)
{
    line.openable = {3, 6};
    link.startConnect();
    link.disconnectMachine();
    EXPECT_FALSE(line.isOpen());
    clock.advance(1000ms);
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(line.portNumber(), 6);
    EXPECT_EQ(view.events.count(u"caption:Connect"_s), 1);
}

}  // namespace
