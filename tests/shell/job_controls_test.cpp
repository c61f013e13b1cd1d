// Job buttons, the run clock, the burn-time slider and the control sets, in the real window.
#include "shell_fixture.h"

#include <QPlainTextEdit>
#include "ui/preview_board.h"

#include <QTest>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

class JobControlsTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
    }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
    QString runTime() { return caption(u"标签时间值"_s); }
};

TEST_F(JobControlsTest, IdentificationEnablesAllTwentyOneInOrder)
{
    EXPECT_EQ(enabledMachineControls(), AllMachineControls);
    EXPECT_EQ(caption(u"按钮连接"_s), u"OK"_s);
    EXPECT_FALSE(unit(u"按钮连接"_s)->isEnabled());
}

TEST_F(JobControlsTest, StartLocksTheLocationControlsAndCountsOnAfterAPause)
{
    unit<QAbstractButton>(u"单选框到中心"_s)->setChecked(true);
    click(u"按钮开始"_s);
    EXPECT_EQ(line.writes.value(0), bytes({0xFF, 1, 1, 0}));
    for (const QString &name : {u"单选框点定位"_s, u"单选框到中心"_s, u"单选框框定位"_s,
                                u"按钮上"_s, u"按钮下"_s, u"按钮左"_s, u"按钮右"_s}) {
        EXPECT_FALSE(unit(name)->isEnabled()) << name.toStdString();
    }
    EXPECT_FALSE(unit<QAbstractButton>(u"单选框到中心"_s)->isChecked());
    EXPECT_EQ(runTime(), u"00:00"_s);

    clock.advance(65000ms);
    EXPECT_EQ(runTime(), u" 01:05"_s);
    click(u"按钮暂停"_s);
    clock.advance(5000ms);
    EXPECT_EQ(runTime(), u" 01:05"_s);
    click(u"按钮开始"_s);
    clock.advance(1000ms);
    EXPECT_EQ(runTime(), u" 01:06"_s);
    EXPECT_TRUE(panel().log().content().endsWith(
        u"Start carving\r\n\r\nEngraving Pause !\r\n\r\nStart carving\r\n\r\n"_s));
}

TEST_F(JobControlsTest, RunClockFormat)
{
    EXPECT_EQ(run::JobControls::runTimeText(7), u" 00:07"_s);
    EXPECT_EQ(run::JobControls::runTimeText(754), u" 12:34"_s);
    EXPECT_EQ(run::JobControls::runTimeText(6000), u" 100:00"_s);
}

TEST_F(JobControlsTest, RecarveResetsAndKeepsARunningRhythm)
{
    click(u"按钮开始"_s);
    clock.advance(1500ms);
    click(u"按钮重刻"_s);
    EXPECT_EQ(runTime(), u"00:00"_s);
    clock.advance(500ms);
    EXPECT_EQ(runTime(), u" 00:01"_s) << "the running clock was not restarted";
    EXPECT_EQ(line.writes.last(), bytes({0xFF, 1, 3, 0}));
}

TEST_F(JobControlsTest, CarveDoneStopsTheClockAndFreesTheLocationControls)
{
    click(u"按钮开始"_s);
    clock.advance(3000ms);
    line.deliver(bytes({0xFF, 0x06, 0x00, 0x00}));
    clock.advance(3000ms);
    EXPECT_EQ(runTime(), u" 00:03"_s);
    EXPECT_EQ(enabledMachineControls(), AllMachineControls);
    EXPECT_TRUE(panel().log().content().endsWith(u"Carved finish !\r\n"_s));
}

TEST_F(JobControlsTest, RestartResetsEverything)
{
    line.deliver(bytes({0xFF, 0x04, 0x01, 0x2C, 0xFF, 0x03, 0x02, 0x32}));
    EXPECT_EQ(caption(u"编辑框x"_s), u"250"_s);
    EXPECT_EQ(caption(u"编辑框y"_s), u"144"_s);
    EXPECT_EQ(panel().board().shownImage().pixel(249, 144), qRgb(255, 0, 0));
    click(u"按钮开始"_s);
    clock.advance(2000ms);
    session().command(session::CommandId::Restart).trigger();
    EXPECT_EQ(line.writes.last(), bytes({0xFF, 4, 1, 0}));
    EXPECT_EQ(runTime(), u"00:00"_s);
    clock.advance(5000ms);
    EXPECT_EQ(runTime(), u"00:00"_s);
    EXPECT_EQ(caption(u"编辑框x"_s), u"000"_s);
    EXPECT_EQ(caption(u"编辑框y"_s), u"000"_s);
    EXPECT_EQ(enabledMachineControls(), AllMachineControls);
}

TEST_F(JobControlsTest, BreakDisablesTheMachineControls)
{
    click(u"按钮断开"_s);
    EXPECT_TRUE(enabledMachineControls().isEmpty());
    EXPECT_EQ(caption(u"按钮连接"_s), u"Connect"_s);
    EXPECT_TRUE(unit(u"按钮连接"_s)->isEnabled());
}

TEST_F(JobControlsTest, SkipRowsWriteTheirControlBytes)
{
    click(u"按钮快退"_s);
    click(u"按钮快进"_s);
    EXPECT_EQ(line.writes, (QList<QByteArray>{bytes({0xFF, 7, 1, 0}), bytes({0x55}),
                                              bytes({0xFF, 7, 2, 0}), bytes({0xAA})}));
}

TEST_F(JobControlsTest, MachineBurnTimeMovesTheSliderQuietly)
{
    line.deliver(bytes({0xFF, 0x0A, 0x01, 0x32}));
    EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->value(), 100);
    EXPECT_EQ(caption(u"标签灼烧时间值"_s), u"150"_s) << "the change event did not overwrite it";
    line.deliver(bytes({0xFF, 0x0A, 0x00, 0x28}));
    EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->value(), 40);
    EXPECT_EQ(caption(u"标签灼烧时间值"_s), u"40"_s);
    EXPECT_TRUE(line.writes.isEmpty());
}

TEST_F(JobControlsTest, PowerOffAsksFirst)
{
    desktop.boxAnswer = 1;
    click(u"按钮关机"_s);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].caption, u"Message"_s);
    EXPECT_EQ(desktop.boxes[0].buttons, shell::BoxButtons::OkCancel);
    EXPECT_TRUE(desktop.boxes[0].text.endsWith(u"\r\nDetermine shutdown?"_s));
    EXPECT_TRUE(line.writes.isEmpty());
    EXPECT_EQ(desktop.quits, 0);

    desktop.boxAnswer = 0;
    click(u"按钮关机"_s);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 0x0C, 0, 0})});
    EXPECT_EQ(line.drains, 1) << "the frame is out before the program ends";
    EXPECT_EQ(desktop.quits, 1);
}

TEST_F(JobControlsTest, PowerOffThatCannotGoOutKeepsTheProgram)
{
    line.close();  // the machine went away a moment ago
    desktop.boxAnswer = 0;
    click(u"按钮关机"_s);
    EXPECT_TRUE(line.writes.isEmpty());
    EXPECT_EQ(desktop.quits, 0) << "ending now would leave a running machine and no one to tell";
    EXPECT_TRUE(
        panel().log().content().endsWith(u"Not sent, no machine connected: Power OFF\r\n"_s));
}

TEST_F(JobControlsTest, AFloodOfNumberReportsKeepsTheLogBounded)
{
    QByteArray flood;
    for (int i = 0; i < 25000; ++i) flood += bytes({0xFF, 0x08, i / 100 % 100, i % 100});
    line.deliver(flood);
    const ui::LogBox &log = panel().log();
    EXPECT_LE(log.content().count(u'\n'), ui::LogBox::MaxLines + ui::LogBox::TrimLines);
    EXPECT_TRUE(log.content().startsWith(ui::LogBox::droppedNote()));
    EXPECT_EQ(log.content().count(ui::LogBox::droppedNote()), 1) << "said once";
    EXPECT_TRUE(log.content().endsWith(u"\r\n4998\r\n4999\r\n"_s)) << "the newest lines are kept";
    auto *box = unit<QPlainTextEdit>(u"编辑框1"_s);
    EXPECT_LE(box->document()->blockCount(), ui::LogBox::MaxLines + ui::LogBox::TrimLines + 2);
    EXPECT_TRUE(box->toPlainText().startsWith(u"(older lines were dropped"_s));
}

TEST_F(JobControlsTest, FirmwareOneHidesPowerOffAndClosesUpTheJobButtons)
{
    line.deliver(bytes({0xFF, 0x02, 0x01, 0x00}));
    EXPECT_TRUE(unit(u"按钮关机"_s)->isHidden());
    EXPECT_EQ(unit(u"按钮开始"_s)->geometry(), QRect(264, 8, 96, 40));
    EXPECT_EQ(unit(u"按钮暂停"_s)->geometry(), QRect(456, 8, 96, 40));
    EXPECT_EQ(unit(u"按钮重启"_s)->geometry(), QRect(640, 8, 96, 40));
}

TEST_F(JobControlsTest, NewerFirmwareAsksForAnUpdate)
{
    line.deliver(bytes({0xFF, 0x02, 0x03, 0x00}));
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].caption, u"Message"_s);
    EXPECT_FALSE(unit(u"按钮关机"_s)->isHidden());
}

}  // namespace
