// The session's rules against the simulated engraver on a pseudo-terminal, without a window:
// what the machine holds versus the board shown, a machine that carves on its own, quitting
// during a job, the resume point, the run clock and the trace.
#include "link_doubles.h"
#include "machine_on_pty.h"
#include "platform/qt_serial_line.h"
#include "session/session_impl.h"

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;
using State = run::JobModel::State;

namespace {

class SessionOnMachine : public MachineOnPty {
protected:
    std::unique_ptr<platform::QtSerialLine> line;
    RecordingView view;
    std::unique_ptr<session::SessionImpl> session;

    // A new session, as the program starts again; the old one goes without a word, as after
    // kill -9 or a power cut (its port closes, nothing is paused).
    void startSession(bool trace = false)
    {
        session.reset();
        line = std::make_unique<platform::QtSerialLine>(table);
        session = std::make_unique<session::SessionImpl>(
            session::SessionServices{*line, clock, view, ports, settingsFolder},
            session::SessionOptions{{}, trace});
        view.log.clear();
        view.follow(session->log());
        session->begin();
    }
    const run::JobModel &model() { return session->model(); }
    bool identified() { return session->link().state() == link::LinkState::Identified; }
    void sendAndStart(const QImage &board = jobBoard())
    {
        ASSERT_TRUE(waitFor([&] { return identified(); }));
        session->takeJob({board, {}, {}, 40, {}});
        session->sendBoard();
        ASSERT_TRUE(waitFor([&] { return model().state() == State::Ready; }));
        session->start();
        ASSERT_EQ(model().state(), State::Running);
    }
    void carveUntilRow(int row)
    {
        ASSERT_TRUE(waitFor([&] { return model().currentRow() >= row; }));
    }
};

TEST_F(SessionOnMachine, StartAsksWhenTheBoardShownIsNotWhatTheMachineHolds)
{
    plugMachine(false);
    startSession();
    sendAndStart();
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Finished; }));
    session->rotateBoard();
    EXPECT_TRUE(session->document().differsFromSent());

    view.choice = 2;  // Cancel
    view.events.clear();
    const qsizetype frames = machine->receivedFrames().size();
    session->start();
    ASSERT_EQ(view.events.size(), 1);
    EXPECT_TRUE(view.events[0].startsWith(u"box:Start|The machine holds the picture sent at "_s))
        << view.events[0].toStdString();
    EXPECT_TRUE(view.events[0].endsWith(u", not the board shown."_s));
    EXPECT_EQ(machine->receivedFrames().size(), frames) << "cancelled: nothing sent";

    view.choice = 0;  // send the board first
    machine->clearBurnt();
    session->start();
    ASSERT_TRUE(
        waitFor([&] { return machine->carveDone() && model().state() == State::Finished; }));
    EXPECT_EQ(machine->burnt(), blackOf(session->document().board())) << "what was shown burnt";
    EXPECT_FALSE(session->document().differsFromSent());
}

TEST_F(SessionOnMachine, ACarveTheMachineWentOnWithIsFollowedAfterARestart)
{
    plugMachine(true);
    startSession();
    sendAndStart();
    carveUntilRow(100);
    startSession();  // gone without a word; the machine carves on
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Running; }));
    EXPECT_FALSE(model().startedHere());
    const run::MachineControls &controls = session->controls();
    for (auto c : {run::MachineControls::Up, run::MachineControls::PointMode})
        EXPECT_FALSE(controls.isEnabled(c)) << "jogs are guarded as in a running job";
    EXPECT_TRUE(controls.isEnabled(run::MachineControls::Pause));
    EXPECT_FALSE(session->offer().open) << "no offer while the machine carves";
    const int seen = model().currentRow();
    ASSERT_TRUE(waitFor([&] {
        return keptOnDisk() && keptOnDisk()->resumeRow > std::max(seen, 100);
    })) << "the kept job follows the machine's rows";

    session->pause();
    ASSERT_TRUE(waitFor([&] { return machine->paused(); }));
    EXPECT_EQ(model().state(), State::Paused);
    session->restart();
    EXPECT_EQ(model().state(), State::NoJob);
}

// Noise on the line makes carve-done frames of its own: the job ends with the machine's.
TEST_F(SessionOnMachine, NoiseOnTheLineNeverEndsAJob)
{
    adjustMachine = [](sim::EngraverOptions &o) {
        o.noiseSeed = 7;
        const QByteArray done = QByteArray::fromHex("FF060000");
        o.strayAfterDots = {{700, done}, {1500, done + done}};
    };
    plugMachine(true);
    startSession();
    std::optional<bool> machineStillCarving;
    QObject::connect(&model(), &run::JobModel::stateChanged, &view, [&](State state) {
        if (state == State::Finished && !machineStillCarving)
            machineStillCarving = machine->carving();
    });
    sendAndStart();
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Finished; }));
    EXPECT_FALSE(*machineStillCarving) << "finished only once the machine was";
    EXPECT_EQ(view.log.count(u"Carved finish !"_s), 1);
    EXPECT_EQ(machine->burnt(), blackOf(jobBoard()));
    EXPECT_EQ(session->progress().percent, 100);
}

// Identified, the erase taken, and no request for the picture: said, and nothing started.
TEST_F(SessionOnMachine, AMachineThatNeverAsksForThePictureIsNeverStarted)
{
    adjustMachine = [](sim::EngraverOptions &o) { o.asksForImage = false; };
    plugMachine(false);
    startSession();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    QString failure;
    QObject::connect(session.get(), &session::Session::uploadFailed, &view,
                     [&](const QString &reason) { failure = reason; });
    session->takeJob({jobBoard(), {}, {}, 40, {}});
    session->sendBoard();
    ASSERT_TRUE(waitFor([&] { return !failure.isEmpty(); }));
    EXPECT_EQ(failure, u"the machine did not ask for the picture within 5 s"_s);
    EXPECT_TRUE(view.log.contains(u"The machine did not ask for the picture: it was not sent."_s));
    EXPECT_EQ(model().state(), State::NoJob);
    EXPECT_FALSE(machine->receivedFrames().contains(QByteArray::fromHex("FF010100")));
    EXPECT_TRUE(identified()) << "the link stands";
}

// The machine says what became of a kept job when it is found again: one it finished is
// never offered for a resume that would burn its rows twice.
TEST_F(SessionOnMachine, AJobTheMachineFinishedAloneIsNotOffered)
{
    plugMachine(true);
    startSession();
    sendAndStart();
    carveUntilRow(100);
    machine->unplug();  // the machine carves on without the program
    ASSERT_TRUE(waitFor([&] { return machine->carveDone(); }));
    startSession();
    ASSERT_TRUE(machine->plugIn());
    ASSERT_TRUE(waitFor([&] {
        return view.log.contains(u"The machine finished the interrupted job on its own."_s);
    }));
    EXPECT_FALSE(session->recovery().kept());
    EXPECT_FALSE(session->offer().open);
    EXPECT_FALSE(keptOnDisk());
}

// The test card once worked only because the session heard the machine before it did. A front
// end that reacts to a job's end, connected before anything else, finds the end already taken.
TEST_F(SessionOnMachine, AFrontEndCanSendTheNextJobFromTheSignalThatTheLastOneEnded)
{
    plugMachine(true);
    startSession();
    int sentAgain = 0;
    QObject::connect(session.get(), &session::Session::runChanged, session.get(), [&] {
        if (session->run().state() != run::RunDriver::State::Finished || sentAgain > 0) return;
        ++sentAgain;
        session->sendBoard();
    });
    sendAndStart();
    ASSERT_TRUE(waitFor([&] { return sentAgain == 1 && model().state() == State::Ready; }));
    EXPECT_EQ(session->run().state(), run::RunDriver::State::Ready);
}

TEST_F(SessionOnMachine, QuittingDuringACarvePausesTheMachineAndKeepsTheJob)
{
    plugMachine(true);
    startSession();
    sendAndStart();
    carveUntilRow(150);
    view.events.clear();
    view.choice = 1;
    ASSERT_TRUE(session->prepareQuit());
    ASSERT_EQ(view.effects().size(), 1);
    EXPECT_EQ(view.effects()[0], u"box:Quit|A job is running. Pause the machine and quit?"_s);
    ASSERT_TRUE(waitFor([&] { return machine->paused(); }));
    const int row = model().currentRow();

    startSession();
    ASSERT_TRUE(waitFor([&] { return session->offer().open; }));
    EXPECT_GE(session->offer().fromRow, row);
    EXPECT_EQ(model().state(), State::NoJob) << "a paused machine carves nothing on its own";
}

TEST_F(SessionOnMachine, TheResumePointFollowsTheCarveAndProgressCountsTheWholeJob)
{
    plugMachine(true);
    testing::internal::CaptureStderr();
    startSession(true);
    sendAndStart();
    carveUntilRow(127);
    pullCable();
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Interrupted; }));
    const int seconds = session->jobs().runSeconds();
    clock.advance(5000ms);
    EXPECT_EQ(session->jobs().runSeconds(), seconds) << "no machine, no run to time";

    plugMachine(true);
    ASSERT_TRUE(waitFor([&] { return session->offer().open; }));
    const int resumedFrom = session->offer().fromRow;
    session->resumeKept();
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Running; }));
    const QString err = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(err.contains(u"job state interrupted row="_s)) << err.toStdString();
    EXPECT_TRUE(err.contains(u"job resume from=%1\n"_s.arg(resumedFrom)));
    const session::Session::Progress early = session->progress();
    int rowsAbove = 0;  // the job's rows of dots are 20, 30, ... 490
    for (int row = 20; row < 500; row += 10) rowsAbove += row < resumedFrom;
    EXPECT_GE(early.percent, rowsAbove * 100 / 48) << "progress starts at the rows' share";
    carveUntilRow(200);
    session->pause();
    ASSERT_TRUE(waitFor([&] { return machine->paused(); }));
    const int pausedAt = model().currentRow();
    ASSERT_TRUE(session->prepareQuit());

    startSession();
    ASSERT_TRUE(waitFor([&] { return session->offer().open; }));
    EXPECT_GE(session->offer().fromRow, pausedAt) << "never the older row " << resumedFrom;
    session->resumeKept();
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Finished; }));
    const session::Session::Progress end = session->progress();
    EXPECT_EQ(end.percent, 100);
    EXPECT_EQ(end.total, run::JobRaster(render::packUploadRaster(jobBoard())).dots());
    EXPECT_EQ(end.done, end.total);
    EXPECT_LT(end.doneThisRun, end.done);
    EXPECT_FALSE(session->recovery().kept()) << "a finished job is not offered again";
}

TEST_F(SessionOnMachine, TheTraceIsDrawnOverTheBoardNeverIntoIt)
{
    plugMachine(false);
    startSession();
    const QImage board = jobBoard();
    sendAndStart(board);
    ASSERT_TRUE(waitFor([&] { return model().state() == State::Finished; }));
    EXPECT_GT(session->trace().count(), 0);
    EXPECT_EQ(session->document().board(), board) << "the job is what was sent, without the trace";
    EXPECT_EQ(session->document().toJobFile().board, board);
    EXPECT_FALSE(session->document().differsFromSent());
    session->restart();
    EXPECT_EQ(session->trace().count(), 0);
}

}  // namespace
