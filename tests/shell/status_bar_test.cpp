// The status bar in the real window: the connection, and a job from its estimate to done.
#include "caption_placement.h"
#include "shell/job_status_bar.h"
#include "shell_fixture.h"
#include "status_bar_units.h"
#include "ui/caption_fit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

using namespace tavro;
using namespace tavro::test;
using namespace std::chrono_literals;

namespace {

class StatusBarTest : public ShellTest {
protected:
    void SetUp() override { startProgram(); }
    QStringList notifications() const
    {
        QStringList out;
        for (const auto &[title, text] : desktop.notices) out << title + u": "_s + text;
        return out;
    }
    shell::JobStatusBar &bar() { return program->statusBar(); }
    StatusBarUnits shown() { return StatusBarUnits(bar()); }
    // Three rows of dots: 10 on row 5, 20 on row 100, 30 on row 300.
    void sendJob()
    {
        QImage board(512, 512, QImage::Format_RGB32);
        board.fill(Qt::white);
        for (const auto &[row, dots] : {std::pair{5, 10}, {100, 20}, {300, 30}})
            for (int x = 0; x < dots; ++x) board.setPixel(x * 4, row, qRgb(0, 0, 0));
        session().takeJob({board, {}, {}, 40, {}});
        session().sendBoard();
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
        clock.advance(5ms);
    }
    void report(int row, int count)
    {
        line.deliver(bytes({0xFF, 0x04, row / 100, row % 100}));
        for (int i = 0; i < count; ++i) {
            const int x = i * 4 + 1;
            line.deliver(bytes({0xFF, 0x03, x / 100, x % 100}));
        }
    }
    void click(const QString &name) { QTest::mouseClick(unit(name), Qt::LeftButton); }
};

TEST_F(StatusBarTest, TheConnectionIsAlwaysTold)
{
    EXPECT_EQ(shown().connection(), u"Searching for the machine…"_s);
    identify(2);
    EXPECT_EQ(shown().connection(), u"COM2 (/dev/fake2) connected"_s);
    line.breakPort();
    EXPECT_EQ(shown().connection(), u"Connection broken (Input/output error), searching…"_s);
    identify(2);
    EXPECT_EQ(shown().connection(), u"COM2 (/dev/fake2) connected"_s);
    click(u"按钮断开"_s);
    EXPECT_EQ(shown().connection(), u"Not connected"_s);
}

TEST_F(StatusBarTest, AJobFromItsEstimateToDone)
{
    identify();
    EXPECT_EQ(shown().state(), u"No picture on the machine"_s);
    EXPECT_TRUE(shown().progress().isHidden());
    sendJob();
    EXPECT_EQ(shown().state(), u"Ready"_s);
    EXPECT_TRUE(bar().timeText().startsWith(u"60 dots, about "_s))
        << bar().timeText().toStdString();

    click(u"按钮开始"_s);
    EXPECT_EQ(shown().state(), u"Running"_s);
    report(5, 10);
    report(100, 20);
    clock.advance(shell::JobStatusBar::RefreshInterval);
    EXPECT_EQ(shown().progress().value(), 30);
    EXPECT_EQ(shown().progress().maximum(), 60);
    EXPECT_TRUE(bar().timeText().endsWith(u" left"_s)) << bar().timeText().toStdString();

    click(u"按钮暂停"_s);
    EXPECT_EQ(shown().state(), u"Paused"_s);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Resume"_s) << "Start goes on with the paused job";
    click(u"按钮开始"_s);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Start"_s);

    clock.advance(2000ms);
    report(300, 30);
    line.deliver(bytes({0xFF, 0x06, 0x00, 0x00}));
    EXPECT_EQ(shown().state(), u"Finished"_s);
    EXPECT_EQ(shown().progress().value(), 60);
    EXPECT_EQ(bar().timeText(), u"Done: 60 dots in 0:02"_s);
    EXPECT_EQ(notifications(), QStringList{u"The job is done: Done: 60 dots in 0:02"_s});
}

TEST_F(StatusBarTest, ABreakDuringARunSaysWhereTheJobStopped)
{
    identify();
    sendJob();
    click(u"按钮开始"_s);
    report(5, 10);
    report(100, 5);
    line.breakPort();
    EXPECT_EQ(shown().state(), u"Interrupted at row 100 (25 %)"_s);
    EXPECT_TRUE(notifications().isEmpty());
}

TEST_F(StatusBarTest, PausedReadsAsResumeInEveryLanguage)
{
    unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(5);
    QCoreApplication::processEvents();
    identify();
    sendJob();
    click(u"按钮开始"_s);
    click(u"按钮暂停"_s);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Fortsetzen"_s);
    EXPECT_EQ(shown().state(), u"Pausiert"_s);
    click(u"按钮开始"_s);
    EXPECT_EQ(caption(u"按钮开始"_s), u"Beginnen"_s);
}

TEST_F(StatusBarTest, NoTextWidensTheWindowAndTheOfferFitsInEveryLanguage)
{
    mainWindow().show();
    QCoreApplication::processEvents();
    const int width = mainWindow().width();
    identify();
    sendJob();
    for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
    for (const QLabel *label : bar().findChildren<QLabel *>()) {
        EXPECT_FALSE(label->text().endsWith(u"…"_s))
            << "room to spare, yet cut: " << label->text().toStdString();
        // Nor drawn a size smaller, as the style draws a text whose ink leaves its label.
        const std::optional<CaptionPlacement> place = placeCaption(*label);
        if (label->isVisible() && place && !place->text.isEmpty()) {
            EXPECT_TRUE(ui::captionFits(place->font, place->area, place->flags, place->text))
                << "drawn smaller: " << place->text.toStdString();
        }
    }
    click(u"按钮开始"_s);
    report(5, 10);
    report(100, 5);
    line.breakPort();
    identify();
    ASSERT_TRUE(shown().offerShown());

    for (int language = 0; language < 6; ++language) {
        unit<QComboBox>(u"组合框语言"_s)->setCurrentIndex(language);
        // The new texts, then the layout they ask for.
        for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
        EXPECT_EQ(mainWindow().width(), width) << "language " << language;
        for (QPushButton *button :
             {&shown().resumeButton(), &shown().startOverButton(), &shown().dismissButton()}) {
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->text().toStdString() << " is cut";
            EXPECT_LE(button->mapTo(&mainWindow(), QPoint(button->width(), 0)).x(), width);
        }
    }
    // What does not fit is cut, and the whole of it is the tooltip.
    const auto *state = bar().findChild<QLabel *>(u"statusJob"_s);
    ASSERT_NE(state->text(), shown().state()) << "German is long enough to be cut";
    EXPECT_EQ(state->toolTip(), shown().state());
}

}  // namespace
