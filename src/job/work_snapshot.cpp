#include "job/work_snapshot.h"

#include "job/fit_picture.h"

#include <QPainter>

namespace tavro::job {

QImage makeWorkSnapshot(const QImage &picture, QSize declaredSize, int processingSize)
{
    if (processingSize <= 0) return {};
    QImage surface(processingSize, processingSize, QImage::Format_RGB32);
    surface.fill(Qt::white);
    if (picture.isNull()) return surface;

    const FitRect fit = fitPicture(declaredSize.width(), declaredSize.height(), processingSize);
    if (fit.width <= 0 || fit.height <= 0) return surface;
    // Area-averaging when shrinking (bilinear when enlarging) keeps thin lines of big
    // pictures from vanishing between samples.
    const QImage placed = picture.size() == QSize(fit.width, fit.height)
                              ? picture
                              : picture.scaled(fit.width, fit.height, Qt::IgnoreAspectRatio,
                                               Qt::SmoothTransformation);
    QPainter painter(&surface);
    painter.drawImage(fit.left, fit.top, placed);
    return surface;
}

QImage makeWorkSnapshot(const platform::LoadedPicture &picture, int processingSize)
{
    return makeWorkSnapshot(picture.image, picture.size, processingSize);
}

}  // namespace tavro::job
