// The preview board as it looks right after the operator picks one of the two renderings.
#pragma once

#include "job/raster_constants.h"

#include <QImage>

namespace tavro::job {

enum class Effect { BlackWhite, Dither };

// 512 x 512, all white, Format_RGB32.
QImage BlankBoard();

// A blank board with the rendering of the snapshot in its top-left corner: the
// black-and-white image drawn at (0, 0), or the dots of one dithering run.
QImage RenderEffectBoard(const QImage &snapshot, Effect effect,
                         int processingSize = ProcessingSize);

}  // namespace tavro::job
