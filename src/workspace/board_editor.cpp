#include "workspace/board_editor.h"

#include <QTransform>

using namespace Qt::Literals::StringLiterals;

namespace tavro::workspace {

BoardEditor::BoardEditor(PreviewBoard &board) : m_board(board) {}

QImage BoardEditor::blankBoardPicture()
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

QImage BoardEditor::rotatedQuarterTurn(const QImage &picture)
{
    // A quarter turn moves pixels without blending them.
    return picture.transformed(QTransform().rotate(90), Qt::FastTransformation);
}

void BoardEditor::clearBoard()
{
    m_board.clear();
    installBlankBackground();
}

void BoardEditor::installBlankBackground()
{
    m_board.setBackgroundPicture(blankBoardPicture());
}

void BoardEditor::drawPicture(const QImage &picture, int x, int y)
{
    m_board.drawPicture(picture, x, y);
}

void BoardEditor::drawPoint(int x, int y, QRgb colour)
{
    m_board.drawPoint(x, y, colour);
}

void BoardEditor::rememberBoardImage()
{
    m_work = m_remembered;
    m_remembered = m_board.snapshot();
}

void BoardEditor::reloadPicture()
{
    m_board.clear();
    m_board.drawPicture(m_remembered, 0, 0);
    m_work = m_remembered;
}

void BoardEditor::zoomOutBoard()
{
    m_work = m_board.snapshot();
    m_board.clear();
    m_board.drawPictureScaled(m_work, ZoomMargin, ZoomMargin, ZoomSize, ZoomSize);
}

void BoardEditor::rotateBoard()
{
    m_work = rotatedQuarterTurn(m_board.snapshot());
    m_board.clear();
    m_board.drawPicture(m_work, 0, 0);
}

void BoardEditor::restoreBoard(const QImage &board, const QImage &remembered)
{
    m_board.clear();
    m_board.drawPicture(board, 0, 0);
    m_work = m_remembered;
    m_remembered = remembered;
}

}  // namespace tavro::workspace
