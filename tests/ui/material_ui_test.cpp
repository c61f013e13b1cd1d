// What the material parts of the windows add: the chooser's material strip, the test card
// dialog, the best-patch window and the preset dialog, each against a session.
#include "find_unit.h"
#include "materials/test_card.h"
#include "outcome_assert.h"
#include "render/as_it_will_burn.h"
#include "render/effect_board.h"
#include "session/session.h"
#include "session/test_card_run.h"
#include "session_fixture.h"
#include "ui/best_patch_window.h"
#include "ui/effect_chooser_window.h"
#include "ui/material_strip.h"
#include "ui/patch_picker.h"
#include "ui/preset_dialog.h"
#include "ui/render_panel.h"
#include "ui/test_card_dialog.h"
#include "ui/tuning_strip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

const materials::MaterialPreset Walnut{.name = u"Walnut"_s,
                                       .burnTime = 33,
                                       .tuning = {.gamma = 1.4,
                                                  .method = render::Effect::Atkinson,
                                                  .compensateDotGain = true,
                                                  .dotDiameter = 1.7},
                                       .material = qRgb(0x80, 0x60, 0x40)};

class MaterialUiTest : public ::testing::Test {
protected:
    test::SessionParts parts;
    session::Session &session = parts.session;
    const document::JobDocument &document() { return session.document(); }
    bool sent(const QByteArray &frame) const { return parts.line.writes.contains(frame); }
};

TEST_F(MaterialUiTest, APresetSetsTheTuningAndSendsItsBurnTimeAsTheSliderDoes)
{
    parts.identify();
    ASSERT_TRUE(isDone(session.savePreset(Walnut)));
    MaterialStrip strip(session);
    QComboBox &box = test::unitIn<QComboBox>(strip, u"materialBox"_s);
    auto &dotWidth = test::unitIn<QDoubleSpinBox>(strip, u"dotWidthBox"_s);
    auto &compensate = test::unitIn<QCheckBox>(strip, u"compensateDotGainBox"_s);
    ASSERT_EQ(box.count(), 2) << "no material, and the preset";
    emit box.activated(1);
    EXPECT_EQ(document().tuning(), Walnut.tuning);
    EXPECT_EQ(document().burnTime(), 33);
    EXPECT_TRUE(sent(test::bytes({0xFF, 0x05, 33, 0x00})));
    EXPECT_EQ(session.materials().chosen(), u"Walnut"_s);
    EXPECT_DOUBLE_EQ(dotWidth.value(), 1.7);
    EXPECT_TRUE(compensate.isChecked());

    dotWidth.setValue(2.1);
    compensate.setChecked(false);
    EXPECT_EQ(document().tuning().dotDiameter, 2.1);
    EXPECT_FALSE(document().tuning().compensateDotGain);
    EXPECT_EQ(document().tuning().method, render::Effect::Atkinson)
        << "the rest of the tuning stays";
}

TEST_F(MaterialUiTest, AsItWillBurnShowsThePanelsInTheLookYetPlacesTheRendering)
{
    platform::ManualClock &clock = parts.clock;
    EffectChooserWindow window(session, clock);
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb(x * 255 / 299, 120, 200 - y));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.png"_s);
    ASSERT_TRUE(picture.save(path));
    window.open(path);
    clock.advance(EffectChooserWindow::TaskInterval);
    ASSERT_TRUE(window.isReady());

    test::unitIn<QCheckBox>(window, u"asItWillBurnBox"_s).setChecked(true);
    EXPECT_TRUE(session.materials().asItWillBurn());
    auto &panel = test::unitIn<RenderPanel>(window, u"画板抖动"_s);
    const QImage rendering = panel.snapshot();
    const render::BurnLook look = session.materials().look(document().tuning().dotDiameter);
    EXPECT_EQ(panel.shownImage(), render::AsItWillBurn(look).render(rendering));
    EXPECT_NE(panel.shownImage(), rendering);
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(257, 257));
    EXPECT_EQ(document().board(), rendering) << "the rendering is placed, not its look";
}

TEST_F(MaterialUiTest, TheCardDialogPreviewsTheCardAndSaysWhyItCannotBurn)
{
    session::TestCardRun run(session);
    TestCardDialog dialog(session, run, parts.view);
    QSignalSpy previews(&dialog, &TestCardDialog::previewChanged);
    const QImage board = document().board();
    dialog.show();
    ASSERT_FALSE(previews.isEmpty());
    materials::TestCardPlan plan = dialog.plan();
    EXPECT_EQ(plan.burnTimes, (QList<int>{10, 17, 28, 48, 80}));
    EXPECT_EQ(previews.last().at(0).value<QImage>(), materials::TestCard(plan).board());
    EXPECT_EQ(document().board(), board) << "a preview is not the job";
    const QLabel &status = test::unitIn<QLabel>(dialog, u"testCardStatus"_s);
    EXPECT_TRUE(status.text().startsWith(u"No machine is connected"_s));
    EXPECT_FALSE(test::unitIn<QPushButton>(dialog, u"burnCardButton"_s).isEnabled());

    const std::pair<QString, QString> fields[] = {
        {u"10, x"_s, u"whole numbers"_s},
        {u"40"_s, u"2 to 8 burn times"_s},
        {u"10 20 30 40 50 60 70 80"_s, u"the board holds 37.0 x 37.0 mm"_s},
        {u"10 20"_s, u"No machine"_s},
    };
    for (const auto &[text, says] : fields) {
        test::unitIn<QLineEdit>(dialog, u"cardBurnTimes"_s).setText(text);
        EXPECT_TRUE(status.text().contains(says)) << qPrintable(status.text());
    }
    dialog.hide();
    EXPECT_TRUE(previews.last().at(0).value<QImage>().isNull()) << "closed: the job shows again";
}

TEST_F(MaterialUiTest, BurnReplacesABoardNeverSentOnlyWhenTheOperatorSaysSo)
{
    parts.identify();
    session::TestCardRun run(session);
    TestCardDialog dialog(session, run, parts.view);
    session.placeRendering(render::renderEffectBoard(QImage(), render::Effect::BlackWhite));
    QImage drawn = render::blankBoard();
    drawn.setPixel(10, 10, qRgb(0, 0, 0));
    session.placeRendering(drawn);
    dialog.show();
    ASSERT_TRUE(test::unitIn<QPushButton>(dialog, u"burnCardButton"_s).isEnabled())
        << qPrintable(test::unitIn<QLabel>(dialog, u"testCardStatus"_s).text());
    dialog.burn();
    ASSERT_EQ(parts.view.effects().size(), 1);
    EXPECT_TRUE(parts.view.effects()[0].contains(u"never sent"_s));
    EXPECT_EQ(run.state(), session::TestCardRun::State::Sending) << "the fake operator said yes";
    EXPECT_TRUE(sent(test::bytes({0xFF, 0x06, 0x00, 0x00}))) << "the first column goes out";
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(MaterialUiTest, APickedPatchProposesItsBurnTimeAndTheCardsTuning)
{
    materials::TestCardPlan plan{.date = QDate(2024, 5, 12)};
    plan.tuning = {.gamma = 1.4, .method = render::Effect::FloydSteinberg};
    BestPatchWindow window(session, plan);
    const QPushButton &save = test::unitIn<QPushButton>(window, u"savePatchButton"_s);
    EXPECT_FALSE(save.isEnabled());
    EXPECT_FALSE(window.proposal());
    // Inside the picker's one-pixel frame.
    const QPoint patch = materials::TestCard(plan).layout().patchRect(3, 2).center() + QPoint(1, 1);
    QTest::mouseClick(&test::unitIn<PatchPicker>(window, u"patchPicker"_s), Qt::LeftButton, {},
                      patch);
    EXPECT_EQ(window.pickedText(), u"Burn time 48, 50 % black"_s);
    ASSERT_TRUE(window.proposal());
    EXPECT_EQ(window.proposal()->burnTime, 48);
    EXPECT_EQ(window.proposal()->tuning, plan.tuning);
    EXPECT_TRUE(window.proposal()->notes.contains(u"50 %"_s));
    EXPECT_TRUE(save.isEnabled());
}

TEST_F(MaterialUiTest, ThePresetDialogSavesUnderItsNameOrSaysWhyNot)
{
    ASSERT_TRUE(isDone(session.savePreset(Walnut)));
    materials::MaterialPreset proposal = Walnut;
    proposal.name.clear();
    PresetDialog dialog(session, proposal);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.remark(), u"A preset needs a name."_s);
    QLineEdit &name = test::unitIn<QLineEdit>(dialog, u"presetName"_s);
    name.setText(u"Walnut"_s);
    EXPECT_EQ(dialog.remark(), u"The preset Walnut will be replaced."_s);
    name.setText(u"Walnut, oiled"_s);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(session.materials().find(u"Walnut, oiled"_s));
    EXPECT_EQ(session.materials().find(u"Walnut, oiled"_s)->tuning, Walnut.tuning);
}

}  // namespace
}  // namespace tavro::ui
