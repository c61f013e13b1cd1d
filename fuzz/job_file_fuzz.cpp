// Arbitrary bytes as a job file: refused with a reason or read whole, never anything between.
#include "job/job_file.h"
#include "job/upload_raster.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(u"qt.gui.imageio*=false"_s);
        return true;
    }();
    Q_UNUSED(quiet);

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const job::JobFileRead read = job::decodeJobFile(bytes);
    if (read.status != job::JobFileStatus::Ok) return 0;
    // A job that opens has a whole board, and saves to what it was.
    if (read.job.board.size() != QSize(512, 512)) std::abort();
    if (!job::BurnTimeRange.contains(read.job.burnTime)) std::abort();
    const job::JobFileRead again = job::decodeJobFile(job::encodeJobFile(read.job));
    if (again.status != job::JobFileStatus::Ok || again.job.board != read.job.board ||
        again.job.rememberedImage != read.job.rememberedImage)
        std::abort();
    (void)job::packUploadRaster(read.job.board);
    return 0;
}
