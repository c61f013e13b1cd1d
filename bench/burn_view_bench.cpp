// The as-it-will-burn view redrawn at 512 x 512 (target: under 16 ms, so it follows every tuning
// change live), and what dot-gain compensation adds to a redraw of the chooser's panels.
#include "job/as_it_will_burn.h"
#include "job/dot_gain.h"
#include "job/effect_board.h"
#include "support/photo_like.h"

#include <benchmark/benchmark.h>

using namespace tavro;

namespace {

const QImage &photoBoard()
{
    static const QImage board =
        job::renderEffectBoard(bench::photoSnapshot(), job::Effect::FloydSteinberg);
    return board;
}

// The board changed (a new rendering, text, a rotation): the view of the same look again.
void BM_AsItWillBurnRedraw(benchmark::State &state)
{
    const job::AsItWillBurn view(job::BurnLook{});
    for (auto _ : state) benchmark::DoNotOptimize(view.render(photoBoard()));
}
BENCHMARK(BM_AsItWillBurnRedraw)->Unit(benchmark::kMillisecond);

// The look changed (another material, another dot diameter): its colours first, then the view.
void BM_AsItWillBurnNewLook(benchmark::State &state)
{
    job::BurnLook look;
    for (auto _ : state) {
        look.dotDiameter = look.dotDiameter == 1.3 ? 1.4 : 1.3;
        benchmark::DoNotOptimize(job::AsItWillBurn(look).render(photoBoard()));
    }
}
BENCHMARK(BM_AsItWillBurnNewLook)->Unit(benchmark::kMillisecond);

// The compensation's curve alone, measured on the method's own dots.
void BM_DotGainCurve(benchmark::State &state)
{
    const auto effect = job::Effect(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(job::dotGainCurve(effect, 1.6));
    state.SetLabel(job::effectName(effect).toStdString());
}
BENCHMARK(BM_DotGainCurve)
    ->Arg(int(job::Effect::Dither))
    ->Arg(int(job::Effect::FloydSteinberg))
    ->Arg(int(job::Effect::Bayer))
    ->Unit(benchmark::kMillisecond);

// Both chooser panels redrawn with compensation on, and the right one in the view.
void BM_CompensatedPanelsInView(benchmark::State &state)
{
    job::PictureTuning tuning{.method = job::Effect::FloydSteinberg, .compensateDotGain = true};
    for (auto _ : state) {
        tuning.dotDiameter = tuning.dotDiameter == 1.6 ? 1.7 : 1.6;
        const job::EffectPanels panels = job::renderEffectPanels(bench::photoSnapshot(), tuning);
        const job::AsItWillBurn view(job::BurnLook{.dotDiameter = tuning.dotDiameter});
        benchmark::DoNotOptimize(view.render(panels.left));
        benchmark::DoNotOptimize(view.render(panels.right));
    }
}
BENCHMARK(BM_CompensatedPanelsInView)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
