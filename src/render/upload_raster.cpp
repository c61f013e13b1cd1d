#include "render/upload_raster.h"

#include "render/pixel_rules.h"
#include "render/raster_constants.h"

namespace tavro::render {

static_assert(UploadRasterRowBytes * 8 == BoardSize);

QByteArray packUploadRaster(const QImage &board)
{
    QByteArray raster(UploadRasterSize, '\0');
    if (board.isNull()) return raster;
    const QImage source = asArgb32(board);
    const int width = qMin(source.width(), BoardSize);
    const int height = qMin(source.height(), BoardSize);
    auto *out = reinterpret_cast<uchar *>(raster.data());
    for (int y = 0; y < height; ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *row = out + y * UploadRasterRowBytes;
        for (int x = 0; x < width; x += 8) {
            const int count = qMin(8, width - x);
            const uchar inside = uchar(0xFF00 >> count);
            row[x >> 3] = uchar(~whiteBits(pixels + x, count) & inside);
        }
    }
    return raster;
}

}  // namespace tavro::render
