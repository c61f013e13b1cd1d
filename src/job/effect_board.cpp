#include "job/effect_board.h"

#include "job/render_black_white.h"
#include "job/render_dither.h"

#include <QPainter>

namespace tavro::job {

QImage BlankBoard()
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    board.fill(Qt::white);
    return board;
}

QImage RenderEffectBoard(const QImage &snapshot, Effect effect, int processingSize)
{
    QImage board = BlankBoard();
    if (effect == Effect::BlackWhite) {
        const QImage rendering = RenderBlackWhite(snapshot);
        if (!rendering.isNull()) {
            QPainter painter(&board);
            painter.drawImage(0, 0, rendering);
        }
        return board;
    }
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    RenderDither(snapshot, processingSize, [pixels, stride](int x, int y) {
        // S may exceed the board; dots beyond it have nowhere to go.
        if (x < BoardSize && y < BoardSize)
            reinterpret_cast<QRgb *>(pixels + y * stride)[x] = qRgb(0, 0, 0);
    });
    return board;
}

}  // namespace tavro::job
