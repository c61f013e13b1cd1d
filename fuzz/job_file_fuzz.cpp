// Arbitrary bytes as a job file: refused with a reason or read whole, never anything between.
#include "document/job_file.h"
#include "render/upload_raster.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// libFuzzer's own limit of 4 KB never reaches a memory bomb: 40 text chunks that inflate to
// 7.9 MB each take 310 KB. The seeds' largest decides when there is no -max_len either, but
// the limit should not depend on which seeds a run starts from.
char InputLimit[] = "-max_len=524288";
std::vector<char *> g_arguments;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    g_arguments.assign(*argv, *argv + *argc);
    const bool limitGiven = std::any_of(g_arguments.begin(), g_arguments.end(), [](char *a) {
        return std::strncmp(a, "-max_len=", 9) == 0;
    });
    if (!limitGiven) g_arguments.push_back(InputLimit);
    *argc = int(g_arguments.size());
    g_arguments.push_back(nullptr);
    *argv = g_arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(u"qt.gui.imageio*=false"_s);
        return true;
    }();
    Q_UNUSED(quiet);

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const document::JobFileRead read = document::decodeJobFile(bytes);
    // Whatever is refused says why.
    if (read.status != document::JobFileStatus::Ok) {
        if (read.reason.isEmpty()) std::abort();
        return 0;
    }
    // A job that opens has a whole board, and saves to what it was.
    if (read.job.board.size() != QSize(512, 512)) std::abort();
    if (!document::BurnTimeRange.contains(read.job.burnTime)) std::abort();
    const document::JobFileRead again = document::decodeJobFile(document::encodeJobFile(read.job));
    if (again.status != document::JobFileStatus::Ok || again.job.board != read.job.board ||
        again.job.rememberedImage != read.job.rememberedImage)
        std::abort();
    (void)render::packUploadRaster(read.job.board);
    return 0;
}
