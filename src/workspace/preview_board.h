// The 512 x 512 preview board: shows the job's board and the laser's trace over it, and takes
// the operator's presses in board pixels.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace tavro::job {
class JobDocument;
class TraceOverlay;
}  // namespace tavro::job

namespace tavro::workspace {

// The board's mouse pointer, which is also what a left-button press means.
enum class BoardCursor { Default, Cross, IBeam };

class PreviewBoard final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 512;
    static constexpr QRgb TraceColour = 0xFFFF0000;

    explicit PreviewBoard(QWidget *parent = nullptr);

    // What the board shows from now on; both outlive the board.
    void showJob(const job::JobDocument &document, const job::TraceOverlay &trace);

    // The board as the operator sees it: the job's board with the trace in red over it.
    QImage shownImage() const;

    // What is shown in place of the job's board (as it will burn, a preview), made from it
    // whenever it changes; an empty function shows the board itself. The job is never changed.
    using Presenter = std::function<QImage(const QImage &board)>;
    void setPresenter(Presenter presenter);

    void setBoardCursor(BoardCursor cursor);
    BoardCursor boardCursor() const { return m_cursor; }

signals:
    // A left-button press on the surface, in board pixels.
    void leftButtonPressed(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void clearTrace();
    const QImage &presented() const;

    const job::JobDocument *m_document = nullptr;
    Presenter m_presenter;
    mutable QImage m_presented;  // null until asked for after a change
    QImage m_trace;              // transparent but for the trace's points
    BoardCursor m_cursor = BoardCursor::Default;
};

}  // namespace tavro::workspace
