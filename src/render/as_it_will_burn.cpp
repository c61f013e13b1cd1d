#include "render/as_it_will_burn.h"

#include "render/upload_raster.h"

#include <cmath>
#include <vector>

namespace tavro::render {
namespace {

int mixChannel(int material, int burn, double darkness)
{
    return int(std::lround(material + (burn - material) * darkness));
}

QRgb mix(QRgb material, QRgb burn, double darkness)
{
    return qRgb(mixChannel(qRed(material), qRed(burn), darkness),
                mixChannel(qGreen(material), qGreen(burn), darkness),
                mixChannel(qBlue(material), qBlue(burn), darkness));
}

}  // namespace

AsItWillBurn::AsItWillBurn(const BurnLook &look) : m_look(look)
{
    const DotFootprint footprint(look.dotDiameter);
    m_look.dotDiameter = footprint.diameter();
    for (DotFootprint::Pattern p = 0; p < DotFootprint::Patterns; ++p)
        m_colours[p] = mix(look.material, look.burn, footprint.darkness(p));
}

QImage AsItWillBurn::render(const QImage &board) const
{
    return render(BurnMask::fromRaster(packUploadRaster(board)));
}

QImage AsItWillBurn::render(const BurnMask &mask) const
{
    QImage view(mask.width(), mask.height(), QImage::Format_RGB32);
    if (view.isNull()) return view;
    std::vector<DotFootprint::Pattern> patterns(std::size_t(mask.width()));
    for (int y = 0; y < mask.height(); ++y) {
        mask.rowPatterns(y, patterns.data());
        auto *out = reinterpret_cast<QRgb *>(view.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) out[x] = m_colours[patterns[std::size_t(x)]];
    }
    return view;
}

}  // namespace tavro::render
