#include "ruler.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::assets {

namespace {

constexpr int kLength = 620;
constexpr int kVerticalLength = 619;
constexpr int kThickness = 12;
// Ticks fall at 0, 13, 27, 40, 54, 67, 81, 94, ...: 13.44 rounded, not 13.4.
constexpr double kTickStep = 13.44;
constexpr int kTicksPerDigit = 5;
constexpr int kDigitBaseline = 7;
constexpr int kTickTop = 7;
constexpr int kBaseTop = 10;
constexpr int kDigitPixels = 10;

const QColor kBackground(236, 240, 244);
const QColor kInk(68, 72, 78);

int tickAt(int index)
{
    return int(std::lround(index * kTickStep));
}

QString digitAt(int tick)
{
    return (tick / kTicksPerDigit) % 2 == 0 ? u"0"_s : u"5"_s;
}

// Lies along x; the vertical ruler draws it through a transposing transform.
void paintScale(QPainter &painter, int length)
{
    painter.fillRect(0, 0, length, kThickness, kBackground);
    painter.fillRect(0, kBaseTop, length, kThickness - kBaseTop, kInk);
    for (int i = 0; tickAt(i) < length; ++i)
        painter.fillRect(tickAt(i), kTickTop, 1, kBaseTop - kTickTop, kInk);
}

void prepareDigits(QPainter &painter)
{
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(kDigitPixels);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

QImage horizontalRuler()
{
    QImage ruler(kLength, kThickness, QImage::Format_RGB32);
    QPainter painter(&ruler);
    paintScale(painter, kLength);
    prepareDigits(painter);
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; tickAt(i) < kLength; i += kTicksPerDigit) {
        const QString digit = digitAt(i);
        const QRectF ink = metrics.tightBoundingRect(digit);
        // Centred over the tick, but kept whole at the ends of the strip.
        const qreal left =
            std::clamp(tickAt(i) + 0.5 - ink.width() / 2, 0.0, kLength - ink.width());
        painter.drawText(QPointF(std::round(left - ink.left()), kDigitBaseline), digit);
    }
    return ruler;
}

QImage verticalRuler()
{
    QImage ruler(kThickness, kVerticalLength, QImage::Format_RGB32);
    QPainter painter(&ruler);
    // Swapped axes keep 0 at the top and put the base line on the far side from the board.
    painter.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    paintScale(painter, kVerticalLength);
    painter.resetTransform();
    prepareDigits(painter);
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; tickAt(i) < kVerticalLength; i += kTicksPerDigit) {
        const QString digit = digitAt(i);
        const QRectF ink = metrics.tightBoundingRect(digit);
        // Turned anticlockwise: the digit reads upwards, its foot towards the ticks.
        const qreal centre =
            std::clamp(tickAt(i) + 0.5, ink.width() / 2, kVerticalLength - ink.width() / 2);
        painter.save();
        painter.translate(kDigitBaseline, std::round(centre + (ink.left() + ink.right()) / 2));
        painter.rotate(-90);
        painter.drawText(QPointF(0, 0), digit);
        painter.restore();
    }
    return ruler;
}

}  // namespace tavro::assets
