// Text placement geometry, the mirrored desktop.boxes, burning lines into the board, the font
// dialog.
#include "ui/text_engraving.h"
#include "settings/profile_file.h"
#include "shell_fixture.h"
#include "ui/location_modes.h"
#include "ui/preview_board.h"

#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tavro;
using namespace tavro::test;

namespace {

class TextEngravingTest : public ShellTest {
protected:
    void SetUp() override
    {
        startProgram();
        identify();
        session().command(session::CommandId::Clear).trigger();
    }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
    void press(int x, int y)
    {
        QTest::mousePress(&panel().board(), Qt::LeftButton, {}, QPoint(x + 1, y + 1));
    }
    QPlainTextEdit *preview() { return unit<QPlainTextEdit>(u"编辑框文字预览"_s); }
    QPlainTextEdit *input() { return unit<QPlainTextEdit>(u"编辑框文字"_s); }
    // Rows of the board that hold any dark pixel.
    QList<int> inkedRows()
    {
        const QImage b = session().document().board();
        QList<int> rows;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                if (qGray(b.pixel(x, y)) < 128) {
                    rows << y;
                    break;
                }
        return rows;
    }
};

TEST_F(TextEngravingTest, PlacementReachesToTheTextAreaCorner)
{
    click(u"单选框文字"_s);
    EXPECT_TRUE(
        panel().log().content().endsWith(u"Click on the drawing board, select a location\r\n"_s));
    EXPECT_EQ(panel().board().boardCursor(), ui::BoardCursor::IBeam);
    press(100, 300);
    EXPECT_EQ(preview()->geometry(), QRect(100, 300, 390, 190));
    EXPECT_FALSE(preview()->isHidden());
    EXPECT_FALSE(unit(u"按钮文字确认"_s)->isHidden());
    EXPECT_FALSE(unit<QRadioButton>(u"单选框文字"_s)->isChecked());
    EXPECT_EQ(panel().board().boardCursor(), ui::BoardCursor::Default);
}

TEST_F(TextEngravingTest, PressesBeyondTheTextAreaStillGiveAUsableBox)
{
    for (const QPoint p : {QPoint(500, 20), QPoint(20, 511), QPoint(490, 490)}) {
        click(u"单选框文字"_s);
        press(p.x(), p.y());
        const QRect box = preview()->geometry();
        EXPECT_GE(box.width(), 1);
        EXPECT_GE(box.height(), 1);
        EXPECT_LE(box.right(), 489);
        EXPECT_LE(box.bottom(), 489);
    }
}

TEST_F(TextEngravingTest, BoxesMirrorEachOtherFromTheFirstEdit)
{
    EXPECT_TRUE(preview()->toPlainText().isEmpty());
    EXPECT_EQ(input()->toPlainText(), u"Input Text Here..."_s);
    input()->setPlainText(u"Hello"_s);
    EXPECT_EQ(preview()->toPlainText(), u"Hello"_s) << "updated while hidden too";
    preview()->setPlainText(u"Hello\nWorld"_s);
    EXPECT_EQ(input()->toPlainText(), u"Hello\nWorld"_s);
}

TEST_F(TextEngravingTest, BeforeAnyEditBurningWritesNothing)
{
    click(u"单选框文字"_s);
    press(50, 50);
    click(u"按钮文字确认"_s);
    EXPECT_TRUE(inkedRows().isEmpty());
    EXPECT_TRUE(preview()->isHidden());
}

TEST_F(TextEngravingTest, LinesAreOneLineHeightPlusTwoApart)
{
    document::TextFontSettings font;
    font.size = 24;
    panel().text().applyFontSettings(font);
    input()->setPlainText(u"HHH\r\n\nHHH"_s);  // an empty line still takes its place
    click(u"单选框文字"_s);
    press(40, 100);
    click(u"按钮文字确认"_s);
    const QList<int> rows = inkedRows();
    ASSERT_FALSE(rows.isEmpty());
    const int step = QFontMetrics(session().document().font().toFont()).height() + 2;
    const int firstTop = rows.first();
    EXPECT_GE(firstTop, 100);
    EXPECT_TRUE(rows.contains(firstTop + 2 * step)) << "third line two steps below";
    EXPECT_FALSE(rows.contains(firstTop + step)) << "the empty line draws nothing";
    EXPECT_EQ(document::JobDocument::splitLines(u"a\r\nb\rc\nd"_s),
              (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
}

TEST_F(TextEngravingTest, BurntTextIsPureBlackOnWhite)
{
    input()->setPlainText(u"Tavro"_s);
    click(u"单选框文字"_s);
    press(10, 10);
    click(u"按钮文字确认"_s);
    const QImage b = session().document().board();
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const QRgb p = b.pixel(x, y);
            ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
        }
}

TEST_F(TextEngravingTest, ConfirmedFontIsAppliedAndSaved)
{
    QFont chosen(u"Arial"_s);
    chosen.setPointSize(24);
    chosen.setBold(true);
    desktop.fontAnswer = chosen;
    click(u"按钮字体"_s);
    ASSERT_EQ(desktop.fontsAsked.size(), 1);
    EXPECT_EQ(desktop.fontsAsked[0].pointSize(), 72);
    settings::ProfileFile file(configPath);
    const QStringList expected = {u"Arial"_s, u"24"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s};
    QStringList stored;
    for (const QString &key :
         {u"Name"_s, u"Size"_s, u"Bold"_s, u"Tilt"_s, u"Strikethrough"_s, u"Underline"_s})
        stored << file.read(u"Front"_s, key, u"missing"_s);
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(preview()->font().pixelSize(), 32);
    EXPECT_TRUE(preview()->font().bold());

    desktop.fontAnswer.reset();
    click(u"按钮字体"_s);
    EXPECT_EQ(preview()->font().pixelSize(), 32) << "cancel changes nothing";
}

// The system's dialog opens on the six stored values, the face as this system shows it
// (Arial through its substitute); OK without a change keeps exactly what was stored.
TEST_F(TextEngravingTest, TheFontDialogOpensOnTheCurrentFontAndOkKeepsIt)
{
    const QStringList keys = {u"Name"_s, u"Size"_s,          u"Bold"_s,
                              u"Tilt"_s, u"Strikethrough"_s, u"Underline"_s};
    const QStringList values = {u"Arial"_s, u"30"_s, u"1"_s, u"1"_s, u"1"_s, u"0"_s};
    for (qsizetype i = 0; i < keys.size(); ++i) store(u"Front"_s, keys[i], values[i]);
    program.reset();
    startProgram();

    click(u"按钮字体"_s);  // cancelled: shows what the dialog would open on
    ASSERT_EQ(desktop.fontsAsked.size(), 1);
    const QFont presented = desktop.fontsAsked[0];
    desktop.fontAnswer = presented;  // OK without a change
    click(u"按钮字体"_s);

    EXPECT_EQ(presented.family(), QFontInfo(QFont(u"Arial"_s)).family());
    EXPECT_EQ(presented.pointSize(), 30);
    EXPECT_TRUE(presented.bold());
    EXPECT_TRUE(presented.italic());
    EXPECT_TRUE(presented.strikeOut());
    EXPECT_FALSE(presented.underline());
    settings::ProfileFile file(configPath);
    QStringList stored;
    for (const QString &key : keys) stored << file.read(u"Front"_s, key, u"missing"_s);
    EXPECT_EQ(stored, values);
    EXPECT_EQ(session().document().font().toFont().family(), u"Arial"_s);
}

TEST_F(TextEngravingTest, ArmingOverPointModeTakesTheBoard)
{
    click(u"单选框点定位"_s);
    click(u"单选框文字"_s);
    EXPECT_EQ(panel().board().boardCursor(), ui::BoardCursor::IBeam);
    line.writes.clear();
    press(30, 40);
    EXPECT_TRUE(line.writes.isEmpty()) << "the press placed text, it did not position";
    EXPECT_EQ(preview()->pos(), QPoint(30, 40));
    // Point mode is still remembered: the next click leaves it, the one after enters it.
    click(u"单选框点定位"_s);
    EXPECT_EQ(panel().board().boardCursor(), ui::BoardCursor::Default);
    click(u"单选框点定位"_s);
    EXPECT_EQ(panel().board().boardCursor(), ui::BoardCursor::Cross);
}

}  // namespace
