#include "ui/preview_board.h"

#include "document/job_document.h"
#include "document/trace_overlay.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace tavro::ui {
namespace {

constexpr int Frame = 1;
constexpr int Handle = 7;  // the corner handles' side in screen pixels
constexpr int ScrollBarSide = 10;

Qt::CursorShape shapeOf(BoardCursor cursor)
{
    switch (cursor) {
    case BoardCursor::Cross:
        return Qt::CrossCursor;
    case BoardCursor::IBeam:
        return Qt::IBeamCursor;
    case BoardCursor::Default:
        break;
    }
    return Qt::ArrowCursor;
}

QPoint cornerOf(const QRect &rect, int corner)
{
    switch (corner) {
    case 0:
        return rect.topLeft();
    case 1:
        return rect.topRight() + QPoint(1, 0);
    case 2:
        return rect.bottomRight() + QPoint(1, 1);
    default:
        return rect.bottomLeft() + QPoint(0, 1);
    }
}

}  // namespace

PreviewBoard::PreviewBoard(QWidget *parent)
    : QWidget(parent), m_trace(Size, Size, QImage::Format_ARGB32_Premultiplied)
{
    m_trace.fill(Qt::transparent);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    m_horizontal = new QScrollBar(Qt::Horizontal, this);
    m_vertical = new QScrollBar(Qt::Vertical, this);
    m_horizontal->setObjectName(QStringLiteral("boardHorizontalScroll"));
    m_vertical->setObjectName(QStringLiteral("boardVerticalScroll"));
    for (QScrollBar *bar : {m_horizontal, m_vertical}) {
        bar->hide();
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            scrollTo({m_horizontal->value(), m_vertical->value()});
        });
    }
}

void PreviewBoard::showJob(const document::JobDocument &document,
                           const document::TraceOverlay &trace)
{
    m_document = &document;
    connect(&document, &document::JobDocument::boardChanged, this, [this] {
        m_presented = QImage();
        update();
    });
    connect(&document, &document::JobDocument::placementChanged, this,
            qOverload<>(&PreviewBoard::update));
    connect(&trace, &document::TraceOverlay::pointAdded, this, [this](QPoint point) {
        m_trace.setPixel(point, TraceColour);
        update(QRect(widgetPointOf(point), QSize(m_zoom, m_zoom)));
    });
    connect(&trace, &document::TraceOverlay::cleared, this, &PreviewBoard::clearTrace);
    update();
}

void PreviewBoard::clearTrace()
{
    m_trace.fill(Qt::transparent);
    update();
}

void PreviewBoard::setPresenter(Presenter presenter)
{
    m_presenter = std::move(presenter);
    m_presented = QImage();
    update();
}

const QImage &PreviewBoard::presented() const
{
    if (!m_presenter || !m_document) return m_document ? m_document->board() : m_presented;
    if (m_presented.isNull()) m_presented = m_presenter(m_document->board());
    return m_presented;
}

QImage PreviewBoard::shownImage() const
{
    QImage shown = m_document ? presented().convertToFormat(QImage::Format_RGB32)
                              : QImage(Size, Size, QImage::Format_RGB32);
    QPainter painter(&shown);
    painter.drawImage(0, 0, m_trace);
    return shown;
}

void PreviewBoard::setBoardCursor(BoardCursor cursor)
{
    m_cursor = cursor;
    setCursor(shapeOf(cursor));
    update();
}

void PreviewBoard::setZoom(int zoom, std::optional<QPoint> anchor)
{
    zoom = std::clamp(zoom, 1, MaxZoom);
    const QPointF at = anchor.value_or(QPoint(Frame + Size / 2, Frame + Size / 2));
    const QPointF dot = QPointF(m_origin) + (at - QPointF(Frame, Frame)) / m_zoom;
    m_zoom = zoom;
    const int view = Size / m_zoom;
    for (QScrollBar *bar : {m_horizontal, m_vertical}) {
        const QSignalBlocker quiet(bar);
        bar->setRange(0, Size - view);
        bar->setPageStep(view);
        bar->setSingleStep(std::max(1, view / 16));
        bar->setVisible(m_zoom > 1);
    }
    placeScrollBars();
    const QPointF origin = dot - (at - QPointF(Frame, Frame)) / m_zoom;
    scrollTo(QPoint(int(std::floor(origin.x())), int(std::floor(origin.y()))));
    update();
    emit viewChanged();
}

void PreviewBoard::zoomIn()
{
    setZoom(m_zoom * 2);
}

void PreviewBoard::zoomOut()
{
    setZoom(m_zoom / 2);
}

void PreviewBoard::scrollTo(QPoint origin)
{
    const int most = Size - Size / m_zoom;
    origin = {std::clamp(origin.x(), 0, most), std::clamp(origin.y(), 0, most)};
    if (origin == m_origin) return;
    m_origin = origin;
    const QSignalBlocker quietH(m_horizontal);
    const QSignalBlocker quietV(m_vertical);
    m_horizontal->setValue(origin.x());
    m_vertical->setValue(origin.y());
    update();
    emit viewChanged();
}

void PreviewBoard::placeScrollBars()
{
    m_horizontal->setGeometry(Frame, Frame + Size - ScrollBarSide, Size - ScrollBarSide,
                              ScrollBarSide);
    m_vertical->setGeometry(Frame + Size - ScrollBarSide, Frame, ScrollBarSide,
                            Size - ScrollBarSide);
}

QPoint PreviewBoard::dotAt(QPointF widgetPoint) const
{
    const QPointF inView = (widgetPoint - QPointF(Frame, Frame)) / m_zoom;
    return m_origin + QPoint(int(std::floor(inView.x())), int(std::floor(inView.y())));
}

QPoint PreviewBoard::widgetPointOf(QPoint dot) const
{
    return (dot - m_origin) * m_zoom + QPoint(Frame, Frame);
}

QRect PreviewBoard::viewRect() const
{
    return {m_origin, QSize(Size / m_zoom, Size / m_zoom)};
}

QRect PreviewBoard::frameOf(const QRect &dots) const
{
    return {widgetPointOf(dots.topLeft()), dots.size() * m_zoom};
}

void PreviewBoard::setPlacementEditable(bool editable)
{
    if (editable == m_placementEditable) return;
    m_placementEditable = editable;
    if (!editable) {
        m_drag = Drag::None;
        m_dragging.reset();
    }
    setCursor(shapeOf(m_cursor));
    update();
}

std::optional<document::Placement> PreviewBoard::editablePlacement() const
{
    if (!m_placementEditable || !m_document || m_cursor != BoardCursor::Default) return {};
    return m_document->placement();
}

std::optional<int> PreviewBoard::cornerAt(QPointF widgetPoint) const
{
    const std::optional<document::Placement> placement = editablePlacement();
    if (!placement) return {};
    const QRect frame = frameOf(placement->rect);
    for (int corner = 0; corner < 4; ++corner) {
        const QPointF at = cornerOf(frame, corner);
        if (std::abs(widgetPoint.x() - at.x()) <= Handle &&
            std::abs(widgetPoint.y() - at.y()) <= Handle)
            return corner;
    }
    return {};
}

void PreviewBoard::showPointerShape(QPointF widgetPoint)
{
    const std::optional<document::Placement> placement = editablePlacement();
    Qt::CursorShape shape = shapeOf(m_cursor);
    if (const std::optional<int> corner = cornerAt(widgetPoint))
        shape = *corner % 2 == 0 ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    else if (placement && placement->rect.contains(dotAt(widgetPoint)))
        shape = Qt::SizeAllCursor;
    if (cursor().shape() != shape) setCursor(shape);
}

document::Placement PreviewBoard::dragged(QPointF widgetPoint,
                                          Qt::KeyboardModifiers modifiers) const
{
    const QPointF moved = (widgetPoint - m_pressedAt) / m_zoom;
    const QPoint delta(int(std::lround(moved.x())), int(std::lround(moved.y())));
    document::Placement out = m_before;
    if (m_drag == Drag::Move) {
        out.rect.translate(delta);
        return out;
    }
    // The opposite corner stays; the picture keeps its proportions unless Shift is held.
    const QPoint fixed = cornerOf(m_before.rect, (m_corner + 2) % 4);
    const QPoint pulled = cornerOf(m_before.rect, m_corner) + delta;
    int width = std::clamp(std::abs(pulled.x() - fixed.x()), 1, document::MaxPlacedSide);
    int height = std::clamp(std::abs(pulled.y() - fixed.y()), 1, document::MaxPlacedSide);
    const QSize picture = m_document ? m_document->pictureSize() : QSize();
    if (!(modifiers & Qt::ShiftModifier) && !picture.isEmpty()) {
        // The side pulled the most, for its length, sets the scale.
        const double across = double(width) / m_before.rect.width();
        const double down = double(height) / m_before.rect.height();
        const double scale = std::abs(std::log(across)) >= std::abs(std::log(down)) ? across : down;
        width =
            std::clamp(int(std::lround(m_before.rect.width() * scale)), 1, document::MaxPlacedSide);
        out = document::resizedToWidth(out, picture, width);
        height = out.rect.height();
    }
    const int left = pulled.x() < fixed.x() ? fixed.x() - width : fixed.x();
    const int top = pulled.y() < fixed.y() ? fixed.y() - height : fixed.y();
    out.rect = QRect(left, top, width, height);
    return out;
}

void PreviewBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect target(Frame, Frame, Size, Size);
    painter.setClipRect(target);
    // Whole dots as squares: no smoothing at any magnification.
    if (m_document) painter.drawImage(target, presented(), viewRect());
    painter.drawImage(target, m_trace, viewRect());
    paintPlacement(painter);
}

void PreviewBoard::paintPlacement(QPainter &painter) const
{
    const std::optional<document::Placement> placement = editablePlacement();
    if (!placement) return;
    const document::Placement shown = m_dragging.value_or(*placement);
    const std::optional<document::Placement> was = m_document->placementOnBoard();
    if (was && (m_dragging || shown != *was)) {
        // Where the picture will be, before it is rendered there on release or once decoded:
        // what of it lies on the board now, the rest left clear.
        const QRect onBoard = was->rect & QRect(0, 0, Size, Size);
        QImage picture(was->rect.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter(&picture).drawImage(onBoard.topLeft() - was->rect.topLeft(),
                                     m_document->rememberedImage(), onBoard);
        painter.setOpacity(0.8);
        painter.fillRect(frameOf(was->rect), Qt::white);
        painter.setOpacity(0.6);
        painter.drawImage(frameOf(shown.rect), picture.mirrored(shown.mirrorH != was->mirrorH,
                                                                shown.mirrorV != was->mirrorV));
        painter.setOpacity(1.0);
    }
    const QRect frame = frameOf(shown.rect);
    QPen pen(QColor(0, 120, 215));
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0, 120, 215));
    painter.setBrush(Qt::white);
    for (int corner = 0; corner < 4; ++corner) {
        const QPoint at = cornerOf(frame, corner);
        painter.drawRect(QRect(at - QPoint(Handle / 2, Handle / 2), QSize(Handle - 1, Handle - 1)));
    }
}

void PreviewBoard::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::MiddleButton && m_zoom > 1) {
        m_drag = Drag::Pan;
        m_pressedAt = at;
        m_before.rect.moveTopLeft(m_origin);
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (const std::optional<document::Placement> placement = editablePlacement()) {
        const std::optional<int> corner = cornerAt(at);
        if (corner || placement->rect.contains(dotAt(at))) {
            m_drag = corner ? Drag::Corner : Drag::Move;
            m_corner = corner.value_or(0);
            m_pressedAt = at;
            m_before = *placement;
        }
    }
    // The one-pixel frame is not the board: a press there means its edge pixel,
    // so the logged and the sent position agree and stay on the board.
    const QPoint p = dotAt(at);
    emit leftButtonPressed(std::clamp(p.x(), 0, Size - 1), std::clamp(p.y(), 0, Size - 1));
}

void PreviewBoard::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const QPoint dot = dotAt(at);
    emit pointerMoved(viewRect().contains(dot) ? std::optional(dot) : std::nullopt);
    switch (m_drag) {
    case Drag::Pan:
        scrollTo(m_before.rect.topLeft() - ((at - m_pressedAt) / m_zoom).toPoint());
        return;
    case Drag::Move:
    case Drag::Corner:
        m_dragging = dragged(at, event->modifiers());
        update();
        return;
    case Drag::None:
        showPointerShape(at);
        return;
    }
}

void PreviewBoard::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Pan) {
        m_drag = Drag::None;
        setCursor(shapeOf(m_cursor));
        return;
    }
    if (m_drag == Drag::None || event->button() != Qt::LeftButton) return;
    // Where the button was let go, with the keys held then.
    const document::Placement wanted = dragged(event->position(), event->modifiers());
    m_drag = Drag::None;
    m_dragging.reset();
    update();
    if (wanted != m_before) emit placementRequested(wanted);
}

void PreviewBoard::leaveEvent(QEvent *event)
{
    emit pointerMoved(std::nullopt);
    QWidget::leaveEvent(event);
}

void PreviewBoard::wheelEvent(QWheelEvent *event)
{
    const QPoint steps = event->angleDelta() / 120;
    if (event->modifiers() & Qt::ControlModifier) {
        if (steps.y() != 0)
            setZoom(steps.y() > 0 ? m_zoom * 2 : m_zoom / 2, event->position().toPoint());
        event->accept();
        return;
    }
    if (m_zoom == 1) {
        event->ignore();
        return;
    }
    const int step = m_horizontal->singleStep() * 3;
    if (event->modifiers() & Qt::ShiftModifier)
        scrollTo(m_origin - QPoint(steps.y() * step, 0));
    else
        scrollTo(m_origin - QPoint(steps.x() * step, steps.y() * step));
    event->accept();
}

void PreviewBoard::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    default:
        break;
    }
    // Plain arrows stay the jog keys.
    if (direction.isNull() || !(mods & (Qt::ShiftModifier | Qt::ControlModifier)) ||
        !editablePlacement()) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit nudgeRequested(direction, mods & Qt::ControlModifier);
    event->accept();
}

}  // namespace tavro::ui
