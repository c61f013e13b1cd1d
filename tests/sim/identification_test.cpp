// Identification, silence, noise on the line and what the machine records.
#include "engraver-sim/engraver_sim.h"
#include "pty_client.h"

#include <gtest/gtest.h>

namespace tavro::sim::test {
namespace {

struct Identity {
    const char *name;
    EngraverOptions options;
    QByteArray answer;
};

EngraverOptions withIdentity(int productId, int firmware, int burnTime)
{
    EngraverOptions options;
    options.productId = productId;
    options.firmware = firmware;
    options.burnTime = burnTime;
    return options;
}

class IdentificationTest : public ::testing::TestWithParam<Identity> {};

TEST_P(IdentificationTest, AnswersInOrderWithNothingElse)
{
    Engraver engraver(GetParam().options);
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(client.isOpen());

    ASSERT_TRUE(client.write(frame(0x09)));
    EXPECT_EQ(client.readFrames(5).join(), GetParam().answer);
    EXPECT_EQ(client.raw(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Identities, IdentificationTest,
    ::testing::Values(
        Identity{
            "Default", {}, QByteArray::fromHex("FF010A00 FF020200 FF070100 FF0A0028 FF090000")},
        Identity{"OtherMachine", withIdentity(11, 3, 150),
                 QByteArray::fromHex("FF010B00 FF020300 FF070100 FF0A0132 FF090000")},
        Identity{"OldFirmware", withIdentity(10, 1, 1),
                 QByteArray::fromHex("FF010A00 FF020100 FF070100 FF0A0001 FF090000")}),
    [](const auto &info) { return info.param.name; });

TEST(Identification, SilentMachineRecordsButNeverAnswers)
{
    EngraverOptions options;
    options.silent = true;
    options.eraseMs = 0;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());

    ASSERT_TRUE(client.write(frame(0x09) + frame(0x06) + frame(0x03, 4) + QByteArray(1, 4)));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.receivedFrames().size() == 4; }, 5000));
    EXPECT_TRUE(client.readFramesFor(500).isEmpty());
    EXPECT_TRUE(client.raw().isEmpty());
}

TEST(Identification, GarbageStillLetsAResynchronisingReaderFindTheAnswers)
{
    EngraverOptions options;
    options.garbage = true;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());

    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(client.write(frame(0x09)));
        EXPECT_EQ(client.readFrames(5), (QList{frame(0x01, 10), frame(0x02, 2), frame(0x07, 1),
                                               frame(0x0A, 0, 40), frame(0x09, 0)}));
    }
    // Noise before every frame, and never a false start marker.
    EXPECT_GT(client.raw().size(), 3 * 20 + 15);
    EXPECT_EQ(client.raw().count(char(0xFF)), 3 * 5);
}

TEST(Identification, RecordsFramesAndControlBytesAsTheyCome)
{
    Engraver engraver;
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());

    const QList<QByteArray> writes = {
        QByteArray::fromHex("1234"),  // noise before anything
        QByteArray::fromHex("FF09"),  // a frame cut short by the next start marker
        frame(0x03, 3),
        QByteArray(1, 3),             // jog left and its control byte, in two writes
        frame(0x07, 2) + char(0xAA),  // skip forward and its byte, in one write
        frame(0x07, 1),               // skip back, but its byte never comes...
        frame(0x20, 1, 2),            // ...and an unknown frame follows
        frame(0x05, 100),
        frame(0x08, 2),
        frame(0x08, 1),
        frame(0x08, 1),
    };
    QByteArray sent;
    for (const QByteArray &bytes : writes) {
        ASSERT_TRUE(client.write(bytes));
        sent += bytes;
    }
    const QList<QByteArray> expected = {
        frame(0x03, 3), QByteArray(1, 3),  frame(0x07, 2),   QByteArray(1, char(0xAA)),
        frame(0x07, 1), frame(0x20, 1, 2), frame(0x05, 100), frame(0x08, 2),
        frame(0x08, 1), frame(0x08, 1)};
    ASSERT_TRUE(engraver.waitFor(
        [&] { return engraver.receivedFrames().size() >= expected.size(); }, 5000));
    EXPECT_EQ(engraver.receivedFrames(), expected);
    EXPECT_EQ(engraver.receivedBytes(), sent);
    EXPECT_EQ(engraver.burnTime(), 100);
    EXPECT_FALSE(engraver.reversed(1));
    EXPECT_TRUE(engraver.reversed(2));

    // The stored burn time is what identification reports from now on.
    client.readFramesFor(200);
    ASSERT_TRUE(client.write(frame(0x09)));
    EXPECT_EQ(client.readFrames(4).value(3), frame(0x0A, 1, 0));
}

}  // namespace
}  // namespace tavro::sim::test
