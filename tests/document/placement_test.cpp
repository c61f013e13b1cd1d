// A chosen picture placed in millimetres: the arithmetic, the rendering at its new place, and the
// tool's options giving the board the window's dialog gives.
#include "document/placement.h"
#include "common/render_options.h"
#include "document/placed_rendering.h"
#include "pictures/picture_loader.h"
#include "pictures/vector_picture.h"
#include "qt_printers.h"
#include "render/effect_board.h"
#include "render/work_snapshot.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

constexpr double Scale = DefaultDotsPerMillimetre;

QImage boardOf(const PlacedRendering &rendering)
{
    const platform::Result<QImage> board = renderPlaced(rendering);
    EXPECT_TRUE(board.ok()) << qPrintable(board.why());
    return board ? *board : QImage();
}

TEST(Placement, MillimetresBecomeDotsAndTheOtherSideFollowsThePicture)
{
    EXPECT_EQ(dotsOf(20, Scale), 268);
    EXPECT_EQ(dotsOf(0.0746, Scale), 1);
    EXPECT_EQ(defaultPlacement({1000, 500}).rect, QRect(0, 122, 490, 245));

    const Placement from = defaultPlacement({1000, 500});
    platform::Result<Placement> r =
        applyPlacementRequest(from, {1000, 500}, {.widthMm = 20}, Scale);
    ASSERT_TRUE(r.ok()) << qPrintable(r.why());
    EXPECT_EQ(r->rect.size(), QSize(268, 134));
    EXPECT_EQ(r->rect.center(), from.rect.center()) << "a new size keeps the centre";

    r = applyPlacementRequest(from, {1000, 500},
                              {.heightMm = 10, .leftMm = 1, .topMm = 2, .mirrorV = true}, Scale);
    ASSERT_TRUE(r.ok()) << qPrintable(r.why());
    EXPECT_EQ(r->rect, QRect(13, 27, 268, 134));
    EXPECT_TRUE(r->mirrorV);
    EXPECT_FALSE(r->mirrorH);
}

TEST(Placement, ARequestThatCannotBeMetSaysWhatWasAsked)
{
    const Placement from = defaultPlacement({1000, 500});
    platform::Result<Placement> r =
        applyPlacementRequest(from, {1000, 500}, {.widthMm = 500}, Scale);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.why().contains(u"500.0 x 250.0 mm"_s)) << qPrintable(r.why());
    EXPECT_TRUE(r.why().contains(u"6700"_s)) << qPrintable(r.why());

    // Far beyond the board: the value asked, not what the arithmetic keeps in range.
    r = applyPlacementRequest(from, {1000, 500}, {.widthMm = 1e308}, Scale);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.why().contains(u"1e+308 mm"_s)) << qPrintable(r.why());
    r = applyPlacementRequest(from, {1000, 500}, {.heightMm = 4e9}, Scale);
    EXPECT_TRUE(r.why().contains(u"4e+09 mm"_s)) << qPrintable(r.why());
    r = applyPlacementRequest(from, {1000, 500}, {.leftMm = 1e308, .topMm = -4e9}, Scale);
    EXPECT_TRUE(r.why().contains(u"At 1e+308 mm from the left and -4e+09 mm from the top"_s))
        << qPrintable(r.why());

    r = applyPlacementRequest(from, {1000, 500}, {.leftMm = 40}, Scale);
    EXPECT_FALSE(r.ok()) << "wholly right of the board";
    r = applyPlacementRequest(from, {1000, 500}, {.leftMm = -18}, Scale);
    EXPECT_TRUE(r.ok()) << "a picture may reach past the board's edge";
}

TEST(Placement, APictureWithItsOwnSizeIsPlacedAtItWhereTheBoardHoldsIt)
{
    const QSize declared(200, 100);
    const Placement fitted = defaultPlacement(declared);
    const Placement own = placementAtOwnSize(declared, QSizeF(20, 10), Scale);
    EXPECT_EQ(own.rect.size(), QSize(qRound(20 * Scale), qRound(10 * Scale)));
    EXPECT_LE((own.rect.center() - fitted.rect.center()).manhattanLength(), 1);
    EXPECT_EQ(placementAtOwnSize(declared, std::nullopt, Scale), fitted);
    EXPECT_EQ(placementAtOwnSize(declared, QSizeF(100, 50), Scale), fitted) << "past the board";
    EXPECT_EQ(placementAtOwnSize(declared, QSizeF(0.01, 0.005), Scale), fitted) << "no dot";
}

class PlacedRenderingTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    // A picture small enough to keep its own size: moving it changes no pixel of it.
    PlacedRendering logo(render::Effect effect, const render::PictureTuning &tuning = {})
    {
        QImage picture(100, 50, QImage::Format_RGB32);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 100; ++x)
                picture.setPixel(x, y, qRgb(x * 2 + y, 255 - x * 2, (x * 5 + y * 3) % 256));
        const QString path = dir.filePath(u"logo.png"_s);
        picture.save(path);
        const pictures::LoadedPicture loaded = pictures::loadPicture(path);
        return {ChosenPicture(path, loaded.size, render::makeWorkSnapshot(loaded)), effect, tuning,
                defaultPlacement(loaded.size)};
    }
};

TEST_F(PlacedRenderingTest, TheDefaultPlacementIsExactlyTheChoosersRendering)
{
    for (const render::Effect effect :
         {render::Effect::BlackWhite, render::Effect::Dither, render::Effect::Atkinson}) {
        const PlacedRendering r = logo(effect, {.brightness = 10});
        EXPECT_TRUE(r.isDefaultPlacement());
        EXPECT_EQ(boardOf(r),
                  render::renderEffectBoard(r.picture.snapshot(), effect, {.brightness = 10}));
    }
}

TEST_F(PlacedRenderingTest, AMovedOrMirroredPictureIsRenderedWhereItLiesAndNothingOutside)
{
    PlacedRendering r = logo(render::Effect::BlackWhite);
    const QImage before = boardOf(r);
    const QRect was = r.placement.rect;
    r.placement = moved(r.placement, {10, 400});
    const QImage after = boardOf(r);
    EXPECT_EQ(after.copy(QRect({10, 400}, was.size())), before.copy(was));

    r.placement.mirrorH = true;
    EXPECT_EQ(boardOf(r).copy(QRect({10, 400}, was.size())),
              before.copy(was).mirrored(true, false));

    // Half off the board, every method: no dot burns outside the picture's rectangle.
    for (const render::Effect effect : render::AllEffects) {
        PlacedRendering half = logo(effect, {.gamma = 0.4});
        half.placement.rect = QRect(470, -20, 100, 50);
        const QImage board = boardOf(half);
        const QRect inside = half.placement.rect & board.rect();
        int dots = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x) {
                if (board.pixel(x, y) != qRgb(0, 0, 0)) continue;
                ++dots;
                EXPECT_TRUE(inside.contains(x, y)) << qPrintable(render::effectName(effect));
            }
        EXPECT_GT(dots, 0) << qPrintable(render::effectName(effect));
    }
}

TEST_F(PlacedRenderingTest, ScalingRendersAgainFromThePictureNotFromItsDots)
{
    PlacedRendering r = logo(render::Effect::Dither);
    r.placement = resizedToWidth(moved(r.placement, {0, 0}), {100, 50}, 400);
    EXPECT_EQ(r.placement.rect.size(), QSize(400, 200));
    const QImage big = boardOf(r);
    // Dithered anew at four times the size: not the 100 x 50 dots blown up into 4 x 4 blocks.
    const QImage small = boardOf(logo(render::Effect::Dither));
    const QRect at = r.placement.rect;
    int blocky = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            if (big.pixel(at.left() + x * 4 + 1, at.top() + y * 4 + 1) ==
                small.pixel(195 + x, 220 + y))
                ++blocky;
    EXPECT_LT(blocky, 100 * 50 * 9 / 10);

    QFile::remove(r.picture.path());
    PlacedRendering gone = logo(render::Effect::Dither);
    QFile::remove(gone.picture.path());
    gone.placement = moved(gone.placement, {0, 0});
    const platform::Result<QImage> failed = renderPlaced(gone);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.why().contains(u"logo.png"_s)) << qPrintable(failed.why());
}

TEST_F(PlacedRenderingTest, AVectorIsDrawnAnewAtEachPlacedSize)
{
    // A ring and a diagonal: a drawing scaled up from the chooser's small one would round and
    // step them differently from the vector drawn at the placed size.
    const QString path = dir.filePath(u"logo.svg"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<svg xmlns='http://www.w3.org/2000/svg' width='20mm' height='10mm' "
        "viewBox='0 0 20 10'><circle cx='5' cy='5' r='4' fill='none' stroke='black' "
        "stroke-width='0.7'/><path d='M11 9 L19 1' stroke='black' stroke-width='0.5'/></svg>");
    file.close();
    const pictures::LoadedPicture loaded = pictures::loadPicture(path, {.drawSize = 40});
    ASSERT_TRUE(loaded.isVector);
    ASSERT_TRUE(loaded.isReadable()) << qPrintable(loaded.error);
    PlacedRendering r{ChosenPicture::ofVector(path, loaded.size, render::makeWorkSnapshot(loaded)),
                      render::Effect::BlackWhite,
                      {},
                      defaultPlacement(loaded.size)};
    r.placement = resizedToWidth(moved(r.placement, {6, 6}), loaded.size, 480);

    const platform::Result<pictures::VectorPicture> vector =
        pictures::VectorPicture::fromFile(path);
    ASSERT_TRUE(vector);
    const QString drawn = dir.filePath(u"drawn.png"_s);
    ASSERT_TRUE(vector->render(r.placement.rect.size()).save(drawn));
    const pictures::LoadedPicture raster = pictures::loadPicture(drawn);
    PlacedRendering same{ChosenPicture(drawn, raster.size, render::makeWorkSnapshot(raster)),
                         render::Effect::BlackWhite,
                         {},
                         r.placement};
    EXPECT_EQ(boardOf(r), boardOf(same));
}

TEST_F(PlacedRenderingTest, TheToolsOptionsGiveTheBoardOfTheSameRequest)
{
    const PlacedRendering r = logo(render::Effect::Atkinson);
    cli::RenderChoice choice;
    choice.effect = render::Effect::Atkinson;
    choice.placement = {.widthMm = 20, .leftMm = 2, .topMm = 3, .mirrorH = true};
    const cli::RenderedBoard tool = cli::renderPictureFile(r.picture.path(), choice);
    ASSERT_TRUE(tool.error.isEmpty()) << qPrintable(tool.error);

    PlacedRendering window = r;
    const platform::Result<Placement> placed =
        applyPlacementRequest(r.placement, {100, 50}, choice.placement, Scale);
    ASSERT_TRUE(placed.ok()) << qPrintable(placed.why());
    window.placement = *placed;
    EXPECT_EQ(window.placement.rect, QRect(27, 40, 268, 134));
    EXPECT_EQ(tool.board, boardOf(window));

    choice.placement = {.leftMm = 60};
    const cli::RenderedBoard off = cli::renderPictureFile(r.picture.path(), choice);
    EXPECT_TRUE(off.placementRefused);
    EXPECT_FALSE(off.error.isEmpty());
}

}  // namespace
}  // namespace tavro::document
