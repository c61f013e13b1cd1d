// Location modes, board presses and jogs: frames on the wire and the remembered mode.
#include "shell_fixture.h"
#include "ui/keyboard_control.h"
#include "ui/location_modes.h"
#include "ui/preview_board.h"

#include <QRadioButton>
#include <QTest>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

const QString PointPrompt = u"\r\n"_s + QString(22, u'>') +
                            u"Click the drawing board to location."_s + QString(16, u'<') +
                            u"\r\n"_s;

class PositioningTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
        logStart = panel().log().content().size();
    }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
    void press(int x, int y)
    {
        // The board's surface starts one pixel in, inside its frame.
        QTest::mousePress(&panel().board(), Qt::LeftButton, {}, QPoint(x + 1, y + 1));
    }
    QString newLog() { return panel().log().content().mid(logStart); }
    ui::BoardCursor cursor() { return panel().board().boardCursor(); }
    bool checked(const QString &name) { return unit<QRadioButton>(name)->isChecked(); }

    qsizetype logStart = 0;
};

TEST_F(PositioningTest, PointModeSendsEveryPressUntilSwitchedOff)
{
    click(u"单选框点定位"_s);
    EXPECT_EQ(newLog(), PointPrompt);
    EXPECT_EQ(cursor(), ui::BoardCursor::Cross);
    EXPECT_TRUE(line.writes.isEmpty()) << "nothing is sent before a press";

    press(511, 0);
    press(99, 100);
    EXPECT_EQ(line.writes,
              (QList<QByteArray>{bytes({0xFF, 0x0A, 5, 11}), bytes({0xFF, 0x0B, 0, 0}),
                                 bytes({0xFF, 0x0A, 0, 99}), bytes({0xFF, 0x0B, 1, 0})}));
    EXPECT_TRUE(newLog().endsWith(u"Position to: 511,0\r\nPosition to: 99,100\r\n"_s));

    click(u"单选框点定位"_s);
    EXPECT_FALSE(checked(u"单选框点定位"_s));
    EXPECT_EQ(cursor(), ui::BoardCursor::Default);
    line.writes.clear();
    press(10, 10);
    EXPECT_TRUE(line.writes.isEmpty());
}

TEST_F(PositioningTest, PressesOnTheBoardsFrameMeanItsEdgePixels)
{
    click(u"单选框点定位"_s);
    press(-1, 5);  // (-1, -1) would be QTest's "no point", the widget's centre
    press(512, 512);
    EXPECT_EQ(line.writes,
              (QList<QByteArray>{bytes({0xFF, 0x0A, 0, 0}), bytes({0xFF, 0x0B, 0, 5}),
                                 bytes({0xFF, 0x0A, 5, 11}), bytes({0xFF, 0x0B, 5, 11})}));
    EXPECT_TRUE(newLog().endsWith(u"Position to: 0,5\r\nPosition to: 511,511\r\n"_s));
}

TEST_F(PositioningTest, CentreAndBoxModes)
{
    click(u"单选框到中心"_s);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 1, 0})});
    EXPECT_EQ(newLog(), u"Laser positioning to image center.\r\n"_s);

    line.writes.clear();
    click(u"单选框框定位"_s);
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 2, 0})});
    EXPECT_TRUE(
        newLog().endsWith(u"\r\nTo carve content will be limited in the box.\r\n"
                          u"Press the direction button to adjust the position.\r\n"_s));

    line.writes.clear();
    click(u"单选框到中心"_s);  // from box to centre in one click
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 1, 0})});

    line.writes.clear();
    click(u"单选框到中心"_s);  // leaving centre sends nothing
    EXPECT_TRUE(line.writes.isEmpty());
    EXPECT_FALSE(checked(u"单选框到中心"_s));

    click(u"单选框框定位"_s);
    line.writes.clear();
    const qsizetype before = panel().log().content().size();
    click(u"单选框框定位"_s);  // leaving box sends the centre frame, quietly
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 1, 0})});
    EXPECT_EQ(panel().log().content().size(), before);
}

TEST_F(PositioningTest, AfterAStartTheRememberedModeIsLeftByTheFirstClick)
{
    click(u"单选框框定位"_s);
    click(u"按钮开始"_s);
    EXPECT_FALSE(checked(u"单选框框定位"_s));
    line.deliver(bytes({0xFF, 0x06, 0x00, 0x00}));  // carving done frees the controls
    line.writes.clear();
    click(u"单选框框定位"_s);
    EXPECT_FALSE(checked(u"单选框框定位"_s));
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 1, 0})});
    line.writes.clear();
    click(u"单选框框定位"_s);
    EXPECT_TRUE(checked(u"单选框框定位"_s));
    EXPECT_EQ(line.writes, QList<QByteArray>{bytes({0xFF, 2, 2, 0})});
}

TEST_F(PositioningTest, JogButtonsSendFrameByteAndPause)
{
    click(u"按钮上"_s);
    click(u"按钮右"_s);
    EXPECT_EQ(line.writes, (QList<QByteArray>{bytes({0xFF, 3, 1, 0}), bytes({1}),
                                              bytes({0xFF, 3, 4, 0}), bytes({4})}));
    EXPECT_EQ(clock.pauses(), (std::vector<std::chrono::milliseconds>{50ms, 50ms}));
    EXPECT_EQ(newLog(), u"Laser Movement : Up\r\nLaser Movement : Right\r\n"_s);
}

TEST_F(PositioningTest, KeyboardControlRegistersTheArrowsInOrder)
{
    auto &keyboard = panel().keyboard();
    click(u"选择框使用键盘"_s);
    ASSERT_NE(keyboard.hotkeyIdUp(), 0);
    EXPECT_EQ(keyboard.hotkeyIdDown(), keyboard.hotkeyIdUp() + 1);
    EXPECT_EQ(keyboard.hotkeyIdLeft(), keyboard.hotkeyIdUp() + 2);
    EXPECT_EQ(keyboard.hotkeyIdRight(), keyboard.hotkeyIdUp() + 3);

    session().pictureDropped(u"/nowhere.png"_s);  // hot keys jog whether or not the buttons are
    line.writes.clear();                          // enabled
    ASSERT_FALSE(unit(u"按钮上"_s)->isEnabled());
    keyboard.hotkeyPressed(keyboard.hotkeyIdUp());
    keyboard.hotkeyPressed(keyboard.hotkeyIdLeft());
    EXPECT_EQ(line.writes, (QList<QByteArray>{bytes({0xFF, 3, 1, 0}), bytes({1}),
                                              bytes({0xFF, 3, 3, 0}), bytes({3})}));
    line.writes.clear();
    keyboard.hotkeyPressed(0);
    keyboard.hotkeyPressed(12345);
    EXPECT_TRUE(line.writes.isEmpty());
}

}  // namespace
