// The 512 x 512 preview board: shows the job's board and the laser's trace over it, magnified if
// asked, takes the operator's presses in board pixels, and lets the chosen picture be dragged
// and resized.
#pragma once

#include "document/placement.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QScrollBar;

namespace tavro::document {
class JobDocument;
class TraceOverlay;
}  // namespace tavro::document

namespace tavro::ui {

// The board's mouse pointer, which is also what a left-button press means.
enum class BoardCursor { Default, Cross, IBeam };

class PreviewBoard final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 512;
    static constexpr QRgb TraceColour = 0xFFFF0000;
    static constexpr int MaxZoom = 8;

    explicit PreviewBoard(QWidget *parent = nullptr);

    // What the board shows from now on; both outlive the board.
    void showJob(const document::JobDocument &document, const document::TraceOverlay &trace);

    // The board as the operator sees it at actual size: the job's board with the trace in red.
    QImage shownImage() const;

    // What is shown in place of the job's board (as it will burn, a preview), made from it
    // whenever it changes; an empty function shows the board itself. The job is never changed.
    using Presenter = std::function<QImage(const QImage &board)>;
    void setPresenter(Presenter presenter);

    void setBoardCursor(BoardCursor cursor);
    BoardCursor boardCursor() const { return m_cursor; }

    // 1, 2, 4 or 8 board dots to a screen pixel each way, as squares; the view keeps the dot
    // under `anchor` (a point of the widget) where it is, the middle without one.
    int zoom() const { return m_zoom; }
    void setZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);
    void zoomIn();
    void zoomOut();
    // The top-left dot in view.
    QPoint viewOrigin() const { return m_origin; }
    void scrollTo(QPoint origin);
    // The board dot under a point of the widget, and the widget point of a dot's top-left.
    QPoint dotAt(QPointF widgetPoint) const;
    QPoint widgetPointOf(QPoint dot) const;

    // While true, the chosen picture's frame shows, and dragging it or its corners asks for a
    // new placement (with the arrow pointer only: the location modes and text own the others).
    void setPlacementEditable(bool editable);

signals:
    // A left-button press on the surface, in board pixels.
    void leftButtonPressed(int x, int y);
    // The dot under the pointer; nothing once it left the board.
    void pointerMoved(std::optional<QPoint> dot);
    void viewChanged();
    // A drag of the picture or of a corner ended here.
    void placementRequested(const tavro::document::Placement &placement);
    // Shift with an arrow key: one dot that way; with Ctrl as well, a millimetre.
    void nudgeRequested(QPoint direction, bool millimetre);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Drag { None, Move, Corner, Pan };

    void clearTrace();
    const QImage &presented() const;
    QRect viewRect() const;
    std::optional<document::Placement> editablePlacement() const;
    // Which corner of the frame is under a widget point: 0 top-left, then clockwise.
    std::optional<int> cornerAt(QPointF widgetPoint) const;
    QRect frameOf(const QRect &dots) const;
    void placeScrollBars();
    void showPointerShape(QPointF widgetPoint);
    document::Placement dragged(QPointF widgetPoint, Qt::KeyboardModifiers modifiers) const;
    void paintPlacement(QPainter &painter) const;

    const document::JobDocument *m_document = nullptr;
    Presenter m_presenter;
    mutable QImage m_presented;  // null until asked for after a change
    QImage m_trace;              // transparent but for the trace's points
    BoardCursor m_cursor = BoardCursor::Default;
    int m_zoom = 1;
    QPoint m_origin;
    QScrollBar *m_horizontal = nullptr;
    QScrollBar *m_vertical = nullptr;
    bool m_placementEditable = false;
    Drag m_drag = Drag::None;
    int m_corner = 0;
    QPointF m_pressedAt;  // widget point where the drag began
    document::Placement m_before;
    std::optional<document::Placement> m_dragging;  // shown while the button is held
};

}  // namespace tavro::ui
