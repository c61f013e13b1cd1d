#include "ruler.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::assets {

namespace {

constexpr int Length = 620;
constexpr int VerticalLength = 619;
constexpr int Thickness = 12;
// Ticks fall at 0, 13, 27, 40, 54, 67, 81, 94, ...: 13.44 rounded, not 13.4.
constexpr double TickStep = 13.44;
constexpr int TicksPerDigit = 5;
constexpr int DigitBaseline = 7;
constexpr int TickTop = 7;
constexpr int BaseTop = 10;
constexpr int DigitPixels = 10;

const QColor Background(236, 240, 244);
const QColor Ink(68, 72, 78);

int tickAt(int index)
{
    return int(std::lround(index * TickStep));
}

QString digitAt(int tick)
{
    return (tick / TicksPerDigit) % 2 == 0 ? u"0"_s : u"5"_s;
}

// Lies along x; the vertical ruler draws it through a transposing transform.
void paintScale(QPainter &painter, int length)
{
    painter.fillRect(0, 0, length, Thickness, Background);
    painter.fillRect(0, BaseTop, length, Thickness - BaseTop, Ink);
    for (int i = 0; tickAt(i) < length; ++i)
        painter.fillRect(tickAt(i), TickTop, 1, BaseTop - TickTop, Ink);
}

void prepareDigits(QPainter &painter)
{
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(DigitPixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setPen(Ink);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

QImage horizontalRuler()
{
    QImage ruler(Length, Thickness, QImage::Format_RGB32);
    QPainter painter(&ruler);
    paintScale(painter, Length);
    prepareDigits(painter);
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; tickAt(i) < Length; i += TicksPerDigit) {
        const QString digit = digitAt(i);
        const QRectF ink = metrics.tightBoundingRect(digit);
        // Centred over the tick, but kept whole at the ends of the strip.
        const qreal left = std::clamp(tickAt(i) + 0.5 - ink.width() / 2, 0.0, Length - ink.width());
        painter.drawText(QPointF(std::round(left - ink.left()), DigitBaseline), digit);
    }
    return ruler;
}

QImage verticalRuler()
{
    QImage ruler(Thickness, VerticalLength, QImage::Format_RGB32);
    QPainter painter(&ruler);
    // Swapped axes keep 0 at the top and put the base line on the far side from the board.
    painter.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    paintScale(painter, VerticalLength);
    painter.resetTransform();
    prepareDigits(painter);
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; tickAt(i) < VerticalLength; i += TicksPerDigit) {
        const QString digit = digitAt(i);
        const QRectF ink = metrics.tightBoundingRect(digit);
        // Turned anticlockwise: the digit reads upwards, its foot towards the ticks.
        const qreal centre =
            std::clamp(tickAt(i) + 0.5, ink.width() / 2, VerticalLength - ink.width() / 2);
        painter.save();
        painter.translate(DigitBaseline, std::round(centre + (ink.left() + ink.right()) / 2));
        painter.rotate(-90);
        painter.drawText(QPointF(0, 0), digit);
        painter.restore();
    }
    return ruler;
}

}  // namespace tavro::assets
