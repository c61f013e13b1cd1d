// The one way a picture file becomes pixels: recognised by its first bytes, never by its name.
#pragma once

#include "pictures/picture_format.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <optional>

namespace tavro::pictures {

struct LoadedPicture {
    QString name;   // the path, or the name given with the bytes
    QSize size;     // as the file declares it; 0 x 0 when unreadable
    QImage image;   // may be smaller than size when decoding was reduced; null when unreadable
    QString error;  // why it is unreadable; empty otherwise
    // An SVG: the image is drawn to fit drawSize, and size is that drawing's; placed at
    // another size it is drawn again from VectorPicture, never scaled from this image.
    bool isVector = false;
    // A vector's own size in millimetres, when its document gives one.
    std::optional<QSizeF> sizeMm;

    bool isReadable() const { return !image.isNull(); }
    int width() const { return size.width(); }
    int height() const { return size.height(); }
};

struct PictureLoadOptions {
    // When positive, the picture will be drawn no larger than this many pixels a side,
    // so large JPEGs may be decoded at 1/2, 1/4 or 1/8 scale, never below this.
    int drawSize = 0;
    // Pictures that claim more pixels are refused before they are decoded.
    qint64 maxPixels = MaxPicturePixels;
};

// Accepts JPEG, BMP, PNG, GIF (first frame), icon and cursor files, PCX, and SVG (isVector set).
// The path is
// opened by its bytes (see platform::fileNameFromBytes), so names that are not valid UTF-8 open
// too.
LoadedPicture loadPicture(const QString &path, const PictureLoadOptions &options = {});
LoadedPicture loadPictureData(const QByteArray &data, const QString &name,
                              const PictureLoadOptions &options = {});

}  // namespace tavro::pictures
