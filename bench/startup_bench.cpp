// Start to a shown main window: the real program, launched as the operator launches it.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Until the start-up handler, which runs once the window is shown, has written its
// "Automatic Connecting..." line; --trace copies it to standard error.
void BM_StartToShownMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        QTemporaryDir home;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TAVRO_HOME"_s, home.path());
        environment.insert(u"TAVRO_PORTS"_s, home.filePath(u"no-port"_s));
        if (!environment.contains(u"QT_QPA_PLATFORM"_s))
            environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer clock;
        clock.start();
        program.start(QStringLiteral(TAVRO_PATH), {u"--trace"_s});
        QByteArray said;
        while (!said.contains("Automatic Connecting") && program.waitForReadyRead(10000))
            said += program.readAll();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        program.kill();
        program.waitForFinished();
        if (!said.contains("Automatic Connecting")) {
            state.SkipWithError("the program did not come up");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_StartToShownMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace
