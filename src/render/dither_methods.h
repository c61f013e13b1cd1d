// The tuned renderings of a grey picture: threshold, five error diffusions and an ordered dither.
#pragma once

#include "render/effect.h"

#include <QImage>

namespace tavro::render {

// Each takes Format_Grayscale8 levels (see grey_levels.h) and gives an image of the
// same size in the form of RenderBlackWhite: Format_Mono, index 0 = black (burn),
// 1 = white. A null or non-grey picture gives a null image.

// Black where the level is below `threshold`.
QImage renderThreshold(const QImage &grey, int threshold);

// Rows top to bottom, each left to right. The level plus the error it has received
// is black below 128; the error (that value less 0 or 255) goes in the effect's
// weights to cells not yet visited, and what falls outside the picture is dropped.
// For FloydSteinberg, Atkinson, JarvisJudiceNinke, Stucki and Sierra; other
// effects give a null image.
QImage renderErrorDiffusion(const QImage &grey, Effect effect);

// Ordered 8 x 8: black where the level is below 4 (M + 0.5), M the Bayer index of
// (x mod 8, y mod 8).
QImage renderBayer(const QImage &grey);

// The rendering of any effect that works on grey levels: BlackWhite and Threshold
// both by `threshold`. Dither, which works on its own terms, gives a null image.
QImage renderGreyEffect(const QImage &grey, Effect effect, int threshold);

}  // namespace tavro::render
