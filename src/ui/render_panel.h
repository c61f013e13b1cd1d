// A panel of the effect chooser: a persistent white 512 x 512 surface in a one-pixel frame.
#pragma once

#include "render/as_it_will_burn.h"
#include "render/raster_constants.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tavro::ui {

class RenderPanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int SurfaceSize = render::BoardSize;
    static constexpr int Frame = 1;

    explicit RenderPanel(QWidget *parent = nullptr);

    // Back to plain white.
    void clear();
    // Unscaled, top-left pixel at (x, y), copying pixels; what falls off the surface is cut.
    void drawPicture(const QImage &picture, int x, int y);
    // The whole surface, 512 x 512 whatever the screen's scaling.
    QImage snapshot() const { return m_surface; }
    // Shows the surface as it will burn in that look, or as it is; the surface stays as drawn.
    void showAsItWillBurn(const std::optional<render::BurnLook> &look);
    // What the panel shows now.
    QImage shownImage() const;

    // Busy: hourglass pointer, clicks mean nothing yet. Otherwise the hand.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

signals:
    // The left button was released with the pointer over the panel.
    void leftButtonReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void repaintLater();

    QImage m_surface;
    std::optional<render::AsItWillBurn> m_view;
    mutable QImage m_viewed;  // null until painted after a change
    bool m_busy = true;
    bool m_repaintPending = false;
};

}  // namespace tavro::ui
