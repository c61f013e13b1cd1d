// How well the time model knows a machine after a material test card: real carves on the
// simulated engraver, through a pty, with a timing the program is not told.
//
// For each of three hidden timings: a fresh machine burns the default test card (burn times
// 10, 17, 28, 48, 80, five grey levels), its only lesson, then a picture at burn time 25, which
// the card did not try. Reported, in percent of the measured time:
//   estimate_err  the estimate made before Start, against the carve time (target: within 3 %)
// and card_s, the card's own time. The timing is scaled down from the simulator's defaults so
// the whole run takes minutes.
#include "engraver-sim/engraver_sim.h"
#include "job/effect_board.h"
#include "job/session.h"
#include "job/test_card_run.h"
#include "job/upload_raster.h"
#include "job/work_snapshot.h"
#include "platform/prompter.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "support/photo_like.h"

#include <QEventLoop>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int JobBurnTime = 25;
constexpr int Patience = 600000;  // ms

struct Timing {
    double dotUs, rowMs, blankRowMs;
};
const Timing Timings[] = {{4, 2, 0.3}, {8, 5, 1}, {12, 8, 0.5}};

QImage board(const QImage &picture, job::Effect effect)
{
    return job::renderEffectBoard(job::makeWorkSnapshot(picture, picture.size()), effect);
}

QImage photo()
{
    return board(bench::photoLike(640, 480), job::Effect::Dither);
}

QImage text()
{
    QImage picture(600, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QStringList lines{u"Tavro Laser"_s, u"made by hand"_s, u"for Anna & Jonas"_s,
                            u"12 May 2024"_s, u"wood, leather, card"_s};
    for (int i = 0; i < lines.size(); ++i) painter.drawText(40, 80 + i * 110, lines[i]);
    painter.end();
    return board(picture, job::Effect::BlackWhite);
}

class Silent final : public platform::Prompter {
public:
    void inform(const QString &, const QString &) override {}
    bool confirm(const QString &, const QString &) override { return true; }
    int choose(const QString &, const QString &, const QStringList &) override { return 1; }
};

// One fresh machine with its own settings: the card, then the picture.
class Workshop {
public:
    explicit Workshop(const Timing &timing)
    {
        sim::EngraverOptions options;
        options.linkPath = m_dir.filePath(u"ttyBench"_s);
        options.eraseMs = 20;
        options.dotUs = timing.dotUs;
        options.rowMs = timing.rowMs;
        options.blankRowMs = timing.blankRowMs;
        m_machine = std::make_unique<sim::Engraver>(options);
        m_machine->start();
    }

    bool connect()
    {
        m_session.connectMachine();
        return QTest::qWaitFor(
            [&] { return m_session.link().state() == link::LinkState::Identified; }, 20000);
    }

    // Seconds the card took; 0 when it did not finish.
    double burnCard()
    {
        const double started = seconds();
        if (!m_card.start(job::TestCardPlan{}).isEmpty()) return 0;
        const bool done = runUntil([&] { return !m_card.isActive(); });
        return done && m_card.state() == job::TestCardRun::State::Done ? seconds() - started : 0;
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
    using State = job::JobModel::State;

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

    QTemporaryDir m_dir;
    std::unique_ptr<sim::Engraver> m_machine;
    platform::PortTable m_table{QStringList{m_dir.filePath(u"ttyBench"_s)}};
    platform::QtSerialLine m_line{m_table};
    platform::PortTableLister m_ports{m_table};
    platform::QtClock m_clock;
    Silent m_prompter;
    job::Session m_session{{m_line, m_clock, m_prompter, m_ports, m_dir.path()}, {}};
    job::TestCardRun m_card{m_session};
};

void BM_EstimateAfterCard(benchmark::State &state, int timing, int picture)
{
    static const QImage pictures[] = {photo(), text()};
    for (auto _ : state) {
        Workshop workshop(Timings[timing]);
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
            double(job::JobRaster(job::packUploadRaster(pictures[picture])).dots());
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
