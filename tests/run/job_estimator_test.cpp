// The estimate and the time left, learnt from report timestamps on a manual clock.
#include "run/job_estimator.h"
#include "job_fixture.h"
#include "link/trace_log.h"
#include "machine/machine_identity.h"
#include "render/upload_raster.h"
#include "run/clock_text.h"
#include "run/job_trace.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;
using State = run::JobModel::State;

namespace {

// A machine whose hidden timing is in whole milliseconds: per dot (at the current burn
// time), per row with dots, per blank row.
struct Hidden {
    int dotMs;
    int rowMs;
    int blankRowMs;
};

// Text-like: bands of rows with a varying number of dots, blank rows between them.
QImage bands(int seed)
{
    return boardWith([seed](int x, int y) {
        const int band = y / 24;
        if (y % 24 > 13 || band % 3 == seed % 3 || y > 400) return false;
        return (x * (seed + 3) + y * 5) % (7 + band % 5) == 0 && x < 120 + band * 9;
    });
}

std::chrono::milliseconds hiddenTime(const run::JobRaster &raster, const Hidden &hidden)
{
    const run::CarveWork w = raster.work();
    return std::chrono::milliseconds(w.dots * hidden.dotMs + w.rows * hidden.rowMs +
                                     w.blankRows * hidden.blankRowMs);
}

class EstimatorTest : public JobTest {
protected:
    QTemporaryDir dir;
    settings::ProfileFile settings{dir.filePath(u"Config.ini"_s)};
    std::unique_ptr<run::JobEstimator> estimator = makeEstimator();

    std::unique_ptr<run::JobEstimator> makeEstimator(const QString &machine = Machine)
    {
        auto made = std::make_unique<run::JobEstimator>(model, link, jobs, clock, settings);
        made->machineFound(machine);
        return made;
    }
    static inline const QString Machine = u"by-id:usb-Maker_Serial_A1B2-if00-port0"_s;
    QString stored() const
    {
        return settings.read(u"TimeModel"_s, u"Machine-"_s + machine::machineHash(Machine), {});
    }

    // Carves the loaded raster as the simulated engraver does: each report once what comes
    // before it is done. `probe` runs after each dot with the fraction of dots done so far.
    void carve(const Hidden &hidden, const std::function<void(double)> &probe = {})
    {
        const run::JobRaster &raster = model.raster();
        jobs.start();
        std::chrono::milliseconds owed{0};
        qint64 done = 0;
        for (int y = 0; y < 512; ++y) {
            if (raster.dotsInRow(y) == 0) {
                owed += std::chrono::milliseconds(hidden.blankRowMs);
                continue;
            }
            clock.advance(owed + std::chrono::milliseconds(hidden.rowMs));
            owed = {};
            reportRow(y);
            for (int x = 0; x < 512; ++x) {
                if (!raster.isDot(x, y)) continue;
                reportDot(x);
                ++done;
                if (probe) probe(double(done) / double(raster.dots()));
                clock.advance(std::chrono::milliseconds(hidden.dotMs));
            }
        }
        clock.advance(owed);
        reportDone();
    }
};

TEST_F(EstimatorTest, OneJobTeachesTheEstimateForAnotherPictureAtAnotherBurnTime)
{
    const Hidden atTwenty{2, 15, 1};  // 0.1 ms a dot per unit of burn time
    upload(bands(1));
    const run::JobEstimator::Estimate before = estimator->estimate();
    EXPECT_TRUE(before.rough);
    EXPECT_EQ(before.dots, model.totalDots());
    EXPECT_GT(before.duration, hiddenTime(model.raster(), atTwenty)) << "the default is slow";

    jobs.burnTimeReleased(20);
    carve(atTwenty);
    ASSERT_EQ(model.state(), State::Finished);
    EXPECT_FALSE(estimator->estimate().rough);

    const run::JobRaster other(render::packUploadRaster(bands(2)));
    const Hidden atFifty{5, 15, 1};
    const double wanted = double(hiddenTime(other, atFifty).count());
    const double got = double(estimator->estimate(other, 50).duration.count());
    EXPECT_NEAR(got, wanted, wanted * 0.02);

    // Kept for the next session, and read back.
    ASSERT_TRUE(run::TimeModel::fromText(stored())) << stored().toStdString();
    estimator.reset();
    estimator = makeEstimator();
    EXPECT_FALSE(estimator->estimate(other, 50).rough);
    EXPECT_NEAR(double(estimator->estimate(other, 50).duration.count()), wanted, wanted * 0.02);
}

TEST_F(EstimatorTest, TimeLeftFollowsTheRunAndIsNeverNegative)
{
    jobs.burnTimeReleased(20);
    upload(bands(1));
    carve({2, 15, 1});

    upload(bands(2));
    jobs.burnTimeReleased(50);
    const Hidden hidden{5, 15, 1};
    const std::chrono::milliseconds total = hiddenTime(model.raster(), hidden);
    EXPECT_EQ(estimator->remaining(), estimator->estimate().duration);
    const std::chrono::microseconds started = clock.now();
    bool probed = false;
    carve(hidden, [&](double fraction) {
        if (probed || fraction < 0.1) return;
        probed = true;
        const double left = double((total - (clock.now() - started)).count()) / 1000.0;
        const double got = double(estimator->remaining().count());
        EXPECT_NEAR(got, left, left * 0.03);
        EXPECT_FALSE(estimator->remainingRough());
    });
    EXPECT_TRUE(probed);
    EXPECT_EQ(estimator->remaining(), 0ms);

    // A machine that goes silent: the time left counts down to what the rows below need.
    jobs.start();
    int first = 0;
    while (first < 511 && model.raster().dotsInRow(first) == 0) ++first;
    reportRow(first);
    for (int x = 0; x < 512; ++x) {
        if (!model.raster().isDot(x, first)) continue;
        reportDot(x);
        break;
    }
    const std::chrono::milliseconds atRow = estimator->remaining();
    clock.advance(1000ms);
    const std::chrono::milliseconds later = estimator->remaining();
    EXPECT_LT(later, atRow);
    clock.advance(10h);
    EXPECT_GE(estimator->remaining(), 0ms);
    EXPECT_LE(estimator->remaining(), later);
    EXPECT_GT(estimator->remaining(), 0ms) << "the rows not begun still take their time";

    jobs.pause();
    const std::chrono::milliseconds held = estimator->remaining();
    clock.advance(60s);
    EXPECT_EQ(estimator->remaining(), held);
    jobs.restart();
    EXPECT_EQ(estimator->remaining(), estimator->estimate().duration);
}

TEST_F(EstimatorTest, RoughUntilARunConfirmsTheModel)
{
    upload(bands(1));
    jobs.start();
    EXPECT_TRUE(estimator->remainingRough());
    jobs.restart();

    // A machine far slower than the default: the first rows' foretelling is wrong.
    bool roughEarly = false;
    carve({20, 60, 4}, [&](double fraction) {
        if (fraction < 0.02) roughEarly = roughEarly || estimator->remainingRough();
    });
    EXPECT_TRUE(roughEarly);
    EXPECT_FALSE(estimator->estimate().rough);
    EXPECT_TRUE(estimator->timeModel().isConfirmed());
}

TEST_F(EstimatorTest, ACorruptCalibrationIsIgnoredAndRewritten)
{
    for (const QString &bad :
         {u"v1 1 2 3"_s, u"v1 1 5 nan 0 0 0 1 0 0 1 0 1 0 0 0 0"_s, u"\x01\x02 garbage"_s}) {
        estimator.reset();
        ASSERT_TRUE(
            settings.write(u"TimeModel"_s, u"Machine-"_s + machine::machineHash(Machine), bad));
        estimator = makeEstimator();
        EXPECT_FALSE(estimator->timeModel().hasData());
        EXPECT_TRUE(estimator->estimate().rough);
        EXPECT_TRUE(run::TimeModel::fromText(stored())) << stored().toStdString();
    }
}

TEST_F(EstimatorTest, FollowsTheMachinesBurnTime)
{
    QSignalSpy changed(estimator.get(), &run::JobEstimator::estimateChanged);
    line.deliver(bytes({0xFF, 0x0A, 0x00, 0x1E}));  // the machine says 30
    EXPECT_EQ(estimator->burnTime(), 30);
    EXPECT_EQ(changed.count(), 0) << "no job, no estimate";
    upload(bands(1));
    EXPECT_EQ(changed.count(), 1);
    const std::chrono::milliseconds at30 = estimator->estimate().duration;
    jobs.burnTimeReleased(60);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_GT(estimator->estimate().duration, at30);
    jobs.burnTimeReleased(60);
    EXPECT_EQ(changed.count(), 2);
}

// A fast simulated engraver on the same firmware teaches nothing about the real machine.
TEST_F(EstimatorTest, EachMachineHasItsOwnModel)
{
    upload(bands(1));
    const run::JobEstimator::Estimate untaught = estimator->estimate();
    estimator = makeEstimator(u"port:/tmp/simulated-engraver"_s);
    upload(bands(1));
    carve({0, 0, 0});
    EXPECT_GT(estimator->timeModel().weight(), 0);

    estimator = makeEstimator();
    EXPECT_FALSE(estimator->timeModel().hasData());
    EXPECT_EQ(estimator->estimate(model.raster(), 40).duration, untaught.duration);
    EXPECT_TRUE(estimator->estimate(model.raster(), 40).rough);
}

// Two programs on one machine, as the window and tavro-burn: both runs count.
TEST_F(EstimatorTest, RunsOfTwoProgramsOnOneMachineBothCount)
{
    upload(bands(1));
    carve({2, 15, 1});
    const double oneRun = estimator->timeModel().weight();
    ASSERT_GT(oneRun, 0);
    {
        settings::ProfileFile otherFile(settings.path());
        run::JobEstimator other(model, link, jobs, clock, otherFile);
        other.machineFound(Machine);
        // Both watch the same run and keep what they learnt: the file must count it twice,
        // once for each, not once for whichever wrote last.
        upload(bands(1));
        carve({2, 15, 1});
    }
    EXPECT_DOUBLE_EQ(run::TimeModel::fromText(stored())->weight(), 3 * oneRun);
}

// A stored model that claims a machine carves in no time, and is confirmed.
TEST_F(EstimatorTest, NoStoredModelForetellsAJobInNoTime)
{
    ASSERT_TRUE(settings.write(u"TimeModel"_s, u"Machine-"_s + machine::machineHash(Machine),
                               u"v1 1 100000 1 0 0 0 1 0 0 1 0 1 0 0 0 0"_s));
    estimator = makeEstimator();
    upload(bands(1));
    const run::JobRaster &raster = model.raster();
    const auto lowest = run::TimeModel::Lowest;
    const double floorMs = lowest[0] * raster.dots() * 40 + lowest[1] * raster.rowsWithDots();
    EXPECT_GE(double(estimator->estimate().duration.count()), std::floor(floorMs));
    EXPECT_GT(estimator->estimate().duration.count(), 0);
}

TEST_F(EstimatorTest, TraceLinesFollowTheJob)
{
    link::TraceLog trace(line, messages);
    run::JobTrace jobTrace(model, *estimator, clock, trace);
    testing::internal::CaptureStderr();
    upload(boardWith([](int x, int y) { return y < 3 && x < 4; }));
    jobs.start();
    carveRow(0);
    clock.advance(1000ms);
    carveRow(1);
    carveRow(2);
    reportDone();
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
    QStringList lines;
    for (const QString &line : err.split(u'\n'))
        if (line.contains(u" job "_s)) lines << line.mid(line.indexOf(u"job "_s));
    ASSERT_EQ(lines.size(), 6) << err.toStdString();
    EXPECT_EQ(lines[0], u"job state ready"_s);
    EXPECT_TRUE(lines[1].startsWith(u"job estimate dots=12 rows=3 seconds="_s))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(u" rough=1"_s));
    EXPECT_EQ(lines[2], u"job state running"_s);
    EXPECT_TRUE(lines[3].startsWith(u"job progress done=4 total=12 percent=33 remaining="_s))
        << lines[3].toStdString();
    EXPECT_EQ(lines[4], u"job state finished"_s);
    EXPECT_EQ(lines[5], u"job progress done=12 total=12 percent=100 remaining=0.0"_s);
}

// How every duration is written for the operator, in the status bar, the card and tavro-burn.
TEST(ClockText, MinutesAndSecondsToTheNearestSecond)
{
    EXPECT_EQ(run::clockText(0ms), u"0:00"_s);
    EXPECT_EQ(run::clockText(499ms), u"0:00"_s);
    EXPECT_EQ(run::clockText(500ms), u"0:01"_s);
    EXPECT_EQ(run::clockText(59499ms), u"0:59"_s);
    EXPECT_EQ(run::clockText(59500ms), u"1:00"_s);
    EXPECT_EQ(run::clockText(4503s), u"75:03"_s) << "minutes go past an hour";
    EXPECT_EQ(run::clockText(-3s), u"0:00"_s) << "an overdue estimate owes nothing";
}

}  // namespace
