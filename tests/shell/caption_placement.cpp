#include "caption_placement.h"

#include "ui/control_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace tavro::test {

using ui::ControlStyle;

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

std::optional<CaptionPlacement> placeCaption(const QWidget &unit)
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

}  // namespace tavro::test
