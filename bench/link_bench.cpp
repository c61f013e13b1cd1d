// Received bytes per second through frame assembly and dispatch, without a window.
#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace tavro;

namespace {

// What a carving machine sends: mostly position reports, a few row changes.
QByteArray carvingStream(std::size_t frames)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(frames * 4));
    std::mt19937 rng(1);
    std::uniform_int_distribution<int> column(0, 511);
    for (std::size_t i = 0; i < frames; ++i) {
        const bool newRow = i % 64 == 0;
        const int v = newRow ? static_cast<int>(i / 64 % 512) : column(rng) + 1;
        out.append(protocol::makeFrame(newRow ? protocol::RspPositionY : protocol::RspPositionX,
                                       v / 100, v % 100));
    }
    return out;
}

QByteArray noiseStream(std::size_t size)
{
    QByteArray out(static_cast<qsizetype>(size), '\0');
    std::mt19937 rng(2);
    for (auto &c : out) c = static_cast<char>(rng());
    return out;
}

void runStream(benchmark::State &state, const QByteArray &stream)
{
    test::FakeSerialLine line;
    test::CountingView view;
    platform::ManualClock clock;
    test::FakePortLister ports;
    link::MessageLog log;
    link::EngraverLink link(line, clock, view, ports, log);
    view.follow(link, log);
    constexpr qsizetype Chunk = 4096;  // about what one read of the port delivers
    for (auto _ : state) {
        for (qsizetype at = 0; at < stream.size(); at += Chunk) line.deliver(stream.mid(at, Chunk));
    }
    benchmark::DoNotOptimize(view.points);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * stream.size());
}

void BM_ReceiveCarvingReports(benchmark::State &state)
{
    runStream(state, carvingStream(250000));
}
BENCHMARK(BM_ReceiveCarvingReports)->Unit(benchmark::kMillisecond);

void BM_ReceiveNoise(benchmark::State &state)
{
    runStream(state, noiseStream(1000000));
}
BENCHMARK(BM_ReceiveNoise)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
