// The dithered rendering: error diffusion of the blue level into black dots on white.
#pragma once

#include <QImage>

#include <functional>

namespace tavro::render {

using PutDot = std::function<void(int x, int y)>;
using AfterWhite = std::function<void()>;

// Decides the cells 1..S-1 of the snapshot row by row, left to right, and calls
// putDot for every black dot and afterWhite after every white decision, in that
// order. Reads outside the snapshot count as black. Either callback may be empty.
// S outside 1..ErrorGridCapacity decides nothing.
void renderDither(const QImage &snapshot, int processingSize, const PutDot &putDot,
                  const AfterWhite &afterWhite = {});

}  // namespace tavro::render
