// The preview board as it looks right after the operator picks one of the renderings.
#pragma once

#include "render/effect.h"
#include "render/picture_tuning.h"
#include "render/raster_constants.h"

#include <QImage>

namespace tavro::render {

// 512 x 512, all white, Format_RGB32.
QImage blankBoard();

// A blank board with the rendering of the snapshot in its top-left corner: an image
// rendering drawn at (0, 0), or the dots of one dithering run. BlackWhite and Dither
// with neutral tuning (the default: Auto grey, neutral tone, threshold 128) are the
// original renderings exactly; any other tuning renders the tuned grey levels of the
// picture's own pixels (pictureArea): its margins stay white, and error diffusion drops
// what would fall on them. tuning.method is not read: the effect is the one asked for.
QImage renderEffectBoard(const QImage &snapshot, Effect effect, const PictureTuning &tuning,
                         int processingSize = ProcessingSize);
QImage renderEffectBoard(const QImage &snapshot, Effect effect,
                         int processingSize = ProcessingSize);

// The rendering of the picture's own pixels alone, whatever the tuning (the way renderEffectBoard
// renders a tuned picture): its margins white, nothing of error diffusion falling on them.
QImage renderPictureArea(const QImage &snapshot, Effect effect, const PictureTuning &tuning,
                         int processingSize);

// Both panels of the effect chooser for one tuning: BlackWhite on the left,
// tuning.method on the right.
struct EffectPanels {
    QImage left;
    QImage right;
};
EffectPanels renderEffectPanels(const QImage &snapshot, const PictureTuning &tuning,
                                int processingSize = ProcessingSize);

// True when `effect` under `tuning` is one of the original renderings, untouched.
bool isOriginalRendering(Effect effect, const PictureTuning &tuning);

}  // namespace tavro::render
