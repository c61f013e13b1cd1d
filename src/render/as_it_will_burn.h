// The board as it will look burnt: every burnt dot a disc in the burn colour on the material.
#pragma once

#include "render/dot_footprint.h"

#include <QImage>
#include <QRgb>

#include <array>

namespace tavro::render {

// A light birch and a dark brown, until a material says otherwise.
inline constexpr QRgb DefaultMaterialColour = qRgb(0xE8, 0xCF, 0xA6);
inline constexpr QRgb DefaultBurnColour = qRgb(0x3A, 0x24, 0x12);

struct BurnLook {
    double dotDiameter = DefaultDotDiameter;
    QRgb material = DefaultMaterialColour;
    QRgb burn = DefaultBurnColour;

    friend bool operator==(const BurnLook &, const BurnLook &) = default;
};

// Holds the colour of every neighbourhood for one look, so a redraw is one lookup a pixel.
class AsItWillBurn {
public:
    explicit AsItWillBurn(const BurnLook &look);

    const BurnLook &look() const { return m_look; }
    // Format_RGB32, the board's size (512 x 512). A pixel that does not burn and that no
    // neighbour's disc reaches is the material colour exactly; the pixels that burn are those
    // of the upload raster.
    QImage render(const QImage &board) const;
    QImage render(const BurnMask &mask) const;

private:
    BurnLook m_look;
    std::array<QRgb, DotFootprint::Patterns> m_colours{};
};

}  // namespace tavro::render
