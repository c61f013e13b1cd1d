// The session on a scripted line: what it owes the machine after a job file was opened, and a
// resume cut off by a break.
#include "document/job_file.h"
#include "document/placed_rendering.h"
#include "outcome_assert.h"
#include "render/upload_raster.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;

namespace {

QByteArray burnTimeFrame(int burnTime)
{
    return bytes({0xFF, 0x05, burnTime, 0x00});
}

class SessionTest : public ::testing::Test {
protected:
    SessionParts parts;
    session::SessionImpl &session = parts.session;
    FakeSerialLine &line = parts.line;

    QStringList boxes() const { return parts.view.events.filter(u"box:"_s); }
    QString savedJob(int burnTime)
    {
        document::JobFile saved;
        saved.board = QImage(512, 512, QImage::Format_RGB32);
        saved.board.fill(Qt::white);
        for (int x = 0; x < 40; ++x) saved.board.setPixel(x * 5, 30, qRgb(0, 0, 0));
        saved.burnTime = burnTime;
        const QString path = parts.folder.filePath(u"job.tavro.png"_s);
        EXPECT_TRUE(isDone(document::writeJobFile(path, saved)));
        return path;
    }
    // Rows 5, 100 and 300 of dots, sent and started, carved to row 100; then the cable goes.
    void interruptAJob()
    {
        QImage board(512, 512, QImage::Format_RGB32);
        board.fill(Qt::white);
        for (int row : {5, 100, 300})
            for (int x = 0; x < 20; ++x) board.setPixel(x * 4, row, qRgb(0, 0, 0));
        session.takeJob({board, {}, {}, 40, {}});
        session.sendBoard();
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));  // the machine asks for the block
        parts.clock.advance(5ms);
        session.start();
        line.deliver(bytes({0xFF, 0x04, 1, 0}));  // row 100
        line.breakPort();
    }
};

TEST_F(SessionTest, AJobOpenedBeforeTheMachineIsFoundGetsItsBurnTimeOnceItIs)
{
    ASSERT_TRUE(session.openJob(savedJob(27)));
    parts.identify();
    // The machine's own report of what it had does not overwrite the job's.
    line.deliver(bytes({0xFF, 0x0A, 0, 60}));
    EXPECT_EQ(line.writes, QList<QByteArray>{burnTimeFrame(27)});
    EXPECT_EQ(session.document().burnTime(), 27);

    // A machine that never reports its burn time is told all the same, once.
    ASSERT_TRUE(session.openJob(savedJob(33)));
    EXPECT_EQ(line.writes.last(), burnTimeFrame(33)) << "found already: sent at once";
    line.breakPort();
    ASSERT_TRUE(session.openJob(savedJob(12)));
    parts.identify();
    parts.clock.advance(1000ms);
    EXPECT_EQ(line.writes, QList<QByteArray>{burnTimeFrame(12)});
    EXPECT_EQ(session.document().burnTime(), 12);
}

TEST_F(SessionTest, AResumeCutOffBeforeItsBlockWentOutIsOfferedAgain)
{
    parts.identify();
    interruptAJob();
    parts.identify();
    ASSERT_TRUE(session.offer().open);
    const int fromRow = session.offer().fromRow;

    session.resumeKept();
    EXPECT_FALSE(session.offer().open) << "while the resume is on its way";
    line.breakPort();  // before the machine asked for the block
    parts.identify();
    EXPECT_TRUE(session.offer().open);
    EXPECT_EQ(session.offer().fromRow, fromRow);
}

// The screen shows what the machine goes on with; unsent work is not replaced unasked.
TEST_F(SessionTest, ResumingPutsTheKeptJobOnTheBoard)
{
    parts.identify();
    interruptAJob();
    const QByteArray kept = render::packUploadRaster(session.document().board());
    session.clearBoard();
    session.burnTimeKeyed(60);  // the slider moved: a burn time of the operator's own
    parts.identify();
    parts.view.events.clear();

    session.startKeptOver();
    EXPECT_EQ(render::packUploadRaster(session.document().board()), kept);
    EXPECT_EQ(session.document().burnTime(), 40);
    EXPECT_EQ(boxes(), QStringList{}) << "a blank board is not work to lose";

    line.breakPort();
    parts.identify();
    ASSERT_TRUE(session.offer().open);
    QImage unsent(512, 512, QImage::Format_RGB32);
    unsent.fill(Qt::white);
    unsent.setPixel(200, 200, qRgb(0, 0, 0));
    session.placeRendering(unsent);
    session.resumeKept();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].contains(u"was not sent"_s));
    EXPECT_EQ(render::packUploadRaster(session.document().board()), kept);
}

// A picture whose file went before it could be decoded again cannot be turned round: the
// operator is told why, and the board stays as it was.
TEST_F(SessionTest, AMirrorThatCannotBeRenderedSaysWhyAndChangesNothing)
{
    parts.identify();
    QImage snapshot(490, 490, QImage::Format_ARGB32);
    snapshot.fill(qRgb(0, 0, 0));
    const QString gone = parts.folder.filePath(u"gone.png"_s);
    session.placeRendering(
        document::PlacedRendering{document::ChosenPicture(gone, {490, 490}, snapshot),
                                  render::Effect::BlackWhite,
                                  {},
                                  document::defaultPlacement({490, 490})});
    const QImage before = session.document().board();
    session.command(session::Session::MirrorLeftRight).trigger();
    EXPECT_EQ(session.document().board(), before);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().contains(u"gone.png"_s)) << boxes().first().toStdString();
    EXPECT_FALSE(session.document().canRedo());
}

}  // namespace
