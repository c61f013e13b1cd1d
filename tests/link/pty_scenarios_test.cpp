// The link against the simulated engraver through real pseudo-terminals; timers on a manual clock.
#include "engraver-sim/engraver_sim.h"
#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "platform/qt_serial_line.h"
#include "pty_far_end.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

constexpr int Patience = 20000;  // ms; generous for a loaded machine

class PtyScenarios : public ::testing::Test {
protected:
    QTemporaryDir dir;
    platform::PortTable table{[this] {
        QStringList devices;
        const QString tag = u"%1-%2"_s.arg(QCoreApplication::applicationPid()).arg(++s_serial);
        for (int n = 1; n <= 64; ++n) devices << dir.filePath(u"ttyT%1-COM%2"_s.arg(tag).arg(n));
        return devices;
    }()};
    platform::QtSerialLine line{table};
    platform::ManualClock clock;
    RecordingView view;
    platform::PortTableLister ports{table};
    link::MessageLog messages;
    link::EngraverLink link{line, clock, view, ports, messages};
    std::map<int, std::unique_ptr<sim::Engraver>> machines;

    PtyScenarios() { view.follow(link, messages); }

    sim::Engraver &machineOn(int port,
                             const std::function<void(sim::EngraverOptions &)> &tweak = {})
    {
        sim::EngraverOptions options;
        if (tweak) tweak(options);
        options.linkPath = table.devicePath(port);
        options.fast = true;
        auto machine = std::make_unique<sim::Engraver>(options);
        QString error;
        EXPECT_TRUE(machine->start(&error)) << error.toStdString();
        return *(machines[port] = std::move(machine));
    }
    bool waitFor(const std::function<bool()> &condition)
    {
        return QTest::qWaitFor(condition, Patience);
    }
    bool waitForLog(const QString &text)
    {
        return waitFor([&] { return view.log.contains(text); });
    }
    // The link's short waits (the 5 ms before an image block) run on the manual clock.
    bool waitForLogAsTimePasses(const QString &text)
    {
        return waitFor([&] {
            clock.advance(5ms);
            return view.log.contains(text);
        });
    }
    bool identified() { return link.state() == link::LinkState::Identified; }

    static inline int s_serial = 0;
};

TEST_F(PtyScenarios, MachineAloneOnCom3IsIdentifiedWithoutATimerTick)
{
    sim::Engraver &machine = machineOn(3);
    link.startConnect();
    EXPECT_EQ(line.portNumber(), 3);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_EQ(clock.now(), 0ms);
    EXPECT_EQ(link.connectedPort(), 3);
    EXPECT_TRUE(waitForLog(u"Initialization complete!"_s));
    EXPECT_TRUE(waitFor([&] { return view.events.contains(u"burn:40"_s); }));
    EXPECT_TRUE(view.log.contains(u"Firmware version : 2\r\n"_s));
    EXPECT_EQ(machine.receivedFrames().value(0), bytes({0xFF, 0x09, 0x00, 0x00}));
}

TEST_F(PtyScenarios, SilentDeviceOnCom3ThenTheMachineOnCom5)
{
    sim::Engraver &silent = machineOn(3, [](auto &o) { o.silent = true; });
    machineOn(5);
    link.startConnect();
    EXPECT_EQ(line.portNumber(), 3);
    EXPECT_TRUE(waitFor([&] { return silent.receivedFrames().size() == 1; }));
    QTest::qWait(100);
    EXPECT_EQ(link.state(), link::LinkState::Probing);
    clock.advance(1000ms);
    EXPECT_EQ(line.portNumber(), 5);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_EQ(link.connectedPort(), 5);
}

TEST_F(PtyScenarios, WrongProductIdEndsTheSearch)
{
    machineOn(2, [](auto &o) { o.productId = 11; });
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return view.events.contains(u"box:ERROR|Wrong Product ID"_s); }));
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(link.state(), link::LinkState::NotConnected);
}

TEST_F(PtyScenarios, ScanExhaustedAtCom64StartsTheRetryTimer)
{
    machineOn(64, [](auto &o) { o.silent = true; });
    link.startConnect();
    EXPECT_EQ(line.portNumber(), 64);
    clock.advance(1000ms);
    EXPECT_EQ(link.portNumber(), 65);
    EXPECT_EQ(link.state(), link::LinkState::WaitingToRetry);
    EXPECT_EQ(link.retryTimer().interval(), 2000ms);
}

TEST_F(PtyScenarios, PulledCableBreaksTheLinkAndTheMachineIsFoundAgain)
{
    sim::Engraver &machine = machineOn(2);
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    machine.unplug();
    // The port's own error breaks the link; no presence tick is needed.
    ASSERT_TRUE(waitForLog(u">>>Connection BREAK !<<<\r\n"_s));
    EXPECT_EQ(link.state(), link::LinkState::WaitingToRetry);
    ASSERT_TRUE(machine.plugIn());
    clock.advance(2000ms);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_EQ(view.log.count(u"CONNECTED !"_s), 2);
}

TEST_F(PtyScenarios, AQuickReplugIsABreakNotAFalseConnection)
{
    sim::Engraver &machine = machineOn(2);
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    machine.unplug();
    QTest::qWait(200);
    ASSERT_TRUE(machine.plugIn());  // the same node is back within a second
    ASSERT_TRUE(waitForLog(u">>>Connection BREAK !<<<\r\n"_s));
    // Broken while the node was away: the next retry tick finds it again.
    if (link.state() == link::LinkState::WaitingToRetry) clock.advance(2000ms);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_EQ(view.log.count(u"CONNECTED !"_s), 2);
    EXPECT_TRUE(line.isOpen()) << "identified means a port that is really open";
    link.startCarving();
    EXPECT_TRUE(waitFor([&] { return machine.receivedFrames().contains(bytes({0xFF, 1, 1, 0})); }));
}

TEST_F(PtyScenarios, BreakWhileIdentifiedLeavesEverythingElseAlone)
{
    sim::Engraver &machine = machineOn(1);
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    link.disconnectMachine();
    EXPECT_FALSE(line.isOpen());
    clock.advance(5000ms);
    QTest::qWait(50);
    EXPECT_FALSE(line.isOpen());
    EXPECT_EQ(machine.receivedFrames().size(), 1) << "nothing was sent after the identification";
    EXPECT_TRUE(view.events.contains(u"disable-controls"_s));
}

TEST_F(PtyScenarios, BreakWhileProbingTheScanGoesOn)
{
    machineOn(3, [](auto &o) { o.silent = true; });
    machineOn(6);
    link.startConnect();
    link.disconnectMachine();
    clock.advance(1000ms);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_EQ(link.connectedPort(), 6);
}

TEST_F(PtyScenarios, GarbageOnTheLineDoesNotHideTheAnswers)
{
    machineOn(1, [](auto &o) { o.garbage = true; });
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_TRUE(waitForLog(u"Firmware version : 2"_s));
}

TEST_F(PtyScenarios, JobButtonsPutTheirFramesOnTheWire)
{
    sim::Engraver &machine = machineOn(1);
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    link.startCarving();
    link.pauseCarving();
    link.recarveJob();
    link.restartJob();
    link.skipRowsBackward();
    link.skipRowsForward();
    link.setBurnTime(77);
    link.jogRight();
    link.gotoPoint(250, 317);
    const QList<QByteArray> expected = {bytes({0xFF, 9, 0, 0}),
                                        bytes({0xFF, 1, 1, 0}),
                                        bytes({0xFF, 1, 2, 0}),
                                        bytes({0xFF, 1, 3, 0}),
                                        bytes({0xFF, 4, 1, 0}),
                                        bytes({0xFF, 7, 1, 0}),
                                        bytes({0x55}),
                                        bytes({0xFF, 7, 2, 0}),
                                        bytes({0xAA}),
                                        bytes({0xFF, 5, 77, 0}),
                                        bytes({0xFF, 3, 4, 0}),
                                        bytes({4}),
                                        bytes({0xFF, 0x0A, 2, 50}),
                                        bytes({0xFF, 0x0B, 3, 17})};
    ASSERT_TRUE(waitFor([&] { return machine.receivedFrames().size() >= 14; }));
    EXPECT_EQ(machine.receivedFrames(), expected);
    EXPECT_TRUE(waitFor([&] { return machine.burnTime() == 77; }));
}

TEST_F(PtyScenarios, UploadThenCarveDrawsTheTraceOnTheDots)
{
    sim::Engraver &machine = machineOn(1);
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    QByteArray raster(32768, '\0');
    const QList<QPoint> dots = {{0, 0}, {7, 0}, {300, 144}, {511, 511}, {8, 255}};
    for (const QPoint &p : dots) raster[p.y() * 64 + p.x() / 8] |= char(0x80 >> (p.x() % 8));
    raster[100 * 64 + 10] = char(0xFF);  // a run of eight, whose byte looks like a start marker
    link.requestNewImage(raster);
    ASSERT_TRUE(waitForLogAsTimePasses(u"Sending Complete !\r\n\r\n"_s));
    ASSERT_TRUE(waitFor([&] { return machine.imagesReceived() == 1; }));
    EXPECT_EQ(machine.receivedImage(), raster);

    view.points.clear();
    link.startCarving();
    ASSERT_TRUE(waitFor([&] { return view.events.contains(u"carve-done"_s); }));
    QImage trace(512, 512, QImage::Format_RGB32);
    trace.fill(Qt::white);
    for (const QPoint &p : std::as_const(view.points)) {
        ASSERT_TRUE(trace.rect().contains(p)) << p.x() << "," << p.y();
        trace.setPixel(p, qRgb(0, 0, 0));
    }
    EXPECT_EQ(trace, sim::Engraver::pictureOf(raster)) << "the trace lands on the dots";
    EXPECT_EQ(machine.burnt(), sim::Engraver::pictureOf(raster));
}

TEST_F(PtyScenarios, CablePulledDuringTheUploadIsNotReportedAsSent)
{
    sim::Engraver &machine = machineOn(1, [](auto &o) { o.paced = true; });
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    link.requestNewImage(QByteArray(32768, '\x11'));
    ASSERT_TRUE(waitForLogAsTimePasses(u"Sending New Image...\r\n"_s));
    ASSERT_TRUE(waitFor([&] { return machine.receivedBytes().size() > 2000; }));
    machine.unplug();
    ASSERT_TRUE(waitForLog(u"Sending Failed !\r\n\r\n"_s));
    EXPECT_FALSE(view.log.contains(u"Sending Complete"_s));
    clock.advance(1000ms);
    EXPECT_TRUE(view.log.contains(u">>>Connection BREAK !<<<"_s));
}

// A driver whose buffer is full refuses more for a moment; that is no lost port.
TEST_F(PtyScenarios, CommandsDuringAPacedUploadWaitBehindTheBlock)
{
    sim::Engraver &machine = machineOn(1, [](auto &o) { o.paced = true; });
    link.startConnect();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    const QByteArray block(32768, '\x11');
    link.requestNewImage(block);
    ASSERT_TRUE(waitForLogAsTimePasses(u"Sending New Image...\r\n"_s));
    ASSERT_TRUE(waitFor([&] { return machine.receivedBytes().size() > 3000; }));
    link.jogUp();
    link.pauseCarving();
    link.setBurnTime(55);
    EXPECT_EQ(link.state(), link::LinkState::Identified);
    ASSERT_TRUE(waitForLog(u"Sending Complete !\r\n\r\n"_s));
    EXPECT_FALSE(view.log.contains(u"Not sent"_s));
    EXPECT_FALSE(view.log.contains(u"BREAK"_s));
    ASSERT_TRUE(waitFor([&] { return machine.burnTime() == 55; }));
    EXPECT_EQ(machine.receivedImage(), block);
}

TEST_F(PtyScenarios, FramesThatArriveWhileABoxIsOpenAreHandledWhenItCloses)
{
    PtyFarEnd far(table.devicePath(1));
    link.startConnect();
    ASSERT_TRUE(line.isOpen());
    view.onMessage = [&](const QString &) {
        // Like a modal box: an event loop runs while the operator reads it.
        far.send(bytes({0xFF, 0x07, 0x01, 0x00, 0xFF, 0x0A, 0x00, 0x4D}));
        far.send(bytes({0xFF, 0x06, 0x00, 0x00}));
        QTest::qWait(300);
    };
    far.send(bytes({0xFF, 0x02, 0x03, 0x00}));
    ASSERT_TRUE(waitForLog(u"Firmware version : 3\r\n"_s));
    // Nothing more comes from the machine; what waited must not wait for it.
    EXPECT_TRUE(waitFor([&] { return view.events.contains(u"carve-done"_s); }));
    EXPECT_TRUE(view.log.contains(u"Initialization complete!"_s));
    EXPECT_TRUE(view.events.contains(u"burn:77"_s));
    const auto initialised = std::find_if(view.events.begin(), view.events.end(), [](auto &e) {
        return e.contains(u"Initialization complete!"_s);
    });
    EXPECT_LT(initialised, std::find(view.events.begin(), view.events.end(), u"carve-done"_s));
}

TEST_F(PtyScenarios, AFloodOfRandomBytesIsTakenWithoutHarm)
{
    PtyFarEnd far(table.devicePath(1));
    link.startConnect();
    ASSERT_TRUE(line.isOpen());
    // Random frames may well say "wrong product id" and close the port; a
    // closed port takes nothing more, so the flood then stops.
    QDeadlineTimer deadline(Patience);
    const auto sendAll = [&](QByteArray data) {
        while (!data.isEmpty() && line.isOpen() && !deadline.hasExpired()) {
            data.remove(0, far.send(data));
            QCoreApplication::processEvents();
        }
    };
    std::mt19937 rng(3);
    QByteArray noise(1 << 16, '\0');
    for (int round = 0; round < 40 && line.isOpen(); ++round) {
        for (auto &c : noise) c = static_cast<char>(rng());
        sendAll(noise);
    }
    QTest::qWait(50);
    far.readSome();
    if (!line.isOpen()) {
        ASSERT_TRUE(line.open(1));
    }
    sendAll(bytes({0xFF, 0x08, 0x01, 0x02}));
    ASSERT_TRUE(waitForLog(u"102\r\n"_s));
    EXPECT_EQ(link.pendingBytes(), 0u);
    EXPECT_LE(link.receiver().rxCount(), 3);
}

}  // namespace
