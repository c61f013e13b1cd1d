#include "workspace/preview_board.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavro::workspace {
namespace {

constexpr int Frame = 1;

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

Qt::CursorShape shapeOf(BoardCursor cursor)
{
    switch (cursor) {
    case BoardCursor::Cross:
        return Qt::CrossCursor;
    case BoardCursor::IBeam:
        return Qt::IBeamCursor;
    case BoardCursor::Hourglass:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

}  // namespace

PreviewBoard::PreviewBoard(QWidget *parent)
    : QWidget(parent), m_surface(Size, Size, QImage::Format_RGB32)
{
    m_surface.fill(palette().color(QPalette::Window));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBoard::clear()
{
    QPainter painter(&m_surface);
    painter.fillRect(m_surface.rect(), palette().color(QPalette::Window));
    if (!m_background.isNull()) painter.drawImage(0, 0, m_background);
    painter.end();
    updateSurface(m_surface.rect());
}

void PreviewBoard::setBackgroundPicture(const QImage &picture)
{
    m_background = picture;
    clear();
}

void PreviewBoard::drawPicture(const QImage &picture, int x, int y)
{
    if (picture.isNull()) return;
    QPainter painter(&m_surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture.convertToFormat(QImage::Format_RGB32));
    painter.end();
    updateSurface(QRect(x, y, picture.width(), picture.height()));
}

void PreviewBoard::drawPictureScaled(const QImage &picture, int x, int y, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0) return;
    drawPicture(averageScaled(picture, width, height), x, y);
}

void PreviewBoard::drawPoint(int x, int y, QRgb colour)
{
    if (!m_surface.valid(x, y)) return;
    m_surface.setPixel(x, y, colour);
    updateSurface(QRect(x, y, 1, 1));
}

void PreviewBoard::writeTextAt(int x, int y, const QString &text)
{
    QPainter painter(&m_surface);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(m_font);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.end();
    update();
}

void PreviewBoard::setBoardCursor(BoardCursor cursor)
{
    m_cursor = cursor;
    setCursor(shapeOf(cursor));
}

void PreviewBoard::updateSurface(const QRect &area)
{
    update(area.translated(Frame, Frame));
}

void PreviewBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(Frame, Frame, m_surface);
}

void PreviewBoard::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    // The one-pixel frame is not the board: a press there means its edge pixel,
    // so the logged and the sent position agree and stay on the board.
    const QPoint p = event->position().toPoint() - QPoint(Frame, Frame);
    emit leftButtonPressed(std::clamp(p.x(), 0, Size - 1), std::clamp(p.y(), 0, Size - 1));
}

}  // namespace tavro::workspace
