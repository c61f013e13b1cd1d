#include "ui/caption_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTextLayout>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace tavro::ui {

namespace {

// One line of a caption as drawText lays it out: its text, its width and its baseline
// from the top of the block.
struct CaptionLine {
    QString text;
    qreal width = 0;
    qreal baseline = 0;
};

struct CaptionBlock {
    QList<CaptionLine> lines;
    qreal height = 0;
};

// The caption laid out the way QPainter::drawText lays it out: lines at whole pixels, the
// font's leading between them, each as high as the faces on it (an ideograph's fallback
// face makes a line higher than the caption's own font).
CaptionBlock layOutCaption(const QFont &font, qreal width, int flags, QString text)
{
    text.replace(u'\n', QChar::LineSeparator);
    if (flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)) {
        text.replace(u"&&"_s, u"\x01"_s).remove(u'&').replace(u'\x01', u'&');
    }
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap
                                                  : QTextOption::ManualWrap);
    layout.setTextOption(option);
    CaptionBlock block;
    const qreal leading = QFontMetricsF(font).leading();
    qreal y = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        y = std::ceil(y + leading);
        line.setPosition(QPointF(0, y));
        block.lines << CaptionLine{text.mid(line.textStart(), line.textLength()),
                                   line.naturalTextWidth(), y + line.ascent()};
        y += line.height();
    }
    layout.endLayout();
    block.height = y;
    return block;
}

}  // namespace

bool captionFits(const QFont &font, const QRect &area, int flags, const QString &text)
{
    if (text.trimmed().isEmpty()) return true;
    const QFontMetricsF metrics(font);
    const CaptionBlock block = layOutCaption(font, area.width(), flags, text);
    qreal top = area.top();
    if (flags & Qt::AlignVCenter)
        top += (area.height() - block.height) / 2;
    else if (flags & Qt::AlignBottom)
        top += area.height() - block.height;
    // A word wider than the area is not broken by word wrapping: it makes its line wider.
    // The glyphs' ink reaches beyond the advance at the sides, and above and below the
    // baselines by their own extent.
    for (const CaptionLine &line : block.lines) {
        const QString shown = line.text.trimmed();
        if (shown.isEmpty()) continue;
        const QRectF ink = metrics.tightBoundingRect(shown);
        const qreal overhang = std::max<qreal>(0, -ink.left()) +
                               std::max<qreal>(0, ink.right() - metrics.horizontalAdvance(shown));
        if (line.width + overhang > area.width()) return false;
        if (top + line.baseline + ink.top() < area.top() ||
            top + line.baseline + ink.bottom() > area.top() + area.height())
            return false;
    }
    return true;
}

QFont fitCaptionFont(const QFont &font, const QRect &area, int flags, const QString &text)
{
    if (area.isEmpty() || captionFits(font, area, flags, text)) return font;
    const int layoutPixels = QFontInfo(font).pixelSize();
    QFont smaller = font;
    for (int pixels = layoutPixels - 1; pixels >= SmallestCaptionPixels; --pixels) {
        smaller.setPixelSize(pixels);
        if (captionFits(smaller, area, flags, text)) return smaller;
    }
    // A single word longer than the control is wide at the smallest size: narrower
    // letters keep it whole and as tall as can still be read.
    smaller.setPixelSize(std::min(layoutPixels, SmallestCaptionPixels));
    for (int stretch = 95; stretch >= NarrowestCaptionStretch; stretch -= 5) {
        smaller.setStretch(stretch);
        if (captionFits(smaller, area, flags, text)) return smaller;
    }
    return smaller;
}

}  // namespace tavro::ui
