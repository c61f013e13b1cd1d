// The board's content over time: the remembered rendering, Clear, Reload, Zoom Out, Rotate.
#pragma once

#include "job/ui/board_canvas.h"
#include "workspace/preview_board.h"

#include <QImage>
#include <QString>

namespace tavro::workspace {

class BoardEditor final : public job::BoardCanvas {
public:
    static constexpr int ZoomMargin = 10;
    static constexpr int ZoomSize = 482;

    explicit BoardEditor(PreviewBoard &board);

    // Board editing buttons. Clear's control and field effects belong to the window.
    void clearBoard();
    void reloadPicture();
    void zoomOutBoard();
    void rotateBoard();

    // job::BoardCanvas
    void clear() override { m_board.clear(); }
    void installBlankBackground() override;
    void drawPicture(const QImage &picture, int x, int y) override;
    void drawPoint(int x, int y, QRgb colour) override;
    QImage snapshot() const override { return m_board.snapshot(); }
    void rememberBoardImage() override;

    // An opened job: the board exactly as it was saved, and its remembered image for Reload.
    void restoreBoard(const QImage &board, const QImage &remembered);

    const QImage &rememberedImage() const { return m_remembered; }
    const QImage &workImage() const { return m_work; }
    // The text of the last drop: one path, or every path followed by CR LF.
    void setPicturePath(const QString &path) { m_picturePath = path; }
    const QString &picturePath() const { return m_picturePath; }

    static QImage blankBoardPicture();
    // The pixel at (x, y) of a W x H picture goes to (H - 1 - y, x).
    static QImage rotatedQuarterTurn(const QImage &picture);

private:
    PreviewBoard &m_board;
    QImage m_remembered;
    QImage m_work;
    QString m_picturePath;
};

}  // namespace tavro::workspace
