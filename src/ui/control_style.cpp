#include "ui/control_style.h"

#include "ui/caption_fit.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace tavro::ui {
namespace {

const QColor FaceTop(252, 253, 255);
const QColor FaceBottom(205, 222, 238);
const QColor Ink(28, 44, 72);
// A group box's title sits this far in from the frame's corner, in a gap of this width.
constexpr int GroupTitleInset = 6;
constexpr int GroupTitleGap = 2;

void drawButtonFace(const QStyleOption *option, QPainter *painter)
{
    const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool enabled = option->state & QStyle::State_Enabled;
    const bool down = option->state & (QStyle::State_Sunken | QStyle::State_On);
    const bool hover = enabled && (option->state & QStyle::State_MouseOver);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (!enabled) {
        face.setColorAt(0, QColor(244, 244, 244));
        face.setColorAt(1, QColor(222, 222, 222));
    } else if (down) {
        face.setColorAt(0, FaceBottom.darker(108));
        face.setColorAt(1, FaceTop);
    } else {
        face.setColorAt(0, hover ? Qt::white : FaceTop);
        face.setColorAt(1, hover ? FaceBottom.lighter(104) : FaceBottom);
    }
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(path, face);
    painter->setPen(enabled ? ControlStyle::FrameColour : QColor(180, 180, 180));
    painter->drawPath(path);
    painter->restore();
}

void drawIndicator(QStyle::PrimitiveElement element, const QStyleOption *option, QPainter *painter)
{
    const bool enabled = option->state & QStyle::State_Enabled;
    const bool on = option->state & QStyle::State_On;
    const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(enabled ? ControlStyle::FrameColour : QColor(180, 180, 180));
    painter->setBrush(enabled ? Qt::white : QColor(240, 240, 240));
    const QColor mark = enabled ? Ink : QColor(150, 150, 150);
    if (element == QStyle::PE_IndicatorRadioButton) {
        painter->drawEllipse(r);
        if (on) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(mark);
            painter->drawEllipse(
                r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3));
        }
    } else {
        painter->drawRoundedRect(r, 2, 2);
        if (on) {
            QPen pen(mark, 1.8);
            painter->setPen(pen);
            const QRectF m = r.adjusted(r.width() * 0.22, r.height() * 0.22, -r.width() * 0.22,
                                        -r.height() * 0.22);
            painter->drawPolyline(QPolygonF{QPointF(m.left(), m.center().y()),
                                            QPointF(m.left() + m.width() * 0.4, m.bottom()),
                                            QPointF(m.right(), m.top())});
        }
    }
    painter->restore();
}

}  // namespace

ControlStyle::ControlStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ControlStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    palette.setColor(QPalette::Button, FaceBottom);
    palette.setColor(QPalette::Mid, FrameColour);
    palette.setColor(QPalette::Dark, FrameColour);
    palette.setColor(QPalette::Highlight, FrameColour.darker(130));
}

int ControlStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    // Small indicators close to their text leave the fixed-width boxes room for captions.
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return 4;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

ControlStyle::ButtonCaption ControlStyle::buttonCaption(const QString &text,
                                                        const QFontMetrics &metrics,
                                                        const QRect &area)
{
    const int oneLine = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (metrics.horizontalAdvance(text) <= area.width()) return {text, oneLine};
    // The layout's narrow buttons expect long captions to break into lines, at blanks
    // only; the blanks that spread a one-line caption would push lines off centre.
    return {text.simplified(), oneLine | Qt::TextWordWrap};
}

QRect ControlStyle::buttonCaptionArea(const QRect &contents)
{
    return contents.adjusted(2, 1, -2, -1);
}

QRect ControlStyle::groupBoxTitleArea(const QRect &box, const QFontMetrics &metrics)
{
    const int inset = GroupTitleInset + GroupTitleGap;
    return {box.left() + inset, box.top(), std::max(0, box.width() - 2 * inset), metrics.height()};
}

void ControlStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element == CE_PushButtonLabel && button && button->icon.isNull()) {
        const QRect area = buttonCaptionArea(button->rect);
        const ButtonCaption caption = buttonCaption(button->text, button->fontMetrics, area);
        proxy()->drawItemText(painter, area, caption.flags, button->palette,
                              button->state & State_Enabled, caption.text, QPalette::ButtonText);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ControlStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto *group = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !group || (group->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    drawGroupBox(*group, painter);
}

void ControlStyle::drawGroupBox(const QStyleOptionGroupBox &group, QPainter *painter) const
{
    // As the desktop draws a group box: the frame starts at the middle of the title,
    // which sits inset from the left edge in a gap of the frame line.
    const QRect area = groupBoxTitleArea(group.rect, group.fontMetrics);
    QStyleOptionFrame frame;
    frame.QStyleOption::operator=(group);
    frame.rect = group.rect;
    QRegion visible(group.rect);
    if (!group.text.isEmpty()) {
        frame.rect.setTop(area.center().y());
        const QFont font = fitCaptionFont(painter->font(), area, GroupBoxTitleFlags, group.text);
        const int width = std::min(area.width(), QFontMetrics(font).horizontalAdvance(group.text));
        visible -= QRect(area.left() - GroupTitleGap, area.top(), width + 2 * GroupTitleGap,
                         area.height());
    }
    painter->save();
    painter->setClipRegion(visible, Qt::IntersectClip);
    proxy()->drawPrimitive(PE_FrameGroupBox, &frame, painter);
    painter->restore();
    if (!group.text.isEmpty())
        proxy()->drawItemText(painter, area, GroupBoxTitleFlags, group.palette,
                              group.state & State_Enabled, group.text, QPalette::WindowText);
}

void ControlStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                                const QPalette &palette, bool enabled, const QString &text,
                                QPalette::ColorRole textRole) const
{
    const QFont font = fitCaptionFont(painter->font(), rect, flags, text);
    if (font == painter->font()) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    painter->save();
    painter->setFont(font);
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
    painter->restore();
}

void ControlStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        drawButtonFace(option, painter);
        return;
    case PE_IndicatorCheckBox:
    case PE_IndicatorRadioButton:
        drawIndicator(element, option, painter);
        return;
    case PE_FrameGroupBox:
    case PE_FrameLineEdit:
    case PE_Frame: {
        painter->save();
        painter->setPen(FrameColour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

}  // namespace tavro::ui
