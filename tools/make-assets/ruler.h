// The scales along the bottom and right edges of the preview board.
#pragma once

#include <QImage>

namespace tavro::assets {

// 620 x 12: ticks every 13.44 px from x = 0, a digit over every fifth, a base line below.
QImage horizontalRuler();

// 12 x 619: the same scale down the y axis, base line on the right, digits on their side.
QImage verticalRuler();

}  // namespace tavro::assets
