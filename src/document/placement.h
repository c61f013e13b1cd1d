// Where a chosen picture lies on the board, how large, which way round, and the millimetres
// the operator speaks in.
#pragma once

#include "platform/outcome.h"
#include "render/picture_tuning.h"

#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

namespace tavro::settings {
class ProfileFile;
}  // namespace tavro::settings

namespace tavro::document {

// A picture may be larger than the board (only what lies on it burns), but not without end.
inline constexpr int MaxPlacedSide = 2048;

// The board's scale on the work piece; the rulers are drawn at the default.
inline constexpr render::TuningRange<double> DotsPerMillimetreRange{1.0, 100.0};
inline constexpr double DefaultDotsPerMillimetre = 13.4;
double loadDotsPerMillimetre(const settings::ProfileFile &file);
bool saveDotsPerMillimetre(settings::ProfileFile &file, double dotsPerMillimetre);

struct Placement {
    QRect rect;            // in board dots; it may reach past the board's edges
    bool mirrorH = false;  // left and right swapped
    bool mirrorV = false;  // top and bottom swapped

    bool isValid() const;  // a size within limits and at least one dot on the board
    friend bool operator==(const Placement &, const Placement &) = default;
};

// Where the effect chooser puts a picture of this declared size: fitted into the processing
// area, not mirrored. A picture at this placement renders exactly as the chooser shows it.
Placement defaultPlacement(QSize declaredSize);

// A picture with a size of its own in millimetres (an SVG's) is placed at that size, centred
// where the chooser would put it; one larger than the board, or without a size, as the chooser
// puts it.
Placement placementAtOwnSize(QSize declaredSize, std::optional<QSizeF> sizeMm,
                             double dotsPerMillimetre);

// The rect moved so that its top-left is at `topLeft`; the size stays.
Placement moved(const Placement &placement, QPoint topLeft);
// The rect given a new width, the height following the picture's proportions, around the
// same top-left corner.
Placement resizedToWidth(const Placement &placement, QSize pictureSize, int width);

// What the operator asks in millimetres; what is not given stays as it is. A width or a
// height (the other follows the picture's proportions) keeps the rect's centre unless a
// left or top edge is given too.
struct PlacementRequest {
    std::optional<double> widthMm{};
    std::optional<double> heightMm{};
    std::optional<double> leftMm{};
    std::optional<double> topMm{};
    std::optional<bool> mirrorH{};
    std::optional<bool> mirrorV{};
};

// The placement asked for, or why it cannot be met, saying what was asked.
platform::Result<Placement> applyPlacementRequest(const Placement &from, QSize pictureSize,
                                                  const PlacementRequest &request,
                                                  double dotsPerMillimetre);

// Millimetres of a count of dots, and back (rounded to the nearest dot).
double millimetres(double dots, double dotsPerMillimetre);
int dotsOf(double millimetres, double dotsPerMillimetre);

}  // namespace tavro::document
