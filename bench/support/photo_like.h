// A photo-like test picture: smooth gradients with grain, for the JPEG coder and the dithering.
#pragma once

#include <QImage>
#include <QRandomGenerator>

namespace tavro::bench {

inline QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(24)) - 12;
            line[x] = qRgb(qBound(0, x * 255 / width + grain, 255),
                           qBound(0, y * 255 / height + grain, 255),
                           qBound(0, (x + y) * 255 / (width + height) + grain, 255));
        }
    }
    return image;
}

}  // namespace tavro::bench
