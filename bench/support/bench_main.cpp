// Benchmarks run inside one application object, of the kind their target names: with widgets
// (TAVRO_BENCH_WIDGETS), drawing without widgets (TAVRO_BENCH_GUI), or neither; the first two
// on the offscreen platform unless told otherwise.
#if defined(TAVRO_BENCH_WIDGETS)
#include <QApplication>
using Application = QApplication;
#elif defined(TAVRO_BENCH_GUI)
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
#if defined(TAVRO_BENCH_WIDGETS) || defined(TAVRO_BENCH_GUI)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
