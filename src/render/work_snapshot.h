// The working surface: the picture fitted into the processing area, as both renderings read it.
#pragma once

#include "pictures/picture_loader.h"
#include "render/raster_constants.h"

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>

namespace tavro::render {

// The surface around the picture: white, so the original renderings read it as paper, and
// transparent, so the tuned ones know it is no part of the picture.
inline constexpr QRgb Margin = 0x00FFFFFF;

// An S x S Format_ARGB32 surface: the picture stretched into the FitPicture rectangle of
// declaredSize, laid on white (transparent pixels of the picture read as white), and Margin
// around it. The picture may be a reduced decoding of a larger file: placement always
// follows the declared size. A null picture leaves the whole surface Margin.
QImage makeWorkSnapshot(const QImage &picture, QSize declaredSize,
                        int processingSize = ProcessingSize);
QImage makeWorkSnapshot(const pictures::LoadedPicture &picture,
                        int processingSize = ProcessingSize);

// Where the picture lies on a surface: the smallest rectangle holding every pixel that is not
// fully transparent; all of it for a surface without alpha.
QRect pictureArea(const QImage &snapshot);

}  // namespace tavro::render
