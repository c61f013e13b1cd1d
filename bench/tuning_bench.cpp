// One change of a tuning control: both effect chooser panels drawn again, for every method.
#include "pictures/picture_loader.h"
#include "render/effect.h"
#include "render/effect_board.h"
#include "render/picture_tuning.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"
#include "support/photo_like.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

using namespace tavro;

namespace {

const QImage &snapshot()
{
    return bench::photoSnapshot();
}

using bench::bigJpegPath;

// Brightness moves by one step each time, so every redraw also builds its tone curve;
// the left panel is then tuned too, its slowest form.
void redrawBothPanels(benchmark::State &state, render::Effect method)
{
    render::PictureTuning tuning{.brightness = 10, .method = method};
    for (auto _ : state) {
        tuning.brightness = tuning.brightness == 10 ? 11 : 10;
        benchmark::DoNotOptimize(render::renderEffectPanels(snapshot(), tuning));
    }
}

// For comparison: the two original renderings, untuned.
void redrawOriginalPanels(benchmark::State &state)
{
    for (auto _ : state) benchmark::DoNotOptimize(render::renderEffectPanels(snapshot(), {}));
}

// From the file of a dropped 24-megapixel JPEG to both panels, decoded at reduced size
// as the program does.
void jpeg24MpToBothPanels(benchmark::State &state, render::Effect method)
{
    const QString path = bigJpegPath();
    const render::PictureTuning tuning{
        .grey = render::GreySource::Luma, .gamma = 1.4, .method = method};
    for (auto _ : state) {
        const pictures::LoadedPicture picture =
            pictures::loadPicture(path, {.drawSize = render::ProcessingSize});
        const QImage snapshot = render::makeWorkSnapshot(picture);
        benchmark::DoNotOptimize(render::renderEffectPanels(snapshot, tuning));
    }
}

const bool Registered = [] {
    benchmark::RegisterBenchmark("BM_RedrawOriginalPanels", redrawOriginalPanels)
        ->Unit(benchmark::kMillisecond);
    for (const render::Effect method : render::RightPanelEffects) {
        const std::string name = render::effectName(method).toStdString();
        benchmark::RegisterBenchmark(("BM_RedrawBothPanels/" + name).c_str(), redrawBothPanels,
                                     method)
            ->Unit(benchmark::kMillisecond);
    }
    for (const render::Effect method : render::RightPanelEffects) {
        const std::string name = render::effectName(method).toStdString();
        benchmark::RegisterBenchmark(("BM_Jpeg24MpToBothPanels/" + name).c_str(),
                                     jpeg24MpToBothPanels, method)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
