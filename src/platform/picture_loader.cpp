#include "platform/picture_loader.h"

#include "platform/pcx_decoder.h"
#include "platform/picture_format.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {

namespace {

// A picture file larger than any picture we would decode is not worth reading.
constexpr qint64 kMaxFileBytes = kMaxPictureBytes;

LoadedPicture unreadable(const QString &name, const QString &reason)
{
    return {name, QSize(0, 0), QImage(), reason};
}

// The largest libjpeg reduction (1/8, 1/4, 1/2) that keeps the long side at drawSize
// or more; invalid when decoding at full size is needed.
QSize reducedJpegSize(QSize declared, int drawSize)
{
    if (drawSize <= 0 || !declared.isValid()) return {};
    const int longSide = qMax(declared.width(), declared.height());
    for (int denominator : {8, 4, 2}) {
        // Qt picks the libjpeg scale from the whole quotient of declared / requested
        // size, so flooring here selects exactly this denominator.
        if (longSide / denominator >= drawSize) {
            return {qMax(1, declared.width() / denominator),
                    qMax(1, declared.height() / denominator)};
        }
    }
    return {};
}

LoadedPicture decodeWithQt(const QByteArray &data, PictureFormat format, const QString &name,
                           const PictureLoadOptions &options)
{
    if (QString reason = findTruncation(format, data); !reason.isEmpty())
        return unreadable(name, reason);
    QByteArray bytes = data;  // shared, not copied
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(format));
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));

    const QSize declared = reader.size();
    if (declared.isValid() && !fitsPictureLimit(declared.width(), declared.height()))
        return unreadable(name, u"the picture is too large"_s);
    const QSize reduced =
        format == PictureFormat::Jpeg ? reducedJpegSize(declared, options.drawSize) : QSize();
    if (reduced.isValid()) reader.setScaledSize(reduced);

    QImage image = reader.read();
    if (image.isNull()) {
        return unreadable(name, u"the picture cannot be decoded (%1)"_s.arg(reader.errorString()));
    }
    const QSize size = reduced.isValid() ? declared : image.size();
    return {name, size, image, {}};
}

}  // namespace

LoadedPicture loadPictureData(const QByteArray &data, const QString &name,
                              const PictureLoadOptions &options)
{
    if (data.isEmpty()) return unreadable(name, u"the file is empty"_s);
    const PictureFormat format = sniffPictureFormat(data);
    if (format == PictureFormat::Unknown)
        return unreadable(name, u"not a picture format that can be read"_s);
    if (format != PictureFormat::Pcx) return decodeWithQt(data, format, name, options);

    PcxPicture pcx = decodePcx(data);
    if (pcx.image.isNull()) return unreadable(name, pcx.error);
    const QSize size = pcx.image.size();
    return {name, size, std::move(pcx.image), {}};
}

LoadedPicture loadPicture(const QString &path, const PictureLoadOptions &options)
{
    const QFileInfo info(path);
    if (!info.exists()) return unreadable(path, u"no such file"_s);
    // Only regular files: a device or a pipe could block or never end.
    if (!info.isFile()) return unreadable(path, u"not a regular file"_s);
    if (info.size() > kMaxFileBytes) return unreadable(path, u"the file is too large"_s);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return unreadable(path, file.errorString());
    const QByteArray data = file.read(kMaxFileBytes + 1);
    if (data.size() > kMaxFileBytes) return unreadable(path, u"the file is too large"_s);
    return loadPictureData(data, path, options);
}

}  // namespace tavro::platform
