// Start-up: the log, the stored language and font, the window's units.
#include "shell/captions.h"
#include "shell_fixture.h"
#include "ui/log_box.h"
#include "ui/number_text.h"
#include "ui/preview_board.h"

#include <QDir>
#include <QPlainTextEdit>

using namespace tavro;
using namespace tavro::test;

namespace {

TEST_F(ShellTest, FirstStartInAnEmptyFolder)
{
    startProgram();
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(panel().log().content(),
              QString(13, u' ') + u"Welcome(^_^)\r\nAutomatic Connecting...\r\n"_s);
    EXPECT_EQ(storedLanguage(), u"0"_s);
    EXPECT_EQ(unit<QComboBox>(u"组合框语言"_s)->currentIndex(), 0);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Start"_s);
    EXPECT_EQ(caption(u"单选框点定位"_s), u"Point Positioning"_s);
    EXPECT_EQ(caption(u"按钮连接"_s), u"Connecting..."_s);
    const QFont font = session().document().font().toFont();
    EXPECT_EQ(font.family(), u"Arial"_s);
    EXPECT_EQ(font.pixelSize(), 96) << "72 points on the board's 96 dots per inch";
    EXPECT_FALSE(font.bold() || font.italic() || font.underline() || font.strikeOut());
    EXPECT_EQ(settings::ProfileFile(configPath).read(u"Front"_s, u"Name"_s, u"unset"_s), u"unset"_s)
        << "nothing of the font is written at start-up";
}

TEST_F(ShellTest, TheLogShowsItsLinesInOrderEvenWhenTheScanAlreadyConnected)
{
    line.openable = {1};
    startProgram();
    line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00, 0xFF, 0x02, 0x02, 0x00}));
    EXPECT_EQ(panel().log().content(), ui::LogBox::initialContent() +
                                           u"Automatic Connecting...\r\n"_s + QString(22, u'>') +
                                           QString(13, u' ') + u"CONNECTED !"_s + QString(4, u' ') +
                                           QString(22, u'<') + u"\r\nFirmware version : 2\r\n"_s);
    const QString shown = unit<QPlainTextEdit>(u"编辑框1"_s)->toPlainText();
    EXPECT_FALSE(shown.contains(u'\r'));
    EXPECT_TRUE(shown.endsWith(u"Firmware version : 2\n"_s));
}

struct StoredLanguage {
    const char16_t *stored;
    int selection;
    const char16_t *written;
    const char16_t *startCaption;
};

class StoredLanguageTest : public ShellTest,
                           public ::testing::WithParamInterface<StoredLanguage> {};

TEST_P(StoredLanguageTest, SelectsClampsAndWritesBack)
{
    const StoredLanguage &c = GetParam();
    store(u"MainWindow"_s, u"Language"_s, QString::fromUtf16(c.stored));
    startProgram();
    EXPECT_EQ(unit<QComboBox>(u"组合框语言"_s)->currentIndex(), c.selection);
    EXPECT_EQ(storedLanguage(), QString::fromUtf16(c.written));
    EXPECT_EQ(caption(u"按钮开始"_s), QString::fromUtf16(c.startCaption));
}

INSTANTIATE_TEST_SUITE_P(OddShapes, StoredLanguageTest,
                         ::testing::Values(StoredLanguage{u"2.7", 2, u"2", u"スタート"},
                                           StoredLanguage{u"abc", 0, u"0", u"Start"},
                                           StoredLanguage{u"9", 5, u"5", u"Beginnen"},
                                           StoredLanguage{u" 1", 1, u"1", u"开始"},
                                           StoredLanguage{u"4.9999999999999", 5, u"5", u"Beginnen"},
                                           StoredLanguage{u"-3", -1, u"-1", u"Start"},
                                           StoredLanguage{u"99999999999999999999", 5, u"5",
                                                          u"Beginnen"}),
                         [](const auto &info) { return "Stored" + std::to_string(info.index); });

TEST_F(ShellTest, NoSelectionKeepsTheStoredLayoutCaptions)
{
    store(u"MainWindow"_s, u"Language"_s, u"-3"_s);
    startProgram();
    EXPECT_EQ(caption(u"单选框点定位"_s), u"任意点定位"_s);
    EXPECT_EQ(caption(u"单选框到中心"_s), u"到中心"_s);
    EXPECT_EQ(caption(u"按钮发送数据"_s), u"Send Image To Machine"_s);
    EXPECT_EQ(caption(u"分组框预览"_s), u"Carve Preview"_s);
}

TEST_F(ShellTest, StoredFontsOfOddShapes)
{
    store(u"Front"_s, u"Name"_s, u"微软雅黑"_s);
    store(u"Front"_s, u"Size"_s, u"24pt"_s);
    store(u"Front"_s, u"Bold"_s, u"1"_s);
    store(u"Front"_s, u"Tilt"_s, u"yes"_s);
    store(u"Front"_s, u"Underline"_s, u" 1"_s);
    startProgram();
    const QFont font = session().document().font().toFont();
    EXPECT_EQ(font.family(), u"微软雅黑"_s);
    EXPECT_EQ(font.pixelSize(), 32);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic()) << "only the exact text 1 is true";
    EXPECT_EQ(panel().findChild<QWidget *>(u"编辑框文字预览"_s)->font(), font);

    store(u"Front"_s, u"Size"_s, u"huge"_s);
    startProgram();
    EXPECT_GE(session().document().font().toFont().pixelSize(), 1) << "size 0 still draws";
}

TEST_F(ShellTest, UnwritableSettingsFolderDoesNotStopStartUp)
{
    QFile blocker(home.filePath(u"Tavro"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    startProgram();
    EXPECT_EQ(caption(u"按钮开始"_s), u"Start"_s);
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(3);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Démarrer"_s);
}

TEST_F(ShellTest, UnitsStartWhereTheLayoutPutsThem)
{
    startProgram();
    EXPECT_EQ(panel().size(), QSize(1019, 655));
    const struct {
        const char16_t *name;
        QRect geometry;
    } units[] = {{u"按钮连接", {24, 8, 80, 32}},    {u"按钮发送数据", {808, 8, 168, 56}},
                 {u"编辑框1", {8, 16, 184, 288}},   {u"画板1", {8, 16, 514, 514}},
                 {u"按钮快进", {152, 16, 64, 40}},  {u"滑块条1", {8, 608, 752, 40}},
                 {u"按钮设置", {936, 608, 64, 32}}, {u"编辑框文字预览", {215, 447, 208, 40}}};
    for (const auto &u : units)
        EXPECT_EQ(unit(QString::fromUtf16(u.name))->geometry(), u.geometry)
            << QString::fromUtf16(u.name).toStdString();
    for (const char16_t *name : {u"按钮开始", u"按钮暂停", u"按钮重启", u"按钮关机"})
        EXPECT_FALSE(unit(QString::fromUtf16(name))->isEnabled());
    EXPECT_TRUE(unit(u"编辑框文字预览"_s)->isHidden());
    EXPECT_TRUE(unit(u"按钮文字确认"_s)->isHidden());
    EXPECT_EQ(unit(u"标签Logo"_s)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->value(), 40);
    EXPECT_EQ(unit<QSlider>(u"滑块条1"_s)->pageStep(), 5);
    EXPECT_EQ(session().document().board().size(), QSize(512, 512));
}

TEST(NumberText, LeadingNumberAndIntegerPart)
{
    const struct {
        const char16_t *text;
        int whole;
    } cases[] = {{u"2.7", 2},  {u"abc", 0},   {u"-3", -3}, {u"  9 ", 9},
                 {u"1e1", 10}, {u"-0.5", -1}, {u".5", 0},  {u"2.9999999999999", 3},
                 {u"7abc", 7}, {u"", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(ui::integerPart(ui::leadingNumber(QString::fromUtf16(c.text))), c.whole)
            << QString::fromUtf16(c.text).toStdString();
}

}  // namespace
