// What the effect chooser and the upload need of the preview board.
#pragma once

#include <QImage>

namespace tavro::job {

class BoardCanvas {
public:
    virtual ~BoardCanvas() = default;

    // Repaints the whole surface with the background picture.
    virtual void clear() = 0;
    // Installs the plain white background and repaints from it.
    virtual void installBlankBackground() = 0;
    // Unscaled, top-left pixel at (x, y), copying pixels.
    virtual void drawPicture(const QImage &picture, int x, int y) = 0;
    virtual void drawPoint(int x, int y, QRgb colour) = 0;
    // The whole 512 x 512 surface.
    virtual QImage snapshot() const = 0;
    // Keeps the board as it is now for Reload.
    virtual void rememberBoardImage() = 0;
};

}  // namespace tavro::job
