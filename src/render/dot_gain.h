// Dot gain: a burnt dot is wider than a dot of the board, so greys burn darker than their share
// of burnt dots. The compensation lightens each tuned grey before the method runs.
#pragma once

#include "render/effect.h"
#include "render/grey_levels.h"

namespace tavro::render {

// The level each tuned grey level g becomes so that `effect`'s dots, each a disc of `diameter`
// as the as-it-will-burn view draws them, come out as dark as g asks (1 - g / 255 of the
// surface). Measured on the effect's own dots of flat greys: evenly spread dots overlap less
// than randomly placed discs, so the random-disc formula would leave mid-greys too dark.
// Never darker than g: a disc that covers no more than its own dot (a diameter up to about
// 1.13, so 1 exactly) changes nothing. Threshold and BlackWhite burn all or nothing and are
// left alone.
ToneCurve dotGainCurve(Effect effect, double diameter);

// The curve applied to every pixel of a Format_Grayscale8 picture, in place.
void applyToneCurve(QImage &grey, const ToneCurve &curve);

}  // namespace tavro::render
