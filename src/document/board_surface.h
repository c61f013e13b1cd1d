// The 512 x 512 surface of the preview board: a background picture and what is drawn over it.
#pragma once

#include "render/raster_constants.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace tavro::document {

class BoardSurface {
public:
    // The face colour of the platform's controls, under a background that does not cover all.
    static constexpr QRgb FaceColour = 0xFFF0F0F0;

    BoardSurface();

    // Repaints the whole surface: the face colour, then the background from the top-left.
    void clear();
    // Installs a new background and repaints from it: what was drawn is gone.
    void setBackground(const QImage &picture);
    // Unscaled, copying pixels; what falls off the surface is cut.
    void drawPicture(const QImage &picture, int x, int y);
    // Stretched or shrunk; each target pixel averages the source pixels it covers.
    void drawPictureScaled(const QImage &picture, int x, int y, int width, int height);
    // Black glyphs, transparent elsewhere, with the top-left of the line at (x, y).
    void writeText(int x, int y, const QString &text, const QFont &font);
    // The same glyphs on any picture: every pixel they touch black, the rest untouched.
    static void writeText(QImage &image, int x, int y, const QString &text, const QFont &font);

    const QImage &image() const { return m_image; }
    const QImage &background() const { return m_background; }
    // Exactly as it was: these pixels over this background.
    void restore(const QImage &image, const QImage &background);

private:
    QImage m_image;
    QImage m_background;
};

}  // namespace tavro::document
