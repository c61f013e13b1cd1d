// The program's one look for every window: framed controls with gradient button faces.
#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QProxyStyle>

class QStyleOptionGroupBox;

namespace tavro::ui {

class ControlStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static inline const QColor FrameColour{123, 158, 189};
    static constexpr int GroupBoxTitleFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;

    // A button's caption: on one line when it fits, else wrapped at its blanks.
    struct ButtonCaption {
        QString text;
        int flags = 0;
    };
    static ButtonCaption buttonCaption(const QString &text, const QFontMetrics &metrics,
                                       const QRect &area);
    // Where a button draws its caption, inside the contents the base style gives it.
    static QRect buttonCaptionArea(const QRect &contents);
    // The room for a group box's title: on top, inset from both sides, clear of the frame.
    static QRect groupBoxTitleArea(const QRect &box, const QFontMetrics &metrics);

    ControlStyle();

    void polish(QPalette &palette) override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    // Every caption is drawn here: a text that does not fit its area is drawn smaller.
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;

private:
    void drawGroupBox(const QStyleOptionGroupBox &group, QPainter *painter) const;
};

}  // namespace tavro::ui
