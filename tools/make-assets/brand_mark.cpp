#include "brand_mark.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace tavro::assets {

namespace {

const QColor SparkAmber(247, 168, 40);
const QSize LogoSize(1336, 473);
constexpr int IconSide = 256;

// Where the beam meets the plate, in the mark's 100 x 100 units.
constexpr QPointF Hit(53, 75);

// A four-pointed star with concave sides, wider than tall to lie on the tilted plate.
QPainterPath sparkPath(QPointF centre, QSizeF radius, qreal waist)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = (i - 2) * std::numbers::pi / 4;
        const QSizeF r = i % 2 == 0 ? radius : QSizeF(waist, waist);
        const QPointF point =
            centre + QPointF(r.width() * std::cos(angle), r.height() * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

void paintHead(QPainter &painter, const QColor &colour)
{
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(Hit.x() - 21, 6, 42, 19), 3.5, 3.5);
    // Overlaps the body so no seam shows between them.
    painter.drawPolygon(
        QPolygonF({{Hit.x() - 13, 22}, {Hit.x() + 13, 22}, {Hit.x() + 5, 35}, {Hit.x() - 5, 35}}));
}

void paintPlate(QPainter &painter, const MarkColours &colours)
{
    painter.setBrush(colours.plateEdge);
    painter.drawPolygon(QPolygonF({{8, 82}, {86, 82}, {98, 68}, {98, 76}, {86, 90}, {8, 90}}));
    painter.setBrush(colours.plateTop);
    painter.drawPolygon(QPolygonF({{20, 68}, {98, 68}, {86, 82}, {8, 82}}));
    // The line already burnt, running back from the spark.
    painter.setBrush(colours.plateEdge);
    painter.drawPolygon(QPolygonF({{22, 74}, {Hit.x(), 74}, {Hit.x(), 76}, {20.5, 76}}));
}

}  // namespace

void paintMark(QPainter &painter, const QRectF &box, const MarkColours &colours)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100, box.height() / 100);
    painter.setPen(Qt::NoPen);

    paintPlate(painter, colours);

    QColor glow = colours.beam;
    glow.setAlphaF(0.3f);
    painter.setBrush(glow);
    painter.drawRect(QRectF(Hit.x() - 5, 35, 10, Hit.y() - 35));
    painter.setBrush(colours.beam);
    painter.drawRect(QRectF(Hit.x() - 2.2, 35, 4.4, Hit.y() - 35));

    paintHead(painter, colours.head);

    painter.setBrush(SparkAmber);
    painter.drawPath(sparkPath(Hit, {20, 10}, 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(Hit, 2.4, 1.8);
    painter.restore();
}

QImage logo()
{
    QImage picture(LogoSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    QFont name(u"Liberation Sans"_s);
    name.setBold(true);
    name.setPixelSize(250);
    const QRectF nameInk = QFontMetricsF(name).tightBoundingRect(u"Tavro"_s);

    // "LASER" is spread out until it is exactly as wide as "Tavro".
    QFont kind = name;
    kind.setPixelSize(148);
    const QString kindText = u"LASER"_s;
    const qreal plainWidth = QFontMetricsF(kind).tightBoundingRect(kindText).width();
    kind.setLetterSpacing(QFont::AbsoluteSpacing,
                          (nameInk.width() - plainWidth) / (kindText.size() - 1));
    const QRectF kindInk = QFontMetricsF(kind).tightBoundingRect(kindText);

    constexpr qreal MarkSide = 380;
    constexpr qreal Gap = 56;
    constexpr qreal LineGap = 52;
    const qreal left = (LogoSize.width() - (MarkSide + Gap + nameInk.width())) / 2;
    const qreal textHeight = nameInk.height() + LineGap + kindInk.height();
    const qreal textTop = (LogoSize.height() - textHeight) / 2;
    const qreal textLeft = left + MarkSide + Gap;

    paintMark(painter, QRectF(left, (LogoSize.height() - MarkSide) / 2, MarkSide, MarkSide),
              {Navy, FrameBlue, FrameBlue, Navy});

    painter.setFont(name);
    painter.setPen(Navy);
    painter.drawText(QPointF(textLeft - nameInk.left(), textTop - nameInk.top()), u"Tavro"_s);
    painter.setFont(kind);
    painter.setPen(FrameBlue);
    painter.drawText(QPointF(textLeft - kindInk.left(), textTop + textHeight - kindInk.bottom()),
                     kindText);
    painter.end();
    return picture.convertToFormat(QImage::Format_RGB32);
}

QImage windowIcon()
{
    QImage picture(IconSide, IconSide, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);
    paintMark(painter, QRectF(20, 30, 204, 204),
              {FrameBlue, QColor(222, 235, 246), FrameBlue, QColor(80, 112, 142)});
    return picture;
}

}  // namespace tavro::assets
