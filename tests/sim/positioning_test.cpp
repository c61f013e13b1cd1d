// Head movements: jog, go to a point, centre and box, each reported as FF 04 y then FF 03 x+1.
#include "engraver-sim/engraver_sim.h"
#include "pty_client.h"

#include <gtest/gtest.h>

namespace tavro::sim::test {
namespace {

QList<QByteArray> at(int x, int y)
{
    return {splitFrame(0x04, y), splitFrame(0x03, x + 1)};
}

QByteArray jog(int direction)
{
    return frame(0x03, direction) + char(direction);
}

QByteArray gotoPoint(int x, int y)
{
    return splitFrame(0x0A, x) + splitFrame(0x0B, y);
}

struct Move {
    const char *name;
    QByteArray setup;  // run first; its reports are dropped
    QByteArray command;
    QList<QByteArray> reports;
    QPoint head;
};

class PositioningTest : public ::testing::TestWithParam<Move> {};

TEST_P(PositioningTest, MovesTheHeadAndReportsWhereItIs)
{
    const Move &move = GetParam();
    Engraver engraver;
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    if (!move.setup.isEmpty()) {
        ASSERT_TRUE(client.write(move.setup));
        ASSERT_TRUE(engraver.waitFor(
            [&] { return engraver.receivedBytes().size() == move.setup.size(); }, 5000));
        client.readFramesFor(200);
    }
    ASSERT_TRUE(client.write(move.command));
    EXPECT_EQ(client.readFrames(move.reports.size()), move.reports);
    EXPECT_EQ(engraver.head(), move.head);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, PositioningTest,
    ::testing::Values(
        Move{"JogRight", {}, jog(4), at(8, 0), {8, 0}},
        Move{"JogDown", {}, jog(2), at(0, 8), {0, 8}},
        Move{"JogUpAndLeft",
             gotoPoint(100, 200),
             jog(1) + jog(3),
             at(100, 192) + at(92, 192),
             {92, 192}},
        Move{"JogStopsAtTheEdges", {}, jog(3) + jog(1), at(0, 0) + at(0, 0), {0, 0}},
        Move{"JogStopsAtTheFarEdge",
             gotoPoint(507, 509),
             jog(4) + jog(2),
             at(511, 509) + at(511, 511),
             {511, 511}},
        Move{"Goto", {}, gotoPoint(250, 317), {frame(0x04, 3, 17), frame(0x03, 2, 51)}, {250, 317}},
        Move{"GotoOffTheBoardIsClamped", {}, gotoPoint(600, 700), at(511, 511), {511, 511}},
        Move{"Centre", {}, frame(0x02, 1), at(256, 256), {256, 256}}),
    [](const auto &info) { return info.param.name; });

TEST(Positioning, BoxTracesTheCornersOfTheBurnBits)
{
    EngraverOptions options;
    options.eraseMs = 0;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());

    // Nothing stored yet: no box to trace.
    ASSERT_TRUE(client.write(frame(0x02, 2)));
    EXPECT_TRUE(client.readFramesFor(300).isEmpty());

    QByteArray raster(512 * 64, '\0');
    raster[20 * 64 + 1] = char(0x20);    // (10, 20)
    raster[400 * 64 + 37] = char(0x08);  // (300, 400)
    raster[100 * 64 + 20] = char(0x80);  // (160, 100), inside
    ASSERT_TRUE(client.write(frame(0x06)));
    ASSERT_EQ(client.readFrames(1).value(0), frame(0x05));
    ASSERT_TRUE(client.write(raster));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.imagesReceived() == 1; }, 10000));

    ASSERT_TRUE(client.write(frame(0x02, 2)));
    EXPECT_EQ(client.readFrames(8), at(10, 20) + at(300, 20) + at(300, 400) + at(10, 400));
    EXPECT_TRUE(engraver.burnt().pixel(10, 20) == qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tavro::sim::test
