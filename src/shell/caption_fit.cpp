#include "shell/caption_fit.h"

#include "shell/control_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace tavro::shell {

bool CaptionFits(const QFont &font, const QRect &area, int flags, const QString &text)
{
    if (text.trimmed().isEmpty()) return true;
    const QFontMetricsF metrics(font);
    const QRectF box(area);
    // Laid out as drawText lays it out; a word wider than the area is not broken by
    // word wrapping, it makes its line wider.
    const QRectF block = metrics.boundingRect(box, flags, text);
    // The glyphs reach beyond the advance at the sides and above and below the first and
    // last baselines by their own extent, which differs from the line's ascent and
    // descent (the ideographs' fallback face).
    QString oneLine = text;
    oneLine.replace(u'\n', u' ');
    const QRectF ink = metrics.tightBoundingRect(oneLine);
    const qreal overhang = std::max<qreal>(0, -ink.left()) +
                           std::max<qreal>(0, ink.right() - metrics.horizontalAdvance(oneLine));
    if (block.width() + overhang > box.width()) return false;
    const qreal inkTop = block.top() + metrics.ascent() + ink.top();
    const qreal inkBottom = block.bottom() - metrics.descent() + ink.bottom();
    return inkTop >= box.top() && inkBottom <= box.bottom();
}

QFont FitCaptionFont(const QFont &font, const QRect &area, int flags, const QString &text)
{
    if (area.isEmpty() || CaptionFits(font, area, flags, text)) return font;
    const int layoutPixels = QFontInfo(font).pixelSize();
    QFont smaller = font;
    for (int pixels = layoutPixels - 1; pixels >= SmallestCaptionPixels; --pixels) {
        smaller.setPixelSize(pixels);
        if (CaptionFits(smaller, area, flags, text)) return smaller;
    }
    // A single word longer than the control is wide at the smallest size: narrower
    // letters keep it whole and as tall as can still be read.
    smaller.setPixelSize(std::min(layoutPixels, SmallestCaptionPixels));
    for (int stretch = 95; stretch >= NarrowestCaptionStretch; stretch -= 5) {
        smaller.setStretch(stretch);
        if (CaptionFits(smaller, area, flags, text)) return smaller;
    }
    return smaller;
}

namespace {

CaptionPlacement placeButton(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle &style = *button.style();
    if (qobject_cast<const QCheckBox *>(&button) || qobject_cast<const QRadioButton *>(&button)) {
        const bool radio = qobject_cast<const QRadioButton *>(&button);
        const QRect contents = style.subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, &button);
        return {contents, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic),
                button.text(), button.font()};
    }
    const QRect area = ControlStyle::buttonCaptionArea(
        style.subElementRect(QStyle::SE_PushButtonContents, &option, &button));
    const ControlStyle::ButtonCaption caption =
        ControlStyle::buttonCaption(button.text(), button.fontMetrics(), area);
    return {area, caption.flags, caption.text, button.font()};
}

}  // namespace

std::optional<CaptionPlacement> PlaceCaption(const QWidget &unit)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(&unit)) {
        if (button->text().isEmpty() || !button->icon().isNull()) return std::nullopt;
        return placeButton(*button);
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(&unit)) {
        if (group->title().isEmpty() || group->isCheckable()) return std::nullopt;
        return CaptionPlacement{
            ControlStyle::groupBoxTitleArea(group->rect(), group->fontMetrics()),
            ControlStyle::GroupBoxTitleFlags, group->title(), group->font()};
    }
    if (const auto *label = qobject_cast<const QLabel *>(&unit)) {
        // Rich text is laid out by the label itself, not drawn by the style.
        const Qt::TextFormat format = label->textFormat();
        if (label->text().isEmpty() || format == Qt::RichText ||
            (format == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return std::nullopt;
        const int margin = label->margin();
        int flags = int(label->alignment());
        if (label->wordWrap()) flags |= Qt::TextWordWrap;
        return CaptionPlacement{label->contentsRect().adjusted(margin, margin, -margin, -margin),
                                flags, label->text(), label->font()};
    }
    return std::nullopt;
}

}  // namespace tavro::shell
