// Bytes on the wire, write order, log texts and pauses of every command.
#include "link_fixture.h"
#include "protocol/frames.h"

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

struct CommandCase {
    const char *name;
    std::function<void(link::EngraverLink &)> action;
    QList<QByteArray> writes;
    QString log;
    QString closedLog;  // with no machine: nothing may read as sent
};

class CommandTableTest : public LinkTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CommandTableTest, WritesFramesAndLogsExactly)
{
    line.openable = {1};
    line.open(1);
    const CommandCase &c = GetParam();
    c.action(link);
    EXPECT_EQ(line.writes, c.writes);
    EXPECT_EQ(view.log, c.log);
}

TEST_P(CommandTableTest, ClosedPortSendsNothingAndSaysSo)
{
    const CommandCase &c = GetParam();
    c.action(link);
    EXPECT_TRUE(line.writes.isEmpty());
    EXPECT_EQ(view.log, c.closedLog);
}

TEST_P(CommandTableTest, RefusedWriteOnAnOpenPortSaysSo)
{
    line.openable = {1};
    line.open(1);
    line.failWrites = true;
    const CommandCase &c = GetParam();
    c.action(link);
    EXPECT_TRUE(line.writes.isEmpty());
    EXPECT_EQ(view.log, c.closedLog);
}

const CommandCase Commands[] = {
    {"Start",
     &link::EngraverLink::startCarving,
     {bytes({0xFF, 1, 1, 0})},
     u"Start carving\r\n\r\n"_s,
     u"Not sent, no machine connected: Start carving\r\n"_s},
    {"Pause",
     &link::EngraverLink::pauseCarving,
     {bytes({0xFF, 1, 2, 0})},
     u"Engraving Pause !\r\n\r\n"_s,
     u"Not sent, no machine connected: Engraving Pause !\r\n"_s},
    {"Recarve",
     &link::EngraverLink::recarveJob,
     {bytes({0xFF, 1, 3, 0})},
     u"Recarve\r\n\r\n"_s,
     u"Not sent, no machine connected: Recarve\r\n"_s},
    {"CentreAnnounced",
     [](link::EngraverLink &l) { l.locateToCentre(true); },
     {bytes({0xFF, 2, 1, 0})},
     u"Laser positioning to image center.\r\n"_s,
     u"Laser positioning to image center.\r\nNot sent, no machine connected: Laser to the image centre\r\n"_s},
    {"CentreQuiet",
     [](link::EngraverLink &l) { l.locateToCentre(false); },
     {bytes({0xFF, 2, 1, 0})},
     u""_s,
     u"Not sent, no machine connected: Laser to the image centre\r\n"_s},
    {"Box",
     &link::EngraverLink::locateToBox,
     {bytes({0xFF, 2, 2, 0})},
     u"\r\nTo carve content will be limited in the box.\r\n"
     u"Press the direction button to adjust the position.\r\n"_s,
     u"\r\nTo carve content will be limited in the box.\r\nPress the direction button to adjust the position.\r\nNot sent, no machine connected: Laser along the box\r\n"_s},
    {"JogUp",
     &link::EngraverLink::jogUp,
     {bytes({0xFF, 3, 1, 0}), bytes({1})},
     u"Laser Movement : Up\r\n"_s,
     u"Not sent, no machine connected: Laser Movement : Up\r\n"_s},
    {"JogDown",
     &link::EngraverLink::jogDown,
     {bytes({0xFF, 3, 2, 0}), bytes({2})},
     u"Laser Movement : Down\r\n"_s,
     u"Not sent, no machine connected: Laser Movement : Down\r\n"_s},
    {"JogLeft",
     &link::EngraverLink::jogLeft,
     {bytes({0xFF, 3, 3, 0}), bytes({3})},
     u"Laser Movement : Left\r\n"_s,
     u"Not sent, no machine connected: Laser Movement : Left\r\n"_s},
    {"JogRight",
     &link::EngraverLink::jogRight,
     {bytes({0xFF, 3, 4, 0}), bytes({4})},
     u"Laser Movement : Right\r\n"_s,
     u"Not sent, no machine connected: Laser Movement : Right\r\n"_s},
    {"Restart",
     &link::EngraverLink::restartJob,
     {bytes({0xFF, 4, 1, 0})},
     u"Restarting...\r\n\r\n"_s,
     u"Not sent, no machine connected: Restarting...\r\n"_s},
    {"BurnTime100",
     [](link::EngraverLink &l) { l.setBurnTime(100); },
     {bytes({0xFF, 5, 0x64, 0})},
     u"Burning Time: 100\r\n"_s,
     u"Not sent, no machine connected: Burning Time: 100\r\n"_s},
    {"BurnTime1",
     [](link::EngraverLink &l) { l.setBurnTime(1); },
     {bytes({0xFF, 5, 1, 0})},
     u"Burning Time: 1\r\n"_s,
     u"Not sent, no machine connected: Burning Time: 1\r\n"_s},
    {"NewImage",
     [](link::EngraverLink &l) { l.requestNewImage({}); },
     {bytes({0xFF, 6, 0, 0})},
     u"\r\n----------Please wait-----------\r\nErasing Last Image...\r\n"_s,
     u"Not sent, no machine connected: Send Image To Machine\r\n"_s},
    {"FastBackward",
     &link::EngraverLink::skipRowsBackward,
     {bytes({0xFF, 7, 1, 0}), bytes({0x55})},
     u"Fast Backward for 15 row\r\n\r\n"_s,
     u"Not sent, no machine connected: Fast Backward for 15 row\r\n"_s},
    {"FastForward",
     &link::EngraverLink::skipRowsForward,
     {bytes({0xFF, 7, 2, 0}), bytes({0xAA})},
     u"Fast Forward for 15 row\r\n\r\n"_s,
     u"Not sent, no machine connected: Fast Forward for 15 row\r\n"_s},
    {"Identify", &link::EngraverLink::identify, {bytes({0xFF, 9, 0, 0})}, u""_s, u""_s},
    {"Goto250x317",
     [](link::EngraverLink &l) { l.gotoPoint(250, 317); },
     {bytes({0xFF, 0x0A, 2, 0x32}), bytes({0xFF, 0x0B, 3, 0x11})},
     u"Position to: 250,317\r\n"_s,
     u"Position to: 250,317\r\nNot sent, no machine connected: Position to: 250,317\r\n"_s},
    {"Goto7x0",
     [](link::EngraverLink &l) { l.gotoPoint(7, 0); },
     {bytes({0xFF, 0x0A, 0, 7}), bytes({0xFF, 0x0B, 0, 0})},
     u"Position to: 7,0\r\n"_s,
     u"Position to: 7,0\r\nNot sent, no machine connected: Position to: 7,0\r\n"_s},
    {"PowerOff",
     &link::EngraverLink::powerOff,
     {bytes({0xFF, 0x0C, 0, 0})},
     u""_s,
     u"Not sent, no machine connected: Power OFF\r\n"_s},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandTableTest, ::testing::ValuesIn(Commands),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LinkTest, JogPausesFiftyMillisecondsAfterLogging)
{
    line.openable = {1};
    line.open(1);
    link.jogLeft();
    ASSERT_EQ(clock.pauses(), std::vector<std::chrono::milliseconds>{50ms});
    link.skipRowsForward();
    link.gotoPoint(1, 1);
    EXPECT_EQ(clock.pauses().size(), 1u) << "only jogs pause";
}

TEST_F(LinkTest, ReverseMotorSendsFrameThenSaysSaved)
{
    line.openable = {1};
    line.open(1);
    link.reverseMotorX();
    link.reverseMotorY();
    EXPECT_EQ(line.writes, (QList<QByteArray>{bytes({0xFF, 8, 1, 0}), bytes({0xFF, 8, 2, 0})}));
    EXPECT_EQ(view.effects(), (QStringList{u"box:Info|Saved !"_s, u"box:Info|Saved !"_s}));
}

TEST_F(LinkTest, ReverseMotorWithoutAMachineDoesNotClaimItSaved)
{
    link.reverseMotorX();
    EXPECT_EQ(view.effects(), QStringList{u"box:Info|Not saved: no machine connected."_s});
    EXPECT_EQ(view.log, u"Not sent, no machine connected: X Reverse once\r\n"_s);
}

TEST(Frames, ArgumentsAreCutToTheirLowByte)
{
    EXPECT_EQ(protocol::makeFrame(0x105, 300, -1), bytes({0xFF, 0x05, 0x2C, 0xFF}));
}

TEST(Frames, SplitCoordinatesTravelAsHundredsAndRest)
{
    const struct {
        int value, high, low;
    } cases[] = {{0, 0, 0},    {7, 0, 7},    {99, 0, 99}, {100, 1, 0},
                 {250, 2, 50}, {317, 3, 17}, {511, 5, 11}};
    for (const auto &c : cases) {
        const protocol::SplitValue s = protocol::splitCoordinate(c.value);
        EXPECT_EQ(s.high, c.high) << c.value;
        EXPECT_EQ(s.low, c.low) << c.value;
        EXPECT_EQ(protocol::joinValue(s.high, s.low), c.value);
    }
}

}  // namespace
