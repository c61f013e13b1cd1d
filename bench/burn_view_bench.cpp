// The as-it-will-burn view redrawn at 512 x 512 (target: under 16 ms, so it follows every tuning
// change live), and what dot-gain compensation adds to a redraw of the chooser's panels.
#include "render/as_it_will_burn.h"
#include "render/dot_gain.h"
#include "render/effect_board.h"
#include "support/photo_like.h"

#include <benchmark/benchmark.h>

using namespace tavro;

namespace {

const QImage &photoBoard()
{
    static const QImage board =
        render::renderEffectBoard(bench::photoSnapshot(), render::Effect::FloydSteinberg);
    return board;
}

// The board changed (a new rendering, text, a rotation): the view of the same look again.
void BM_AsItWillBurnRedraw(benchmark::State &state)
{
    const render::AsItWillBurn view(render::BurnLook{});
    for (auto _ : state) benchmark::DoNotOptimize(view.render(photoBoard()));
}
BENCHMARK(BM_AsItWillBurnRedraw)->Unit(benchmark::kMillisecond);

// The look changed (another material, another dot diameter): its colours first, then the view.
void BM_AsItWillBurnNewLook(benchmark::State &state)
{
    render::BurnLook look;
    for (auto _ : state) {
        look.dotDiameter = look.dotDiameter == 1.3 ? 1.4 : 1.3;
        benchmark::DoNotOptimize(render::AsItWillBurn(look).render(photoBoard()));
    }
}
BENCHMARK(BM_AsItWillBurnNewLook)->Unit(benchmark::kMillisecond);

// The compensation's curve alone, measured on the method's own dots.
void BM_DotGainCurve(benchmark::State &state)
{
    const auto effect = render::Effect(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(render::dotGainCurve(effect, 1.6));
    state.SetLabel(render::effectName(effect).toStdString());
}
BENCHMARK(BM_DotGainCurve)
    ->Arg(int(render::Effect::Dither))
    ->Arg(int(render::Effect::FloydSteinberg))
    ->Arg(int(render::Effect::Bayer))
    ->Unit(benchmark::kMillisecond);

// Both chooser panels redrawn with compensation on, and the right one in the view.
void BM_CompensatedPanelsInView(benchmark::State &state)
{
    render::PictureTuning tuning{.method = render::Effect::FloydSteinberg,
                                 .compensateDotGain = true};
    for (auto _ : state) {
        tuning.dotDiameter = tuning.dotDiameter == 1.6 ? 1.7 : 1.6;
        const render::EffectPanels panels =
            render::renderEffectPanels(bench::photoSnapshot(), tuning);
        const render::AsItWillBurn view(render::BurnLook{.dotDiameter = tuning.dotDiameter});
        benchmark::DoNotOptimize(view.render(panels.left));
        benchmark::DoNotOptimize(view.render(panels.right));
    }
}
BENCHMARK(BM_CompensatedPanelsInView)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
