#include "render/render_black_white.h"

#include "render/pixel_rules.h"

#include <cstring>

namespace tavro::render {

QImage renderBlackWhite(const QImage &image)
{
    if (image.isNull()) return {};
    const QImage source = asArgb32(image);
    QImage result(source.size(), QImage::Format_Mono);
    if (result.isNull()) return {};
    result.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int width = source.width();
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = result.scanLine(y);
        std::memset(out, 0, size_t(result.bytesPerLine()));  // padding stays defined
        for (int x = 0; x < width; x += 8) out[x >> 3] = whiteBits(in + x, qMin(8, width - x));
    }
    return result;
}

}  // namespace tavro::render
