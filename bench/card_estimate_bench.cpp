// How well the time model knows a machine after a material test card: real carves on the
// simulated engraver, through a pty, with a timing the program is not told.
//
// For each of three hidden timings: a fresh machine burns the default test card (burn times
// 10, 17, 28, 48, 80, five grey levels), its only lesson, then a picture at burn time 25, which
// the card did not try. Reported, in percent of the measured time:
//   estimate_err  the estimate made before Start, against the carve time (target: within 3 %)
// and card_s, the card's own time. The timing is scaled down from the simulator's defaults so
// the whole run takes minutes.
#include "render/upload_raster.h"
#include "session/test_card_run.h"
#include "support/sim_workshop.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tavro;

namespace {

constexpr int JobBurnTime = 25;
constexpr int Patience = 600000;  // ms

// One fresh machine with its own settings: the card, then the picture.
class Workshop : public bench::SimWorkshop {
public:
    using SimWorkshop::SimWorkshop;

    // Seconds the card took; 0 when it did not finish.
    double burnCard()
    {
        const double started = seconds();
        if (!m_card.start(materials::TestCardPlan{})) return 0;
        const bool done = runUntil([&] { return !m_card.isActive(); });
        return done && m_card.state() == session::TestCardRun::State::Done ? seconds() - started
                                                                           : 0;
    }

    // The estimate before Start and the carve's time, in seconds; 0 when it did not finish.
    std::pair<double, double> carve(const QImage &picture, int burnTime)
    {
        m_session.takeJob({picture, {}, {}, burnTime, {}});
        m_session.sendBoard();
        if (!runUntil([&] { return m_session.model().state() == State::Ready; })) return {0, 0};
        m_session.burnTimeReleased(burnTime);
        const double estimate = double(m_session.estimator().estimate().duration.count()) / 1000.0;
        const double started = seconds();
        m_session.start();
        if (!runUntil([&] { return m_session.model().state() == State::Finished; })) return {0, 0};
        return {estimate, seconds() - started};
    }

private:
    using State = run::JobModel::State;

    // The program's own event loop, so reports are taken as they come.
    bool runUntil(const std::function<bool()> &condition)
    {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (condition()) loop.quit();
        });
        QTimer::singleShot(Patience, &loop, &QEventLoop::quit);
        poll.start(2);
        if (!condition()) loop.exec();
        return condition();
    }
    double seconds() const { return double(m_clock.now().count()) / 1e6; }

    session::TestCardRun m_card{m_session};
};

void BM_EstimateAfterCard(benchmark::State &state, int timing, int picture)
{
    static const QImage pictures[] = {bench::photoBoard(), bench::textBoard()};
    for (auto _ : state) {
        Workshop workshop(bench::Timings[timing]);
        if (!workshop.connect()) {
            state.SkipWithError("the simulated engraver was not found");
            return;
        }
        const double card = workshop.burnCard();
        const auto [estimate, took] = workshop.carve(pictures[picture], JobBurnTime);
        if (card <= 0 || took <= 0) {
            state.SkipWithError("a carve did not finish");
            return;
        }
        state.counters["card_s"] = card;
        state.counters["carve_s"] = took;
        state.counters["dots"] =
            double(run::JobRaster(render::packUploadRaster(pictures[picture])).dots());
        state.counters["estimate_err"] = 100 * (estimate - took) / took;
    }
}

#define AFTER_CARD(timing, picture, name)                          \
    BENCHMARK_CAPTURE(BM_EstimateAfterCard, name, timing, picture) \
        ->Iterations(1)                                            \
        ->UseRealTime()                                            \
        ->Unit(benchmark::kSecond)

AFTER_CARD(0, 0, model1_photo);
AFTER_CARD(0, 1, model1_text);
AFTER_CARD(1, 0, model2_photo);
AFTER_CARD(1, 1, model2_text);
AFTER_CARD(2, 0, model3_photo);
AFTER_CARD(2, 1, model3_text);

}  // namespace
