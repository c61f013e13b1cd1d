#include "document/placed_rendering.h"

#include "render/effect_board.h"
#include "render/raster_constants.h"
#include "render/work_snapshot.h"

#include <QPainter>

namespace tavro::document {

bool PlacedRendering::isDefaultPlacement() const
{
    return placement == defaultPlacement(picture.declaredSize());
}

bool PlacedRendering::isReadyToRender() const
{
    return isDefaultPlacement() || picture.isDecoded();
}

platform::Result<QImage> renderPlaced(const PlacedRendering &rendering)
{
    if (rendering.isDefaultPlacement())
        return render::renderEffectBoard(rendering.picture.snapshot(), rendering.effect,
                                         rendering.tuning);
    const Placement &placement = rendering.placement;
    const platform::Result<QImage> picture =
        rendering.picture.scaled(placement.rect.size(), placement.mirrorH, placement.mirrorV);
    if (!picture) return picture;
    // The board as a working surface: the picture where it lies on it, render::Margin around it.
    const QRect onBoard = placement.rect & QRect(0, 0, render::BoardSize, render::BoardSize);
    QImage surface(render::BoardSize, render::BoardSize, QImage::Format_ARGB32);
    surface.fill(render::Margin);
    {
        QPainter painter(&surface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(onBoard.topLeft(), *picture,
                          onBoard.translated(-placement.rect.topLeft()));
    }
    return render::renderPictureArea(surface, rendering.effect, rendering.tuning,
                                     render::BoardSize);
}

}  // namespace tavro::document
