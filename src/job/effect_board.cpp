#include "job/effect_board.h"

#include "job/dither_methods.h"
#include "job/grey_levels.h"
#include "job/render_black_white.h"
#include "job/render_dither.h"

#include <QPainter>

namespace tavro::job {
namespace {

void drawAtOrigin(QImage &board, const QImage &rendering)
{
    if (rendering.isNull()) return;
    QPainter painter(&board);
    painter.drawImage(0, 0, rendering);
}

void drawDither(QImage &board, const QImage &snapshot, int processingSize)
{
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    RenderDither(snapshot, processingSize, [pixels, stride](int x, int y) {
        // S may exceed the board; dots beyond it have nowhere to go.
        if (x < BoardSize && y < BoardSize)
            reinterpret_cast<QRgb *>(pixels + y * stride)[x] = qRgb(0, 0, 0);
    });
}

// Grey levels as colours whose blue is the level, for the dithering to read.
QImage greyAsColours(const QImage &grey)
{
    if (grey.isNull()) return {};
    QImage colours(grey.size(), QImage::Format_RGB32);
    if (colours.isNull()) return {};
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *in = grey.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(colours.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) out[x] = qRgb(in[x], in[x], in[x]);
    }
    return colours;
}

}  // namespace

QImage BlankBoard()
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    board.fill(Qt::white);
    return board;
}

bool IsOriginalRendering(Effect effect, const PictureTuning &tuning)
{
    if (tuning.grey != GreySource::Auto || !tuning.hasNeutralTone()) return false;
    if (effect == Effect::Dither) return true;
    return effect == Effect::BlackWhite && tuning.threshold == PictureTuning{}.threshold;
}

QImage RenderEffectBoard(const QImage &snapshot, Effect effect, const PictureTuning &tuning,
                         int processingSize)
{
    QImage board = BlankBoard();
    if (IsOriginalRendering(effect, tuning)) {
        if (effect == Effect::BlackWhite)
            drawAtOrigin(board, RenderBlackWhite(snapshot));
        else
            drawDither(board, snapshot, processingSize);
        return board;
    }
    const QImage grey = TunedGreyLevels(snapshot, ResolveGreySource(tuning.grey, effect), tuning);
    if (effect == Effect::Dither)
        drawDither(board, greyAsColours(grey), processingSize);
    else
        drawAtOrigin(board, RenderGreyEffect(grey, effect, tuning.threshold));
    return board;
}

QImage RenderEffectBoard(const QImage &snapshot, Effect effect, int processingSize)
{
    return RenderEffectBoard(snapshot, effect, PictureTuning{}, processingSize);
}

EffectPanels RenderEffectPanels(const QImage &snapshot, const PictureTuning &tuning,
                                int processingSize)
{
    return {RenderEffectBoard(snapshot, Effect::BlackWhite, tuning, processingSize),
            RenderEffectBoard(snapshot, tuning.method, tuning, processingSize)};
}

}  // namespace tavro::job
