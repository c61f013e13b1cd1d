// Frame assembly from the byte stream and what every response code does.
#include "link_fixture.h"

#include <random>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

const QString Connected = QString(22, u'>') + QString(13, u' ') + u"CONNECTED !"_s +
                          QString(4, u' ') + QString(22, u'<') + u"\r\n"_s;
const QString Initialised = QString(22, u'>') + QString(7, u' ') + u"Initialization complete!"_s +
                            QString(22, u'<') + u"\r\n"_s;

TEST(FrameAssembler, StartMarkerRestartsTheFrameWherever_itArrives)
{
    protocol::FrameAssembler rx;
    int frames = 0;
    for (int b : {0x12, 0xFF, 0x02, 0xFF, 0x03, 0x00, 0x00}) {
        if (rx.push(static_cast<std::uint8_t>(b))) {
            ++frames;
            EXPECT_EQ(rx.code(), 0x03);
            EXPECT_EQ(rx.rxFrameReady(), 1);
            rx.frameHandled();
        }
    }
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(rx.rxCount(), 0);
    EXPECT_EQ(rx.rxFrameReady(), 0);
}

TEST(FrameAssembler, FourBytesWithoutMarkerAreDroppedSilently)
{
    protocol::FrameAssembler rx;
    for (int b : {0x01, 0x02, 0x03}) EXPECT_FALSE(rx.push(static_cast<std::uint8_t>(b)));
    EXPECT_FALSE(rx.push(0x04));
    EXPECT_EQ(rx.rxFrameReady(), 0);
    EXPECT_EQ(rx.rxCount(), 0);
    // The next frame is whole again.
    for (int b : {0xFF, 0x06, 0x00}) rx.push(static_cast<std::uint8_t>(b));
    EXPECT_TRUE(rx.push(0x00));
}

TEST_F(LinkTest, IdentityWithTheRightIdConnectsInOrder)
{
    line.openable = {3};
    link.startConnect();
    view.events.clear();
    receive({0xFF, 0x01, 0x0A, 0x00});
    EXPECT_EQ(view.events, (QStringList{u"caption:OK"_s, u"connect-disabled"_s, u"break-visible"_s,
                                        u"enable-controls"_s, u"log:"_s + Connected}));
    EXPECT_EQ(link.connectedPort(), 3);
    EXPECT_FALSE(link.probeTimer().isRunning());
    EXPECT_FALSE(link.retryTimer().isRunning());
    EXPECT_EQ(link.presenceTimer().interval(), 1000ms);
    EXPECT_EQ(link.state(), link::LinkState::Identified);
}

TEST_F(LinkTest, WrongProductIdClosesThePortAndStopsEverything)
{
    line.openable = {3};
    link.startConnect();
    view.events.clear();
    receive({0xFF, 0x01, 0x0B, 0x00});
    EXPECT_EQ(view.events, (QStringList{u"log:ERROR\r\n"_s, u"box:ERROR|Wrong Product ID"_s}));
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(link.probeTimer().isRunning());
    EXPECT_FALSE(link.retryTimer().isRunning());
    EXPECT_FALSE(link.presenceTimer().isRunning());
    EXPECT_EQ(link.state(), link::LinkState::NotConnected);
    clock.advance(10000ms);
    EXPECT_EQ(line.openAttempts, (QList<int>{1, 2, 3})) << "the search is not resumed";
}

TEST_F(LinkTest, FirmwareVersions)
{
    ports.list = {true, 0, u"COM1A"_s};
    identifyOn(1);
    receive({0x12, 0xFF, 0x02, 0x02, 0x00});
    EXPECT_EQ(view.events, QStringList{u"log:Firmware version : 2\r\n"_s});

    view.events.clear();
    receive({0xFF, 0x02, 0x01, 0x00});
    EXPECT_EQ(view.events,
              (QStringList{u"log:Firmware version : 1\r\n"_s, u"firmware-one-layout"_s}));

    view.events.clear();
    receive({0xFF, 0x02, 0x03, 0x00});
    EXPECT_EQ(view.events,
              (QStringList{u"log:Firmware version : 3\r\n"_s,
                           u"box:Message|Please update your software, or some features may not "
                           u"be used."_s}));

    // Past the answer to the identification, a version is noise: Power OFF stays.
    view.events.clear();
    clock.advance(link::EngraverLink::IdentifyAnswerWindow + 1ms);
    receive({0xFF, 0x02, 0x01, 0x00});
    EXPECT_TRUE(view.events.isEmpty());
}

TEST_F(LinkTest, AMachineThatNeverAsksForThePictureEndsTheUpload)
{
    ports.list = {true, 0, u"COM1A"_s};
    identifyOn(1);
    bool notRequested = false;
    QObject::connect(&link, &link::EngraverLink::imageNotRequested, [&] { notRequested = true; });
    prepare(QByteArray(32768, '\x01'));
    clock.advance(link::EngraverLink::ImageRequestWait - 1ms);
    EXPECT_FALSE(notRequested);
    clock.advance(1ms);
    EXPECT_TRUE(notRequested);
    EXPECT_TRUE(
        view.log.endsWith(u"The machine did not ask for the picture: it was not sent.\r\n"_s));
    // A request that comes later is no longer answered.
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(10ms);
    EXPECT_TRUE(line.blocks.isEmpty());
}

TEST_F(LinkTest, PositionReportsDrawOneColumnLeftOnTheLastRow)
{
    receive({0xFF, 0x03, 0x00, 0x05});  // before any row: row 0
    receive({0xFF, 0x04, 0x01, 0x2C, 0xFF, 0x03, 0x02, 0x32});
    EXPECT_EQ(view.points, (QList<QPoint>{QPoint(4, 0), QPoint(249, 144)}));
    EXPECT_EQ(view.effects(),
              (QStringList{u"point:4,0"_s, u"x:5"_s, u"y:144"_s, u"point:249,144"_s, u"x:250"_s}));
    EXPECT_EQ(link.reportedY(), 144);
}

TEST_F(LinkTest, DataByteFFRestartsTheFrame)
{
    receive({0xFF, 0x02, 0xFF, 0x03, 0x00, 0x00});
    EXPECT_EQ(view.effects(), (QStringList{u"point:-1,0"_s, u"x:0"_s}));
    EXPECT_TRUE(view.log.isEmpty());
}

TEST_F(LinkTest, CarveDoneMotorNumberAndBurnTime)
{
    receive({0xFF, 0x06, 0x00, 0x00});
    receive({0xFF, 0x07, 0x00, 0x00, 0xFF, 0x07, 0x01, 0x00, 0xFF, 0x07, 0x02, 0x00});
    receive({0xFF, 0x08, 0x03, 0x11});
    receive({0xFF, 0x0A, 0x00, 0x28, 0xFF, 0x0A, 0x01, 0x32});
    receive({0xFF, 0x09, 0x01, 0x02, 0xFF, 0x00, 0x01, 0x01, 0xFF, 0xFE, 0x01, 0x01});
    EXPECT_EQ(
        view.events,
        (QStringList{u"carve-done"_s, u"log:Please access the motor power supply !\r\n"_s,
                     u"log:"_s + Initialised, u"log:317\r\n"_s, u"burn:40"_s, u"burn:150"_s}));
}

TEST_F(LinkTest, OnlyTheRequestOfAPendingUploadIsAnswered)
{
    identifyOn(1);
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(5ms);
    EXPECT_TRUE(view.events.isEmpty()) << "no upload pending: noise, not a request";

    prepare(QByteArray(32768, '\x01'));
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(4ms);
    EXPECT_TRUE(view.events.isEmpty()) << "the block waits 5 ms first";
    clock.advance(1ms);
    ASSERT_EQ(line.blocks.size(), 1);
    EXPECT_EQ(line.blocks[0], QByteArray(32768, '\x01'));
    EXPECT_EQ(view.events,
              (QStringList{u"log:Sending New Image...\r\n"_s, u"log:Sending Complete !\r\n\r\n"_s,
                           u"enable-controls"_s}));
    EXPECT_TRUE(clock.pauses().empty()) << "the window's thread never sleeps for it";

    // A stray request during the carve would pour the block into the machine as commands.
    QByteArray storm;
    for (int i = 0; i < 1000; ++i) storm += bytes({0xFF, 0x05, 0x00, 0x00});
    line.deliver(storm);
    clock.advance(100ms);
    EXPECT_EQ(line.blocks.size(), 1);

    prepare(QByteArray(32768, '\x02'));
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(5ms);
    ASSERT_EQ(line.blocks.size(), 2);
    EXPECT_EQ(line.blocks[1], QByteArray(32768, '\x02')) << "each erase gets the block prepared";
}

TEST_F(LinkTest, AnIdentityFrameOutsideAProbeIsNoise)
{
    identifyOn(1);
    receive({0xFF, 0x01, 0x0B, 0x00});  // a wrong product id would close the port
    EXPECT_TRUE(line.isOpen());
    EXPECT_EQ(link.state(), link::LinkState::Identified);
    EXPECT_TRUE(view.events.isEmpty());
}

TEST_F(LinkTest, CompleteIsLoggedOnlyWhenTheBlockHasGoneOut)
{
    identifyOn(1);
    line.blocksDrainAtOnce = false;
    prepare(QByteArray(32768, '\0'));
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(5ms);
    EXPECT_EQ(view.log, u"Sending New Image...\r\n"_s);
    receive({0xFF, 0x03, 0x00, 0x02});  // frames keep flowing meanwhile
    line.finishBlock(true);
    EXPECT_EQ(view.log, u"Sending New Image...\r\nSending Complete !\r\n\r\n"_s);
    EXPECT_TRUE(view.effects().endsWith(u"enable-controls"_s));
}

TEST_F(LinkTest, ABrokenUploadIsNotReportedAsComplete)
{
    identifyOn(1);
    line.blocksDrainAtOnce = false;
    prepare(QByteArray(32768, '\0'));
    receive({0xFF, 0x05, 0x00, 0x00});
    clock.advance(5ms);
    line.finishBlock(false);
    EXPECT_FALSE(view.log.contains(u"Sending Complete"_s));
    EXPECT_TRUE(view.log.endsWith(u"Sending Failed !\r\n\r\n"_s));
    EXPECT_FALSE(view.effects().contains(u"enable-controls"_s));
}

TEST_F(LinkTest, BytesArrivingWhileABoxIsOpenWaitForTheFrameThatOpenedIt)
{
    line.openable = {1};
    link.startConnect();
    QString logInBox;
    view.onMessage = [&](const QString &) {
        // The nested event loop of a modal box delivers more bytes.
        line.deliver(bytes({0xFF, 0x08, 0x00, 0x07}));
        logInBox = view.log;
    };
    receive({0xFF, 0x02, 0x03, 0x00});
    EXPECT_TRUE(logInBox.endsWith(u"Firmware version : 3\r\n"_s)) << "handled under the open box";
    EXPECT_TRUE(view.log.endsWith(u"Firmware version : 3\r\n7\r\n"_s));
}

TEST_F(LinkTest, RandomStreamsNeverBreakFrameAssembly)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray noise;
    for (int i = 0; i < 200000; ++i) noise.append(static_cast<char>(byte(rng)));
    line.deliver(noise);
    EXPECT_LE(link.receiver().rxCount(), 3);
    EXPECT_EQ(link.receiver().rxFrameReady(), 0);
    // A clean frame after the noise is understood.
    view.events.clear();
    receive({0xFF, 0x08, 0x00, 0x2A});
    EXPECT_EQ(view.events.last(), u"log:42\r\n"_s);
}

TEST_F(LinkTest, AFloodDuringAnOpenBoxStaysBounded)
{
    line.openable = {1};
    link.startConnect();
    view.onMessage = [&](const QString &) {
        for (int i = 0; i < 64; ++i) line.deliver(QByteArray(64 * 1024, '\x11'));
        EXPECT_LE(link.pendingBytes(), 256u * 1024u);
    };
    receive({0xFF, 0x01, 0x0B, 0x00});
    EXPECT_EQ(link.pendingBytes(), 0u);
}

TEST_F(LinkTest, SameBoxIsNeverStackedByFramesThatCameWhileItWasOpen)
{
    line.openable = {1};
    link.startConnect();
    int boxes = 0;
    view.onMessage = [&](const QString &) {
        ++boxes;
        QByteArray more;
        for (int i = 0; i < 200; ++i) more += bytes({0xFF, 0x02, 0x03, 0x00});
        if (boxes == 1) line.deliver(more);
    };
    receive({0xFF, 0x02, 0x03, 0x00});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(view.log.count(u"Firmware version : 3"_s), 201) << "every frame is still handled";
    receive({0xFF, 0x02, 0x03, 0x00});
    EXPECT_EQ(boxes, 2) << "a report after the box was closed is shown again";
}

TEST_F(LinkTest, APortLostWhileIdentifiedBreaksTheLinkAtOnce)
{
    identifyOn(1);
    line.breakPort();
    EXPECT_EQ(view.log, u">>>Connection BREAK !<<<\r\n"_s);
    EXPECT_FALSE(link.presenceTimer().isRunning());
    EXPECT_TRUE(link.probeTimer().isRunning()) << "the scan found the port again";
    EXPECT_EQ(line.writes.last(), bytes({0xFF, 0x09, 0x00, 0x00}));
}

TEST_F(LinkTest, PresenceCheckNoticesAClosedPortWhoseNodeCameBack)
{
    identifyOn(1);
    ports.list.names = u"COM1A"_s;
    line.close();  // closed under the link without a word, node still listed
    clock.advance(1000ms);
    EXPECT_TRUE(view.log.contains(u">>>Connection BREAK !<<<"_s));
}

TEST_F(LinkTest, AfterBreakTheClosedPortIsTheOperatorsChoice)
{
    identifyOn(1);
    ports.list.names = u"COM1A"_s;
    link.disconnectMachine();
    clock.advance(3000ms);
    link.startCarving();
    EXPECT_FALSE(view.log.contains(u"BREAK"_s));
    EXPECT_TRUE(view.log.endsWith(u"Not sent, no machine connected: Start carving\r\n"_s));
}

TEST_F(LinkTest, AFailedWriteOnALiveLinkBreaksIt)
{
    identifyOn(1);
    line.failWrites = true;
    link.startCarving();
    EXPECT_TRUE(view.log.startsWith(u">>>Connection BREAK !<<<\r\n"_s));
    EXPECT_TRUE(view.log.endsWith(u"Not sent, no machine connected: Start carving\r\n"_s));
}

}  // namespace
