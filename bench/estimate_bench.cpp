// How good the time estimate is: real carves on the simulated engraver, through a pty.
//
// For each of three hidden timing models and three pictures: a fresh machine carves one
// other picture at burn time 10 (its only lesson), then this picture at burn time 25.
// Reported, in percent of the measured time:
//   estimate_err  the estimate made before Start, against the carve time
//   left10_err    "remaining" once 10 % of the dots are done, against the time that was left
//   first10_err   the same during the lesson itself, when nothing was known yet
//   *_rough       1 where the estimator called that time left rough ("about")
// The timing is scaled down from the simulator's defaults so the whole run takes minutes.
// BM_FollowReports measures what following the reports costs, without a machine.
#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "render/upload_raster.h"
#include "support/sim_workshop.h"

#include <QEventLoop>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace tavro;

namespace {

constexpr int LessonBurnTime = 10;
constexpr int JobBurnTime = 25;
constexpr int Patience = 300000;  // ms

QImage logo()
{
    QImage picture(600, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 40));
    painter.drawEllipse(QPoint(300, 300), 240, 240);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygon({{300, 120}, {450, 420}, {150, 420}}));
    painter.fillRect(QRect(120, 470, 360, 30), Qt::black);
    painter.end();
    return bench::boardOf(picture, render::Effect::BlackWhite);
}

struct Carve {
    double seconds = 0;
    double left10Err = NAN;  // percent
    bool left10Rough = true;
    double estimate = 0;  // seconds, foretold before Start
};

// One fresh machine with its own settings: the lesson, then the job.
class Workshop : public bench::SimWorkshop {
public:
    using SimWorkshop::SimWorkshop;

    Carve carve(const QImage &picture, int burnTime)
    {
        Carve result;
        m_session.burnTimeReleased(burnTime);
        m_session.takeJob({picture, {}, {}, burnTime, {}});
        m_session.sendBoard();
        if (!QTest::qWaitFor([&] { return m_model.state() == State::Ready; }, Patience))
            return result;
        result.estimate = double(m_estimator.estimate().duration.count()) / 1000.0;
        double at10 = -1, left10 = 0;
        QMetaObject::Connection probe =
            QObject::connect(&m_model, &run::JobModel::progressChanged, [&] {
                if (at10 >= 0 || m_model.doneDots() * 10 < m_model.totalDots()) return;
                at10 = seconds(m_clock.now());
                left10 = double(m_estimator.remaining().count()) / 1000.0;
                result.left10Rough = m_estimator.remainingRough();
            });
        const double started = seconds(m_clock.now());
        m_session.start();
        const bool finished = runUntil(State::Finished);
        const double ended = seconds(m_clock.now());
        QObject::disconnect(probe);
        if (!finished) return result;
        result.seconds = ended - started;
        if (at10 >= 0) result.left10Err = 100 * (left10 - (ended - at10)) / (ended - at10);
        return result;
    }

private:
    using State = run::JobModel::State;

    // The program's own event loop: QTest::qWaitFor would take the reports in 10 ms lumps.
    bool runUntil(State wanted)
    {
        QEventLoop loop;
        QTimer::singleShot(Patience, &loop, &QEventLoop::quit);
        QObject::connect(&m_model, &run::JobModel::stateChanged, &loop, [&](State state) {
            if (state == wanted) loop.quit();
        });
        if (m_model.state() != wanted) loop.exec();
        return m_model.state() == wanted;
    }
    static double seconds(std::chrono::microseconds t) { return double(t.count()) / 1e6; }

    const run::JobModel &m_model = m_session.model();
    const run::JobEstimator &m_estimator = m_session.estimator();
};

void BM_Estimate(benchmark::State &state, int timing, int picture)
{
    static const QImage pictures[] = {bench::photoBoard(), logo(), bench::textBoard()};
    const QImage &job = pictures[picture];
    const QImage &lesson = pictures[(picture + 1) % 3];
    for (auto _ : state) {
        Workshop workshop(bench::Timings[timing]);
        if (!workshop.connect()) {
            state.SkipWithError("the simulated engraver was not found");
            return;
        }
        const Carve first = workshop.carve(lesson, LessonBurnTime);
        const Carve second = workshop.carve(job, JobBurnTime);
        if (first.seconds <= 0 || second.seconds <= 0) {
            state.SkipWithError("a carve did not finish");
            return;
        }
        state.counters["dots"] = double(run::JobRaster(render::packUploadRaster(job)).dots());
        state.counters["carve_s"] = second.seconds;
        state.counters["estimate_err"] = 100 * (second.estimate - second.seconds) / second.seconds;
        state.counters["left10_err"] = second.left10Err;
        state.counters["first10_err"] = first.left10Err;
        // Whether those two said "about".
        state.counters["left10_rough"] = second.left10Rough;
        state.counters["first10_rough"] = first.left10Rough;
    }
}

// What following a carve costs: a photo's every report through the link alone, and through
// the whole session (the job model, the estimator, the trace, the kept job).
void BM_FollowReports(benchmark::State &state)
{
    const bool attached = state.range(0) != 0;
    const QByteArray raster = render::packUploadRaster(bench::photoBoard());
    const run::JobRaster job(raster);
    QByteArray stream;
    for (int y = 0; y < run::JobRaster::Side; ++y) {
        if (job.dotsInRow(y) == 0) continue;
        stream += protocol::makeFrame(protocol::RspPositionY, y / 100, y % 100);
        for (int x = 0; x < run::JobRaster::Side; ++x)
            if (job.isDot(x, y))
                stream += protocol::makeFrame(protocol::RspPositionX, (x + 1) / 100, (x + 1) % 100);
    }
    stream += protocol::makeFrame(protocol::RspCarveDone, 0, 0);

    QTemporaryDir dir;
    test::FakeSerialLine line;
    test::CountingView view;
    platform::ManualClock clock;
    test::FakePortLister ports;
    line.openable = {1};
    constexpr qsizetype Chunk = 4096;
    const auto identify = [&] { line.deliver(protocol::makeFrame(protocol::RspIdentity, 10, 0)); };
    if (!attached) {
        link::MessageLog log;
        link::EngraverLink link(line, clock, view, ports, log);
        view.follow(link, log);
        link.startConnect();
        identify();
        for (auto _ : state) {
            link.startCarving();
            for (qsizetype at = 0; at < stream.size(); at += Chunk)
                line.deliver(stream.mid(at, Chunk));
        }
    } else {
        session::SessionImpl session({line, clock, view, ports, dir.path()}, {});
        session.connectMachine();
        identify();
        session.takeJob({bench::photoBoard(), {}, {}, 40, {}});
        session.sendBoard();
        line.deliver(protocol::makeFrame(protocol::RspImageRequest, 0, 0));
        clock.advance(link::EngraverLink::UploadDelay);
        for (auto _ : state) {
            session.start();
            for (qsizetype at = 0; at < stream.size(); at += Chunk)
                line.deliver(stream.mid(at, Chunk));
        }
        if (session.model().doneDots() != job.dots()) state.SkipWithError("the count is off");
    }
    state.SetItemsProcessed(state.iterations() * (stream.size() / 4));
}
BENCHMARK(BM_FollowReports)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#define ESTIMATE(timing, picture, name)                   \
    BENCHMARK_CAPTURE(BM_Estimate, name, timing, picture) \
        ->Iterations(1)                                   \
        ->UseRealTime()                                   \
        ->Unit(benchmark::kSecond)

ESTIMATE(0, 0, model1_photo);
ESTIMATE(0, 1, model1_logo);
ESTIMATE(0, 2, model1_text);
ESTIMATE(1, 0, model2_photo);
ESTIMATE(1, 1, model2_logo);
ESTIMATE(1, 2, model2_text);
ESTIMATE(2, 0, model3_photo);
ESTIMATE(2, 1, model3_logo);
ESTIMATE(2, 2, model3_text);

}  // namespace
