#include "run/resume.h"

#include <algorithm>

namespace tavro::run {

QImage boardFromRow(const QImage &board, int row)
{
    QImage out = board.convertToFormat(QImage::Format_RGB32);
    const int white = std::clamp(row, 0, out.height());
    for (int y = 0; y < white; ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        std::fill(line, line + out.width(), qRgb(255, 255, 255));
    }
    return out;
}

}  // namespace tavro::run
