// Start-up reads from a settings file of 4 MiB: parsed once, then each key found in its section.
#include "platform/profile_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

using namespace Qt::Literals::StringLiterals;
using tavro::platform::ProfileFile;

namespace {

constexpr int ReadsAtStart = 50;

// Section headers up to 4 MiB (the largest settings file read), the keys read at the end.
QString hugeSettings(const QTemporaryDir &dir, const QByteArray &header)
{
    QFile file(dir.filePath(u"Config.ini"_s));
    file.open(QIODevice::WriteOnly);
    const QByteArray tail = "[MainWindow]\r\nLanguage=1\r\n";
    qint64 size = tail.size();
    for (int i = 0; size + header.size() + 8 <= ProfileFile::MaxFileSize; ++i) {
        const QByteArray line = QByteArray(header).replace('%', QByteArray::number(i));
        size += file.write(line);
    }
    file.write(tail);
    file.close();
    // A file changed in the last two seconds is read again at each read.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    return file.fileName();
}

void startUp(benchmark::State &state, const QByteArray &header)
{
    const QTemporaryDir dir;
    const QString path = hugeSettings(dir, header);
    for (auto _ : state) {
        const ProfileFile settings(path);
        for (int i = 0; i < ReadsAtStart; ++i)
            benchmark::DoNotOptimize(
                settings.read(u"MainWindow"_s, u"Key%1"_s.arg(i), u"default"_s));
    }
}

void BM_StartUpReadsAmongDistinctSections(benchmark::State &state)
{
    startUp(state, "[s%]\r\n");
}
BENCHMARK(BM_StartUpReadsAmongDistinctSections)->Unit(benchmark::kMillisecond);

void BM_StartUpReadsAmongOneSectionRepeated(benchmark::State &state)
{
    startUp(state, "[a]\n");
}
BENCHMARK(BM_StartUpReadsAmongOneSectionRepeated)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
