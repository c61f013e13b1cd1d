// Recognises a picture file by its first bytes and spots files that would harm the decoder.
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tavro::pictures {

// Svg is a vector picture (VectorPicture), never decoded to pixels here.
enum class PictureFormat { Unknown, Jpeg, Bmp, Png, Gif, Icon, Pcx, Svg };

// No decoded picture may need more than this; larger claims are refused unread.
inline constexpr qint64 MaxPictureBytes = qint64(256) * 1024 * 1024;
// The same limit in pixels of 4 bytes each.
inline constexpr qint64 MaxPicturePixels = MaxPictureBytes / 4;
// The inflated text chunks of a PNG (comments, camera and editing notes) are never this large.
inline constexpr qint64 MaxPictureTextBytes = qint64(16) * 1024 * 1024;

// True when a picture of this size has at most maxPixels pixels (negative sizes never fit).
bool fitsPictureLimit(qint64 width, qint64 height, qint64 maxPixels = MaxPicturePixels);

// The name never counts; only the leading bytes do. SVG text is recognised by its root element
// <svg> after any XML declaration, comments and DOCTYPE; gzip-compressed SVG is not.
PictureFormat sniffPictureFormat(const QByteArray &data);

// The names such files usually have, for a file dialog's filter ("*.png", ...); the loader
// itself never looks at names.
QStringList pictureNamePatterns();

// Qt's reader name for the formats Qt decodes; empty for Unknown, Pcx and Svg.
QByteArray qtFormatName(PictureFormat format);

// Qt hands back partial pictures from JPEG, BMP and GIF files that were cut short, and
// libpng allocates whatever a PNG chunk claims and inflates whatever text it holds (in icon
// files too). These checks catch such files from their structure: done when the file looks
// whole and sane, failed with the hazard otherwise.
platform::Outcome checkDecodingHazards(PictureFormat format, const QByteArray &data);

}  // namespace tavro::pictures
