#include "shell/control_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace tavro::shell {
namespace {

const QColor FaceTop(252, 253, 255);
const QColor FaceBottom(205, 222, 238);
const QColor Ink(28, 44, 72);

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

void drawIndicator(QStyle::PrimitiveElement element, const QStyleOption *option,
                   QPainter *painter)
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
            painter->drawEllipse(r.adjusted(r.width() * 0.3, r.height() * 0.3,
                                            -r.width() * 0.3, -r.height() * 0.3));
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

void ControlStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element == CE_PushButtonLabel && button && button->icon.isNull()) {
        const QRect area = button->rect.adjusted(2, 1, -2, -1);
        if (button->fontMetrics.horizontalAdvance(button->text) > area.width()) {
            // The layout's narrow buttons expect long captions to break into lines; a
            // word wider than the button breaks inside rather than losing its ends.
            const QString text = button->text.simplified();
            int flags = Qt::AlignCenter | Qt::TextWordWrap;
            if (button->fontMetrics.boundingRect(area, flags, text).width() > area.width())
                flags = Qt::AlignCenter | Qt::TextWrapAnywhere;
            proxy()->drawItemText(painter, area, flags, button->palette,
                                  button->state & State_Enabled, text, QPalette::ButtonText);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
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

}  // namespace tavro::shell
