#include "document/board_surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavro::document {
namespace {

// Box filter: every target pixel is the mean of the source area it covers,
// weighted by how much of each source pixel falls inside it.
QImage averageScaled(const QImage &source, int width, int height)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out(width, height, QImage::Format_RGB32);
    const double sx = double(src.width()) / width;
    const double sy = double(src.height()) / height;
    for (int ty = 0; ty < height; ++ty) {
        const double y0 = ty * sy, y1 = y0 + sy;
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(ty));
        for (int tx = 0; tx < width; ++tx) {
            const double x0 = tx * sx, x1 = x0 + sx;
            double r = 0, g = 0, b = 0, area = 0;
            for (int y = int(y0); y < std::min(int(std::ceil(y1)), src.height()); ++y) {
                const double wy = std::min(y1, y + 1.0) - std::max(y0, double(y));
                const auto *srow = reinterpret_cast<const QRgb *>(src.constScanLine(y));
                for (int x = int(x0); x < std::min(int(std::ceil(x1)), src.width()); ++x) {
                    const double w = wy * (std::min(x1, x + 1.0) - std::max(x0, double(x)));
                    r += w * qRed(srow[x]);
                    g += w * qGreen(srow[x]);
                    b += w * qBlue(srow[x]);
                    area += w;
                }
            }
            if (area <= 0) area = 1;
            row[tx] = qRgb(int(r / area + 0.5), int(g / area + 0.5), int(b / area + 0.5));
        }
    }
    return out;
}

}  // namespace

BoardSurface::BoardSurface() : m_image(render::BoardSize, render::BoardSize, QImage::Format_RGB32)
{
    m_image.fill(FaceColour);
}

void BoardSurface::clear()
{
    QPainter painter(&m_image);
    painter.fillRect(m_image.rect(), QColor::fromRgb(FaceColour));
    if (!m_background.isNull()) painter.drawImage(0, 0, m_background);
}

void BoardSurface::setBackground(const QImage &picture)
{
    m_background = picture;
    clear();
}

void BoardSurface::restore(const QImage &image, const QImage &background)
{
    m_background = background;
    m_image = image.convertToFormat(QImage::Format_RGB32);
}

void BoardSurface::drawPicture(const QImage &picture, int x, int y)
{
    if (picture.isNull()) return;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture.convertToFormat(QImage::Format_RGB32));
}

void BoardSurface::drawPictureScaled(const QImage &picture, int x, int y, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0) return;
    drawPicture(averageScaled(picture, width, height), x, y);
}

void BoardSurface::writeText(int x, int y, const QString &text, const QFont &font)
{
    writeText(m_image, x, y, text, font);
}

void BoardSurface::writeText(QImage &image, int x, int y, const QString &text, const QFont &font)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + QFontMetrics(font).ascent()), text);
}

}  // namespace tavro::document
