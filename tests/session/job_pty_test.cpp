// The job followed end to end against the simulated engraver, through a real pseudo-terminal.
#include "engraver-sim/engraver_sim.h"
#include "job_fixture.h"
#include "machine/machine_identity.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "render/upload_raster.h"
#include "session/session_impl.h"
#include "settings/settings_folder.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;
using State = run::JobModel::State;

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

    const platform::PortTableLister ports(platform::PortTable({machine.devicePath()}));
    platform::QtSerialLine line(platform::PortTable({machine.devicePath()}));
    platform::QtClock clock;
    RecordingView view;
    session::SessionImpl session({line, clock, view, ports, dir.path()}, {});
    const run::JobModel &model = session.model();
    const run::JobEstimator &estimator = session.estimator();
    const settings::ProfileFile settings(settings::settingsFilePath(dir.path()));

    session.begin();
    ASSERT_TRUE(runUntil([&] { return session.link().state() == link::LinkState::Identified; }));
    const auto carve = [&](const QImage &board, int burnTime) {
        session.burnTimeReleased(burnTime);
        session.takeJob({board, {}, {}, burnTime, {}});
        session.sendBoard();
        EXPECT_TRUE(runUntil([&] { return model.state() == State::Ready; }));
        const std::chrono::microseconds started = clock.now();
        session.start();
        EXPECT_TRUE(runUntil([&] { return model.state() == State::Finished; }));
        return std::chrono::duration<double>(clock.now() - started).count();
    };

    EXPECT_TRUE(estimator.estimate(run::JobRaster(render::packUploadRaster(stripes(0))), 20).rough);
    carve(stripes(0), 20);
    EXPECT_EQ(model.doneDots(), model.totalDots());
    EXPECT_EQ(model.skippedDots(), 0);
    EXPECT_EQ(model.percent(), 100);
    EXPECT_EQ(machine.burnt(), sim::Engraver::pictureOf(machine.receivedImage()));

    const run::JobRaster next(render::packUploadRaster(stripes(1)));
    // At the burn time it learnt: one run says nothing of how the time grows with the burn.
    const run::JobEstimator::Estimate foretold = estimator.estimate(next, 20);
    EXPECT_FALSE(foretold.rough);
    const double took = carve(stripes(1), 20);
    EXPECT_EQ(model.doneDots(), next.dots());
    const double estimated = double(foretold.duration.count()) / 1000.0;
    // Generous: the machine and the program share two busy cores with other tests.
    EXPECT_NEAR(estimated, took, took * 0.3) << "estimated " << estimated << " s, took " << took;
    const QString machineKey =
        u"Machine-"_s + machine::machineHash(machine::machineIdentity(machine.devicePath()));
    EXPECT_TRUE(run::TimeModel::fromText(settings.read(u"TimeModel"_s, machineKey, {})));
}

}  // namespace
