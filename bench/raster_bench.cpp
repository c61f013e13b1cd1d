// Speed of the raster arithmetic and of a big dropped JPEG on its way to both renderings.
#include "job/effect_board.h"
#include "job/raster_constants.h"
#include "job/render_black_white.h"
#include "job/render_dither.h"
#include "job/upload_raster.h"
#include "job/work_snapshot.h"
#include "platform/picture_loader.h"
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
    QImage board = job::blankBoard();
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    for (auto _ : state) {
        job::renderDither(snapshot(), job::ProcessingSize, [pixels, stride](int x, int y) {
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
        job::renderDither(
            snapshot(), job::ProcessingSize, [&dots](int, int) { ++dots; },
            [&whites] { ++whites; });
    }
    benchmark::DoNotOptimize(dots + whites);
}
BENCHMARK(BM_RenderDitherWithAfterWhite)->Unit(benchmark::kMicrosecond);

void BM_RenderBlackWhiteAndPack(benchmark::State &state)
{
    const QImage board = job::renderEffectBoard(snapshot(), job::Effect::BlackWhite);
    for (auto _ : state) {
        benchmark::DoNotOptimize(job::renderBlackWhite(snapshot()));
        benchmark::DoNotOptimize(job::packUploadRaster(board));
    }
}
BENCHMARK(BM_RenderBlackWhiteAndPack)->Unit(benchmark::kMicrosecond);

// From the file of a dropped 24-megapixel JPEG to both boards, as the effect chooser shows them.
void BM_Jpeg24MpToBothRenderings(benchmark::State &state)
{
    const QString path = bigJpegPath();
    const int drawSize = int(state.range(0));
    for (auto _ : state) {
        const platform::LoadedPicture picture = platform::loadPicture(path, {.drawSize = drawSize});
        const QImage snapshot = job::makeWorkSnapshot(picture);
        benchmark::DoNotOptimize(job::renderEffectBoard(snapshot, job::Effect::BlackWhite));
        benchmark::DoNotOptimize(job::renderEffectBoard(snapshot, job::Effect::Dither));
    }
}
// 490: decoded at 1/8 scale, as the program does; 0: decoded in full, for comparison.
BENCHMARK(BM_Jpeg24MpToBothRenderings)
    ->Arg(job::ProcessingSize)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
