// Arbitrary bytes through the picture loader and on to the renderings; the PCX decoder above all.
#include "job/effect_board.h"
#include "job/upload_raster.h"
#include "job/work_snapshot.h"
#include "platform/pcx_decoder.h"
#include "platform/picture_loader.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Small enough that every readable input is also fitted and rendered quickly.
constexpr int kFuzzProcessingSize = 24;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(u"qt.gui.imageio*=false"_s);
        return true;
    }();
    Q_UNUSED(quiet);

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // Every input also reaches the PCX header checks, with the magic put in place.
    QByteArray pcx(bytes);
    if (pcx.size() >= 3) {
        pcx[0] = 0x0A;
        pcx[2] = 1;
    }
    (void)platform::decodePcx(pcx);

    const platform::LoadedPicture picture =
        platform::loadPictureData(bytes, u"fuzz"_s, {.drawSize = kFuzzProcessingSize});
    const QImage snapshot = job::makeWorkSnapshot(picture, kFuzzProcessingSize);
    const QImage board = job::renderEffectBoard(snapshot, job::Effect::Dither, kFuzzProcessingSize);
    (void)job::packUploadRaster(board);
    return 0;
}
