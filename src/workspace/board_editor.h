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
    void ClearBoard();
    void ReloadPicture();
    void ZoomOutBoard();
    void RotateBoard();

    // job::BoardCanvas
    void Clear() override { m_board.Clear(); }
    void InstallBlankBackground() override;
    void DrawPicture(const QImage &picture, int x, int y) override;
    void DrawPoint(int x, int y, QRgb colour) override;
    QImage Snapshot() const override { return m_board.Snapshot(); }
    void RememberBoardImage() override;

    const QImage &RememberedImage() const { return m_remembered; }
    const QImage &WorkImage() const { return m_work; }
    // The text of the last drop: one path, or every path followed by CR LF.
    void setPicturePath(const QString &path) { m_picturePath = path; }
    const QString &PicturePath() const { return m_picturePath; }

    static QImage BlankBoardPicture();
    // The pixel at (x, y) of a W x H picture goes to (H - 1 - y, x).
    static QImage RotatedQuarterTurn(const QImage &picture);

private:
    PreviewBoard &m_board;
    QImage m_remembered;
    QImage m_work;
    QString m_picturePath;
};

}  // namespace tavro::workspace
