// A code's symbol as modules: a matrix for the 2D symbologies, one row of bars for the linear
// ones, with the quiet zone it needs around it to be read.
#pragma once

#include "codes/code_content.h"

#include <QImage>
#include <QSize>

#include <vector>

namespace tavro::codes {

// Blank modules around the symbol, in modules.
struct QuietZone {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const QuietZone &, const QuietZone &) = default;
};

QuietZone quietZoneOf(Symbology symbology);
bool isLinear(Symbology symbology);

class CodeSymbol {
public:
    // `dark` holds rows x columns modules, row after row. `rowHeights` holds each row's
    // height in modules: 1 for a matrix, the bars' height for a linear code.
    CodeSymbol(Symbology symbology, int columns, std::vector<bool> dark,
               std::vector<int> rowHeights);

    Symbology symbology() const { return m_symbology; }
    int columns() const { return m_columns; }
    int rows() const { return int(m_rowHeights.size()); }
    int rowHeight(int row) const { return m_rowHeights[std::size_t(row)]; }
    bool isDark(int column, int row) const
    {
        return m_dark[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)];
    }
    QuietZone quietZone() const { return quietZoneOf(m_symbology); }
    // The whole symbol with its quiet zone, in modules.
    QSize modules() const;

    // Format_Mono like a rendering (index 0 = black, burns), every module a square of
    // `dotsPerModule` dots, the quiet zone white. Null when `dotsPerModule` is below 1 or the
    // image would be larger than MaxDrawnSide a side.
    QImage draw(int dotsPerModule) const;

    static constexpr int MaxDrawnSide = 8192;

private:
    Symbology m_symbology;
    int m_columns;
    std::vector<bool> m_dark;
    std::vector<int> m_rowHeights;
};

}  // namespace tavro::codes
