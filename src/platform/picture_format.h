// Recognises a picture file by its first bytes and spots files that end too early.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tavro::platform {

enum class PictureFormat { Unknown, Jpeg, Bmp, Png, Gif, Icon, Pcx };

// No decoded picture may need more than this; larger claims are refused unread.
inline constexpr qint64 kMaxPictureBytes = qint64(256) * 1024 * 1024;

// True when a picture of this size, at 4 bytes per pixel, stays within kMaxPictureBytes.
bool fitsPictureLimit(qint64 width, qint64 height);

// The name never counts; only the leading bytes do.
PictureFormat sniffPictureFormat(const QByteArray &data);

// The names such files usually have, for a file dialog's filter ("*.png", ...); the loader
// itself never looks at names.
QStringList pictureNamePatterns();

// Qt's reader name for the formats Qt decodes; empty for Unknown and Pcx.
QByteArray qtFormatName(PictureFormat format);

// Qt hands back partial pictures from JPEG, BMP and GIF files that were cut short, and libpng
// sets aside whatever a PNG chunk claims. These checks catch such files from their structure;
// empty when the file looks whole.
QString findTruncation(PictureFormat format, const QByteArray &data);

}  // namespace tavro::platform
