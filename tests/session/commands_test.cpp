// Every command's availability and reason, state by state, as the operator meets them.
#include "render/effect_board.h"
#include "session_fixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;
using C = session::CommandId;

namespace {

const QString NoMachine = u"No machine is connected"_s;
const QString Carving = u"Not while the machine carves"_s;
const QString Paused = u"Not while a job is paused: Start goes on with it, Restart ends it"_s;
const QString ChooseFirst = u"Choose a rendering and send it, or clear the board, first"_s;
const QString Connected = u"The machine is connected"_s;
const QString NothingToUndo = u"Nothing to undo"_s;
const QString NothingToRedo = u"Nothing to redo"_s;
const QString NoPicture =
    u"Only a picture chosen in the effect chooser, not yet zoomed out or rotated, can be placed"_s;

class CommandsTest : public ::testing::Test {
protected:
    SessionParts parts;
    session::SessionImpl &session = parts.session;

    // Every command not named in `off` can be given; each named one cannot, for that reason.
    void expectCommands(const char *state, const std::map<C, QString> &off)
    {
        SCOPED_TRACE(state);
        for (const session::CommandSpec &spec : session::commandTable()) {
            const session::Command &command = session.command(spec.id);
            const auto found = off.find(spec.id);
            const bool shouldBeOn = found == off.end();
            EXPECT_EQ(command.isEnabled(), shouldBeOn) << int(spec.id);
            EXPECT_EQ(command.whyNot(), shouldBeOn ? QString() : found->second) << int(spec.id);
        }
    }
    static std::map<C, QString> locationOff(const QString &why)
    {
        std::map<C, QString> off;
        for (C c : {C::JogUp, C::JogDown, C::JogLeft, C::JogRight, C::PointMode, C::CentreMode,
                    C::BoxMode})
            off[c] = why;
        return off;
    }
    static std::map<C, QString> with(std::map<C, QString> off, const std::map<C, QString> &more)
    {
        off.insert(more.begin(), more.end());
        return off;
    }
    void placeAPicture()
    {
        QImage board(512, 512, QImage::Format_RGB32);
        board.fill(Qt::white);
        for (int x = 0; x < 50; ++x) board.setPixel(x * 3, 40, qRgb(0, 0, 0));
        session.placeRendering(board);
    }
};

TEST_F(CommandsTest, EachStateGivesEveryCommandItsAvailabilityAndItsReason)
{
    const std::map<C, QString> boardIdle = {{C::Undo, NothingToUndo},
                                            {C::Redo, NothingToRedo},
                                            {C::MirrorLeftRight, NoPicture},
                                            {C::MirrorTopBottom, NoPicture},
                                            {C::SizeAndPosition, NoPicture}};
    expectCommands("no machine", with(boardIdle, {{C::Start, NoMachine},
                                                  {C::Pause, NoMachine},
                                                  {C::Restart, NoMachine},
                                                  {C::PowerOff, NoMachine}}));

    parts.identify();
    expectCommands("identified, board empty", with(boardIdle, {{C::Connect, Connected}}));

    placeAPicture();
    // A rendering without its picture: on the board, but not to be placed anew.
    const std::map<C, QString> picture = {{C::Connect, Connected},
                                          {C::Redo, NothingToRedo},
                                          {C::MirrorLeftRight, NoPicture},
                                          {C::MirrorTopBottom, NoPicture},
                                          {C::SizeAndPosition, NoPicture}};
    expectCommands("a picture on the board", picture);

    session.sendBoard();
    expectCommands("uploading", picture);
    parts.line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
    parts.clock.advance(5ms);
    ASSERT_EQ(session.run().state(), run::RunDriver::State::Ready);
    expectCommands("sent", picture);

    session.start();
    expectCommands("carving", with(picture, locationOff(Carving)));
    session.pause();
    expectCommands("paused", with(picture, locationOff(Paused)));
    session.start();
    parts.line.deliver(bytes({0xFF, 0x04, 0x00, 40, 0xFF, 0x03, 0x00, 0x01}));
    for (int x = 1; x < 50; ++x)
        parts.line.deliver(bytes({0xFF, 0x03, (x * 3 + 1) / 100, (x * 3 + 1) % 100}));
    parts.line.deliver(bytes({0xFF, 0x06, 0x00, 0x00}));
    ASSERT_EQ(session.run().state(), run::RunDriver::State::Finished);
    expectCommands("carved", picture);

    session.rotateBoard();
    expectCommands("edited since it was sent", {{C::Connect, Connected},
                                                {C::Redo, NothingToRedo},
                                                {C::MirrorLeftRight, NoPicture},
                                                {C::MirrorTopBottom, NoPicture},
                                                {C::SizeAndPosition, NoPicture}});

    session.pictureDropped(u"/nowhere/cat.png"_s);
    std::map<C, QString> dropped;
    for (const session::CommandSpec &spec : session::commandTable()) dropped[spec.id] = ChooseFirst;
    for (C on :
         {C::Break, C::MachineSize, C::SendImage, C::Clear, C::ZoomOut, C::Rotate, C::Reload})
        dropped.erase(on);
    dropped[C::Connect] = Connected;
    dropped[C::Redo] = NothingToRedo;
    dropped[C::MirrorLeftRight] = NoPicture;
    dropped[C::MirrorTopBottom] = NoPicture;
    dropped[C::SizeAndPosition] = NoPicture;
    dropped.erase(C::Undo);
    expectCommands("a picture dropped", dropped);
    session.pictureDropAbandoned();

    session.breakLink();
    std::map<C, QString> broken;
    for (const session::CommandSpec &spec : session::commandTable())
        if (spec.control) broken[spec.id] = NoMachine;
    for (C c : {C::Undo, C::Redo, C::MirrorLeftRight, C::MirrorTopBottom, C::SizeAndPosition})
        broken[c] = NoMachine;  // the board's edits go with its buttons
    expectCommands("after Break", broken);
}

}  // namespace
