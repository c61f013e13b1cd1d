// The whole program against the simulated engraver, through a real pseudo-terminal.
#include "engraver-sim/engraver_sim.h"
#include "platform/manual_clock.h"
#include "platform/qt_serial_line.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(ProgramWithMachine, StartsIdentifiesAndTheJobButtonsReachTheMachine)
{
    QTemporaryDir dir;
    sim::EngraverOptions options;
    options.linkPath = dir.filePath(u"ttyProgram%1"_s.arg(QCoreApplication::applicationPid()));
    options.fast = true;
    sim::Engraver machine(options);
    ASSERT_TRUE(machine.start());

    const platform::PortTable table(
        {dir.filePath(u"absent1"_s), dir.filePath(u"absent2"_s), machine.devicePath()});
    platform::QtSerialLine line(table);
    platform::ManualClock clock;
    shell::Program program(
        line, clock,
        [&] {
            return link::PortList{true, 0, table.presentPortList()};
        },
        dir.filePath(u"Tavro"_s));
    program.window().quit = [] {};
    program.onMainWindowCreated();

    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return program.link().state() == link::LinkState::Identified; }, 20000));
    EXPECT_EQ(program.link().connectedPort(), 3);
    auto *start = program.window().findChild<QAbstractButton *>(u"按钮开始"_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return start->isEnabled(); }, 20000));

    for (const char16_t *button : {u"按钮开始", u"按钮暂停", u"按钮重刻", u"按钮快进", u"按钮重启"})
        QTest::mouseClick(program.window().findChild<QWidget *>(QString::fromUtf16(button)),
                          Qt::LeftButton);
    const QList<QByteArray> expected = {"\xFF\x09\x00\x00"_ba, "\xFF\x01\x01\x00"_ba,
                                        "\xFF\x01\x02\x00"_ba, "\xFF\x01\x03\x00"_ba,
                                        "\xFF\x07\x02\x00"_ba, "\xAA"_ba,
                                        "\xFF\x04\x01\x00"_ba};
    ASSERT_TRUE(QTest::qWaitFor([&] { return machine.receivedFrames().size() >= 7; }, 20000));
    EXPECT_EQ(machine.receivedFrames(), expected);
    EXPECT_TRUE(program.window().log().content().contains(u"Firmware version : 2\r\n"_s));
}

}  // namespace
