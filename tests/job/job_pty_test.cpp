// The job followed end to end against the simulated engraver, through a real pseudo-terminal.
#include "engraver-sim/engraver_sim.h"
#include "job/job_estimator.h"
#include "job/job_model.h"
#include "job/upload_raster.h"
#include "job_fixture.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;
using State = job::JobModel::State;

namespace {

constexpr int Patience = 60000;  // ms; a loaded machine may be slow

// Runs the event loop as the program does, so reports are taken (and timed) as they come;
// QTest::qWaitFor would take them in 10 ms lumps.
bool runUntil(const std::function<bool()> &condition)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition()) loop.quit();
    });
    QTimer::singleShot(Patience, &loop, &QEventLoop::quit);
    check.start(5);
    if (!condition()) loop.exec();
    return condition();
}

// 80 rows of about 20 dots in bands, blank rows between them: a second or two to carve.
QImage stripes(int phase)
{
    return boardWith([phase](int x, int y) {
        return y < 160 && (y / 4) % 2 == phase % 2 && x % (9 + phase) == 0 && x < 200;
    });
}

TEST(JobOnTheSimulator, EndsExactAndTeachesTheNextEstimate)
{
    QTemporaryDir dir;
    sim::EngraverOptions options;
    options.linkPath = dir.filePath(u"ttyJob"_s);
    options.eraseMs = 20;
    // A machine unlike the default, so that nothing the program assumes fits by chance.
    options.dotUs = 25;
    options.rowMs = 4;
    options.blankRowMs = 0.5;
    sim::Engraver machine(options);
    ASSERT_TRUE(machine.start());

    platform::PortTable table({machine.devicePath()});
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    RecordingView view;
    link::EngraverLink link(line, clock, view, [&] {
        return link::PortList{true, 0, table.presentPortList()};
    });
    job::MachineControls controls;
    job::JobControls jobs(link, clock, controls, view);
    job::JobModel model(link, jobs);
    platform::ProfileFile settings(dir.filePath(u"Config.ini"_s));
    job::JobEstimator estimator(model, link, jobs, clock, settings);

    link.startConnect();
    ASSERT_TRUE(runUntil([&] { return link.state() == link::LinkState::Identified; }));
    const auto carve = [&](const QImage &board, int burnTime) {
        jobs.burnTimeReleased(burnTime);
        jobs.prepareUpload(board);
        EXPECT_TRUE(runUntil([&] { return model.state() == State::Ready; }));
        const std::chrono::microseconds started = clock.now();
        jobs.start();
        EXPECT_TRUE(runUntil([&] { return model.state() == State::Finished; }));
        return std::chrono::duration<double>(clock.now() - started).count();
    };

    EXPECT_TRUE(estimator.estimate(job::JobRaster(job::packUploadRaster(stripes(0))), 20).rough);
    carve(stripes(0), 20);
    EXPECT_EQ(model.doneDots(), model.totalDots());
    EXPECT_EQ(model.skippedDots(), 0);
    EXPECT_EQ(model.percent(), 100);
    EXPECT_EQ(machine.burnt(), sim::Engraver::pictureOf(machine.receivedImage()));

    const job::JobRaster next(job::packUploadRaster(stripes(1)));
    const job::JobEstimator::Estimate foretold = estimator.estimate(next, 45);
    EXPECT_FALSE(foretold.rough);
    const double took = carve(stripes(1), 45);
    EXPECT_EQ(model.doneDots(), next.dots());
    const double estimated = double(foretold.duration.count()) / 1000.0;
    // Generous: the machine and the program share two busy cores with other tests.
    EXPECT_NEAR(estimated, took, took * 0.3) << "estimated " << estimated << " s, took " << took;
    EXPECT_TRUE(job::TimeModel::fromText(settings.read(u"TimeModel"_s, u"Firmware2"_s, {})));
}

}  // namespace
