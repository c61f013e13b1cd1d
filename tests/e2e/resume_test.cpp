// A cable pulled mid-job and a machine plugged in again: the status bar offers the job and its
// buttons resume it or drop it, through real pseudo-terminals. The rules behind the offer are
// the session's, tested on the core.
#include "fake_desktop.h"
#include "machine_on_pty.h"
#include "platform/qt_serial_line.h"
#include "shell/job_status_bar.h"
#include "shell/program.h"
#include "status_bar_units.h"

#include <QPushButton>
#include <QTest>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

class ResumeTest : public test::MachineOnPty {
protected:
    platform::QtSerialLine line{table};
    test::FakeDesktop desktop;
    std::unique_ptr<shell::Program> program;
    QImage burntBefore;  // what earlier machines burnt

    void pullCable()
    {
        burntBefore = machine->burnt();
        MachineOnPty::pullCable();
    }
    void startProgram()
    {
        program = std::make_unique<shell::Program>(
            shell::ProgramServices{line, clock, ports, table, desktop}, settingsFolder);
        program->onMainWindowCreated();
    }
    session::Session &session() { return program->session(); }
    const run::JobModel &model() { return session().model(); }
    shell::JobStatusBar &bar() { return program->statusBar(); }
    test::StatusBarUnits shown() { return test::StatusBarUnits(bar()); }
    void interruptAJob()
    {
        plugMachine(true);
        startProgram();
        ASSERT_TRUE(waitFor([&] { return session().machine().identified; }));
        session().takeJob({test::jobBoard(), {}, {}, 40, {}});
        session().sendBoard();
        ASSERT_TRUE(waitFor([&] { return model().state() == run::JobModel::State::Ready; }));
        session().command(session::CommandId::Start).trigger();
        ASSERT_TRUE(waitFor([&] { return model().currentRow() >= 200; }));
        pullCable();
        ASSERT_TRUE(waitFor([&] { return model().state() == run::JobModel::State::Interrupted; }));
        EXPECT_TRUE(shown().state().startsWith(u"Interrupted at row "_s));
        plugMachine(false);  // the machine comes back; its picture is gone
        ASSERT_TRUE(waitFor([&] { return shown().offerShown(); }));
    }
};

TEST_F(ResumeTest, TheOffersResumeButtonFinishesTheJobWithoutBurningADotTwice)
{
    interruptAJob();
    EXPECT_EQ(shown().notice(), u"Picture not sent since the machine reconnected"_s);
    EXPECT_EQ(shown().resumeButton().text(),
              u"Resume from row %1"_s.arg(session().run().offer().fromRow));
    QTest::mouseClick(&shown().resumeButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return model().state() == run::JobModel::State::Finished; }));
    EXPECT_FALSE(shown().offerShown());
    EXPECT_TRUE(shown().notice().isEmpty());
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
    EXPECT_EQ(all, test::blackOf(test::jobBoard())) << "no dot is missing, none is extra";
    EXPECT_LE(twice, 1) << "at most the row in progress is burnt again";
}

TEST_F(ResumeTest, DismissDropsTheKeptJob)
{
    interruptAJob();
    QTest::mouseClick(&shown().dismissButton(), Qt::LeftButton);
    EXPECT_FALSE(shown().offerShown());
    EXPECT_FALSE(keptOnDisk());
}

}  // namespace
