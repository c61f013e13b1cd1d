// What the window adds for editing the board: the Edit and View entries and the bar under the
// layout, Size and Position giving the board the command-line tools give, the machine's scale.
#include "shell/board_editing.h"
#include "codes/code_fit.h"
#include "codes/make_symbol.h"
#include "common/render_options.h"
#include "find_unit.h"
#include "menu_fixture.h"
#include "ui/add_code_dialog.h"
#include "ui/effect_chooser_window.h"
#include "ui/elided_label.h"
#include "ui/machine_size_dialog.h"
#include "ui/placement_dialog.h"
#include "ui/preview_board.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

using namespace tavro;
using namespace tavro::test;
using shell::MainMenu;

namespace {

class BoardEditingTest : public MenuTest {
protected:
    QToolBar &boardBar() { return unitIn<QToolBar>(mainWindow(), u"boardBar"_s); }
    // The pointer's place over the board and the picture's size, in millimetres.
    QString measure()
    {
        return unitIn<ui::ElidedLabel>(mainWindow(), u"statusMeasure"_s).fullText();
    }
    QString choose(const QString &name)
    {
        const QString path = picture(name);
        mainWindow().dropFiles(path);
        clock.advance(ui::EffectChooserWindow::TaskInterval);
        panel().chooser().chooseDither();
        return path;
    }
    // A placement asked for while the picture was being decoded reaches the board.
    void landed()
    {
        const document::JobDocument &document = session().document();
        if (document.placement() == document.placementOnBoard()) return;
        QSignalSpy changed(&document, &document::JobDocument::boardChanged);
        ASSERT_TRUE(changed.wait(60'000));
    }
};

TEST_F(BoardEditingTest, TheEntriesSitAroundTheLayoutWhichKeepsItsPlaceAndSize)
{
    const QList<QAction *> menus = mainWindow().menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    const QMenu *edit = menus[1]->menu();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->title(), u"&Edit"_s) << "File, then Edit";
    for (const session::CommandId c :
         {session::CommandId::Undo, session::CommandId::Redo, session::CommandId::MirrorLeftRight,
          session::CommandId::MirrorTopBottom, session::CommandId::SizeAndPosition})
        EXPECT_TRUE(edit->actions().contains(&action(c)));
    for (const MainMenu::Command c : {MainMenu::ZoomIn, MainMenu::ZoomOut, MainMenu::ActualSize})
        EXPECT_TRUE(mainWindow().menu().viewMenu().actions().contains(&action(c)));
    EXPECT_TRUE(mainWindow().menu().machineMenu().actions().contains(
        &action(session::CommandId::MachineSize)));
    EXPECT_EQ(action(session::CommandId::Undo).shortcut(), QKeySequence(u"Ctrl+Z"_s));
    EXPECT_EQ(action(session::CommandId::Redo).shortcut(), QKeySequence(u"Ctrl+Shift+Z"_s));
    EXPECT_EQ(action(MainMenu::ActualSize).shortcut(), QKeySequence(u"Ctrl+0"_s));

    mainWindow().show();
    EXPECT_EQ(mainWindow().toolBarArea(&boardBar()), Qt::BottomToolBarArea);
    EXPECT_EQ(panel().size(), QSize(1019, 655));
    EXPECT_EQ(mainWindow().width(), 1019);
    EXPECT_GE(boardBar().geometry().top(), panel().geometry().bottom());

    // The bar's buttons show the entries without their Alt keys, in every language.
    EXPECT_EQ(action(session::CommandId::Undo).iconText(), u"Undo"_s);
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(1);
    EXPECT_EQ(action(session::CommandId::Undo).iconText(), u"撤销"_s);
    EXPECT_EQ(action(session::CommandId::SizeAndPosition).iconText(), u"大小和位置…"_s);
    EXPECT_EQ(mainWindow().width(), 1019);
}

TEST_F(BoardEditingTest, UndoAndRedoGoThroughTheBoardsChangesAndSendNothing)
{
    identify();
    EXPECT_FALSE(action(session::CommandId::Undo).isEnabled());
    EXPECT_FALSE(action(session::CommandId::SizeAndPosition).isEnabled());
    choose(u"sign.png"_s);
    line.writes.clear();
    const QImage chosen = session().document().board();
    EXPECT_TRUE(action(session::CommandId::SizeAndPosition).isEnabled());
    action(session::CommandId::MirrorLeftRight).trigger();
    landed();
    // The picture's black bar, 20 to 79 of its 120 columns, lies at 40 to 99 now.
    const QRect at = session().document().placement()->rect;
    const QPoint inBar = at.topLeft() + QPoint(30, 40);
    const QPoint mirrored = at.topLeft() + QPoint(90, 40);
    EXPECT_EQ(chosen.pixel(inBar), qRgb(0, 0, 0));
    EXPECT_EQ(session().document().board().pixel(inBar), qRgb(255, 255, 255));
    EXPECT_EQ(session().document().board().pixel(mirrored), qRgb(0, 0, 0));
    QTest::mouseClick(unit(u"按钮清除"_s), Qt::LeftButton);

    action(session::CommandId::Undo).trigger();
    action(session::CommandId::Undo).trigger();
    EXPECT_EQ(session().document().board(), chosen);
    EXPECT_TRUE(action(session::CommandId::Redo).isEnabled());
    action(session::CommandId::Redo).trigger();
    EXPECT_TRUE(session().document().placement()->mirrorH);
    EXPECT_TRUE(line.writes.isEmpty());
}

TEST_F(BoardEditingTest, SizeAndPositionGivesTheBoardOfTheToolsOptions)
{
    const QString path = choose(u"sign.png"_s);
    action(session::CommandId::SizeAndPosition).trigger();
    ui::PlacementDialog *dialog = &unitIn<ui::PlacementDialog>(mainWindow(), u"placementDialog"_s);
    EXPECT_NEAR(unitIn<QDoubleSpinBox>(*dialog, u"placementWidth"_s).value(), 120 / 13.4, 0.005);
    unitIn<QDoubleSpinBox>(*dialog, u"placementWidth"_s).setValue(20);
    EXPECT_NEAR(unitIn<QDoubleSpinBox>(*dialog, u"placementHeight"_s).value(), 20.0 * 80 / 120,
                0.01)
        << "the height follows";
    unitIn<QDoubleSpinBox>(*dialog, u"placementLeft"_s).setValue(2);
    unitIn<QDoubleSpinBox>(*dialog, u"placementTop"_s).setValue(3);
    unitIn<QCheckBox>(*dialog, u"placementMirrorV"_s).setChecked(true);
    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());
    landed();

    cli::RenderChoice choice;
    choice.effect = render::Effect::Dither;
    choice.placement = {.widthMm = 20, .leftMm = 2, .topMm = 3, .mirrorV = true};
    EXPECT_EQ(session().document().board(), cli::renderPictureFile(path, choice).board);
    EXPECT_EQ(session().document().placement()->rect, QRect(27, 40, 268, 179));

    // Off the board: it says why and stays open, and the picture stays where it was.
    action(session::CommandId::SizeAndPosition).trigger();
    dialog = &unitIn<ui::PlacementDialog>(mainWindow(), u"placementDialog"_s);
    unitIn<QDoubleSpinBox>(*dialog, u"placementLeft"_s).setValue(45);
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(unitIn<QLabel>(*dialog, u"placementProblem"_s)
                    .text()
                    .contains(u"no part of the picture"_s));
    EXPECT_EQ(session().document().placement()->rect.left(), 27);
}

// Every module whole: the board at `rect` is the symbol drawn at `module` dots, centred in it.
void expectCodeAt(const QImage &board, const codes::CodeSymbol &symbol, int module, QRect rect)
{
    const QImage drawn = symbol.draw(module).convertToFormat(QImage::Format_RGB32);
    const QPoint at = rect.topLeft() + QPoint((rect.width() - drawn.width()) / 2,
                                              (rect.height() - drawn.height()) / 2);
    EXPECT_EQ(board.convertToFormat(QImage::Format_RGB32).copy(QRect(at, drawn.size())), drawn);
}

TEST_F(BoardEditingTest, ACodeGoesOnTheBoardAndResizesWithoutSplittingAModule)
{
    action(MainMenu::AddCode).trigger();
    auto &dialog = unitIn<ui::AddCodeDialog>(mainWindow(), u"addCodeDialog"_s);
    auto &kind = unitIn<QComboBox>(dialog, u"codeSymbology"_s);
    auto &text = unitIn<QLineEdit>(dialog, u"codeText"_s);
    const auto result = [&] { return unitIn<QLabel>(dialog, u"codeResult"_s).text(); };
    kind.setCurrentIndex(3);  // EAN-13
    text.setText(u"4006381333932"_s);
    EXPECT_TRUE(result().contains(u"check digit"_s)) << qPrintable(result());
    unitIn<QDoubleSpinBox>(dialog, u"codeWidth"_s).setValue(5);
    kind.setCurrentIndex(0);
    text.setText(u"TAVRO-0042"_s);
    EXPECT_FALSE(unitIn<QLabel>(dialog, u"codeWarning"_s).text().isEmpty())
        << "5 mm: 2-dot modules";
    unitIn<QDoubleSpinBox>(dialog, u"codeWidth"_s).setValue(20);
    EXPECT_TRUE(unitIn<QLabel>(dialog, u"codeWarning"_s).text().isEmpty());
    dialog.accept();

    const platform::Result<codes::CodeSymbol> symbol = codes::makeSymbol({u"TAVRO-0042"_s});
    ASSERT_TRUE(symbol);
    const platform::Result<codes::CodeFit> fit =
        codes::fitCode(*symbol, 20, session().dotsPerMillimetre());
    ASSERT_TRUE(fit);
    std::optional<document::Placement> placed = session().document().placement();
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->rect.size(), fit->dots);
    expectCodeAt(session().document().board(), *symbol, fit->dotsPerModule, placed->rect);

    // A width between two whole modules keeps the smaller, centred in the place asked.
    placed->rect.setWidth(placed->rect.width() + symbol->modules().width() - 1);
    placed->rect.setHeight(placed->rect.width());
    ASSERT_TRUE(session().placePicture(*placed));
    expectCodeAt(session().document().board(), *symbol, fit->dotsPerModule, placed->rect);
}

TEST_F(BoardEditingTest, TheMachinesScaleIsKeptAndMeasuresFollowIt)
{
    choose(u"sign.png"_s);
    EXPECT_TRUE(measure().contains(u"picture 9.0 x 6.0 mm"_s)) << qPrintable(measure());
    action(session::CommandId::MachineSize).trigger();
    auto &dialog = unitIn<ui::MachineSizeDialog>(mainWindow(), u"machineSizeDialog"_s);
    unitIn<QDoubleSpinBox>(dialog, u"dotsPerMillimetre"_s).setValue(10);
    EXPECT_TRUE(unitIn<QLabel>(dialog, u"machineBoardSize"_s).text().contains(u"51.2 x 51.2 mm"_s));
    dialog.accept();
    EXPECT_EQ(settings::ProfileFile(configPath).read(u"MachineSize"_s, u"DotsPerMillimetre"_s, {}),
              u"10"_s);
    EXPECT_TRUE(measure().contains(u"picture 12.0 x 8.0 mm"_s));
    emit panel().board().pointerMoved(QPoint(100, 25));
    EXPECT_TRUE(measure().startsWith(u"10.0, 2.5 mm"_s));
    action(MainMenu::ZoomIn).trigger();
    EXPECT_TRUE(measure().endsWith(u"2x"_s));

    program.reset();
    start();
    EXPECT_DOUBLE_EQ(session().dotsPerMillimetre(), 10);
}

}  // namespace
