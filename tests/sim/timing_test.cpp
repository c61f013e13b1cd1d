// The carve's timing model, driven on a clock of the test's own: when each report goes out.
#include "engraver-sim/machine.h"
#include "pty_client.h"

#include <gtest/gtest.h>

#include <map>

using namespace std::chrono_literals;

namespace tavro::sim::test {
namespace {

constexpr int ImageBytes = 512 * 64;

void setDot(QByteArray &raster, int x, int y)
{
    raster[y * 64 + x / 8] = char(raster.at(y * 64 + x / 8) | (0x80 >> (x % 8)));
}

class TimingTest : public ::testing::Test {
protected:
    using Clock = Machine::Clock;

    // Loads the raster through the upload exchange and clears the output.
    void load(Machine &machine, const QByteArray &raster)
    {
        machine.receive(frame(0x06), t0);
        machine.advance(t0 + 1s, 1 << 20);
        machine.receive(raster, t0 + 1s);
        machine.takeOutput();
    }

    // Runs the machine in 1 ms steps until carve done; the time (ms after `start`) at
    // which each report first appeared, keyed by its bytes' order of arrival.
    std::vector<std::pair<QByteArray, int>> run(Machine &machine, Clock::time_point start,
                                                int limitMs = 10000)
    {
        std::vector<std::pair<QByteArray, int>> reports;
        for (int ms = 0; ms <= limitMs; ++ms) {
            machine.advance(start + std::chrono::milliseconds(ms), 1 << 20);
            const QByteArray out = machine.takeOutput();
            for (qsizetype i = 0; i + 4 <= out.size(); i += 4)
                reports.emplace_back(out.mid(i, 4), ms);
            if (machine.carveDone()) break;
        }
        return reports;
    }

    const Clock::time_point t0 = Clock::now();
};

TEST_F(TimingTest, DotsRowsAndBlankRowsTakeTheirOwnTime)
{
    EngraverOptions options;
    options.eraseMs = 0;
    options.burnTime = 10;
    options.dotUs = 1000;  // 10 ms a dot at burn time 10
    options.rowMs = 40;
    options.blankRowMs = 2;
    Machine machine(options);
    QByteArray raster(ImageBytes, '\0');
    for (int x = 0; x < 5; ++x) setDot(raster, x, 10);
    for (int x = 0; x < 3; ++x) setDot(raster, 100 + x, 20);
    load(machine, raster);

    const Clock::time_point start = t0 + 2s;
    machine.receive(frame(0x01, 1), start);
    const auto reports = run(machine, start);
    std::map<QByteArray, int> at;
    for (const auto &[bytes, ms] : reports) at.emplace(bytes, ms);

    // Ten blank rows and the move to row 10, then its five dots; nine blank rows and
    // the move to row 20, its three dots; then the 491 rows below, down to the bottom.
    EXPECT_EQ(at.at(splitFrame(0x04, 10)), 10 * 2 + 40);
    EXPECT_EQ(at.at(splitFrame(0x03, 5)), 60 + 4 * 10);
    EXPECT_EQ(at.at(splitFrame(0x04, 20)), 60 + 5 * 10 + 9 * 2 + 40);
    EXPECT_EQ(at.at(frame(0x06)), 168 + 3 * 10 + 491 * 2);
}

TEST_F(TimingTest, FastIgnoresTheTimingAndAPauseKeepsWhatWasLeft)
{
    QByteArray raster(ImageBytes, '\0');
    setDot(raster, 7, 300);
    {
        EngraverOptions options;
        options.eraseMs = 0;
        options.fast = true;
        Machine machine(options);
        load(machine, raster);
        machine.receive(frame(0x01, 1), t0 + 2s);
        const auto reports = run(machine, t0 + 2s);
        ASSERT_EQ(reports.size(), 3u);
        EXPECT_EQ(reports.back().second, 0);
    }
    EngraverOptions options;
    options.eraseMs = 0;
    options.rowMs = 0;
    options.blankRowMs = 1;
    Machine machine(options);
    load(machine, raster);
    const Clock::time_point start = t0 + 2s;
    machine.receive(frame(0x01, 1), start);
    machine.advance(start + 100ms, 1 << 20);
    machine.receive(frame(0x01, 2), start + 100ms);
    // Paused 5 s after 100 of the 300 blank rows: the rest still takes 200 ms.
    const Clock::time_point resume = start + 5100ms;
    machine.advance(resume, 1 << 20);
    EXPECT_TRUE(machine.takeOutput().isEmpty());
    machine.receive(frame(0x01, 1), resume);
    const auto reports = run(machine, resume);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front().first, splitFrame(0x04, 300));
    EXPECT_EQ(reports.front().second, 200);
}

}  // namespace
}  // namespace tavro::sim::test
