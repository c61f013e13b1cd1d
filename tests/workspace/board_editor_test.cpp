// Clear, Reload, Zoom Out, Rotate and the remembered rendering, on the real board.
#include "workspace/board_editor.h"
#include "job/effect_board.h"
#include "shell_fixture.h"
#include "workspace/preview_board.h"
#include "workspace/text_engraving.h"

#include <QTest>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::test;

namespace {

class BoardEditorTest : public ShellTest {
protected:
    void SetUp() override { startProgram(); }
    workspace::BoardEditor &editor() { return window().editor(); }
    QImage board() { return window().board().snapshot(); }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }

    // A rendering as the effect chooser puts it on the board.
    QImage chooseRendering()
    {
        QImage rendering = job::blankBoard();
        for (int y = 40; y < 300; ++y)
            for (int x = 60; x < 200; ++x)
                if ((x / 7 + y / 5) % 2) rendering.setPixel(x, y, qRgb(0, 0, 0));
        editor().clear();
        editor().installBlankBackground();
        editor().drawPicture(rendering, 0, 0);
        editor().rememberBoardImage();
        return rendering;
    }
};

TEST_F(BoardEditorTest, FourRotationsRestoreTheBoardAndOneMovesTheCornerRight)
{
    const QImage start = board();  // the drop hint, which is not symmetric
    window().board().drawPoint(0, 0, qRgb(255, 0, 0));
    const QImage marked = board();
    click(u"按钮旋转"_s);
    EXPECT_EQ(board().pixel(511, 0), qRgb(255, 0, 0));
    for (int i = 0; i < 3; ++i) click(u"按钮旋转"_s);
    EXPECT_EQ(board(), marked);
    EXPECT_NE(board(), start);
}

TEST_F(BoardEditorTest, ZoomOutOfAWhiteBoardStaysWhite)
{
    click(u"按钮清除"_s);
    click(u"按钮缩小"_s);
    click(u"按钮缩小"_s);
    const QImage b = board();
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 512; ++x) {
            ASSERT_EQ(b.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST_F(BoardEditorTest, ZoomOutShrinksIntoTheMarginsWithGreyEdges)
{
    chooseRendering();
    click(u"按钮缩小"_s);
    const QImage b = board();
    bool grey = false;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const int g = qGray(b.pixel(x, y));
            if (g > 0 && g < 255) grey = true;
            if (x < 10 || y < 10 || x > 491 || y > 491) {
                ASSERT_EQ(b.pixel(x, y), qRgb(255, 255, 255)) << "margin " << x << "," << y;
            }
        }
    EXPECT_TRUE(grey) << "averaging makes grey edge pixels";
    EXPECT_EQ(editor().workImage().size(), QSize(512, 512));
}

TEST_F(BoardEditorTest, ReloadBringsBackTheChosenRenderingExactly)
{
    const QImage rendering = chooseRendering();
    window().text().applyFontSettings({});
    window().board().writeTextAt(20, 20, u"later text"_s);
    window().board().drawPoint(300, 300, qRgb(255, 0, 0));
    click(u"按钮旋转"_s);
    click(u"按钮缩小"_s);
    click(u"按钮清除"_s);
    click(u"按钮重载"_s);
    EXPECT_EQ(board(), rendering.convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardEditorTest, LanguageChangeWipesTheBoardAndReloadBringsItBack)
{
    const QImage rendering = chooseRendering();
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(1);
    EXPECT_NE(board(), rendering.convertToFormat(QImage::Format_RGB32));
    click(u"按钮重载"_s);
    EXPECT_EQ(board(), rendering.convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardEditorTest, ReloadWithNothingRememberedJustClears)
{
    const QImage hint = board();
    click(u"按钮重载"_s);
    EXPECT_EQ(board(), hint) << "cleared to the background, nothing drawn";
    EXPECT_TRUE(editor().rememberedImage().isNull());
}

TEST_F(BoardEditorTest, RememberKeepsThePreviousRenderingAsWorkImage)
{
    const QImage first = chooseRendering();
    editor().clear();
    editor().drawPoint(1, 1, qRgb(0, 0, 0));
    editor().rememberBoardImage();
    EXPECT_EQ(editor().workImage(), first.convertToFormat(QImage::Format_RGB32));
}

TEST_F(BoardEditorTest, ClearEnablesEverythingAndResetsTheFields)
{
    identify();
    line.deliver(bytes({0xFF, 0x04, 0x00, 0x05, 0xFF, 0x03, 0x00, 0x09}));
    window().dropFiles(u"/nonexistent/picture.png"_s);
    EXPECT_EQ(enabledMachineControls(), (QStringList{u"按钮发送数据"_s, u"按钮清除"_s,
                                                     u"按钮缩小"_s, u"按钮旋转"_s, u"按钮重载"_s}));
    click(u"按钮清除"_s);
    EXPECT_EQ(enabledMachineControls().size(), 21);
    EXPECT_EQ(caption(u"编辑框x"_s), u"000"_s);
    EXPECT_EQ(caption(u"编辑框y"_s), u"000"_s);
    EXPECT_EQ(board().pixel(100, 240), qRgb(255, 255, 255)) << "the hint is gone";
}

TEST_F(BoardEditorTest, DropPausesTheMachineAndStoresEveryPath)
{
    identify();
    QTest::mouseClick(unit(u"按钮开始"_s), Qt::LeftButton);
    clock.advance(3000ms);
    line.writes.clear();
    window().dropFiles(u"/a/one.png\r\n/b/two.jpg\r\n"_s);
    EXPECT_EQ(editor().picturePath(), u"/a/one.png\r\n/b/two.jpg\r\n"_s);
    EXPECT_EQ(line.writes.value(0), bytes({0xFF, 1, 2, 0}));
    EXPECT_TRUE(window().log().content().contains(u"Engraving Pause !\r\n\r\n"_s));
    EXPECT_EQ(caption(u"标签时间值"_s), u"00:00"_s);
    clock.advance(3000ms);
    EXPECT_EQ(caption(u"标签时间值"_s), u"00:00"_s) << "the clock was stopped";
}

}  // namespace
