#include "ui/render_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavro::ui {

RenderPanel::RenderPanel(QWidget *parent)
    : QWidget(parent), m_surface(SurfaceSize, SurfaceSize, QImage::Format_RGB32)
{
    m_surface.fill(Qt::white);
    setFixedSize(SurfaceSize + 2 * Frame, SurfaceSize + 2 * Frame);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::WaitCursor);
}

void RenderPanel::clear()
{
    m_surface.fill(Qt::white);
    repaintLater();
}

void RenderPanel::drawPicture(const QImage &picture, int x, int y)
{
    if (picture.isNull()) return;
    QPainter painter(&m_surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, picture.convertToFormat(QImage::Format_RGB32));
    painter.end();
    repaintLater();
}

void RenderPanel::setBusy(bool busy)
{
    m_busy = busy;
    setCursor(busy ? Qt::WaitCursor : Qt::PointingHandCursor);
}

void RenderPanel::showAsItWillBurn(const std::optional<render::BurnLook> &look)
{
    if (look ? m_view && m_view->look() == *look : !m_view) return;
    m_view.reset();
    if (look) m_view.emplace(*look);
    repaintLater();
}

QImage RenderPanel::shownImage() const
{
    if (!m_view) return m_surface;
    if (m_viewed.isNull()) m_viewed = m_view->render(m_surface);
    return m_viewed;
}

void RenderPanel::repaintLater()
{
    m_viewed = QImage();
    // One pending repaint covers any number of drawings; a hidden panel is painted
    // whole when it is shown.
    if (m_repaintPending) return;
    m_repaintPending = true;
    update();
}

void RenderPanel::paintEvent(QPaintEvent *)
{
    m_repaintPending = false;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(Frame, Frame, shownImage());
}

void RenderPanel::mouseReleaseEvent(QMouseEvent *event)
{
    // Qt sends the release to the panel that got the press even when the pointer
    // has left it meanwhile.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit leftButtonReleased();
}

}  // namespace tavro::ui
