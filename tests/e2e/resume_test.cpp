// A cable pulled mid-job and a machine plugged in again: the status bar offers the job and its
// buttons resume it or drop it, through real pseudo-terminals. The rules behind the offer are
// the session's, tested on the core.
#include "engraver-sim/engraver_sim.h"
#include "fake_desktop.h"
#include "job/upload_raster.h"
#include "platform/manual_clock.h"
#include "platform/qt_serial_line.h"
#include "shell/job_status_bar.h"
#include "shell/program.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int Patience = 30000;  // ms; generous for a loaded machine

// 48 rows of dots spread over the board, 60 dots each.
QImage jobBoard()
{
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int row = 20; row < 500; row += 10)
        for (int x = 0; x < 60; ++x) board.setPixel(7 + x * 8, row, qRgb(0, 0, 0));
    return board;
}

QImage blackOf(const QImage &board)
{
    return sim::Engraver::pictureOf(job::packUploadRaster(board));
}

class ResumeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString linkPath = dir.filePath(u"ttyResume"_s);
    QString folder = dir.filePath(u"Tavro"_s);
    platform::PortTable table{QStringList{linkPath}};
    platform::PortTableLister ports{table};
    platform::QtSerialLine line{table};
    platform::ManualClock clock;
    test::FakeDesktop desktop;
    std::unique_ptr<shell::Program> program;
    std::unique_ptr<sim::Engraver> machine;
    QImage burntBefore;  // what earlier machines burnt

    void plugMachine(bool slow)
    {
        sim::EngraverOptions options;
        options.linkPath = linkPath;
        options.eraseMs = 20;
        if (slow) {
            options.dotUs = 40;  // x burn time 40: 1.6 ms a dot
            options.rowMs = 2;
            options.blankRowMs = 0.2;
        } else {
            options.fast = true;
        }
        machine = std::make_unique<sim::Engraver>(options);
        ASSERT_TRUE(machine->start());
    }
    void pullCable()
    {
        burntBefore = machine->burnt();
        machine->unplug();
        machine.reset();
    }
    void startProgram()
    {
        program = std::make_unique<shell::Program>(
            shell::ProgramServices{line, clock, ports, table, desktop}, folder);
        program->onMainWindowCreated();
    }
    // The program's own event loop runs while waiting; its timers move with the waiting.
    bool waitFor(const std::function<bool()> &condition)
    {
        QElapsedTimer waited;
        waited.start();
        while (!condition()) {
            if (waited.elapsed() > Patience) return false;
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
            clock.advance(5ms);
        }
        return true;
    }
    job::Session &session() { return program->session(); }
    const job::JobModel &model() { return session().model(); }
    shell::JobStatusBar &bar() { return program->statusBar(); }
    void interruptAJob()
    {
        plugMachine(true);
        startProgram();
        ASSERT_TRUE(
            waitFor([&] { return session().link().state() == link::LinkState::Identified; }));
        session().takeJob({jobBoard(), {}, {}, 40, {}});
        session().sendBoard();
        ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Ready; }));
        session().start();
        ASSERT_TRUE(waitFor([&] { return model().currentRow() >= 200; }));
        pullCable();
        ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));
        EXPECT_TRUE(bar().stateText().startsWith(u"Interrupted at row "_s));
        plugMachine(false);  // the machine comes back; its picture is gone
        ASSERT_TRUE(waitFor([&] { return bar().offerShown(); }));
    }
};

TEST_F(ResumeTest, TheOffersResumeButtonFinishesTheJobWithoutBurningADotTwice)
{
    interruptAJob();
    EXPECT_EQ(bar().noticeText(), u"Picture not sent since the machine reconnected"_s);
    EXPECT_EQ(bar().resumeButton().text(), u"Resume from row %1"_s.arg(session().offer().fromRow));
    QTest::mouseClick(&bar().resumeButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Finished; }));
    EXPECT_FALSE(bar().offerShown());
    EXPECT_TRUE(bar().noticeText().isEmpty());
    EXPECT_TRUE(bar().timeText().contains(u"in this run"_s)) << bar().timeText().toStdString();

    QImage all = burntBefore;
    const QImage burntAfter = machine->burnt();  // a copy of the machine's state, taken once
    int twice = 0;
    for (int y = 0; y < 512; ++y) {
        bool again = false;
        for (int x = 0; x < 512; ++x) {
            const bool now = burntAfter.pixel(x, y) == qRgb(0, 0, 0);
            again |= now && burntBefore.pixel(x, y) == qRgb(0, 0, 0);
            if (now) all.setPixel(x, y, qRgb(0, 0, 0));
        }
        twice += again;
    }
    EXPECT_EQ(all, blackOf(jobBoard())) << "no dot is missing, none is extra";
    EXPECT_LE(twice, 1) << "at most the row in progress is burnt again";
}

TEST_F(ResumeTest, DismissDropsTheKeptJob)
{
    interruptAJob();
    QTest::mouseClick(&bar().dismissButton(), Qt::LeftButton);
    EXPECT_FALSE(bar().offerShown());
    EXPECT_FALSE(session().recovery().kept());
}

}  // namespace
