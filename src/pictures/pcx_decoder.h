// Decodes run-length encoded PCX pictures, which Qt cannot read.
#pragma once

#include "pictures/picture_format.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tavro::pictures {

struct PcxPicture {
    QImage image;   // Format_RGB32; null when the file cannot be read
    QString error;  // why, when the image is null
};

// Accepts 1 bit with 1 to 4 planes (16-colour header palette; one plane is black and
// white), 2 and 4 bits packed (header palette), 8 bits (the 256-colour palette at the
// end, grey levels when it is missing) and 8 bits with 3 or 4 planes (true colour,
// a fourth plane ignored). The header is checked against the data before anything is
// allocated, so a header that lies about its size costs nothing, and a picture of more
// than maxPixels is refused.
PcxPicture decodePcx(const QByteArray &data, qint64 maxPixels = MaxPicturePixels);

}  // namespace tavro::pictures
