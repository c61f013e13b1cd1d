// The job model's counting and states, through scripted report streams.
#include "job_fixture.h"
#include "render/upload_raster.h"

#include <QSignalSpy>

#include <random>

using namespace tavro;
using namespace tavro::test;
using State = run::JobModel::State;

namespace {

// Rows 0..39 with two dots each, at columns 10 and 20: 80 dots.
QImage fortyRows()
{
    return boardWith([](int x, int y) { return y < 40 && (x == 10 || x == 20); });
}

class JobModelTest : public JobTest {
protected:
    QStringList states;
    QList<run::CarveStep> steps;

    JobModelTest()
    {
        QObject::connect(&model, &run::JobModel::stateChanged, &view,
                         [this](State s) { states << run::JobModel::stateName(s); });
        QObject::connect(&model, &run::JobModel::carveStep, &view,
                         [this](const run::CarveStep &step) { steps << step; });
    }

    void expectComplete()
    {
        EXPECT_EQ(model.state(), State::Finished);
        EXPECT_EQ(model.doneDots() + model.skippedDots(), model.totalDots());
        EXPECT_EQ(model.percent(), 100);
    }
};

TEST(JobRaster, CountsDotsAndRowsInCarveOrder)
{
    const QImage board = boardWith([](int x, int y) {
        return (y == 7 && (x == 0 || x == 511)) || (y == 300 && x < 9) || (y == 511 && x == 3);
    });
    const run::JobRaster raster(render::packUploadRaster(board));
    ASSERT_TRUE(raster.isValid());
    EXPECT_EQ(raster.dots(), 12);
    EXPECT_EQ(raster.rowsWithDots(), 3);
    EXPECT_EQ(raster.dotsInRow(300), 9);
    EXPECT_EQ(raster.dotsInRow(-1), 0);
    EXPECT_TRUE(raster.isDot(511, 7));
    EXPECT_FALSE(raster.isDot(512, 7));
    QList<int> rows;
    for (int row = -1; row <= 512; ++row)
        if (raster.dotsInRow(row) > 0) rows.append(row);
    EXPECT_EQ(rows, (QList<int>{7, 300, 511}));
    EXPECT_EQ(raster.lastRowWithDots(), 511);
    EXPECT_EQ(raster.work(), (run::CarveWork{12, 3, 509}));
    EXPECT_EQ(raster.workFrom(8), (run::CarveWork{10, 2, 502}));
    EXPECT_EQ(raster.workFrom(512), (run::CarveWork{0, 0, 0}));

    EXPECT_FALSE(run::JobRaster(QByteArray(100, '\xFF')).isValid());
    EXPECT_EQ(run::JobRaster().work(), run::CarveWork{});
    EXPECT_EQ(run::JobRaster(QByteArray(32768, '\0')).work(), (run::CarveWork{0, 0, 512}));
}

TEST_F(JobModelTest, AJobCarvedInOrderEndsExactlyAtTheTotal)
{
    EXPECT_EQ(model.state(), State::NoJob);
    upload(fortyRows());
    EXPECT_EQ(model.state(), State::Ready);
    EXPECT_EQ(model.totalDots(), 80);
    EXPECT_EQ(model.remainingWork(), run::CarveWork{});

    jobs.start();
    EXPECT_EQ(model.state(), State::Running);
    EXPECT_EQ(model.remainingWork(), (run::CarveWork{80, 40, 472}));
    carveRows(0, 20);
    EXPECT_EQ(model.doneDots(), 40);
    EXPECT_EQ(model.percent(), 50);
    EXPECT_EQ(model.currentRow(), 19);
    reportRow(20);
    reportDot(10);
    EXPECT_EQ(model.remainingWork(), (run::CarveWork{39, 19, 472}));
    EXPECT_EQ(model.workAfterCurrentRow(), (run::CarveWork{38, 19, 472}));
    reportDot(20);
    carveRows(21, 40);
    EXPECT_EQ(model.percent(), 100);
    EXPECT_EQ(model.state(), State::Running) << "the last dot is not the end";
    reportDone();
    expectComplete();
    EXPECT_EQ(model.doneDots(), 80);
    EXPECT_EQ(model.skippedDots(), 0);
    EXPECT_EQ(states, (QStringList{u"ready"_s, u"running"_s, u"finished"_s}));

    // Every row began a measured step, and the end closed the last one.
    ASSERT_EQ(steps.size(), 41);
    EXPECT_EQ(steps.first().work, (run::CarveWork{0, 1, 0}));
    EXPECT_EQ(steps[5].work, (run::CarveWork{2, 1, 0}));
    EXPECT_EQ(steps.last().work, (run::CarveWork{2, 0, 472}));
    EXPECT_TRUE(std::all_of(steps.begin(), steps.end(), [](auto &s) { return s.measured; }));
}

TEST_F(JobModelTest, FastForwardCountsWhatItPassesOverAsSkipped)
{
    upload(fortyRows());
    jobs.start();
    carveRows(0, 4);
    reportRow(4);
    reportDot(10);  // one of row 4's two dots
    jobs.fastForward();
    EXPECT_EQ(model.skippedDots(), 0) << "settled by the machine's next report";
    carveRow(19);
    // The rest of row 4 and rows 5..18.
    EXPECT_EQ(model.skippedDots(), 1 + 14 * 2);
    EXPECT_EQ(model.doneDots(), 4 * 2 + 1 + 2);
    EXPECT_EQ(model.percent(), (11 + 29) * 100 / 80);
    EXPECT_FALSE(steps.last().measured) << "a skip is no measurement";
    carveRows(20, 40);
    reportDone();
    expectComplete();
    EXPECT_EQ(model.skippedDots(), 29);
    EXPECT_EQ(model.doneDots(), 51);

    // A skip past the last row skips everything below.
    jobs.start();
    carveRows(0, 30);
    jobs.fastForward();
    reportDone();
    clock.advance(run::JobModel::DoneQuiet);  // no report says where the skip took the head
    expectComplete();
    EXPECT_EQ(model.skippedDots(), 20);
}

TEST_F(JobModelTest, FastBackwardRepeatsRowsWithoutCountingThemTwice)
{
    upload(fortyRows());
    jobs.start();
    carveRows(0, 21);
    jobs.fastBackward();
    carveRows(5, 21);
    EXPECT_EQ(model.doneDots(), 42);
    EXPECT_EQ(model.currentRow(), 20);
    carveRows(21, 40);
    reportDone();
    expectComplete();
    EXPECT_EQ(model.doneDots(), 80);
    EXPECT_EQ(model.skippedDots(), 0);

    // Forward, then back into the skipped rows: what is carved there is done after all.
    jobs.start();
    carveRows(0, 10);
    jobs.fastForward();
    carveRow(24);
    EXPECT_EQ(model.skippedDots(), 28);
    jobs.fastBackward();
    carveRows(9, 40);
    EXPECT_EQ(model.skippedDots(), 0);
    reportDone();
    expectComplete();
    EXPECT_EQ(model.doneDots(), 80);
}

TEST_F(JobModelTest, RecarveGoesBackToTheTopAndRestartStops)
{
    upload(fortyRows());
    jobs.start();
    carveRows(0, 30);
    jobs.recarve();
    EXPECT_EQ(model.state(), State::Running);
    EXPECT_EQ(model.doneDots(), 0);
    EXPECT_EQ(model.currentRow(), -1);
    carveRows(0, 40);
    reportDone();
    expectComplete();
    EXPECT_EQ(model.doneDots(), 80);

    jobs.recarve();  // from a finished job too
    carveRows(0, 10);
    jobs.restart();
    EXPECT_EQ(model.state(), State::Ready);
    EXPECT_EQ(model.doneDots(), 0);
    carveRow(11);  // late reports of the stopped run
    reportDone();
    EXPECT_EQ(model.state(), State::Ready);
    EXPECT_EQ(model.doneDots(), 0);
}

TEST_F(JobModelTest, PauseHoldsAndStartResumesWithoutMeasuringAcrossThePause)
{
    upload(fortyRows());
    jobs.start();
    carveRows(0, 10);
    jobs.pause();
    EXPECT_EQ(model.state(), State::Paused);
    reportRow(10);  // in flight when the pause went out
    reportDot(10);
    EXPECT_EQ(model.doneDots(), 21);
    jobs.pause();
    EXPECT_EQ(model.state(), State::Paused);
    jobs.start();
    EXPECT_EQ(model.state(), State::Running);
    reportDot(20);
    carveRow(11);
    EXPECT_FALSE(steps.last().measured);
    carveRow(12);
    EXPECT_TRUE(steps.last().measured);
    EXPECT_EQ(model.doneDots(), 26);
    EXPECT_EQ(states, (QStringList{u"ready"_s, u"running"_s, u"paused"_s, u"running"_s}));
}

TEST_F(JobModelTest, ALostLinkInterruptsARunningOrPausedJobOnly)
{
    upload(fortyRows());
    line.breakPort();
    EXPECT_EQ(model.state(), State::Ready);

    line.openable = {1};
    link.startConnect();
    line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
    jobs.start();
    carveRows(0, 5);
    line.breakPort();
    EXPECT_EQ(model.state(), State::Interrupted);
    EXPECT_EQ(model.remainingWork(), (run::CarveWork{70, 35, 472}));
    carveRow(5);  // whatever comes now is not followed
    EXPECT_EQ(model.doneDots(), 10);

    line.openable = {1};
    link.startConnect();
    line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
    jobs.start();
    EXPECT_EQ(model.state(), State::Running);
    jobs.pause();
    link.disconnectMachine();
    EXPECT_EQ(model.state(), State::Interrupted);
}

TEST_F(JobModelTest, CommandsThatNeverLeftChangeNothing)
{
    upload(fortyRows());
    line.close();
    jobs.start();
    EXPECT_EQ(model.state(), State::Ready);
    line.open(1);
    jobs.start();
    line.close();
    jobs.pause();
    jobs.recarve();
    jobs.restart();
    EXPECT_EQ(model.state(), State::Running);
}

TEST_F(JobModelTest, ANewImageEndsTheJobUntilItsBlockIsOut)
{
    upload(fortyRows());
    jobs.start();
    carveRows(0, 3);
    QSignalSpy raster(&model, &run::JobModel::rasterChanged);
    sending = render::packUploadRaster(boardWith([](int x, int y) { return x == y; }));
    jobs.prepareUpload(sending);
    EXPECT_EQ(model.state(), State::NoJob);
    EXPECT_EQ(model.totalDots(), 0);
    jobs.start();  // the machine has no image: nothing to follow
    EXPECT_EQ(model.state(), State::NoJob);
    line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
    clock.advance(link::EngraverLink::UploadDelay);
    EXPECT_EQ(model.state(), State::Ready);
    EXPECT_EQ(model.totalDots(), 512);
    EXPECT_EQ(raster.count(), 1);

    line.blocksDrainAtOnce = false;
    sending = render::packUploadRaster(boardWith([](int, int) { return false; }));
    jobs.prepareUpload(sending);
    line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
    clock.advance(link::EngraverLink::UploadDelay);
    line.finishBlock(false);
    EXPECT_EQ(model.state(), State::NoJob);
}

TEST_F(JobModelTest, ReportsThatDoNotFitTheRasterAreNotCounted)
{
    upload(fortyRows());
    model.expectHeadMoves();
    carveRows(0, 40);  // a jog or a box before Start
    reportDone();
    EXPECT_EQ(model.doneDots(), 0);
    EXPECT_EQ(model.state(), State::Ready);

    jobs.start();
    reportDot(10);  // before any row
    carveRow(0);
    reportDot(11);  // no dot there
    reportDot(-1);
    reportDot(600);
    reportRow(700);
    reportDot(10);  // the same dot again
    EXPECT_EQ(model.doneDots(), 2);
    carveRow(2);
    EXPECT_FALSE(steps.last().measured) << "a stray report spoils the measurement";
    carveRow(1);  // out of order
    EXPECT_EQ(model.doneDots(), 6);
    EXPECT_FALSE(steps.last().measured);
    reportDone();
    clock.advance(run::JobModel::DoneQuiet);
    expectComplete();
    model.expectHeadMoves();
    carveRows(0, 40);
    reportDone();
    EXPECT_EQ(model.doneDots(), 80);
    EXPECT_EQ(states.count(u"finished"_s), 1);
}

// Line noise makes carve-done frames: only one the reports bear out ends a job at once.
TEST_F(JobModelTest, ACarveDoneEndsAJobOnlyWhereTheMachineCanBeDone)
{
    const QSignalSpy ended(&model, &run::JobModel::carveEnded);
    upload(fortyRows());
    reportDone();  // nothing started
    jobs.start();
    carveRows(0, 20);
    reportDone();
    EXPECT_EQ(model.state(), State::Running) << "rows 20 to 39 are still to come";
    carveRow(20);  // the machine goes on: it was noise
    clock.advance(run::JobModel::DoneQuiet);
    EXPECT_EQ(model.state(), State::Running);
    reportRow(45);  // a row without dots is no report of this carve
    EXPECT_EQ(model.currentRow(), 20);
    carveRows(21, 40);
    reportDone();
    expectComplete();
    EXPECT_EQ(ended.count(), 1);

    // Paused, the machine carves nothing and cannot finish.
    jobs.start();
    carveRows(0, 10);
    jobs.pause();
    reportDone();
    clock.advance(run::JobModel::DoneQuiet * 2);
    EXPECT_EQ(model.state(), State::Paused);

    // The last row's report lost: the machine's word, once it has gone quiet.
    jobs.start();
    carveRows(10, 39);
    reportDone();
    EXPECT_EQ(model.state(), State::Running);
    clock.advance(run::JobModel::DoneQuiet);
    expectComplete();
    EXPECT_EQ(ended.count(), 2);

    // One stray report after the job is no carve of the machine's own; a stream is.
    reportRow(3);
    EXPECT_EQ(model.state(), State::Finished);
    reportRow(5);
    reportDot(10);
    reportDot(20);
    EXPECT_EQ(model.state(), State::Running);
    EXPECT_FALSE(model.startedHere());
}

TEST_F(JobModelTest, NoStreamOfReportsOrCommandsTakesTheCountsOutOfRange)
{
    std::mt19937 random(12345);
    const QImage board =
        boardWith([](int x, int y) { return (x * 7 + y * 3) % 11 == 0 && y < 200; });
    // Reports after the carve are head moves here; a carve of the machine's own has a test.
    for (int round = 0; round < 20; ++round) {
        model.expectHeadMoves();
        upload(board);
        jobs.start();
        for (int i = 0; i < 3000; ++i) {
            const int kind = int(random() % 100);
            if (kind < 40)
                reportDot(int(random() % 520) - 4);
            else if (kind < 70)
                reportRow(int(random() % 260) - 2);
            else if (kind < 72)
                jobs.fastForward();
            else if (kind < 74)
                jobs.fastBackward();
            else if (kind < 75)
                jobs.pause();
            else if (kind < 77)
                jobs.start();
            else if (kind < 78)
                jobs.recarve();
            else if (kind < 79)
                reportDone();
            else if (kind < 80)  // anything but an identity or an image request
                line.deliver(bytes({0xFF, std::array{0, 2, 7, 8, 9, 10, 11}[random() % 7],
                                    int(random() % 256), 0}));
            else
                carveRow(int(random() % 200));
            ASSERT_GE(model.doneDots(), 0);
            ASSERT_GE(model.skippedDots(), 0);
            ASSERT_LE(model.doneDots() + model.skippedDots(), model.totalDots());
            ASSERT_GE(model.percent(), 0);
            ASSERT_LE(model.percent(), 100);
            const run::CarveWork left = model.remainingWork();
            ASSERT_GE(left.dots, 0);
            ASSERT_LE(left.dots, model.totalDots());
        }
        jobs.start();
        reportDone();
        clock.advance(run::JobModel::DoneQuiet);
        ASSERT_EQ(model.doneDots() + model.skippedDots(), model.totalDots());
        ASSERT_EQ(model.percent(), 100);
    }
}

}  // namespace
