// The fixed sizes and levels of the engraving job's image arithmetic.
#pragma once

namespace tavro::render {

// Side of the square processing area the picture is fitted into (S).
inline constexpr int ProcessingSize = 490;
// The error grid's fixed capacity per direction; S may not exceed it.
inline constexpr int ErrorGridCapacity = 600;
// Blue levels at or above this count as paper white before dithering.
inline constexpr int WhiteClampLevel = 230;
// Cells at or below this level (negative ones included) become dots.
inline constexpr int DitherThreshold = 128;
// Sum R + G + B from which a pixel is nearer to white than to black.
inline constexpr int WhiteSumThreshold = 383;
// Side of the preview board and of the burnt area.
inline constexpr int BoardSize = 512;

}  // namespace tavro::render
