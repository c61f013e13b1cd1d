// tavro-burn's runs on a scripted line: what they say when a break or the operator ends them.
#include "burn_run.h"
#include "card_burn.h"
#include "link_doubles.h"
#include "platform/file_name.h"
#include "platform/manual_clock.h"
#include "render/upload_raster.h"
#include "session/session_impl.h"
#include "terminal.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;

namespace {

TEST(BurnRun, ABreakBeforeTheResumedRowAdvisesThatRowNotAnEarlierOne)
{
    QTemporaryDir folder;
    FakeSerialLine line;
    platform::ManualClock clock;
    FakePortLister ports;
    RecordingView view;
    session::SessionImpl session({line, clock, view, ports, folder.path()}, {});
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int x = 0; x < 100; ++x) board.setPixel(x, 400, qRgb(0, 0, 0));
    session.takeJob({board, {}, {}, 40, {}});
    burn::BurnRun run(session, {350, 0, true, {}, u"tavro-burn job.png"_s});
    QStringList said;
    QObject::connect(&run, &burn::BurnRun::said, [&said](const QString &line) { said << line; });

    line.openable = {1};
    run.begin();
    line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
    line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
    clock.advance(5ms);
    ASSERT_EQ(session.model().state(), run::JobModel::State::Running);
    line.breakPort();  // before the machine reached any row with dots
    ASSERT_FALSE(said.isEmpty());
    EXPECT_TRUE(said.last().endsWith(u"tavro-burn job.png --from-row 350"_s))
        << said.last().toStdString();
}

// A session on a scripted line whose machine answers the search, for one run.
struct ScriptedSession {
    QTemporaryDir folder;
    FakeSerialLine line;
    platform::ManualClock clock;
    FakePortLister ports;
    RecordingView view;
    session::SessionImpl session{{line, clock, view, ports, folder.path()}, {}};
    QStringList said;

    ScriptedSession() { line.openable = {1}; }
    void identify() { line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00})); }
    qsizetype sent(std::initializer_list<int> frame) const
    {
        return line.writes.count(bytes(frame));
    }
};

// Interrupted while the picture is still on its way: no carve runs, so there is nothing to pause.
TEST(BurnRun, AnInterruptBeforeTheCarveStartedSaysNothingWasStarted)
{
    {
        ScriptedSession s;
        burn::BurnRun run(s.session, {0, 0, true, {}, u"tavro-burn job.png"_s});
        QObject::connect(&run, &burn::BurnRun::said, [&s](const QString &text) { s.said << text; });
        run.begin();
        s.identify();
        ASSERT_EQ(s.sent({0xFF, 0x06, 0x00, 0x00}), 1) << "the picture is on its way";
        run.interrupt();
        EXPECT_EQ(s.said.last(),
                  u"interrupted; nothing was started on the machine: the picture "
                  u"was still being sent"_s);
        EXPECT_EQ(s.sent({0xFF, 0x01, 0x02, 0x00}), 0) << "no pause";
    }
    ScriptedSession s;
    burn::CardBurn card(s.session, {{.burnTimes = {12, 30}, .levels = {40, 100}}, 0, 0, {}});
    QObject::connect(&card, &burn::CardBurn::said, [&s](const QString &text) { s.said << text; });
    card.begin();
    s.identify();
    QCoreApplication::processEvents();  // the card begins once the link has settled
    ASSERT_EQ(s.sent({0xFF, 0x06, 0x00, 0x00}), 1) << "its first column is on its way";
    card.interrupt();
    EXPECT_EQ(s.said.last(),
              u"interrupted; nothing was started on the machine: the card's "
              u"column 1 was still being sent"_s);
    EXPECT_EQ(s.sent({0xFF, 0x01, 0x02, 0x00}), 0) << "no pause";
}

// A name with controls in the resume command: shown escaped, and pasted back as the same bytes.
TEST(Terminal, ResumeCommandsQuoteEveryNameSoItPastesBackWhole)
{
    const QStringList arguments = {u"/usr/bin/tavro-burn"_s,
                                   u"plain.png"_s,
                                   u"it's.png"_s,
                                   u"a\x1b[2J\nb\\'.png"_s,
                                   platform::fileNameFromBytes("\xff\xfe.png"),
                                   u"--from-row"_s,
                                   u"5"_s};
    EXPECT_EQ(burn::commandWithout(arguments, {u"from-row"_s}),
              uR"(tavro-burn plain.png 'it'\''s.png' $'a\x1b[2J\nb\\\'.png' $'\xff\xfe.png')"_s);
}

}  // namespace
