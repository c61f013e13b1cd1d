// The job document's board: Clear, Reload, Zoom Out, Rotate, the remembered rendering, what it
// knows of the board the machine holds and of the file it came from, and a chosen picture moved
// while it is being decoded.
#include "document/job_document.h"
#include "pictures/picture_loader.h"
#include "qt_printers.h"
#include "render/effect_board.h"
#include "render/upload_raster.h"
#include "render/work_snapshot.h"

#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

// A rendering as the effect chooser hands it over.
QImage aRendering()
{
    QImage rendering = render::blankBoard();
    for (int y = 40; y < 300; ++y)
        for (int x = 60; x < 200; ++x)
            if ((x / 7 + y / 5) % 2) rendering.setPixel(x, y, qRgb(0, 0, 0));
    return rendering;
}

// Not symmetric, as the drop hints are not.
QImage aBackground()
{
    QImage hint = render::blankBoard();
    for (int x = 100; x < 400; ++x) hint.setPixel(x, 240, qRgb(0, 0, 0));
    hint.setPixel(0, 0, qRgb(255, 0, 0));
    return hint;
}

class JobDocumentTest : public ::testing::Test {
protected:
    JobDocument document{render::PictureTuning(), TextFontSettings(), 40};
    const QImage &board() const { return document.board(); }
};

TEST_F(JobDocumentTest, FourRotationsRestoreTheBoardAndOneMovesTheCornerRight)
{
    document.setBackgroundPicture(aBackground());
    const QImage start = board();
    document.rotateBoard();
    EXPECT_EQ(board().pixel(511, 0), qRgb(255, 0, 0));
    for (int i = 0; i < 3; ++i) document.rotateBoard();
    EXPECT_EQ(board(), start);
}

TEST_F(JobDocumentTest, ZoomOutShrinksIntoWhiteMarginsWithGreyEdges)
{
    document.clearBoard();
    document.zoomOutBoard();
    document.zoomOutBoard();
    EXPECT_EQ(render::packUploadRaster(board()), QByteArray(32768, '\0')) << "white stays white";

    document.placeRendering(aRendering());
    document.zoomOutBoard();
    bool grey = false;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const int g = qGray(board().pixel(x, y));
            if (g > 0 && g < 255) grey = true;
            if (x < 10 || y < 10 || x > 491 || y > 491) {
                ASSERT_EQ(board().pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
            }
        }
    EXPECT_TRUE(grey) << "averaging makes grey edge pixels";
}

TEST_F(JobDocumentTest, ReloadBringsBackTheChosenRenderingAfterAnyEdit)
{
    const QImage rendering = aRendering();
    EXPECT_TRUE(document.holdsOnlyBackground());
    document.placeRendering(rendering);
    EXPECT_FALSE(document.holdsOnlyBackground());
    document.rotateBoard();
    document.zoomOutBoard();
    document.clearBoard();
    document.reloadPicture();
    EXPECT_EQ(board(), rendering);
    document.setBackgroundPicture(aBackground());  // a language's hint wipes it
    EXPECT_NE(board(), rendering);
    document.reloadPicture();
    EXPECT_EQ(board(), rendering);
}

TEST_F(JobDocumentTest, ReloadWithNothingRememberedShowsTheBackgroundOnly)
{
    document.setBackgroundPicture(aBackground());
    const QImage hint = board();
    document.reloadPicture();
    EXPECT_EQ(board(), hint);
    EXPECT_TRUE(document.rememberedImage().isNull());
    EXPECT_TRUE(document.holdsOnlyBackground());
}

TEST_F(JobDocumentTest, KnowsWhetherWhatWouldBurnIsWhatTheMachineHolds)
{
    QSignalSpy sent(&document, &JobDocument::sentChanged);
    document.placeRendering(aRendering());
    EXPECT_FALSE(document.differsFromSent()) << "nothing sent: nothing to differ from";
    document.markSent(render::packUploadRaster(board()), QDateTime::currentDateTime());
    EXPECT_FALSE(document.differsFromSent());
    document.rotateBoard();
    EXPECT_TRUE(document.differsFromSent());
    for (int i = 0; i < 3; ++i) document.rotateBoard();
    EXPECT_FALSE(document.differsFromSent()) << "the same dots again";
    EXPECT_EQ(sent.count(), 3);
}

TEST_F(JobDocumentTest, TheFileIsMarkedModifiedByBoardChangesOnly)
{
    JobFile job;
    job.board = aRendering();
    job.burnTime = 57;
    document.restore(job, u"/jobs/a.tavro.png"_s);
    EXPECT_EQ(document.path(), u"/jobs/a.tavro.png"_s);
    EXPECT_EQ(document.burnTime(), 57);
    EXPECT_FALSE(document.isModified());
    document.setBurnTime(12);
    EXPECT_FALSE(document.isModified());
    document.zoomOutBoard();
    EXPECT_TRUE(document.isModified());
    document.markSaved(u"/jobs/b.tavro.png"_s);
    EXPECT_FALSE(document.isModified());
    document.setPicturePath(u"/pictures/new.png"_s);
    EXPECT_TRUE(document.path().isEmpty()) << "a new picture is a new job";
}

// A picture whose decoding waits until the test lets it go, and counts how often it began.
class SlowDecodingTest : public JobDocumentTest {
protected:
    QTemporaryDir dir;
    QSemaphore began;
    QSemaphore gate;
    std::atomic<int> decodings = 0;

    PlacedRendering slowPicture()
    {
        QImage pixels(200, 100, QImage::Format_RGB32);
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 100; ++y) pixels.setPixel(x, y, qRgb(x, y * 2, 128));
        const QString path = dir.filePath(u"slow.png"_s);
        pixels.save(path);
        const pictures::LoadedPicture loaded = pictures::loadPicture(path);
        const auto decoder = [this, pixels](const QString &) -> platform::Result<QImage> {
            ++decodings;
            began.release();
            // A window's thread waiting for it fails the test instead of hanging it.
            if (!gate.tryAcquire(1, 60'000)) return platform::Outcome::failed(u"held"_s);
            return pixels;
        };
        return {ChosenPicture(path, loaded.size, render::makeWorkSnapshot(loaded), decoder),
                render::Effect::Dither,
                {},
                defaultPlacement(loaded.size)};
    }
    void waitUntilBegun() { ASSERT_TRUE(began.tryAcquire(1, 60'000)); }
};

TEST_F(SlowDecodingTest, APlacementAskedWhileThePictureDecodesIsTakenAtOnceAndDrawnWhenItLands)
{
    const PlacedRendering chosen = slowPicture();
    document.placeRendering(chosen);
    waitUntilBegun();
    const QImage shown = board();
    PlacedRendering wanted = chosen;
    wanted.placement.rect.translate(30, 20);
    wanted.placement.mirrorH = true;

    QSignalSpy changed(&document, &JobDocument::boardChanged);
    ASSERT_TRUE(document.setPlacement(wanted.placement).ok());
    EXPECT_EQ(board(), shown) << "the window's thread did not wait for the decoding";
    EXPECT_TRUE(document.placement() == wanted.placement);
    EXPECT_TRUE(document.placementOnBoard() == chosen.placement);

    gate.release();
    ASSERT_TRUE(changed.wait(60'000));
    const platform::Result<QImage> exact = renderPlaced(wanted);
    ASSERT_TRUE(exact.ok()) << qPrintable(exact.why());
    EXPECT_EQ(board(), *exact);
    EXPECT_TRUE(document.placementOnBoard() == wanted.placement);
    EXPECT_EQ(decodings, 1);
}

TEST_F(SlowDecodingTest, APictureThatCanNoLongerBePlacedGivesItsDecodingBackForGood)
{
    // While it can be placed, one decoding serves every move.
    const PlacedRendering chosen = slowPicture();
    document.placeRendering(chosen);
    waitUntilBegun();
    gate.release();
    chosen.picture.decodeInBackground().waitForFinished();
    for (int left : {10, 20}) {
        Placement placement = chosen.placement;
        placement.rect.moveLeft(left);
        ASSERT_TRUE(document.setPlacement(placement).ok());
    }
    EXPECT_EQ(document.placementOnBoard()->rect.left(), 20);
    document.zoomOutBoard();
    EXPECT_FALSE(chosen.picture.isDecoded());
    EXPECT_EQ(chosen.picture.memoryBytes(), chosen.picture.snapshot().sizeInBytes());

    // Given up while under way: what it decodes is dropped, and nothing decodes it again.
    const PlacedRendering next = slowPicture();
    document.placeRendering(next);
    QFuture<void> underWay = next.picture.decodeInBackground();
    waitUntilBegun();
    document.rotateBoard();
    gate.release();
    underWay.waitForFinished();
    QCoreApplication::processEvents();
    EXPECT_FALSE(next.picture.isDecoded());
    EXPECT_EQ(next.picture.memoryBytes(), next.picture.snapshot().sizeInBytes());
    EXPECT_EQ(decodings, 2);
}

}  // namespace
}  // namespace tavro::document
