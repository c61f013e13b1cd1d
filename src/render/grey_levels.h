// The grey level each tuned rendering reads: a grey source, then brightness, contrast, gamma,
// invert.
#pragma once

#include "render/picture_tuning.h"

#include <QImage>

#include <array>

namespace tavro::render {

// The tone of every level 0..255, for one lookup per pixel.
using ToneCurve = std::array<uchar, 256>;

// Brightness, contrast, gamma and invert in that order, each in double precision and
// clamped to 0..255, the result rounded half up. Levels outside 0..255 are clamped first.
int adjustLevel(int level, const PictureTuning &tuning);
ToneCurve makeToneCurve(const PictureTuning &tuning);

// Format_Grayscale8, the picture's size: each pixel's level from `source`, rounded half up,
// through the tone of `tuning`. Auto reads as Luma: resolve it for the effect first
// (resolveGreySource). Alpha is ignored, as by the original renderings. A null picture gives null.
QImage tunedGreyLevels(const QImage &picture, GreySource source, const PictureTuning &tuning);

}  // namespace tavro::render
