#include "job/effect_board.h"

#include "job/dither_methods.h"
#include "job/grey_levels.h"
#include "job/render_black_white.h"
#include "job/render_dither.h"

namespace tavro::job {
namespace {

// A black-and-white rendering (Format_Mono, index 0 black) drawn onto the white
// board at (0, 0), cut at the board's edges.
void drawAtOrigin(QImage &board, const QImage &rendering)
{
    if (rendering.isNull()) return;
    const int width = qMin(rendering.width(), board.width());
    const int height = qMin(rendering.height(), board.height());
    for (int y = 0; y < height; ++y) {
        const uchar *bits = rendering.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(board.scanLine(y));
        for (int x = 0; x < width; x += 8) {
            const unsigned whites = bits[x >> 3];
            if (whites == 0xFF) continue;
            for (int i = 0; i < qMin(8, width - x); ++i)
                if (!(whites >> (7 - i) & 1)) out[x + i] = qRgb(0, 0, 0);
        }
    }
}

void drawDither(QImage &board, const QImage &snapshot, int processingSize)
{
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    renderDither(snapshot, processingSize, [pixels, stride](int x, int y) {
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
    const int width = grey.width();
    const int height = grey.height();
    for (int y = 0; y < height; ++y) {
        const uchar *in = grey.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(colours.scanLine(y));
        for (int x = 0; x < width; ++x) out[x] = qRgb(in[x], in[x], in[x]);
    }
    return colours;
}

}  // namespace

QImage blankBoard()
{
    QImage board(BoardSize, BoardSize, QImage::Format_RGB32);
    board.fill(Qt::white);
    return board;
}

bool isOriginalRendering(Effect effect, const PictureTuning &tuning)
{
    if (tuning.grey != GreySource::Auto || !tuning.hasNeutralTone()) return false;
    if (effect == Effect::Dither) return true;
    return effect == Effect::BlackWhite && tuning.threshold == PictureTuning{}.threshold;
}

QImage renderEffectBoard(const QImage &snapshot, Effect effect, const PictureTuning &tuning,
                         int processingSize)
{
    QImage board = blankBoard();
    if (isOriginalRendering(effect, tuning)) {
        if (effect == Effect::BlackWhite)
            drawAtOrigin(board, renderBlackWhite(snapshot));
        else
            drawDither(board, snapshot, processingSize);
        return board;
    }
    const QImage grey = tunedGreyLevels(snapshot, resolveGreySource(tuning.grey, effect), tuning);
    if (effect == Effect::Dither)
        drawDither(board, greyAsColours(grey), processingSize);
    else
        drawAtOrigin(board, renderGreyEffect(grey, effect, tuning.threshold));
    return board;
}

QImage renderEffectBoard(const QImage &snapshot, Effect effect, int processingSize)
{
    return renderEffectBoard(snapshot, effect, PictureTuning{}, processingSize);
}

EffectPanels renderEffectPanels(const QImage &snapshot, const PictureTuning &tuning,
                                int processingSize)
{
    return {renderEffectBoard(snapshot, Effect::BlackWhite, tuning, processingSize),
            renderEffectBoard(snapshot, tuning.method, tuning, processingSize)};
}

}  // namespace tavro::job
