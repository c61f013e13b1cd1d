// The main window under load: a stream of position reports, and input during an upload.
#include "engraver-sim/engraver_sim.h"
#include "fake_desktop.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "protocol/frames.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace std::chrono_literals;
using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

// A carving machine's reports: a row, then a run of columns on it.
QByteArray reports(int frames)
{
    QByteArray out;
    for (int i = 0; i < frames; ++i) {
        const int row = (i / 200) % 512;
        const int column = (i % 200) * 2 + 1;
        out += i % 200 == 0
                   ? protocol::makeFrame(protocol::RspPositionY, row / 100, row % 100)
                   : protocol::makeFrame(protocol::RspPositionX, column / 100, column % 100);
    }
    return out;
}

// Position reports drawn on the shown board, repaint included, as a serial port delivers
// them: about 64 frames a read.
void BM_PositionReportsDrawn(benchmark::State &state)
{
    QTemporaryDir home;
    test::FakeSerialLine line;
    platform::ManualClock clock;
    test::FakePortLister ports;
    const platform::PortTable table(QStringList{home.filePath(u"ttyNone"_s)});
    test::FakeDesktop desktop;
    shell::Program program({line, clock, ports, table, desktop}, home.path());
    program.window().show();
    program.onMainWindowCreated();
    const QByteArray stream = reports(5000);
    for (auto _ : state) {
        for (qsizetype at = 0; at < stream.size(); at += 256) {
            line.deliver(stream.mid(at, 256));
            QCoreApplication::processEvents();
        }
    }
    state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_PositionReportsDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 32768-byte block at 57600 baud against the paced machine, while a 10 ms timer
// stands in for the operator's input: how late it is ever answered, and the wire time.
void BM_UploadAt57600BaudKeepsTheWindowLive(benchmark::State &state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        sim::EngraverOptions options;
        options.linkPath = dir.filePath(u"ttyBench"_s);
        options.paced = true;
        options.eraseMs = 50;
        sim::Engraver machine(options);
        machine.start();
        const platform::PortTable table({machine.devicePath()});
        platform::QtSerialLine line(table);
        platform::QtClock clock;
        // Real timers: the presence check runs, so the port list must be the real one.
        const platform::PortTableLister ports(table);
        test::FakeDesktop desktop;
        shell::Program program({line, clock, ports, table, desktop}, dir.path());
        program.window().show();
        program.onMainWindowCreated();
        if (!QTest::qWaitFor([&] { return program.session().machine().identified; }, 10000)) {
            state.SkipWithError("the simulated engraver was not found");
            return;
        }

        qint64 worstLateMs = 0;
        QElapsedTimer sinceTick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout,
                         [&] { worstLateMs = std::max(worstLateMs, sinceTick.restart() - 10); });
        QTest::mouseClick(program.panel().findChild<QAbstractButton *>(u"按钮发送数据"_s),
                          Qt::LeftButton);
        sinceTick.start();
        probe.start(10);
        const bool received = QTest::qWaitFor([&] { return machine.imagesReceived() == 1; }, 20000);
        probe.stop();
        if (!received) {
            state.SkipWithError("the block never arrived");
            return;
        }
        state.counters["worst_input_delay_ms"] = double(worstLateMs);
        state.counters["wire_seconds"] = machine.lastImageSeconds();
        state.counters["wire_vs_ideal_pct"] =
            100.0 * (machine.lastImageSeconds() / (32768.0 * 10 / 57600) - 1.0);
    }
}
BENCHMARK(BM_UploadAt57600BaudKeepsTheWindowLive)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// Resident memory in MiB, from the kernel's own count.
double residentMiB()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / (1024 * 1024) : 0;
}

// A machine gone wrong: 20 s of number reports, then a storm of 10,000 image requests
// while a block drains. Memory must stay flat and the window must keep up.
void BM_FloodsKeepMemoryFlat(benchmark::State &state)
{
    for (auto _ : state) {
        QTemporaryDir home;
        test::FakeSerialLine line;
        line.openable = {1};
        line.blocksDrainAtOnce = false;
        platform::ManualClock clock;
        test::FakePortLister ports;
        const platform::PortTable table(QStringList{home.filePath(u"ttyNone"_s)});
        test::FakeDesktop desktop;
        shell::Program program({line, clock, ports, table, desktop}, home.path());
        program.window().show();
        program.onMainWindowCreated();
        line.deliver(protocol::makeFrame(protocol::RspIdentity, 10, 0));
        QCoreApplication::processEvents();
        const double before = residentMiB();

        QByteArray chunk;
        for (int i = 0; i < 64; ++i)
            chunk += protocol::makeFrame(protocol::RspNumber, i % 100, i % 100);
        QElapsedTimer flood;
        flood.start();
        qint64 reports = 0;
        double atFiveSeconds = 0;
        while (flood.elapsed() < 20000) {
            if (atFiveSeconds == 0 && flood.elapsed() >= 5000) atFiveSeconds = residentMiB();
            line.deliver(chunk);
            reports += 64;
            QCoreApplication::processEvents();
        }
        const double afterReports = residentMiB();

        program.session().sendBoard();  // a request pending: the storm is answered once
        QByteArray storm;
        for (int i = 0; i < 10000; ++i)
            storm += protocol::makeFrame(protocol::RspImageRequest, 0, 0);
        line.deliver(storm);
        clock.advance(1000ms);
        QCoreApplication::processEvents();
        state.counters["reports"] = double(reports);
        state.counters["rss_start_mib"] = before;
        state.counters["rss_after_5s_mib"] = atFiveSeconds;
        state.counters["rss_after_reports_mib"] = afterReports;
        state.counters["rss_after_storm_mib"] = residentMiB();
        state.counters["blocks_in_flight"] = double(line.blocks.size());
    }
}
BENCHMARK(BM_FloodsKeepMemoryFlat)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
