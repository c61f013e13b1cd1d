// A cable pulled mid-job and a machine plugged in again: the job resumes from its row, through
// real pseudo-terminals, and survives a restart of the program.
#include "engraver-sim/engraver_sim.h"
#include "job/job_recovery.h"
#include "job/job_trace.h"
#include "job/upload_raster.h"
#include "link/trace_log.h"
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
    std::unique_ptr<platform::PortTable> table =
        std::make_unique<platform::PortTable>(QStringList{linkPath});
    std::unique_ptr<platform::QtSerialLine> line = std::make_unique<platform::QtSerialLine>(*table);
    platform::ManualClock clock;
    std::unique_ptr<shell::Program> program;
    std::unique_ptr<sim::Engraver> machine;
    QImage burntBefore;  // what earlier machines burnt
    int boxes = 0;

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
        const QImage burnt = machine->burnt();
        burntBefore = burntBefore.isNull() ? burnt : unite(burntBefore, burnt);
        machine->unplug();
        machine.reset();
    }
    static QImage unite(const QImage &a, const QImage &b)
    {
        QImage out = a;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                if (b.pixel(x, y) == qRgb(0, 0, 0)) out.setPixel(x, y, qRgb(0, 0, 0));
        return out;
    }
    void startProgram()
    {
        program = std::make_unique<shell::Program>(
            *line, clock,
            [this] {
                return link::PortList{true, 0, table->presentPortList()};
            },
            folder);
        program->prompter().messageBox = [this](const QString &, shell::BoxButtons,
                                                const QString &) { return ++boxes, 0; };
        program->window().quit = [] {};
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
    bool logged(const QString &text) { return program->window().log().content().contains(text); }
    job::JobModel &model() { return program->jobModel(); }
    shell::JobStatusBar &bar() { return program->statusBar(); }
    void sendAndStart()
    {
        ASSERT_TRUE(
            waitFor([&] { return program->link().state() == link::LinkState::Identified; }));
        program->jobs().prepareUpload(jobBoard());
        ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Ready; }));
        program->jobs().start();
    }
    void carveUntilRow(int row)
    {
        ASSERT_TRUE(waitFor([&] { return model().currentRow() >= row; }));
    }
    void expectWholeJobBurntOnce()
    {
        const QImage all = unite(burntBefore, machine->burnt());
        EXPECT_EQ(all, blackOf(jobBoard())) << "no dot is missing, none is extra";
        int twice = 0;
        for (int y = 0; y < 512; ++y) {
            bool again = false;
            for (int x = 0; x < 512; ++x)
                again |= burntBefore.pixel(x, y) == qRgb(0, 0, 0) &&
                         machine->burnt().pixel(x, y) == qRgb(0, 0, 0);
            twice += again;
        }
        EXPECT_LE(twice, 1) << "at most the row in progress is burnt again";
    }
    void resumeAndFinish()
    {
        ASSERT_TRUE(waitFor([&] { return bar().offerShown(); }));
        const int row = program->recovery().kept()->resumeRow;
        EXPECT_EQ(bar().resumeButton().text(), u"Resume from row %1"_s.arg(row));
        QTest::mouseClick(&bar().resumeButton(), Qt::LeftButton);
        ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Finished; }));
        EXPECT_FALSE(program->recovery().kept()) << "a finished job is not offered again";
        EXPECT_FALSE(job::InterruptedJobStore(folder).holdsJob());
    }
};

TEST_F(ResumeTest, APulledCableMidCarveResumesFromTheLastRow)
{
    plugMachine(true);
    startProgram();
    sendAndStart();
    carveUntilRow(200);
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));
    EXPECT_TRUE(logged(u"Interrupted at row "_s));
    EXPECT_TRUE(bar().stateText().startsWith(u"Interrupted at row "_s));
    EXPECT_FALSE(program->jobs().runClock().isRunning()) << "the run clock stops with the link";

    plugMachine(false);  // the machine comes back; its picture is gone
    ASSERT_TRUE(waitFor([&] { return program->link().state() == link::LinkState::Identified; }));
    EXPECT_EQ(bar().noticeText(), u"Picture not sent since the machine reconnected"_s);
    resumeAndFinish();
    EXPECT_TRUE(bar().noticeText().isEmpty());
    expectWholeJobBurntOnce();
}

TEST_F(ResumeTest, APulledCableWhilePausedAndAgainDuringTheResumeUpload)
{
    plugMachine(true);
    startProgram();
    sendAndStart();
    carveUntilRow(120);
    program->jobs().pause();
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));

    // The machine comes back, and goes again while the resumed picture is on its way.
    sim::EngraverOptions paced;
    paced.linkPath = linkPath;
    paced.paced = true;
    paced.eraseMs = 20;
    machine = std::make_unique<sim::Engraver>(paced);
    ASSERT_TRUE(machine->start());
    ASSERT_TRUE(waitFor([&] { return bar().offerShown(); }));
    QTest::mouseClick(&bar().resumeButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return machine->receivedBytes().size() > 3000; }));
    pullCable();
    ASSERT_TRUE(waitFor([&] { return logged(u"Sending Failed !"_s); }));
    EXPECT_TRUE(program->recovery().kept()) << "the same offer comes back";

    plugMachine(false);
    resumeAndFinish();
    expectWholeJobBurntOnce();
}

TEST_F(ResumeTest, TheOfferSurvivesARestartOfTheProgram)
{
    plugMachine(true);
    startProgram();
    sendAndStart();
    carveUntilRow(250);
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));
    const int row = program->recovery().kept()->resumeRow;
    program.reset();  // the operator quits
    line = std::make_unique<platform::QtSerialLine>(*table);

    plugMachine(false);
    startProgram();
    ASSERT_TRUE(waitFor([&] { return bar().offerShown(); }));
    EXPECT_EQ(program->recovery().kept()->resumeRow, row);
    resumeAndFinish();
    expectWholeJobBurntOnce();
}

TEST_F(ResumeTest, TraceLinesSayWhereTheJobStoppedAndWhereItResumes)
{
    plugMachine(true);
    startProgram();
    link::TraceLog trace(*line, program->link());
    job::JobTrace jobTrace(model(), program->estimator(), clock, trace);
    QObject::connect(&program->recovery(), &job::JobRecovery::resuming, &jobTrace,
                     &job::JobTrace::resumed);
    testing::internal::CaptureStderr();
    sendAndStart();
    carveUntilRow(100);
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));
    const int row = program->recovery().kept()->resumeRow;
    plugMachine(false);
    resumeAndFinish();
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(err.contains(u"job state interrupted row=%1\n"_s.arg(row))) << err.toStdString();
    EXPECT_TRUE(err.contains(u"job resume from=%1\n"_s.arg(row)));
}

TEST_F(ResumeTest, SendDuringARunAndCancelLeavesTheJobGoing)
{
    plugMachine(true);
    startProgram();
    sendAndStart();
    carveUntilRow(40);
    program->prompter().messageBox = [this](const QString &, shell::BoxButtons, const QString &) {
        return ++boxes, 1;  // Cancel
    };
    const qsizetype frames = machine->receivedFrames().size();
    QTest::mouseClick(program->window().findChild<QPushButton *>(u"按钮发送数据"_s),
                      Qt::LeftButton);
    EXPECT_EQ(boxes, 1);
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Finished; }));
    EXPECT_FALSE(machine->receivedFrames().mid(frames).contains("\xFF\x06\x00\x00"_ba));
    EXPECT_EQ(machine->burnt(), blackOf(jobBoard())) << "the job went on to its end";
}

TEST_F(ResumeTest, DismissDropsTheKeptJob)
{
    plugMachine(true);
    startProgram();
    sendAndStart();
    carveUntilRow(60);
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == job::JobModel::State::Interrupted; }));
    plugMachine(false);
    ASSERT_TRUE(waitFor([&] { return bar().offerShown(); }));
    QTest::mouseClick(&bar().dismissButton(), Qt::LeftButton);
    EXPECT_FALSE(bar().offerShown());
    EXPECT_FALSE(job::InterruptedJobStore(folder).holdsJob());
}

}  // namespace
