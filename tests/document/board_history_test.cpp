// Undo and redo of every change of the board, what they keep in memory, and text that stays
// where it was written while the picture under it moves.
#include "document/board_history.h"
#include "document/job_document.h"
#include "pictures/picture_loader.h"
#include "qt_printers.h"
#include "render/effect_board.h"
#include "render/upload_raster.h"
#include "render/work_snapshot.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

TEST(CompactImage, GivesBackEveryPixelInFewerBytes)
{
    QImage twoColours = render::blankBoard();
    twoColours.fill(qRgb(255, 255, 255));
    for (int i = 0; i < 512; ++i) twoColours.setPixel(i, (i * 7) % 512, qRgb(0, 0, 0));
    QImage greys(512, 512, QImage::Format_RGB32);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) greys.setPixel(x, y, qRgb(x / 2, x / 2, x / 2));
    QImage colours = greys;
    colours.setPixel(3, 3, qRgb(1, 2, 3));
    QImage ink(512, 512, QImage::Format_ARGB32);
    ink.fill(Qt::transparent);
    ink.setPixel(5, 5, qRgba(0, 0, 0, 255));

    for (const auto &[image, most] :
         {std::pair{twoColours, 512 * 512 / 8}, std::pair{greys, 512 * 512},
          std::pair{colours, 512 * 2048}, std::pair{ink, 512 * 512 / 8}}) {
        const CompactImage compact(image);
        EXPECT_LE(compact.bytes(), most);
        EXPECT_EQ(compact.image(), image);
        EXPECT_EQ(compact.image().format(), image.format());
    }
}

class BoardUndoTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    JobDocument document{render::PictureTuning(), TextFontSettings(), 40};

    PlacedRendering photo()
    {
        QImage picture(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) picture.setPixel(x, y, qRgb(x % 256, y, (x + y) % 256));
        const QString path = dir.filePath(u"photo.png"_s);
        picture.save(path);
        const pictures::LoadedPicture loaded = pictures::loadPicture(path);
        const ChosenPicture chosen(path, loaded.size, render::makeWorkSnapshot(loaded));
        // Every move is then rendered at once, as once the decoding has landed.
        chosen.decodeInBackground().waitForFinished();
        return {chosen, render::Effect::Dither, {}, defaultPlacement(loaded.size)};
    }
};

TEST_F(BoardUndoTest, EveryKindOfChangeIsUndoneAndRedoneExactly)
{
    QImage hint = render::blankBoard();
    hint.setPixel(7, 9, qRgb(0, 0, 0));
    document.setBackgroundPicture(hint);
    EXPECT_FALSE(document.canUndo()) << "a hint over a hint is no step";

    JobFile opened;
    opened.board = render::blankBoard();
    opened.board.setPixel(100, 100, qRgb(0, 0, 0));
    std::vector<QImage> boards{document.board()};
    const std::vector<std::function<void()>> changes = {
        [&] { document.placeRendering(photo()); },
        [&] {
            document.writeText({20, 30}, u"Hi"_s);
        },
        [&] {
            Placement p = *document.placement();
            p.rect.translate(40, -10);
            p.mirrorV = true;
            ASSERT_TRUE(document.setPlacement(p).ok());
        },
        [&] {
            ASSERT_TRUE(document.redrawWithTuning({.gamma = 2.0, .method = render::Effect::Bayer}));
        },
        [&] { document.zoomOutBoard(); },
        [&] { document.rotateBoard(); },
        [&] { document.reloadPicture(); },
        [&] { document.clearBoard(); },
        [&] { document.restore(opened, dir.filePath(u"a.tavro.png"_s)); },
        [&] { document.setBackgroundPicture(hint); },
    };
    for (const auto &change : changes) {
        change();
        boards.push_back(document.board());
    }
    for (std::size_t i = boards.size() - 1; i > 0; --i) {
        document.undo();
        EXPECT_EQ(document.board(), boards[i - 1]) << "undo to step " << i - 1;
    }
    EXPECT_FALSE(document.canUndo());
    EXPECT_TRUE(document.placement() == std::nullopt);
    for (std::size_t i = 1; i < boards.size(); ++i) {
        document.redo();
        EXPECT_EQ(document.board(), boards[i]) << "redo to step " << i;
    }
    EXPECT_FALSE(document.canRedo());

    // Back to the placed picture with its text: it can be moved again, and a new change
    // forgets what was undone.
    for (int i = 0; i < 7; ++i) document.undo();
    ASSERT_TRUE(document.placement().has_value());
    document.clearBoard();
    EXPECT_FALSE(document.canRedo());
}

TEST_F(BoardUndoTest, TextStaysWhereItWasWrittenWhileThePictureMoves)
{
    document.placeRendering(photo());
    const QImage picture = document.board();
    document.writeText({30, 450}, u"Tavro"_s);
    QImage text = document.board();
    Placement p = *document.placement();
    p.rect.moveTo(200, 0);
    ASSERT_TRUE(document.setPlacement(p).ok());
    // Where the picture used to be, only the text is left; the text is where it was.
    int textDots = 0;
    for (int y = 440; y < 480; ++y)
        for (int x = 30; x < 120; ++x) {
            const bool written = text.pixel(x, y) != picture.pixel(x, y);
            if (written) ++textDots;
            if (written) {
                EXPECT_EQ(document.board().pixel(x, y), qRgb(0, 0, 0));
            }
        }
    EXPECT_GT(textDots, 10);
    // Reload brings the picture back where it lies now, without the text.
    document.reloadPicture();
    EXPECT_EQ(document.board(), document.rememberedImage());
    EXPECT_EQ(document.board().pixel(40, 460), qRgb(255, 255, 255));
}

TEST_F(BoardUndoTest, UndoFollowsTheSentBoardAndSendsNothing)
{
    document.placeRendering(photo());
    document.markSent(render::packUploadRaster(document.board()), QDateTime::currentDateTime());
    QSignalSpy sent(&document, &JobDocument::sentChanged);
    document.rotateBoard();
    EXPECT_TRUE(document.differsFromSent());
    document.undo();
    EXPECT_FALSE(document.differsFromSent());
    document.redo();
    EXPECT_TRUE(document.differsFromSent());
    EXPECT_EQ(sent.count(), 3);
}

TEST_F(BoardUndoTest, KeepsAtLeastFiftyStepsWithinItsMemory)
{
    PlacedRendering quick = photo();
    quick.effect = render::Effect::BlackWhite;
    document.placeRendering(quick);
    for (int i = 0; i < BoardHistory::MaxSteps + 10; ++i) {
        Placement p = *document.placement();
        p.rect.moveTo(i % 200, (i * 3) % 300);
        ASSERT_TRUE(document.setPlacement(p).ok());
        if (i % 10 == 0) document.writeText({i, i}, u"x"_s);
    }
    EXPECT_LE(document.history().memoryBytes(), BoardHistory::MemoryBudget);
    // Boards of two colours are kept at a bit a dot: a few MiB for all of them.
    EXPECT_LT(document.history().memoryBytes(), 24 * 1024 * 1024);
    int steps = 0;
    for (; document.canUndo() && steps <= BoardHistory::MaxSteps; ++steps) document.undo();
    EXPECT_GE(steps, BoardHistory::MinSteps);
    EXPECT_LE(steps, BoardHistory::MaxSteps);
}

}  // namespace
}  // namespace tavro::document
