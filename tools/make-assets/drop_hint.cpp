#include "drop_hint.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::assets {

namespace {

constexpr int Side = 512;
// Centre line of the text band, a little above the middle of the board.
constexpr qreal BandCentre = 244.5;
// Fits the longest line (Japanese) with about 50 px to spare on each side.
constexpr int TextPixels = 26;
// The Chinese hint, the one the board's stored layout carries, spans about 67..405 x 223..266.
constexpr int ChinesePixels = 48;

struct HintLine {
    QString text;
    QString family;
    int pixels;
    bool ideographic;  // no descenders: the whole ink is centred, not just down to the baseline
};

HintLine hintLine(int language)
{
    switch (language) {
    case 1:
        return {u"拖放图片到这里"_s, u"Noto Sans CJK SC"_s, ChinesePixels, true};
    case 2:
        return {u"ここまで写真をドラッグ ＆ドロップ"_s, u"Noto Sans CJK JP"_s, TextPixels, true};
    case 3:
        return {u"Faire glisser et déposer l'image  ici"_s, u"Liberation Sans"_s, TextPixels,
                false};
    case 4:
        return {u"Immagini trascinate in questa zona"_s, u"Liberation Sans"_s, TextPixels, false};
    case 5:
        return {u"Drag & Drop Bilder hier"_s, u"Liberation Sans"_s, TextPixels, false};
    default:
        return {u"Drag and drop pictures to here"_s, u"Liberation Sans"_s, TextPixels, false};
    }
}

}  // namespace

QImage dropHint(int language)
{
    const HintLine line = hintLine(language);
    QFont font(line.family);
    font.setPixelSize(line.pixels);
    font.setStyleStrategy(QFont::PreferAntialias);

    const QRectF ink = QFontMetricsF(font).tightBoundingRect(line.text);
    const qreal bandBottom = line.ideographic ? ink.bottom() : 0.0;
    const qreal baseline = std::round(BandCentre - (ink.top() + bandBottom) / 2);
    const qreal left = std::round((Side - ink.width()) / 2 - ink.left());

    QImage picture(Side, Side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(left, baseline), line.text);
    return picture;
}

}  // namespace tavro::assets
