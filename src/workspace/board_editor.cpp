#include "workspace/board_editor.h"

#include <QTransform>

using namespace Qt::Literals::StringLiterals;

namespace tavro::workspace {

BoardEditor::BoardEditor(PreviewBoard &board) : m_board(board) {}

QImage BoardEditor::BlankBoardPicture()
{
    static const QImage blank = [] {
        QImage picture(u":/assets/blank_board.bmp"_s);
        if (picture.isNull()) {  // resources missing: the same plain white
            picture = QImage(600, 600, QImage::Format_Mono);
            picture.fill(1);
        }
        return picture;
    }();
    return blank;
}

QImage BoardEditor::RotatedQuarterTurn(const QImage &picture)
{
    // A quarter turn moves pixels without blending them.
    return picture.transformed(QTransform().rotate(90), Qt::FastTransformation);
}

void BoardEditor::ClearBoard()
{
    m_board.Clear();
    InstallBlankBackground();
}

void BoardEditor::InstallBlankBackground()
{
    m_board.SetBackgroundPicture(BlankBoardPicture());
}

void BoardEditor::DrawPicture(const QImage &picture, int x, int y)
{
    m_board.DrawPicture(picture, x, y);
}

void BoardEditor::DrawPoint(int x, int y, QRgb colour)
{
    m_board.DrawPoint(x, y, colour);
}

void BoardEditor::RememberBoardImage()
{
    m_work = m_remembered;
    m_remembered = m_board.Snapshot();
}

void BoardEditor::ReloadPicture()
{
    m_board.Clear();
    m_board.DrawPicture(m_remembered, 0, 0);
    m_work = m_remembered;
}

void BoardEditor::ZoomOutBoard()
{
    m_work = m_board.Snapshot();
    m_board.Clear();
    m_board.DrawPictureScaled(m_work, ZoomMargin, ZoomMargin, ZoomSize, ZoomSize);
}

void BoardEditor::RotateBoard()
{
    m_work = RotatedQuarterTurn(m_board.Snapshot());
    m_board.Clear();
    m_board.DrawPicture(m_work, 0, 0);
}

}  // namespace tavro::workspace
