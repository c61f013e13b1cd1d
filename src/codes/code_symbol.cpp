#include "codes/code_symbol.h"

#include <utility>

namespace tavro::codes {

QuietZone quietZoneOf(Symbology symbology)
{
    switch (symbology) {
    case Symbology::Qr:
        return {4, 4, 4, 4};
    case Symbology::DataMatrix:
        return {1, 1, 1, 1};
    case Symbology::Code128:
        return {10, 0, 10, 0};
    case Symbology::Ean13:
        return {11, 0, 7, 0};
    }
    return {};
}

bool isLinear(Symbology symbology)
{
    return symbology == Symbology::Code128 || symbology == Symbology::Ean13;
}

CodeSymbol::CodeSymbol(Symbology symbology, int columns, std::vector<bool> dark,
                       std::vector<int> rowHeights)
    : m_symbology(symbology),
      m_columns(columns),
      m_dark(std::move(dark)),
      m_rowHeights(std::move(rowHeights))
{
    m_dark.resize(std::size_t(m_columns) * m_rowHeights.size());
}

QSize CodeSymbol::modules() const
{
    int height = 0;
    for (int h : m_rowHeights) height += h;
    const QuietZone quiet = quietZone();
    return {quiet.left + m_columns + quiet.right, quiet.top + height + quiet.bottom};
}

QImage CodeSymbol::draw(int dotsPerModule) const
{
    const QSize size = modules();
    if (dotsPerModule < 1 || size.width() > MaxDrawnSide / dotsPerModule ||
        size.height() > MaxDrawnSide / dotsPerModule)
        return {};
    QImage image(size * dotsPerModule, QImage::Format_Mono);
    if (image.isNull()) return image;
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    const QuietZone quiet = quietZone();
    int top = quiet.top * dotsPerModule;
    for (int row = 0; row < rows(); ++row) {
        const int height = rowHeight(row) * dotsPerModule;
        for (int column = 0; column < m_columns; ++column) {
            if (!isDark(column, row)) continue;
            const int left = (quiet.left + column) * dotsPerModule;
            for (int y = top; y < top + height; ++y)
                for (int x = left; x < left + dotsPerModule; ++x) image.setPixel(x, y, 0);
        }
        top += height;
    }
    return image;
}

}  // namespace tavro::codes
