#include "find_unit.h"
#include "pictures/picture_loader.h"
#include "platform/manual_clock.h"
#include "qt_printers.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/render_settings.h"
#include "render/work_snapshot.h"
#include "session/session_impl.h"
#include "session_fixture.h"
#include "test_pictures.h"
#include "ui/effect_chooser_window.h"
#include "ui/material_strip.h"
#include "ui/render_panel.h"
#include "ui/tuning_strip.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono_literals;
using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {
namespace {

testing::AssertionResult sameImage(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage e = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y))
                return testing::AssertionFailure()
                       << "first difference at (" << x << "," << y
                       << "): " << QString::number(a.pixel(x, y), 16).toStdString() << ", expected "
                       << QString::number(e.pixel(x, y), 16).toStdString();
    return testing::AssertionSuccess();
}

// Colour gradients: both renderings have edges and grain to get wrong.
QImage gradients(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, (x + y) % 256, y * 255 / height));
    return image;
}

QImage expectedSnapshot(const QString &path)
{
    return render::makeWorkSnapshot(
        pictures::loadPicture(path, {.drawSize = render::ProcessingSize}));
}

// A drop hint's grey background with a black bar: a rendering that is not drawn on a freshly
// blanked board shows.
QImage aHint()
{
    QImage hint = render::blankBoard();
    hint.fill(qRgb(200, 220, 240));
    QPainter(&hint).fillRect(60, 220, 340, 40, Qt::black);
    return hint;
}

class EffectChooserTest : public ::testing::Test {
protected:
    EffectChooserTest()
    {
        parts.session.showBackground(aHint());
        changes.clear();
    }

    QString save(const QString &name, const QImage &image, const char *format = "PNG")
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    const document::JobDocument &document() { return parts.session.document(); }
    const QImage &board() { return document().board(); }
    // The message log's lines so far.
    QStringList log() const { return parts.view.log.split(u"\r\n"_s, Qt::SkipEmptyParts); }
    QString saveBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    void openAndProcess(const QString &path)
    {
        window.open(path);
        clock.advance(EffectChooserWindow::TaskInterval);
    }
    RenderPanel &blackWhitePanel() { return test::unitIn<RenderPanel>(window, u"画板黑白"_s); }
    RenderPanel &ditherPanel() { return test::unitIn<RenderPanel>(window, u"画板抖动"_s); }
    TuningStrip &tuningStrip() { return test::unitIn<TuningStrip>(window); }
    static void release(RenderPanel &panel, Qt::MouseButton button = Qt::LeftButton,
                        QPoint at = QPoint(257, 257))
    {
        QTest::mouseRelease(&panel, button, {}, at);
    }

    QTemporaryDir dir;
    test::SessionParts parts;
    platform::ManualClock &clock = parts.clock;
    EffectChooserWindow window{parts.session, clock};
    // Every change of the board, in the session's document.
    QSignalSpy changes{&parts.session.document(), &document::JobDocument::boardChanged};
};

TEST_F(EffectChooserTest, ClicksBeforeTheRenderingsAreReadyChangeNothing)
{
    window.open(save(u"a.png"_s, gradients(300, 200)));
    ASSERT_TRUE(window.isVisible());
    clock.advance(EffectChooserWindow::TaskInterval - 1ms);
    EXPECT_FALSE(window.isReady());
    for (const QString &name : {u"画板黑白"_s, u"画板抖动"_s}) {
        auto *panel = window.findChild<RenderPanel *>(name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->cursor().shape(), Qt::WaitCursor);
        EXPECT_TRUE(sameImage(panel->snapshot(), render::blankBoard()));
        release(*panel);
    }
    window.chooseBlackWhite();
    window.chooseDither();
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(), render::blankBoard()));

    clock.advance(1ms);
    ASSERT_TRUE(window.isReady());
    EXPECT_EQ(blackWhitePanel().cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ditherPanel().cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(changes.isEmpty());

    // Processing runs once per opening: a mark made afterwards is not painted over.
    blackWhitePanel().drawPicture(test::uniform(1, 1, qRgb(255, 0, 0)), 500, 500);
    clock.advance(1000ms);
    EXPECT_EQ(blackWhitePanel().snapshot().pixel(500, 500), qRgb(255, 0, 0));
}

class EffectChoiceTest : public EffectChooserTest,
                         public ::testing::WithParamInterface<render::Effect> {};

// Large enough that the JPEG is decoded at half size, as the command-line tool does it.
TEST_P(EffectChoiceTest, TheBoardGetsExactlyThatRenderingAndWhatTheToolWrites)
{
    const render::Effect effect = GetParam();
    const QString path = save(u"photo.jpg"_s, gradients(1200, 800), "JPEG");
    openAndProcess(path);
    ASSERT_TRUE(window.isReady());
    const QImage snapshot = expectedSnapshot(path);
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(),
                          render::renderEffectBoard(snapshot, render::Effect::BlackWhite)));
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(),
                          render::renderEffectBoard(snapshot, render::Effect::Dither)));

    bool visibleWhileDrawing = true;
    QObject::connect(&document(), &document::JobDocument::boardChanged, &window,
                     [&] { visibleWhileDrawing = window.isVisible(); });
    release(effect == render::Effect::BlackWhite ? blackWhitePanel() : ditherPanel());

    EXPECT_EQ(changes.count(), 1);
    const QImage expected = render::renderEffectBoard(snapshot, effect);
    EXPECT_TRUE(sameImage(board(), expected));
    EXPECT_TRUE(sameImage(document().rememberedImage(), expected));
    EXPECT_FALSE(window.isVisible());
    // The dithered board is drawn behind the closed window.
    EXPECT_EQ(visibleWhileDrawing, effect == render::Effect::BlackWhite);
    EXPECT_TRUE(log().isEmpty());

    QProcess tool;
    const QString png = dir.filePath(u"tool.png"_s);
    tool.start(QStringLiteral(TAVRO_RENDER_PATH),
               {path, u"--effect"_s, effect == render::Effect::BlackWhite ? u"bw"_s : u"dither"_s,
                u"--png"_s, png});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0);
    EXPECT_TRUE(sameImage(board(), QImage(png)));
}

INSTANTIATE_TEST_SUITE_P(BothEffects, EffectChoiceTest,
                         ::testing::Values(render::Effect::BlackWhite, render::Effect::Dither),
                         [](const auto &info) {
                             return info.param == render::Effect::BlackWhite ? "BlackWhite"
                                                                             : "Dither";
                         });

TEST_F(EffectChooserTest, OnlyALeftReleaseOverAPanelChooses)
{
    openAndProcess(save(u"a.png"_s, test::uniform(100, 100, qRgb(0, 0, 0))));
    for (RenderPanel *panel : {&blackWhitePanel(), &ditherPanel()}) {
        release(*panel, Qt::RightButton);
        release(*panel, Qt::LeftButton, QPoint(520, 10));  // pressed inside, let go outside
        release(*panel, Qt::LeftButton, QPoint(-1, 100));
    }
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(window.isVisible());
    release(blackWhitePanel(), Qt::LeftButton, QPoint(0, 0));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(EffectChooserTest, UnreadablePictureGivesWhiteRenderingsAndOneLogLine)
{
    const QString missing = dir.filePath(u"gone.png"_s);
    const struct {
        QString path;
        QString named;  // what the log line must name
    } cases[] = {
        {missing, missing},
        {saveBytes(u"cut.jpg"_s, QByteArray("\xFF\xD8\xFF\xE0 and then nothing")), {}},
        {saveBytes(u"notes.png"_s, QByteArray("just some words")), {}},
        {saveBytes(u"empty.bmp"_s, {}), {}},
        {dir.path(), dir.path()},
        // A drop of two files: both paths, each followed by CR LF.
        {missing + u"\r\n"_s + dir.filePath(u"b.png"_s) + u"\r\n"_s, missing},
    };
    int round = 0;
    for (const auto &[path, named] : cases) {
        SCOPED_TRACE(path.toStdString());
        parts.view.log.clear();
        changes.clear();
        openAndProcess(path);
        ASSERT_TRUE(window.isReady());
        EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(), render::blankBoard()));
        EXPECT_TRUE(sameImage(ditherPanel().snapshot(), render::blankBoard()));
        const QStringList lines = log();
        ASSERT_EQ(lines.size(), 1);
        EXPECT_TRUE(lines[0].startsWith(u"Cannot read picture "_s)) << lines[0].toStdString();
        EXPECT_TRUE(lines[0].contains(named.isEmpty() ? path : named)) << lines[0].toStdString();
        EXPECT_FALSE(lines[0].contains(u'\n') || lines[0].contains(u'\r'));

        // A white snapshot dithers to no dots at all.
        release(++round % 2 ? ditherPanel() : blackWhitePanel());
        EXPECT_EQ(changes.count(), 1);
        EXPECT_TRUE(sameImage(board(), render::blankBoard()));
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(log().size(), 1);
    }
}

TEST_F(EffectChooserTest, ClosingWithoutAChoiceLeavesTheBoardAlone)
{
    const QImage before = board();
    const QString path = save(u"a.png"_s, gradients(300, 200));

    // Closed before its tick: nothing is processed or drawn, now or later.
    window.open(path);
    ASSERT_TRUE(window.close());
    clock.advance(1000ms);
    EXPECT_FALSE(window.isReady());
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(), render::blankBoard()));
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(), render::blankBoard()));

    // Closed once ready.
    openAndProcess(path);
    ASSERT_TRUE(window.isReady());
    ASSERT_TRUE(window.close());
    clock.advance(1000ms);
    window.chooseBlackWhite();
    window.chooseDither();

    EXPECT_TRUE(changes.isEmpty());
    EXPECT_TRUE(sameImage(board(), before));
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(EffectChooserTest, ANewDropProcessesTheNewPicture)
{
    const QString first = save(u"first.png"_s, gradients(300, 200));
    const QString second = save(u"second.png"_s, test::uniform(100, 50, qRgb(40, 90, 30)));
    openAndProcess(first);
    const QImage firstDithered =
        render::renderEffectBoard(expectedSnapshot(first), render::Effect::Dither);
    ASSERT_TRUE(sameImage(ditherPanel().snapshot(), firstDithered));

    // Dropped while the window is still open: the old renderings no longer count.
    window.open(second);
    EXPECT_FALSE(window.isReady());
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(), render::blankBoard()));
    release(blackWhitePanel());
    EXPECT_TRUE(changes.isEmpty());

    clock.advance(EffectChooserWindow::TaskInterval);
    ASSERT_TRUE(window.isReady());
    const QImage snapshot = expectedSnapshot(second);
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(),
                          render::renderEffectBoard(snapshot, render::Effect::Dither)));
    release(blackWhitePanel());
    EXPECT_TRUE(
        sameImage(board(), render::renderEffectBoard(snapshot, render::Effect::BlackWhite)));

    // Dropped after a choice closed the window: it opens again.
    openAndProcess(first);
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(window.isReady());
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(), firstDithered));
}

TEST(RenderPanel, DrawsOnlyOnItsSurface)
{
    RenderPanel panel;
    EXPECT_EQ(panel.size(), QSize(514, 514));
    const QImage dot = test::uniform(1, 1, qRgb(0, 0, 0));
    panel.drawPicture(dot, -1, 0);
    panel.drawPicture(dot, 0, 512);
    panel.drawPicture(dot, 511, 511);
    panel.drawPicture(test::uniform(20, 20, qRgb(255, 0, 0)), 500, -10);
    QImage expected = render::blankBoard();
    expected.setPixel(511, 511, qRgb(0, 0, 0));
    QPainter(&expected).fillRect(500, 0, 12, 10, QColor(255, 0, 0));
    EXPECT_TRUE(sameImage(panel.snapshot(), expected));

    const QImage before = panel.snapshot();
    panel.clear();
    EXPECT_TRUE(sameImage(panel.snapshot(), render::blankBoard()));
    EXPECT_EQ(before.pixel(511, 511), qRgb(0, 0, 0));  // a snapshot is a copy
}

}  // namespace
}  // namespace tavro::ui

namespace tavro::ui {
namespace {

class TuningStripTest : public EffectChooserTest {
protected:
    template <typename T>
    T *control(int index = 0)
    {
        const QList<T *> all = tuningStrip().findChildren<T *>();
        EXPECT_GT(all.size(), index);
        return all.value(index);
    }
};

TEST_F(TuningStripTest, TheStripLiesUnderThePanelsWhichKeepTheirPlaces)
{
    EXPECT_EQ(blackWhitePanel().geometry(), QRect(8, 56, 514, 514));
    EXPECT_EQ(ditherPanel().geometry(), QRect(544, 56, 514, 514));
    EXPECT_EQ(window.size(),
              QSize(1074, 584 + TuningStrip::StripHeight + MaterialStrip::StripHeight));
    EXPECT_GE(tuningStrip().geometry().top(), 570);
    EXPECT_EQ(test::unitIn<MaterialStrip>(window).geometry().top(),
              tuningStrip().geometry().bottom() + 1);
}

TEST_F(TuningStripTest, EveryChangeRedrawsBothPanelsAndAClickPlacesWhatItShows)
{
    const QString path = save(u"photo.png"_s, gradients(640, 480));
    openAndProcess(path);
    const QImage snapshot = expectedSnapshot(path);

    control<QSlider>(0)->setValue(-30);         // brightness
    control<QDoubleSpinBox>()->setValue(1.6);   // gamma
    control<QSpinBox>()->setValue(100);         // the left panel's threshold
    control<QComboBox>(1)->setCurrentIndex(2);  // Atkinson on the right
    const render::PictureTuning tuning = tuningStrip().tuning();
    EXPECT_EQ(tuning.brightness, -30);
    EXPECT_EQ(tuning.threshold, 100);
    EXPECT_EQ(tuning.method, render::Effect::Atkinson);
    const render::EffectPanels expected = render::renderEffectPanels(snapshot, tuning);
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(), expected.left));
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(), expected.right));
    EXPECT_FALSE(
        sameImage(expected.right, render::renderEffectBoard(snapshot, render::Effect::Dither)));

    release(ditherPanel());
    EXPECT_TRUE(sameImage(board(), expected.right));
    EXPECT_TRUE(sameImage(document().rememberedImage(), expected.right)) << "Reload gives it back";
    EXPECT_EQ(document().tuning(), tuning) << "the job's tuning";
    // The next start begins from the same choices, kept in the settings file.
    EXPECT_EQ(render::loadPictureTuning(parts.config()), tuning);
}

TEST_F(TuningStripTest, ResetGivesTheTwoOriginalRenderingsBack)
{
    parts.session.setTuning(render::PictureTuning{.grey = render::GreySource::Luma,
                                                  .contrast = 40,
                                                  .invert = true,
                                                  .method = render::Effect::Bayer});
    const QString path = save(u"photo.png"_s, gradients(300, 200));
    window.open(path);
    clock.advance(EffectChooserWindow::TaskInterval);
    const QImage snapshot = expectedSnapshot(path);
    EXPECT_FALSE(sameImage(blackWhitePanel().snapshot(),
                           render::renderEffectBoard(snapshot, render::Effect::BlackWhite)));

    QTest::mouseClick(tuningStrip().findChild<QPushButton *>(), Qt::LeftButton);
    EXPECT_EQ(tuningStrip().tuning(), render::PictureTuning{});
    EXPECT_EQ(document().tuning(), render::PictureTuning{});
    EXPECT_TRUE(sameImage(blackWhitePanel().snapshot(),
                          render::renderEffectBoard(snapshot, render::Effect::BlackWhite)));
    EXPECT_TRUE(sameImage(ditherPanel().snapshot(),
                          render::renderEffectBoard(snapshot, render::Effect::Dither)));
}

TEST_F(TuningStripTest, AStoredTuningOutOfRangeFallsBackToTheDefaults)
{
    settings::ProfileFile settings = parts.config();
    settings.write(render::PictureTuningSection.toString(), u"Brightness"_s, u"900"_s);
    settings.write(render::PictureTuningSection.toString(), u"Method"_s, u"sepia"_s);
    // The next start reads them.
    session::SessionImpl next({parts.line, clock, parts.view, parts.ports, parts.folder.path()},
                              {});
    EffectChooserWindow window2(next, clock);
    EXPECT_EQ(test::unitIn<TuningStrip>(window2).tuning(), render::PictureTuning{});
}

}  // namespace
}  // namespace tavro::ui
