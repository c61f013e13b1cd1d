#include "workspace/preview_board.h"

#include "job/job_document.h"
#include "job/trace_overlay.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tavro::workspace {
namespace {

constexpr int Frame = 1;

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

}  // namespace

PreviewBoard::PreviewBoard(QWidget *parent)
    : QWidget(parent), m_trace(Size, Size, QImage::Format_ARGB32_Premultiplied)
{
    m_trace.fill(Qt::transparent);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBoard::showJob(const job::JobDocument &document, const job::TraceOverlay &trace)
{
    m_document = &document;
    connect(&document, &job::JobDocument::boardChanged, this, [this] {
        m_presented = QImage();
        update();
    });
    connect(&trace, &job::TraceOverlay::pointAdded, this, [this](QPoint point) {
        m_trace.setPixel(point, TraceColour);
        update(QRect(point + QPoint(Frame, Frame), QSize(1, 1)));
    });
    connect(&trace, &job::TraceOverlay::cleared, this, &PreviewBoard::clearTrace);
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
}

void PreviewBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_document) painter.drawImage(Frame, Frame, presented());
    painter.drawImage(Frame, Frame, m_trace);
}

void PreviewBoard::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    // The one-pixel frame is not the board: a press there means its edge pixel,
    // so the logged and the sent position agree and stay on the board.
    const QPoint p = event->position().toPoint() - QPoint(Frame, Frame);
    emit leftButtonPressed(std::clamp(p.x(), 0, Size - 1), std::clamp(p.y(), 0, Size - 1));
}

}  // namespace tavro::workspace
