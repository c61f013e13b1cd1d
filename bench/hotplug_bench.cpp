// From a device appearing to the machine identified: the simulated engraver's link created at a
// TAVRO_PORTS path, while a link (built as the link's tests build it, on the real clock) waits
// for its next retry. With the device watcher starting a scan, the goal is under 1.5 s; the
// retry alone is there for comparison.
#include "engraver-sim/engraver_sim.h"
#include "link/engraver_link.h"
#include "link_doubles.h"
#include "machine/device_watcher.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace tavro;
using namespace Qt::Literals::StringLiterals;

namespace {

// Runs the event loop until `done` holds or ten seconds have passed.
bool runUntil(const std::function<bool()> &done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return done();
}

void plugInToIdentified(benchmark::State &state, bool watch)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ttyPlug"_s);
    const platform::PortTable table({path});
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    test::CountingView view;
    const platform::PortTableLister ports(table);
    link::MessageLog log;
    link::EngraverLink link(line, clock, view, ports, log);
    machine::DeviceWatcher watcher(table);
    bool present = false;
    QObject::connect(&watcher, &machine::DeviceWatcher::candidateRemoved, [&] { present = false; });
    QObject::connect(&watcher, &machine::DeviceWatcher::candidateAppeared, [&] {
        present = true;
        // The wiring the session is to make: a scan at once, unless one runs or the
        // operator broke the link.
        if (watch && link.state() == link::LinkState::WaitingToRetry) link.startConnect();
    });
    for (auto _ : state) {
        link.startConnect();  // nothing there yet: the link waits for its retry
        sim::EngraverOptions options;
        options.linkPath = path;
        options.fast = true;
        sim::Engraver machine(options);
        QElapsedTimer took;
        took.start();
        if (!machine.start()) {
            state.SkipWithError("the simulated engraver did not start");
            break;
        }
        if (!runUntil([&] { return link.state() == link::LinkState::Identified; })) {
            state.SkipWithError("the machine was not identified within 10 s");
            break;
        }
        state.SetIterationTime(static_cast<double>(took.nsecsElapsed()) / 1e9);
        link.disconnectMachine();
        machine.unplug();
        runUntil([&] { return !present; });  // the watcher has seen it go
    }
}

void BM_PlugInToIdentified(benchmark::State &state)
{
    plugInToIdentified(state, true);
}
BENCHMARK(BM_PlugInToIdentified)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_PlugInToIdentifiedByRetryAlone(benchmark::State &state)
{
    plugInToIdentified(state, false);
}
BENCHMARK(BM_PlugInToIdentifiedByRetryAlone)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
