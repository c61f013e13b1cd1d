#include "render/fit_picture.h"

#include <algorithm>

namespace tavro::render {

FitRect fitPicture(int width, int height, int processingSize)
{
    if (processingSize <= 0) return {};
    width = std::max(width, 0);
    height = std::max(height, 0);
    // Double arithmetic and truncation toward zero, as the placement has always been.
    const double s = processingSize;
    const double w = width;
    const double h = height;
    if (width > processingSize || height > processingSize) {
        if (width > height) {
            const double scaled = s * h / w;
            return {0, int(s / 2 - scaled / 2), processingSize, int(scaled)};
        }
        const double scaled = s * w / h;
        return {int(s / 2 - scaled / 2), 0, int(scaled), processingSize};
    }
    return {int(s / 2 - w / 2), int(s / 2 - h / 2), width, height};
}

}  // namespace tavro::render
