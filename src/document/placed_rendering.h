// A chosen picture with its rendering and where it lies, and the board it makes.
#pragma once

#include "document/chosen_picture.h"
#include "document/placement.h"
#include "platform/outcome.h"
#include "render/effect.h"
#include "render/picture_tuning.h"

#include <QImage>

namespace tavro::document {

struct PlacedRendering {
    ChosenPicture picture;
    render::Effect effect = render::Effect::BlackWhite;
    render::PictureTuning tuning;
    Placement placement;

    bool isDefaultPlacement() const;
    // renderPlaced() can answer without waiting for the picture's decoding.
    bool isReadyToRender() const;
    friend bool operator==(const PlacedRendering &, const PlacedRendering &) = default;
};

// The 512 x 512 board on white, or why the picture cannot be placed. At the default placement
// exactly what the effect chooser shows. Anywhere else the picture is rendered anew at its placed
// size (never a 1-bit picture scaled): the same method and tuning on its own pixels, the rest of
// the board white, only what lies on the board rendered. Waits for the picture's decoding unless
// isReadyToRender().
platform::Result<QImage> renderPlaced(const PlacedRendering &rendering);

}  // namespace tavro::document
