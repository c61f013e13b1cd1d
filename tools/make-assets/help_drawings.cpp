#include "help_drawings.h"

#include "brand_mark.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tavro::assets::help {

namespace {

constexpr int CaptionPixels = 15;

const QColor Wood(226, 190, 140);
const QColor WoodEdge(170, 128, 80);
const QColor Beam(120, 90, 230, 120);
const QColor Guide(120, 126, 134);

void paintCheck(QPainter &painter, QPointF centre, bool good)
{
    painter.save();
    painter.setPen(QPen(good ? Green : Red, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (good) {
        painter.drawPolyline(
            QPolygonF({centre + QPointF(-7, 0), centre + QPointF(-2, 6), centre + QPointF(8, -7)}));
    } else {
        painter.drawLine(centre + QPointF(-6, -6), centre + QPointF(6, 6));
        painter.drawLine(centre + QPointF(-6, 6), centre + QPointF(6, -6));
    }
    painter.restore();
}

// The common arrow pointer, tip at `tip`.
void paintPointer(QPainter &painter, QPointF tip, qreal scale)
{
    QPolygonF arrow({{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12}, {12, 12}});
    for (QPointF &point : arrow) point = tip + point * scale;
    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void paintHead(QPainter &painter, const QRectF &body, const QString &name)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRoundedRect(body, 6, 6);
    label(painter, body, name, 16, Qt::white, Qt::AlignCenter, true);
}

void paintArrowHeads(QPainter &painter, qreal x, qreal top, qreal bottom)
{
    for (const qreal dir : {1.0, -1.0}) {
        const qreal tip = dir > 0 ? top : bottom;
        painter.drawLine(QPointF(x, tip), QPointF(x - 5, tip + 8 * dir));
        painter.drawLine(QPointF(x, tip), QPointF(x + 5, tip + 8 * dir));
    }
}

void paintSpotTile(QPainter &painter, const QRectF &tile, bool sharp, const QString &caption)
{
    painter.setPen(QPen(WoodEdge, 1.5));
    painter.setBrush(Wood);
    painter.drawRoundedRect(tile, 6, 6);
    painter.setPen(Qt::NoPen);
    if (sharp) {
        painter.setBrush(QColor(40, 24, 14));
        painter.drawEllipse(tile.center(), 3.5, 3.5);
    } else {
        QRadialGradient blur(tile.center(), 28);
        blur.setColorAt(0, QColor(70, 45, 25, 200));
        blur.setColorAt(0.55, QColor(70, 45, 25, 110));
        blur.setColorAt(1, QColor(70, 45, 25, 0));
        painter.setBrush(blur);
        painter.drawEllipse(tile.center(), 28, 28);
    }
    paintCheck(painter, tile.topRight() + QPointF(-2, 2), sharp);
    label(painter, QRectF(tile.left() - 12, tile.bottom() + 6, tile.width() + 24, 46), caption,
          CaptionPixels, sharp ? Green : Red, Qt::AlignHCenter | Qt::AlignTop, true);
}

// A shaded ball on a light ground: a small stand-in for a photograph.
QImage samplePhoto(int side)
{
    QImage photo(side, side, QImage::Format_Grayscale8);
    const double radius = side * 0.38;
    for (int y = 0; y < side; ++y) {
        uchar *row = photo.scanLine(y);
        for (int x = 0; x < side; ++x) {
            const double dx = x - side * 0.5;
            const double dy = y - side * 0.52;
            double grey = 235 - 40.0 * y / side;
            if (dx * dx + dy * dy < radius * radius) {
                const double lx = (x - side * 0.38) / radius;
                const double ly = (y - side * 0.36) / radius;
                grey = 250 - 200 * std::min(1.0, std::sqrt(lx * lx + ly * ly) / 1.25);
            }
            row[x] = uchar(std::clamp(grey, 0.0, 255.0));
        }
    }
    return photo;
}

// A dark ring and character on a pale ground: a small stand-in for a logo.
QImage sampleLogo(int side)
{
    QImage logo(side, side, QImage::Format_RGB32);
    logo.fill(QColor(228, 228, 228));
    QPainter painter(&logo);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(70, 70, 70), 5));
    painter.drawEllipse(QRectF(side * 0.12, side * 0.12, side * 0.76, side * 0.76));
    label(painter, QRectF(0, 0, side, side), u"刻"_s, side / 2, QColor(40, 40, 40), Qt::AlignCenter,
          true);
    painter.end();
    return logo.convertToFormat(QImage::Format_Grayscale8);
}

QImage thresholded(const QImage &grey)
{
    QImage out = grey;
    for (int y = 0; y < out.height(); ++y) {
        uchar *row = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x) row[x] = row[x] >= 128 ? 255 : 0;
    }
    return out;
}

// Floyd-Steinberg error diffusion: enough to show what dots do to shading.
QImage dithered(const QImage &grey)
{
    const int w = grey.width();
    const int h = grey.height();
    const auto at = [w](int x, int y) { return std::size_t(y) * std::size_t(w) + std::size_t(x); };
    std::vector<double> level(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) level[at(x, y)] = grey.constScanLine(y)[x];
    QImage out(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double now = level[at(x, y)] >= 128 ? 255 : 0;
            const double error = level[at(x, y)] - now;
            out.scanLine(y)[x] = uchar(now);
            const auto spread = [&](int dx, int dy, double share) {
                if (x + dx >= 0 && x + dx < w && y + dy < h)
                    level[at(x + dx, y + dy)] += error * share;
            };
            spread(1, 0, 7.0 / 16);
            spread(-1, 1, 3.0 / 16);
            spread(0, 1, 5.0 / 16);
            spread(1, 1, 1.0 / 16);
        }
    }
    return out;
}

}  // namespace

QFont face(int pixels, bool bold)
{
    QFont font(u"Noto Sans CJK SC"_s);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void label(QPainter &painter, const QRectF &box, const QString &text, int pixels,
           const QColor &colour, int flags, bool bold)
{
    painter.setFont(face(pixels, bold));
    painter.setPen(colour);
    painter.drawText(box, flags, text);
}

void paintInstallButton(QPainter &painter, const QRectF &area)
{
    const QRectF button(area.center().x() - 115, area.top() + 2, 230, 58);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawRoundedRect(button.translated(3, 4), 10, 10);
    QLinearGradient fill(button.topLeft(), button.bottomLeft());
    fill.setColorAt(0, QColor(255, 240, 214));
    fill.setColorAt(1, Amber);
    painter.setBrush(fill);
    painter.setPen(QPen(Red, 2.5));
    painter.drawRoundedRect(button, 10, 10);
    label(painter, button, u"安装驱动"_s, 30, Navy, Qt::AlignCenter, true);
    paintPointer(painter, button.bottomRight() + QPointF(-26, -16), 1.6);
    label(painter, QRectF(button.right() + 14, button.top(), 80, button.height()), u"双击"_s, 20,
          Red, Qt::AlignLeft | Qt::AlignVCenter, true);
}

void paintFocus(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.translate(area.topLeft());
    constexpr qreal Axis = 126;
    constexpr qreal LensBottom = 84;
    constexpr qreal Surface = 136;
    paintHead(painter, QRectF(Axis - 52, 0, 104, 56), u"激光头"_s);

    const QRectF lens(Axis - 28, 56, 56, LensBottom - 56);
    painter.setBrush(FrameBlue);
    painter.drawRect(lens);
    painter.setPen(QPen(Navy, 1.5));
    for (int i = 1; i < 7; ++i)
        painter.drawLine(QPointF(lens.left() + i * 8, lens.top() + 4),
                         QPointF(lens.left() + i * 8, lens.bottom() - 4));
    label(painter, QRectF(0, lens.top() - 4, lens.left() - 8, lens.height() + 8), u"调焦镜头"_s,
          CaptionPixels, Ink, Qt::AlignRight | Qt::AlignVCenter);
    // A turn of the lens, as an arc across its front.
    QPainterPath turn;
    const QRectF orbit = lens.adjusted(-12, 8, 12, 8);
    turn.arcMoveTo(orbit, 200);
    turn.arcTo(orbit, 200, 140);
    painter.setPen(QPen(Red, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(turn);
    const QPointF end = turn.currentPosition();
    painter.drawLine(end, end + QPointF(-8, 1));
    painter.drawLine(end, end + QPointF(-2, -7));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Beam);
    painter.drawPolygon(
        QPolygonF({{Axis - 18, LensBottom}, {Axis + 18, LensBottom}, {Axis, Surface}}));
    const QRectF work(14, Surface, 226, 20);
    painter.setBrush(Wood);
    painter.setPen(QPen(WoodEdge, 1.5));
    painter.drawRect(work);
    label(painter, work.adjusted(0, 0, -12, 0), u"材料"_s, 14, WoodEdge.darker(150),
          Qt::AlignRight | Qt::AlignVCenter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Amber);
    painter.drawEllipse(QPointF(Axis, Surface), 4, 2.5);

    // The focal distance runs from the lens to the top of the material.
    constexpr qreal ArrowX = 200;
    painter.setPen(QPen(Guide, 1, Qt::DashLine));
    painter.drawLine(QPointF(lens.right() + 4, LensBottom), QPointF(ArrowX + 8, LensBottom));
    painter.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(ArrowX, LensBottom + 2), QPointF(ArrowX, Surface - 2));
    paintArrowHeads(painter, ArrowX, LensBottom + 2, Surface - 2);
    label(painter, QRectF(ArrowX + 8, LensBottom, 60, Surface - LensBottom), u"焦距"_s, 16, Red,
          Qt::AlignLeft | Qt::AlignVCenter, true);

    paintSpotTile(painter, QRectF(266, 6, 80, 80), true, u"对准了\n光点小而亮"_s);
    paintSpotTile(painter, QRectF(362, 6, 80, 80), false, u"没对准\n光点大而模糊"_s);
    painter.restore();
}

void paintEffects(QPainter &painter, const QRectF &area)
{
    constexpr int Tile = 88;
    constexpr qreal ArrowGap = 30;
    const QImage photo = samplePhoto(Tile);
    const QImage logo = sampleLogo(Tile);
    const struct {
        QImage before;
        QImage after;
        QString from;
        QString to;
    } pairs[] = {{photo, dithered(photo), u"照片"_s, u"选 抖动"_s},
                 {logo, thresholded(logo), u"标志、文字"_s, u"选 黑白"_s}};
    const qreal groupWidth = 2 * Tile + ArrowGap;
    const qreal groupGap = area.width() - 2 * groupWidth;
    for (int i = 0; i < 2; ++i) {
        const qreal left = std::round(area.left() + i * (groupWidth + groupGap));
        const QRectF before(left, area.top(), Tile, Tile);
        const QRectF after = before.translated(Tile + ArrowGap, 0);
        painter.drawImage(before.topLeft(), pairs[i].before);
        painter.drawImage(after.topLeft(), pairs[i].after);
        painter.setPen(QPen(QColor(150, 156, 164), 1));
        painter.setBrush(Qt::NoBrush);
        for (const QRectF &tile : {before, after})
            painter.drawRect(tile.adjusted(-0.5, -0.5, 0.5, 0.5));
        const qreal y = before.center().y();
        painter.setPen(QPen(Accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(before.right() + 6, y), QPointF(after.left() - 6, y));
        painter.drawPolyline(QPolygonF(
            {{after.left() - 12, y - 6}, {after.left() - 6, y}, {after.left() - 12, y + 6}}));
        paintCheck(painter, after.topRight() + QPointF(-2, 2), true);
        const QRectF below(0, before.bottom() + 4, Tile + 24, 24);
        label(painter, below.translated(before.left() - 12, 0), pairs[i].from, CaptionPixels, Ink,
              Qt::AlignHCenter | Qt::AlignTop);
        label(painter, below.translated(after.left() - 12, 0), pairs[i].to, CaptionPixels, Accent,
              Qt::AlignHCenter | Qt::AlignTop, true);
    }
}

void paintBurnChart(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.translate(area.topLeft());
    constexpr qreal Left = 96;
    constexpr qreal Unit = 3.0;
    constexpr qreal Row = 26;
    const auto at = [](int value) { return Left + value * Unit; };
    const struct {
        QString material;
        int low;
        int high;
        QColor colour;
    } rows[] = {{u"纸张"_s, 10, 25, QColor(120, 170, 220)},
                {u"卡纸、纸板"_s, 20, 40, QColor(90, 145, 205)},
                {u"皮革"_s, 30, 60, QColor(190, 120, 70)},
                {u"木板"_s, 40, 70, QColor(200, 150, 80)},
                {u"深色塑料"_s, 50, 90, QColor(110, 110, 120)}};
    const qreal bottom = std::size(rows) * Row + 4;
    painter.setPen(QPen(Guide, 1, Qt::DashLine));
    painter.drawLine(QPointF(at(40), 0), QPointF(at(40), bottom));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const qreal y = i * Row;
        label(painter, QRectF(0, y, Left - 10, Row), rows[i].material, CaptionPixels, Ink,
              Qt::AlignRight | Qt::AlignVCenter);
        painter.setPen(Qt::NoPen);
        painter.setBrush(rows[i].colour);
        const QRectF bar(at(rows[i].low), y + 6, (rows[i].high - rows[i].low) * Unit, Row - 12);
        painter.drawRoundedRect(bar, 4, 4);
        label(painter, QRectF(bar.right() + 6, y, 60, Row),
              u"%1–%2"_s.arg(rows[i].low).arg(rows[i].high), 14, Ink,
              Qt::AlignLeft | Qt::AlignVCenter, true);
    }
    painter.setPen(QPen(Ink, 1.5));
    painter.drawLine(QPointF(at(1), bottom), QPointF(at(100), bottom));
    for (const int value : {1, 20, 40, 60, 80, 100}) {
        painter.setPen(QPen(Ink, 1.5));
        painter.drawLine(QPointF(at(value), bottom), QPointF(at(value), bottom + 5));
        label(painter, QRectF(at(value) - 20, bottom + 5, 40, 18), QString::number(value), 13, Ink,
              Qt::AlignHCenter | Qt::AlignTop);
    }
    label(painter, QRectF(at(40) - 50, bottom + 22, 100, 18), u"默认 40"_s, 13, Accent,
          Qt::AlignHCenter | Qt::AlignTop, true);
    painter.restore();
}

void paintPadLayers(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.translate(area.topLeft());
    constexpr qreal Axis = 110;
    constexpr qreal LayersRight = 250;
    paintHead(painter, QRectF(Axis - 46, 0, 92, 36), u"激光头"_s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Beam);
    painter.drawPolygon(QPolygonF({{Axis - 10, 36}, {Axis + 10, 36}, {Axis, 74}}));

    const struct {
        qreal top;
        qreal height;
        QColor fill;
        QString name;
    } layers[] = {{74, 6, QColor(252, 248, 232), u"薄材料（纸、卡纸）"_s},
                  {80, 16, QColor(200, 230, 244, 170), u"透明垫子"_s},
                  {96, 20, QColor(196, 200, 206), u"桌面 / 工作台"_s}};
    for (std::size_t i = 0; i < std::size(layers); ++i) {
        const auto &layer = layers[i];
        const QRectF slab(10, layer.top, LayersRight - 10, layer.height);
        painter.setPen(QPen(QColor(120, 130, 140), 1));
        painter.setBrush(layer.fill);
        painter.drawRect(slab);
        const qreal labelY = 40 + i * 30.0;
        painter.setPen(QPen(Guide, 1));
        painter.drawPolyline(QPolygonF({{slab.right() - 20, slab.center().y()},
                                        {slab.right() + 24, labelY + 12},
                                        {slab.right() + 32, labelY + 12}}));
        label(painter, QRectF(slab.right() + 36, labelY, area.width() - slab.right() - 36, 24),
              layer.name, CaptionPixels, Ink, Qt::AlignLeft | Qt::AlignVCenter, i == 1);
    }
    // Glints, so the pad reads as clear plastic.
    painter.setPen(QPen(Qt::white, 1.5));
    for (qreal x = 30; x < LayersRight - 10; x += 40)
        painter.drawLine(QPointF(x, 93), QPointF(x + 10, 83));
    painter.restore();
}

void paintWarningSign(QPainter &painter, QPointF centre, qreal size)
{
    painter.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 214, 64));
    painter.drawPolygon(
        QPolygonF({centre + QPointF(0, -size * 0.55), centre + QPointF(size * 0.6, size * 0.45),
                   centre + QPointF(-size * 0.6, size * 0.45)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawRoundedRect(QRectF(centre.x() - 2, centre.y() - size * 0.25, 4, size * 0.4), 2, 2);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + size * 0.3), 2.4, 2.4);
}

}  // namespace tavro::assets::help
