#include "ui/patch_picker.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavro::ui {
namespace {

constexpr int Frame = 1;

}  // namespace

PatchPicker::PatchPicker(const materials::TestCardLayout &layout, QImage shown, QWidget *parent)
    : QWidget(parent), m_layout(layout), m_shown(std::move(shown))
{
    setFixedSize(m_shown.size() + QSize(2 * Frame, 2 * Frame));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void PatchPicker::pick(const std::optional<QPoint> &patch)
{
    m_picked = patch;
    update();
}

std::optional<QPoint> PatchPicker::patchAt(const QPointF &position) const
{
    return m_layout.patchAt(position.toPoint() - QPoint(Frame, Frame));
}

void PatchPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(Frame, Frame, m_shown);
    if (!m_picked) return;
    // Around the patch, in the selection's colour, clear of its dots.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_layout.patchRect(m_picked->x(), m_picked->y())
                         .adjusted(-3, -3, 3, 3)
                         .translated(Frame, Frame));
}

void PatchPicker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    if (const std::optional<QPoint> patch = patchAt(event->position())) {
        pick(patch);
        emit patchPicked(*patch);
    }
}

void PatchPicker::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    if (const std::optional<QPoint> patch = patchAt(event->position())) {
        pick(patch);
        emit patchChosen(*patch);
    }
}

}  // namespace tavro::ui
