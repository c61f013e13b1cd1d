// What the effect chooser and the upload need of the preview board.
#pragma once

#include <QImage>

namespace tavro::job {

class BoardCanvas {
public:
    virtual ~BoardCanvas() = default;

    // Repaints the whole surface with the background picture.
    virtual void Clear() = 0;
    // Installs the plain white background and repaints from it.
    virtual void InstallBlankBackground() = 0;
    // Unscaled, top-left pixel at (x, y), copying pixels.
    virtual void DrawPicture(const QImage &picture, int x, int y) = 0;
    virtual void DrawPoint(int x, int y, QRgb colour) = 0;
    // The whole 512 x 512 surface.
    virtual QImage Snapshot() const = 0;
    // Keeps the board as it is now for Reload.
    virtual void RememberBoardImage() = 0;
};

}  // namespace tavro::job
