// tavro-burn's run on a scripted line: where it says to go on from after a break.
#include "burn_run.h"
#include "job/upload_raster.h"
#include "link_doubles.h"
#include "platform/file_name.h"
#include "platform/manual_clock.h"
#include "terminal.h"

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
    job::Session session({line, clock, view, ports, folder.path()}, {});
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
    ASSERT_EQ(session.model().state(), job::JobModel::State::Running);
    line.breakPort();  // before the machine reached any row with dots
    ASSERT_FALSE(said.isEmpty());
    EXPECT_TRUE(said.last().endsWith(u"tavro-burn job.png --from-row 350"_s))
        << said.last().toStdString();
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
