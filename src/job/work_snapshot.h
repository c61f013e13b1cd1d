// The working surface: the picture fitted into the processing area, as both renderings read it.
#pragma once

#include "job/raster_constants.h"
#include "platform/picture_loader.h"

#include <QImage>
#include <QSize>

namespace tavro::job {

// An S x S white surface with the picture stretched into the FitPicture rectangle of
// declaredSize. The picture may be a reduced decoding of a larger file: placement
// always follows the declared size. A null picture leaves the surface white.
QImage makeWorkSnapshot(const QImage &picture, QSize declaredSize,
                        int processingSize = ProcessingSize);
QImage makeWorkSnapshot(const platform::LoadedPicture &picture,
                        int processingSize = ProcessingSize);

}  // namespace tavro::job
