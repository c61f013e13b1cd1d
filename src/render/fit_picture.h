// Where a picture is drawn inside the square processing area.
#pragma once

namespace tavro::render {

struct FitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const FitRect &, const FitRect &) = default;
};

// A picture larger than the area in either direction is shrunk to touch its edges,
// keeping its proportions; a smaller one keeps its size. Both are centred. An
// unreadable picture (0 x 0) gives an empty rectangle in the middle.
FitRect fitPicture(int width, int height, int processingSize);

}  // namespace tavro::render
