// What the program's window adds for materials: menu entries, the board shown as it will burn or
// as a card's preview (never changing the job), presets through the file dialogs, and the whole
// card in the status bar.
#include "shell/material_menu.h"
#include "menu_fixture.h"
#include "outcome_assert.h"
#include "render/as_it_will_burn.h"
#include "render/effect_board.h"
#include "render/upload_raster.h"
#include "run/job_raster.h"
#include "shell/job_status_bar.h"
#include "status_bar_units.h"
#include "ui/preview_board.h"
#include "ui/test_card_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;

namespace {

class MaterialMenuTest : public MenuTest {
protected:
    shell::MaterialMenu &materials() { return program->materialMenu(); }
    QMenu &presetMenu() { return unitIn<QMenu>(mainWindow(), u"materialMenu"_s); }
    StatusBarUnits shown() { return StatusBarUnits(program->statusBar()); }
    // Burns the card the dialog opens with, changed by `plan` when given.
    materials::TestCard burnCard(const std::optional<materials::TestCardPlan> &plan = {})
    {
        entry(shell::MaterialMenu::TestCard).trigger();
        QPointer<ui::TestCardDialog> dialog = materials().testCardDialog();
        EXPECT_TRUE(dialog);
        if (!dialog) return materials::TestCard({});
        if (plan) dialog->setPlan(*plan);
        auto &burn = unitIn<QPushButton>(*dialog, u"burnCardButton"_s);
        EXPECT_TRUE(burn.isEnabled())
            << qPrintable(unitIn<QLabel>(*dialog, u"testCardStatus"_s).text());
        const materials::TestCard card(dialog->plan());
        QTest::mouseClick(&burn, Qt::LeftButton);
        EXPECT_TRUE(!dialog || !dialog->isVisible());
        return card;
    }
    QAction &entry(shell::MaterialMenu::Entry entry) { return materials().action(entry); }
    ui::PreviewBoard &board() { return panel().board(); }
    QImage jobBoard() { return session().document().board().convertToFormat(QImage::Format_RGB32); }
    void drawSomething()
    {
        QImage drawn = render::blankBoard();
        for (int x = 100; x < 200; x += 2) drawn.setPixel(x, 150, qRgb(0, 0, 0));
        session().placeRendering(drawn);
    }
};

}  // namespace

namespace {

TEST_F(MaterialMenuTest, TheEntriesAreInTheMachineAndViewMenus)
{
    QMenu &machine = mainWindow().menu().machineMenu();
    EXPECT_TRUE(machine.actions().contains(&entry(shell::MaterialMenu::TestCard)));
    EXPECT_TRUE(machine.actions().contains(&entry(shell::MaterialMenu::BestPatch)));
    EXPECT_TRUE(machine.actions().contains(presetMenu().menuAction()));
    EXPECT_TRUE(mainWindow().menu().viewMenu().actions().contains(
        &entry(shell::MaterialMenu::AsItWillBurn)));
    EXPECT_FALSE(entry(shell::MaterialMenu::BestPatch).isEnabled()) << "no card burnt yet";
    EXPECT_EQ(entry(shell::MaterialMenu::TestCard).text(), u"&Material Test Card…"_s);
}

// Chosen in the language box or in View > Language, with the menus around them: no event of
// their own to wait for.
TEST_F(MaterialMenuTest, TheEntriesSpeakALanguageChosenAtRunTime)
{
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(5);
    EXPECT_EQ(entry(shell::MaterialMenu::TestCard).text(), u"Materialtest&karte…"_s);
    EXPECT_EQ(presetMenu().title(), u"&Material"_s);
    mainWindow().menu().languageAction(3).trigger();
    EXPECT_EQ(entry(shell::MaterialMenu::AsItWillBurn).text(), u"Tel qu’il sera &gravé"_s);
    EXPECT_EQ(presetMenu().actions().value(0)->text(), u"Aucun matériau"_s);
}

TEST_F(MaterialMenuTest, TheBoardShowsTheJobAsItWillBurnWithoutChangingIt)
{
    drawSomething();
    const QImage before = jobBoard();
    entry(shell::MaterialMenu::AsItWillBurn).trigger();
    EXPECT_TRUE(session().materials().asItWillBurn());
    const render::BurnLook look = session().materials().look(render::DefaultDotDiameter);
    EXPECT_EQ(board().shownImage(), render::AsItWillBurn(look).render(before));
    EXPECT_EQ(jobBoard(), before) << "a view, never the job's pixels";
    entry(shell::MaterialMenu::AsItWillBurn).trigger();
    EXPECT_EQ(board().shownImage(), before);
}

TEST_F(MaterialMenuTest, TheCardsPreviewIsOnTheBoardOnlyWhileItsDialogIsOpen)
{
    drawSomething();
    const QImage before = jobBoard();
    entry(shell::MaterialMenu::TestCard).trigger();
    ui::TestCardDialog *dialog = materials().testCardDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(board().shownImage(), materials::TestCard(dialog->plan()).board());
    EXPECT_EQ(jobBoard(), before);
    dialog->close();
    EXPECT_EQ(board().shownImage(), before);
}

// The board shows the card in place of the job: no click or key reaches the job meanwhile.
TEST_F(MaterialMenuTest, TheCardsDialogHoldsTheWindowUntilItCloses)
{
    identify();
    panel().dropFiles(picture(u"cat.png"_s));
    shell::MainWindow &window = mainWindow();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *send = unit<QPushButton>(u"按钮发送数据"_s);
    ASSERT_TRUE(send->isEnabled());
    const QPoint sendAt = send->mapTo(&window, send->rect().center());
    entry(shell::MaterialMenu::TestCard).trigger();
    QPointer<ui::TestCardDialog> dialog = materials().testCardDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(QApplication::activeModalWidget(), dialog.data());
    line.writes.clear();  // a drop pauses the machine
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, sendAt);
    QTest::keyClick(window.windowHandle(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(line.writes.isEmpty()) << "nothing sent from under the card";
    dialog->close();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, sendAt);
    EXPECT_FALSE(line.writes.isEmpty()) << "the same click sends once the dialog is closed";
}

TEST_F(MaterialMenuTest, BurningTheCardClosesItsDialogAndTheStatusBarFollowsTheCard)
{
    identify();
    const materials::TestCard card = burnCard();
    line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));  // the machine asks for the column
    clock.advance(5ms);
    EXPECT_EQ(shown().state(), u"Test card: column 1 of %1, burn time %2"_s.arg(card.columns())
                                   .arg(card.plan().burnTimes.first()));
}

TEST_F(MaterialMenuTest, PresetsGoOutAndComeBackThroughTheFileDialogs)
{
    ASSERT_TRUE(isDone(session().savePreset({.name = u"Cork"_s, .burnTime = 12})));
    const QString path = home.filePath(u"exported.ini"_s);
    answers = {path};
    entry(shell::MaterialMenu::ExportPresets).trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].first, Question::ExportPresets);
    ASSERT_TRUE(isDone(session().removePreset(u"Cork"_s)));
    answers = {path};
    entry(shell::MaterialMenu::ImportPresets).trigger();
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].text, u"Presets imported from %1: 1."_s.arg(path));
    ASSERT_TRUE(session().materials().find(u"Cork"_s));
    EXPECT_EQ(session().materials().find(u"Cork"_s)->burnTime, 12);
}

TEST_F(MaterialMenuTest, TheStatusBarShowsTheWholeCardAndTellsItsEndOnce)
{
    identify();
    const materials::TestCard card =
        burnCard(materials::TestCardPlan{.burnTimes = {20, 60}, .levels = {100}, .patchMm = 2});
    shell::JobStatusBar &bar = program->statusBar();
    qint64 before = 0;  // the dots of the columns burnt
    for (int column = 0; column < 2; ++column) {
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));  // the machine asks for the block
        clock.advance(5ms);
        ASSERT_EQ(shown().state(), u"Test card: column %1 of 2, burn time %2"_s.arg(column + 1)
                                       .arg(card.plan().burnTimes[column]));
        EXPECT_EQ(shown().progress().value(), before);
        before += run::JobRaster(render::packUploadRaster(card.column(column))).dots();
        EXPECT_TRUE(bar.timeText().endsWith(u" left"_s)) << qPrintable(bar.timeText());
        line.deliver(bytes({0xFF, 0x06, 0x00, 0x00}));  // carve done
        clock.advance(run::JobModel::DoneQuiet);        // with no report of a row, once it is quiet
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(shown().state(), u"Test card done"_s);
    EXPECT_EQ(shown().progress().value(), before);
    EXPECT_EQ(shown().progress().maximum(), before);
    ASSERT_EQ(desktop.notices.size(), 1) << "the card's end, not each column's";
    EXPECT_EQ(desktop.notices[0].first, u"The test card is done"_s);
    EXPECT_TRUE(entry(shell::MaterialMenu::BestPatch).isEnabled());
}

}  // namespace
