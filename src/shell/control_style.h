// The program's one look for every window: framed controls with gradient button faces.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace tavro::shell {

class ControlStyle final : public QProxyStyle {
    Q_OBJECT
public:
    static inline const QColor FrameColour{123, 158, 189};

    ControlStyle();

    void polish(QPalette &palette) override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

}  // namespace tavro::shell
