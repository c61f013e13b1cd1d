// A photo-like test picture: smooth gradients with grain, for the JPEG coder and the dithering.
#pragma once

#include "render/work_snapshot.h"

#include <QImage>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

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

// The work snapshot of a 640 x 480 photo-like picture, made once.
inline const QImage &photoSnapshot()
{
    static const QImage snapshot = render::makeWorkSnapshot(photoLike(640, 480), QSize(640, 480));
    return snapshot;
}

// 6000 x 4000 at quality 90, about 7 MB; removed again when the program ends.
inline const QString &bigJpegPath()
{
    static const QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("24mp.jpg"));
        photoLike(6000, 4000).save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

}  // namespace tavro::bench
