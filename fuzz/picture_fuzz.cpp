// Arbitrary bytes through the picture loader and on to both renderings; the PCX decoder above all.
#include "pictures/pcx_decoder.h"
#include "pictures/picture_loader.h"
#include "render/effect_board.h"
#include "render/work_snapshot.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Small enough that every readable input is also fitted and rendered quickly.
constexpr int FuzzProcessingSize = 24;
// The size checks are the same at any limit; a small one keeps each run to milliseconds
// instead of decoding, filling and scaling pictures of hundreds of megabytes.
constexpr qint64 FuzzMaxPixels = 4 * 1024 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The decoders' complaints about broken files (libpng's among them) are expected here.
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Q_UNUSED(previous);

    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    // Every input also reaches the PCX header checks, with the magic put in place.
    QByteArray pcx(bytes);
    if (pcx.size() >= 3) {
        pcx[0] = 0x0A;
        pcx[2] = 1;
    }
    (void)pictures::decodePcx(pcx, FuzzMaxPixels);

    const pictures::LoadedPicture picture = pictures::loadPictureData(
        bytes, u"fuzz"_s, {.drawSize = FuzzProcessingSize, .maxPixels = FuzzMaxPixels});
    // An unreadable picture always renders as the same white board. The board is not
    // packed: packing reads fixed places of a 512 x 512 board whatever the input, and
    // took four fifths of each run.
    if (!picture.isReadable()) return 0;
    const QImage snapshot = render::makeWorkSnapshot(picture, FuzzProcessingSize);
    (void)render::renderEffectBoard(snapshot, render::Effect::Dither, FuzzProcessingSize);
    (void)render::renderEffectBoard(snapshot, render::Effect::BlackWhite, FuzzProcessingSize);
    return 0;
}
