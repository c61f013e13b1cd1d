// A test card burnt on the simulated engraver through the session: its columns in ascending burn
// time, together the card's board; cut off, it picks up at its column and row.
#include "session/test_card_run.h"
#include "link_doubles.h"
#include "machine_on_pty.h"
#include "outcome_assert.h"
#include "platform/qt_serial_line.h"
#include "render/effect_board.h"
#include "session/session_impl.h"

#include <QRegularExpression>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;
using CardState = session::TestCardRun::State;

namespace {

// Every dot of either.
QImage together(const QImage &a, const QImage &b)
{
    QImage both = a;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            if (b.pixel(x, y) == qRgb(0, 0, 0)) both.setPixel(x, y, qRgb(0, 0, 0));
    return both;
}

// The burn times the machine was sent, in order.
QList<int> burnTimesSent(const QList<QByteArray> &frames)
{
    QList<int> times;
    for (const QByteArray &frame : frames)
        if (frame.size() == 4 && quint8(frame[0]) == 0xFF && frame[1] == 0x05) times << frame[2];
    return times;
}

class CardOnMachine : public MachineOnPty {
protected:
    std::unique_ptr<platform::QtSerialLine> line;
    RecordingView view;
    std::unique_ptr<session::SessionImpl> session;
    std::unique_ptr<session::TestCardRun> card;

    CardOnMachine()
    {
        patience = std::chrono::milliseconds(60000);               // a card is five jobs
        slowTiming = {.dotUs = 8, .rowMs = 1, .blankRowMs = 0.1};  // at burn time 40: 0.32 ms a dot
    }
    // As the program starts: a session, and the card's runner on it.
    void startSession()
    {
        card.reset();
        session.reset();
        line = std::make_unique<platform::QtSerialLine>(table);
        session = std::make_unique<session::SessionImpl>(
            session::SessionServices{*line, clock, view, ports, settingsFolder},
            session::SessionOptions{});
        card = std::make_unique<session::TestCardRun>(*session);
        view.follow(session->log());
        session->begin();
    }
    bool identified() { return session->link().state() == link::LinkState::Identified; }
};

TEST_F(CardOnMachine, ColumnsBurnLowestFirstAndTogetherAreTheCard)
{
    plugMachine(false);
    startSession();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    const materials::TestCardPlan plan{.date = QDate(2024, 5, 12)};
    const materials::TestCard expected(plan);
    // What the machine has burnt each time a column begins: the columns before it.
    QList<QImage> burntBefore;
    QObject::connect(card.get(), &session::TestCardRun::columnStarted, card.get(),
                     [&](int) { burntBefore << machine->burnt(); });

    ASSERT_TRUE(isDone(card->start(plan)));
    ASSERT_TRUE(waitFor([&] { return card->state() != CardState::Sending && !card->isActive(); }));
    ASSERT_EQ(card->state(), CardState::Done);
    ASSERT_TRUE(waitFor([&] { return machine->carveDone(); }));

    EXPECT_EQ(burnTimesSent(machine->receivedFrames()), (QList<int>{10, 17, 28, 48, 80}));
    ASSERT_EQ(burntBefore.size(), 5);
    QImage soFar = blackOf(render::blankBoard());
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(burntBefore[c], soFar) << "before column " << c;
        soFar = together(soFar, blackOf(expected.column(c)));
    }
    EXPECT_EQ(machine->burnt(), blackOf(expected.board()));
    EXPECT_EQ(card->progress().percent, 100);
    EXPECT_EQ(card->progress().done, card->progress().total);
    EXPECT_FALSE(session->recovery().kept()) << "a finished card is not offered again";
    EXPECT_TRUE(session->lastCardFinished());
}

TEST_F(CardOnMachine, ACardCutOffPicksUpAtItsColumnAndRow)
{
    machineSaysState = false;  // nothing tells the program how far it went without it
    plugMachine(true);
    startSession();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    const materials::TestCardPlan plan{.burnTimes = {20, 40, 60}, .levels = {50, 100}};
    const materials::TestCard expected(plan);
    ASSERT_TRUE(isDone(card->start(plan)));
    const int rowInPatches = expected.layout().rowTop[0] + 30;
    ASSERT_TRUE(waitFor([&] {
        return card->column() == 1 && card->state() == CardState::Carving &&
               session->model().currentRow() >= rowInPatches;
    }));
    EXPECT_GT(card->progress().percent, 20);
    EXPECT_GT(card->remaining(), 0ms);
    machine->unplug();
    ASSERT_TRUE(waitFor([&] { return card->state() == CardState::Interrupted; }));
    const std::optional<run::InterruptedJob> kept = keptOnDisk();
    ASSERT_TRUE(kept && kept->sequence);
    EXPECT_EQ(kept->sequence->step, 1);
    EXPECT_EQ(kept->burnTime, 40);
    EXPECT_GE(kept->resumeRow, rowInPatches);

    // The program starts again; the machine is plugged back in with the card half burnt.
    startSession();
    ASSERT_TRUE(machine->plugIn());
    ASSERT_TRUE(waitFor([&] { return session->offer().open; }));
    EXPECT_EQ(session->offer().step, 1);
    EXPECT_EQ(session->offer().steps, 3);
    EXPECT_EQ(session->offer().fromRow, kept->resumeRow);
    session->resumeKept();
    ASSERT_TRUE(waitFor([&] { return card->isActive(); }));
    EXPECT_EQ(card->column(), 1);
    ASSERT_TRUE(waitFor([&] { return !card->isActive(); }));
    EXPECT_EQ(card->state(), CardState::Done);
    EXPECT_EQ(burnTimesSent(machine->receivedFrames()).mid(2), (QList<int>{40, 60}))
        << "after the first run's 20 and 40";
    ASSERT_TRUE(waitFor([&] { return machine->carveDone(); }));
    EXPECT_EQ(machine->burnt(), blackOf(expected.board()));
    EXPECT_FALSE(session->recovery().kept());
}

// The machine went on with its column while the cable was out: the card goes on with the next
// column, and no row the machine burnt is offered again.
TEST_F(CardOnMachine, AColumnTheMachineFinishedAloneIsNotBurntAgain)
{
    plugMachine(true);
    startSession();
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    const materials::TestCardPlan plan{.burnTimes = {20, 40, 60}, .levels = {50, 100}};
    ASSERT_TRUE(isDone(card->start(plan)));
    ASSERT_TRUE(waitFor([&] {
        return card->column() == 1 && card->state() == CardState::Carving &&
               session->model().currentRow() > 0;
    }));
    machine->unplug();
    ASSERT_TRUE(waitFor([&] { return machine->carveDone(); }));

    startSession();
    ASSERT_TRUE(machine->plugIn());
    ASSERT_TRUE(waitFor([&] { return session->offer().open; }));
    EXPECT_EQ(session->offer().step, 2);
    EXPECT_EQ(session->offer().fromRow, 0);
    EXPECT_TRUE(view.log.contains(u"The machine finished the interrupted job on its own."_s));
    session->resumeKept();
    ASSERT_TRUE(waitFor([&] { return card->state() == CardState::Done; }));
    EXPECT_EQ(burnTimesSent(machine->receivedFrames()).mid(2), QList<int>{60});
    ASSERT_TRUE(waitFor([&] { return machine->carveDone(); }));
    EXPECT_EQ(machine->burnt(), blackOf(materials::TestCard(plan).board()));
}

TEST_F(CardOnMachine, RestartStopsTheCardAndSaysWhyOneCannotBegin)
{
    plugMachine(true);
    startSession();
    EXPECT_EQ(card->start({}).why(), u"No machine is connected."_s);
    ASSERT_TRUE(waitFor([&] { return identified(); }));
    EXPECT_TRUE(
        card->start(materials::TestCardPlan{.burnTimes = {40}}).why().contains(u"2 to 8"_s));
    ASSERT_TRUE(isDone(card->start({})));
    EXPECT_TRUE(card->start({}).why().contains(u"already"_s));
    ASSERT_TRUE(waitFor([&] { return card->state() == CardState::Carving; }));
    session->restart();
    EXPECT_EQ(card->state(), CardState::Stopped);
    EXPECT_FALSE(session->recovery().kept()) << "stopped on purpose: nothing to pick up";
    EXPECT_EQ(burnTimesSent(machine->receivedFrames()), QList<int>{10});
}

}  // namespace
