// Asking first: a running job is not cut off, and a picture never sent is not wiped, unasked.
#include "run/job_model.h"
#include "shell/main_window.h"
#include "shell_fixture.h"
#include "ui/effect_chooser_window.h"
#include "ui/preview_board.h"

#include <QComboBox>
#include <QTest>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;

namespace {

class JobGuardTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
    }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
    QImage aPicture()
    {
        QImage board(512, 512, QImage::Format_RGB32);
        board.fill(Qt::white);
        for (int x = 0; x < 200; ++x) board.setPixel(x + 20, 40, qRgb(0, 0, 0));
        return board;
    }
    void runAJob()
    {
        session().placeRendering(aPicture());
        click(u"按钮发送数据"_s);
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
        clock.advance(5ms);
        click(u"按钮开始"_s);
        ASSERT_EQ(session().model().state(), run::JobModel::State::Running);
        line.writes.clear();
        desktop.boxes.clear();
    }
    bool sent(const QByteArray &frame) { return line.writes.contains(frame); }
};

TEST_F(JobGuardTest, CancelKeepsTheRunningJobAndPutsNothingOnTheLine)
{
    runAJob();
    desktop.boxAnswer = 1;  // Cancel, every time
    const QImage board = session().document().board();
    click(u"按钮发送数据"_s);
    click(u"按钮清除"_s);
    click(u"按钮重载"_s);
    EXPECT_FALSE(panel().dropFiles(u"/nowhere/picture.png"_s));
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(3);

    ASSERT_EQ(desktop.boxes.size(), 5);
    for (const FakeDesktop::Box &box : desktop.boxes) {
        EXPECT_TRUE(box.text.startsWith(u"A job is running. Stop it and "_s))
            << box.text.toStdString();
        EXPECT_EQ(box.buttons, shell::BoxButtons::OkCancel);
    }
    EXPECT_TRUE(line.writes.isEmpty()) << "no FF 06 00 00, no pause, no stop";
    EXPECT_EQ(session().model().state(), run::JobModel::State::Running);
    EXPECT_EQ(session().document().board(), board);
    EXPECT_EQ(unit<QComboBox>(u"组合框语言"_s)->currentIndex(), 0);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Start"_s);
    EXPECT_FALSE(panel().chooser().isVisible());
}

TEST_F(JobGuardTest, OkStopsTheJobFirst)
{
    runAJob();
    desktop.boxAnswer = 0;
    click(u"按钮发送数据"_s);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(line.writes, (QList<QByteArray>{bytes({0xFF, 0x04, 0x01, 0x00}),
                                              bytes({0xFF, 0x06, 0x00, 0x00})}));
}

TEST_F(JobGuardTest, APictureNeverSentIsNotWipedByALanguageUnasked)
{
    auto *combo = unit<QComboBox>(u"组合框语言"_s);
    session().placeRendering(aPicture());
    desktop.boxAnswer = 1;
    combo->setCurrentIndex(5);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_TRUE(desktop.boxes[0].text.contains(u"not sent"_s));
    EXPECT_EQ(combo->currentIndex(), 0) << "cancelled: the language stays";
    EXPECT_EQ(session().document().board(), aPicture());

    click(u"按钮发送数据"_s);  // sent: now the machine holds it
    line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
    clock.advance(5ms);
    combo->setCurrentIndex(5);
    EXPECT_EQ(desktop.boxes.size(), 1) << "a sent picture is not lost";
    EXPECT_EQ(combo->currentIndex(), 5);
    combo->setCurrentIndex(1);  // only the drop hint on the board: nothing to lose
    EXPECT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(combo->currentIndex(), 1);
}

}  // namespace
