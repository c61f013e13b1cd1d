#include "render/work_snapshot.h"

#include "render/fit_picture.h"

#include <QPainter>

namespace tavro::render {

QImage makeWorkSnapshot(const QImage &picture, QSize declaredSize, int processingSize)
{
    if (processingSize <= 0) return {};
    QImage surface(processingSize, processingSize, QImage::Format_RGB32);
    surface.fill(Qt::white);
    const FitRect fit = fitPicture(declaredSize.width(), declaredSize.height(), processingSize);
    QRect area = QRect(fit.left, fit.top, fit.width, fit.height) & surface.rect();
    if (picture.isNull()) area = QRect();
    if (!area.isEmpty()) {
        // Area-averaging when shrinking (bilinear when enlarging) keeps thin lines of big
        // pictures from vanishing between samples.
        const QImage placed = picture.size() == QSize(fit.width, fit.height)
                                  ? picture
                                  : picture.scaled(fit.width, fit.height, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
        QPainter painter(&surface);
        painter.drawImage(fit.left, fit.top, placed);
    }
    // The margins say they are no part of the picture, so tuning leaves them white.
    surface = surface.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < surface.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(surface.scanLine(y));
        const bool inside = y >= area.top() && y <= area.bottom();
        for (int x = 0; x < surface.width(); ++x)
            if (!inside || x < area.left() || x > area.right()) line[x] = Margin;
    }
    return surface;
}

QImage makeWorkSnapshot(const pictures::LoadedPicture &picture, int processingSize)
{
    return makeWorkSnapshot(picture.image, picture.size, processingSize);
}

QRect pictureArea(const QImage &snapshot)
{
    if (!snapshot.hasAlphaChannel()) return snapshot.rect();
    const QImage colours = snapshot.convertToFormat(QImage::Format_ARGB32);
    QRect area;
    for (int y = 0; y < colours.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(colours.constScanLine(y));
        int left = 0;
        while (left < colours.width() && qAlpha(line[left]) == 0) ++left;
        if (left == colours.width()) continue;
        int right = colours.width() - 1;
        while (qAlpha(line[right]) == 0) --right;
        area |= QRect(QPoint(left, y), QPoint(right, y));
    }
    return area;
}

}  // namespace tavro::render
