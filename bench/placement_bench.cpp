// Placing a chosen 24-megapixel photo anew: rendered again at a new size from its decoded
// pixels, and moved at the same size, after the first decoding.
#include "document/placed_rendering.h"
#include "pictures/picture_loader.h"
#include "render/work_snapshot.h"
#include "support/photo_like.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

// The photo in both formats, written once for every benchmark.
const QString &photo(const char *format)
{
    static const QTemporaryDir folder;
    static const QImage picture = bench::photoLike(6000, 4000);
    static QString jpeg, png;
    QString &path = QByteArray(format) == "jpeg" ? jpeg : png;
    if (path.isEmpty()) {
        path = folder.filePath(u"24mp."_s + QString::fromLatin1(format));
        picture.save(path, format, QByteArray(format) == "jpeg" ? 90 : 1);
    }
    return path;
}

// The picture as the effect chooser hands it over, dithered at its default placement.
document::PlacedRendering chosen(const QString &path)
{
    const pictures::LoadedPicture loaded =
        pictures::loadPicture(path, {.drawSize = render::ProcessingSize});
    return {document::ChosenPicture(path, loaded.size, render::makeWorkSnapshot(loaded)),
            render::Effect::Dither,
            {},
            document::defaultPlacement(loaded.size)};
}

void BM_FirstDecoding(benchmark::State &state, const char *format)
{
    const QString &path = photo(format);
    for (auto _ : state) {
        document::PlacedRendering r = chosen(path);
        r.placement.rect.setWidth(300);
        benchmark::DoNotOptimize(document::renderPlaced(r));
    }
}

// Each iteration a new width: the picture is scaled from its decoded pixels and dithered anew.
void BM_RenderedAtANewSize(benchmark::State &state, const char *format)
{
    document::PlacedRendering r = chosen(photo(format));
    r.placement = document::resizedToWidth(r.placement, r.picture.declaredSize(), 480);
    benchmark::DoNotOptimize(document::renderPlaced(r));  // the first decoding
    int width = 300;
    for (auto _ : state) {
        width = width == 300 ? 301 : 300;
        r.placement = document::resizedToWidth(r.placement, r.picture.declaredSize(), width);
        benchmark::DoNotOptimize(document::renderPlaced(r));
    }
}

void BM_Moved(benchmark::State &state)
{
    document::PlacedRendering r = chosen(photo("jpeg"));
    r.placement = document::resizedToWidth(r.placement, r.picture.declaredSize(), 300);
    benchmark::DoNotOptimize(document::renderPlaced(r));
    int step = 0;
    for (auto _ : state) {
        r.placement.rect.moveTo(10 + step % 100, 20);
        ++step;
        benchmark::DoNotOptimize(document::renderPlaced(r));
    }
}

BENCHMARK_CAPTURE(BM_FirstDecoding, jpeg, "jpeg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_FirstDecoding, png, "png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_RenderedAtANewSize, jpeg, "jpeg")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RenderedAtANewSize, png, "png")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Moved)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
