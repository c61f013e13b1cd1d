// The board magnified and the chosen picture moved with the mouse and the keys: presses mean the
// dot under them at every magnification, and a drag asks for the placement it shows.
#include "shell/main_window.h"
#include "shell_fixture.h"
#include "ui/effect_chooser_window.h"
#include "ui/preview_board.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tavro;
using namespace tavro::test;

namespace {

class BoardViewTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
    }
    ui::PreviewBoard &board() { return panel().board(); }
    // Widget point of the middle of a board dot.
    QPoint at(QPoint dot)
    {
        return board().widgetPointOf(dot) + QPoint(1, 1) * (board().zoom() / 2);
    }
    // A picture chosen in the effect chooser, as the operator chooses it.
    void choosePicture()
    {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(20, 20, 120, 50, Qt::black);
        const QString path = home.filePath(u"sign.png"_s);
        ASSERT_TRUE(image.save(path));
        mainWindow().dropFiles(path);
        clock.advance(ui::EffectChooserWindow::TaskInterval);
        panel().chooser().chooseBlackWhite();
        ASSERT_TRUE(session().document().placement().has_value());
    }
    QRect pictureRect() { return session().document().placement()->rect; }
};

TEST_F(BoardViewTest, APressAtEveryMagnificationMeansTheDotUnderIt)
{
    QTest::mouseClick(unit(u"单选框点定位"_s), Qt::LeftButton);
    for (const int zoom : {2, 4, 8}) {
        board().setZoom(zoom);
        board().scrollTo({100, 200});
        line.writes.clear();
        QTest::mousePress(&board(), Qt::LeftButton, {}, at({105, 207}));
        EXPECT_EQ(line.writes,
                  (QList<QByteArray>{bytes({0xFF, 0x0A, 1, 5}), bytes({0xFF, 0x0B, 2, 7})}))
            << "at " << zoom << "x";
    }
    EXPECT_EQ(board().viewOrigin(), QPoint(100, 200));
    board().setZoom(1);
    EXPECT_EQ(board().viewOrigin(), QPoint(0, 0));
}

TEST_F(BoardViewTest, TextPlacedMagnifiedIsBurntAtTheDotClicked)
{
    auto *text = unit<QPlainTextEdit>(u"编辑框文字"_s);
    text->setPlainText(u"I"_s);
    session().command(session::CommandId::Clear).trigger();
    board().setZoom(4);
    board().scrollTo({300, 300});
    QTest::mouseClick(unit(u"单选框文字"_s), Qt::LeftButton);
    QTest::mousePress(&board(), Qt::LeftButton, {}, at({310, 320}));
    auto *preview = unit<QPlainTextEdit>(u"编辑框文字预览"_s);
    EXPECT_EQ(preview->pos(), QPoint(40, 80)) << "the box stays on its dot";
    QTest::mouseClick(unit(u"按钮文字确认"_s), Qt::LeftButton);
    const QImage burnt = session().document().board();
    QRect ink;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            if (qGray(burnt.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 310);
    EXPECT_LT(ink.left(), 320);
    EXPECT_GE(ink.top(), 320);
}

TEST_F(BoardViewTest, DraggingThePictureOrItsCornerPlacesItWhereItShows)
{
    choosePicture();
    const QRect start = pictureRect();
    QTest::mousePress(&board(), Qt::LeftButton, {}, at(start.center()));
    QTest::mouseMove(&board(), at(start.center() + QPoint(-30, 40)));
    QTest::mouseRelease(&board(), Qt::LeftButton, {}, at(start.center() + QPoint(-30, 40)));
    EXPECT_EQ(pictureRect(), start.translated(-30, 40));

    // The bottom-right corner, pulled in: the top-left stays, the proportions too.
    const QRect moved = pictureRect();
    const QPoint corner = moved.bottomRight() + QPoint(1, 1);
    QTest::mousePress(&board(), Qt::LeftButton, {}, board().widgetPointOf(corner));
    QTest::mouseMove(&board(), board().widgetPointOf(corner - QPoint(100, 10)));
    QTest::mouseRelease(&board(), Qt::LeftButton, {},
                        board().widgetPointOf(corner - QPoint(100, 10)));
    EXPECT_EQ(pictureRect().topLeft(), moved.topLeft());
    EXPECT_EQ(pictureRect().width(), moved.width() - 100);
    EXPECT_EQ(pictureRect().height(), pictureRect().width() / 2);

    // Shift frees the proportions.
    const QRect scaled = pictureRect();
    const QPoint end = scaled.bottomRight() + QPoint(1, 1);
    QTest::mousePress(&board(), Qt::LeftButton, Qt::ShiftModifier, board().widgetPointOf(end));
    QTest::mouseMove(&board(), board().widgetPointOf(end + QPoint(0, 60)));
    QTest::mouseRelease(&board(), Qt::LeftButton, Qt::ShiftModifier,
                        board().widgetPointOf(end + QPoint(0, 60)));
    EXPECT_EQ(pictureRect().size(), scaled.size() + QSize(0, 60));
    EXPECT_TRUE(line.writes.isEmpty() || line.writes == QList<QByteArray>{bytes({0xFF, 1, 2, 0})})
        << "placing sends nothing to the machine";
}

TEST_F(BoardViewTest, ShiftWithArrowsMovesByADotAndCtrlByAMillimetre)
{
    choosePicture();
    const QRect start = pictureRect();
    board().setFocus();
    QTest::keyClick(&board(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&board(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(pictureRect(), start.translated(1, 13));
    line.writes.clear();
    QTest::keyClick(&board(), Qt::Key_Left);
    EXPECT_EQ(pictureRect(), start.translated(1, 13)) << "a plain arrow is a jog key, not a move";
}

}  // namespace
