#include "render/effect_board.h"

#include "render/dither_methods.h"
#include "render/dot_gain.h"
#include "render/grey_levels.h"
#include "render/render_black_white.h"
#include "render/render_dither.h"
#include "render/work_snapshot.h"

#include <algorithm>

namespace tavro::render {
namespace {

// A black-and-white rendering (Format_Mono, index 0 black) drawn onto the white
// board with its top-left corner at `origin`, cut at the board's edges.
void drawAt(QImage &board, const QImage &rendering, QPoint origin = {})
{
    if (rendering.isNull()) return;
    const int width = qMin(rendering.width(), board.width() - origin.x());
    const int height = qMin(rendering.height(), board.height() - origin.y());
    for (int y = 0; y < height; ++y) {
        const uchar *bits = rendering.constScanLine(y);
        auto *out = reinterpret_cast<QRgb *>(board.scanLine(origin.y() + y)) + origin.x();
        for (int x = 0; x < width; x += 8) {
            const unsigned whites = bits[x >> 3];
            if (whites == 0xFF) continue;
            for (int i = 0; i < qMin(8, width - x); ++i)
                if (!(whites >> (7 - i) & 1)) out[x + i] = qRgb(0, 0, 0);
        }
    }
}

// Dots outside `area` are not drawn.
void drawDither(QImage &board, const QImage &snapshot, int processingSize, QRect area)
{
    uchar *const pixels = board.bits();
    const qsizetype stride = board.bytesPerLine();
    area &= board.rect();  // S may exceed the board; dots beyond it have nowhere to go
    renderDither(snapshot, processingSize, [pixels, stride, area](int x, int y) {
        if (area.contains(x, y)) reinterpret_cast<QRgb *>(pixels + y * stride)[x] = qRgb(0, 0, 0);
    });
}

// The tuned levels of the picture's own pixels, the margins white and left untouched. The
// original dithering spreads error only right and down, and everything above and left of the
// picture is white, so no margin passes error into the picture: dropping the dots that land
// on a margin drops every share that fell there.
QImage tunedDitherLevels(const QImage &snapshot, QRect area, const PictureTuning &tuning)
{
    QImage levels(snapshot.size(), QImage::Format_Grayscale8);
    levels.fill(255);
    QImage picture = tunedGreyLevels(snapshot.copy(area),
                                     resolveGreySource(tuning.grey, Effect::Dither), tuning);
    if (tuning.compensateDotGain)
        applyToneCurve(picture, dotGainCurve(Effect::Dither, tuning.dotDiameter));
    for (int y = 0; y < picture.height(); ++y)
        std::copy_n(picture.constScanLine(y), picture.width(),
                    levels.scanLine(area.top() + y) + area.left());
    return levels;
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
            drawAt(board, renderBlackWhite(snapshot));
        else
            drawDither(board, snapshot, processingSize, board.rect());
        return board;
    }
    return renderPictureArea(snapshot, effect, tuning, processingSize);
}

QImage renderPictureArea(const QImage &snapshot, Effect effect, const PictureTuning &tuning,
                         int processingSize)
{
    QImage board = blankBoard();
    // Tuning is for the picture's own pixels: the margins stay white, and error diffusion
    // drops the shares that would fall on them as it drops those beyond the surface.
    const QRect area = pictureArea(snapshot);
    if (area.isEmpty()) return board;
    if (effect == Effect::Dither) {
        drawDither(board, greyAsColours(tunedDitherLevels(snapshot, area, tuning)), processingSize,
                   area);
    } else {
        QImage grey =
            tunedGreyLevels(snapshot.copy(area), resolveGreySource(tuning.grey, effect), tuning);
        if (tuning.compensateDotGain)
            applyToneCurve(grey, dotGainCurve(effect, tuning.dotDiameter));
        drawAt(board, renderGreyEffect(grey, effect, tuning.threshold), area.topLeft());
    }
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

}  // namespace tavro::render
