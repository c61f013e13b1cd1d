// Speed of the raster arithmetic and of a big dropped JPEG on its way to both renderings.
#include "pictures/picture_loader.h"
#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/render_black_white.h"
#include "render/render_dither.h"
#include "render/upload_raster.h"
#include "render/work_snapshot.h"
#include "support/photo_like.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavro;

namespace {

const QImage &snapshot()
{
    return bench::photoSnapshot();
}

using bench::bigJpegPath;

// As the effect chooser runs it: each dot drawn on a board, nothing to do after a white.
void BM_RenderDither(benchmark::State &state)
{
    QImage board = render::blankBoard();
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    for (auto _ : state) {
        render::renderDither(snapshot(), render::ProcessingSize, [pixels, stride](int x, int y) {
            reinterpret_cast<QRgb *>(pixels + y * stride)[x] = 0xFF000000;
        });
    }
}
BENCHMARK(BM_RenderDither)->Unit(benchmark::kMicrosecond);

// The same with an AfterWhite callback, which costs one call per white decision.
void BM_RenderDitherWithAfterWhite(benchmark::State &state)
{
    long dots = 0;
    long whites = 0;
    for (auto _ : state) {
        render::renderDither(
            snapshot(), render::ProcessingSize, [&dots](int, int) { ++dots; },
            [&whites] { ++whites; });
    }
    benchmark::DoNotOptimize(dots + whites);
}
BENCHMARK(BM_RenderDitherWithAfterWhite)->Unit(benchmark::kMicrosecond);

void BM_RenderBlackWhiteAndPack(benchmark::State &state)
{
    const QImage board = render::renderEffectBoard(snapshot(), render::Effect::BlackWhite);
    for (auto _ : state) {
        benchmark::DoNotOptimize(render::renderBlackWhite(snapshot()));
        benchmark::DoNotOptimize(render::packUploadRaster(board));
    }
}
BENCHMARK(BM_RenderBlackWhiteAndPack)->Unit(benchmark::kMicrosecond);

// From the file of a dropped 24-megapixel JPEG to both boards, as the effect chooser shows them.
void BM_Jpeg24MpToBothRenderings(benchmark::State &state)
{
    const QString path = bigJpegPath();
    const int drawSize = int(state.range(0));
    for (auto _ : state) {
        const pictures::LoadedPicture picture = pictures::loadPicture(path, {.drawSize = drawSize});
        const QImage snapshot = render::makeWorkSnapshot(picture);
        benchmark::DoNotOptimize(render::renderEffectBoard(snapshot, render::Effect::BlackWhite));
        benchmark::DoNotOptimize(render::renderEffectBoard(snapshot, render::Effect::Dither));
    }
}
// 490: decoded at 1/8 scale, as the program does; 0: decoded in full, for comparison.
BENCHMARK(BM_Jpeg24MpToBothRenderings)
    ->Arg(render::ProcessingSize)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
