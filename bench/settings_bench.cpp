// A settings file of 4 MiB: parsed once for a start-up's reads, and ten keys written at once.
#include "settings/profile_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

using namespace Qt::Literals::StringLiterals;
using tavro::settings::ProfileFile;

namespace {

constexpr int ReadsAtStart = 50;

// Section headers up to nearly 4 MiB (the largest settings file read), the keys read at the
// end, and room for a few more.
QString hugeSettings(const QTemporaryDir &dir, const QByteArray &header)
{
    QFile file(dir.filePath(u"Config.ini"_s));
    file.open(QIODevice::WriteOnly);
    const QByteArray tail = "[MainWindow]\r\nLanguage=1\r\n";
    qint64 size = tail.size();
    for (int i = 0; size + header.size() + 8 <= ProfileFile::MaxFileSize - 4096; ++i) {
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

// Ten keys in one write, as a change of the recent list is written.
void BM_TenKeysWrittenTogether(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString path = hugeSettings(dir, "[s%]\r\n");
    ProfileFile settings(path);
    QList<ProfileFile::Setting> recent;
    for (int i = 1; i <= 10; ++i)
        recent.append({u"RecentFiles"_s, u"File%1"_s.arg(i), u"/home/me/picture%1.png"_s.arg(i)});
    for (auto _ : state) benchmark::DoNotOptimize(settings.write(recent));
}
BENCHMARK(BM_TenKeysWrittenTogether)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
