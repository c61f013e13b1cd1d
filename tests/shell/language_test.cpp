// The six interface languages: captions, drop hints, the stored choice, Qt's own texts.
#include "shell/interface_translator.h"
#include "shell_fixture.h"
#include "ui/preview_board.h"

#include <QMessageBox>
#include <QPushButton>

using namespace tavro;
using namespace tavro::test;

namespace {

class LanguageTest : public ShellTest {
protected:
    void SetUp() override { startProgram(); }
    void choose(int index) { unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(index); }
};

TEST_F(LanguageTest, CaptionsExactlyAsTheOperatorSeesThem)
{
    const struct {
        int language;
        const char16_t *unit;
        const char16_t *caption;
    } cells[] = {
        {0, u"按钮快退", u"      Fast      Backward"},
        {0, u"按钮缩小", u"  Zoom  Out"},
        {0, u"按钮清除", u"Clear "},
        {0, u"标签时间", u"Run time:"},
        {1, u"按钮发送数据", u"发送数据到雕刻机"},
        {1, u"标签灼烧时间", u"灼烧时间："},
        {2, u"按钮缩小", u"回してズームアウト"},
        {2, u"单选框文字", u"位置決め"},
        {3, u"分组框预览", u"Aperçu"},
        {3, u"按钮重刻", u"Sculpter de nouveau "},
        {3, u"分组框进度", u"Contrôler le processus de sculpter "},
        {3, u"按钮设置", u"Réglage"},
        {3, u"按钮缩小", u"Zoom arrière"},
        {3, u"按钮暂停", u"Pause"},
        {4, u"按钮下", u"Giù"},
        {4, u"按钮上", u"SU"},
        {5, u"按钮下", u"Ab"},
        {5, u"单选框点定位", u"Point Positioning"},
        {5, u"按钮字体", u"Font"},
        {5, u"按钮关机", u"Stilllegung"},
    };
    for (const auto &cell : cells) {
        choose(cell.language);
        EXPECT_EQ(caption(QString::fromUtf16(cell.unit)), QString::fromUtf16(cell.caption))
            << cell.language << " " << QString::fromUtf16(cell.unit).toStdString();
    }
}

TEST_F(LanguageTest, UnitsOutsideTheTableKeepTheirCaptions)
{
    identify();
    for (int language = 0; language < 6; ++language) {
        choose(language);
        EXPECT_EQ(caption(u"按钮连接"_s), u"OK"_s);
        EXPECT_EQ(caption(u"标签2"_s), u"Language :"_s);
        EXPECT_EQ(caption(u"标签坐标"_s), u"X:"_s);
        EXPECT_EQ(caption(u"按钮文字确认"_s), u"OK"_s);
    }
}

TEST_F(LanguageTest, EveryChangeWipesTheBoardAndIsStored)
{
    QImage hints[6];
    for (int language = 0; language < 6; ++language) {
        choose(language);
        EXPECT_EQ(storedLanguage(), QString::number(language));
        hints[language] = session().document().board();
    }
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) EXPECT_NE(hints[a], hints[b]) << a << " " << b;

    session()
        .command(session::CommandId::Rotate)
        .trigger();  // something drawn, never sent: the box says so
    choose(1);
    EXPECT_EQ(session().document().board(), hints[1]) << "the hint alone, nothing drawn before";
}

TEST_F(LanguageTest, HintsAreWhiteBoardsWithOneLineOfText)
{
    for (int language = 0; language < 6; ++language) {
        choose(language);
        const QImage board = session().document().board();
        ASSERT_EQ(board.size(), QSize(512, 512));
        EXPECT_EQ(board.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(board.pixel(511, 511), qRgb(255, 255, 255));
        int dark = 0, top = 512, bottom = -1;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x)
                if (qGray(board.pixel(x, y)) < 128) {
                    ++dark;
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        EXPECT_GT(dark, 100) << language;
        EXPECT_LT(bottom - top, 60) << "one line";
        EXPECT_GT(top, 150) << "near the middle";
        EXPECT_LT((top + bottom) / 2, 256) << "a little above the middle";
    }
}

// Qt's translations come from the system (qt6-translations-l10n), not from the program.
TEST(QtTexts, MessageBoxButtonsSpeakTheChosenLanguage)
{
    const char16_t *const cancel[] = {u"Cancel",  u"取消",    u"キャンセル",
                                      u"Annuler", u"Annulla", u"Abbrechen"};
    shell::InterfaceTranslator translator;
    for (int language : {3, 1, 2, 4, 5, 0}) {
        translator.apply(language);
        QMessageBox box(QMessageBox::Question, u"?"_s, u"?"_s,
                        QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf16(cancel[language]))
            << language << " from "
            << shell::InterfaceTranslator::qtTranslationsFolder().toStdString();
    }
}

}  // namespace
