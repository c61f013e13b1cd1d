#include "pictures/picture_loader.h"

#include "platform/logging.h"

#include "pictures/pcx_decoder.h"
#include "pictures/vector_picture.h"
#include "platform/file_name.h"
#include "platform/whole_file.h"

#include <QBuffer>
#include <QImageReader>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {

namespace {

// A picture file larger than any picture we would decode is not worth reading.
constexpr qint64 MaxFileBytes = MaxPictureBytes;
constexpr qint64 Mebibyte = 1024 * 1024;

LoadedPicture unreadable(const QString &name, const QString &reason)
{
    qCInfo(lcPicture).noquote() << platform::displayFileName(name) << "cannot be read:" << reason;
    return {name, QSize(0, 0), QImage(), reason, false, {}};
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
    if (const platform::Outcome safe = checkDecodingHazards(format, data); !safe)
        return unreadable(name, safe.why());
    QByteArray bytes = data;  // shared, not copied
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, qtFormatName(format));
    reader.setDecideFormatFromContent(false);
    // Qt's limit is in whole mebibytes at 4 bytes a pixel, and 0 would mean none. It is one
    // setting for every thread: set only when it changes, so decodings on other threads
    // (a chosen picture decoded for placing) never see it written under them.
    const qint64 limitBytes = qMin(options.maxPixels, MaxPicturePixels) * 4;
    const int limit = int(qMax<qint64>(1, (limitBytes + Mebibyte - 1) / Mebibyte));
    if (QImageReader::allocationLimit() != limit) QImageReader::setAllocationLimit(limit);

    const QSize declared = reader.size();
    if (declared.isValid() &&
        !fitsPictureLimit(declared.width(), declared.height(), options.maxPixels))
        return unreadable(name, u"the picture is too large"_s);
    const QSize reduced =
        format == PictureFormat::Jpeg ? reducedJpegSize(declared, options.drawSize) : QSize();
    if (reduced.isValid()) reader.setScaledSize(reduced);

    QImage image = reader.read();
    if (image.isNull()) {
        return unreadable(name, u"the picture cannot be decoded (%1)"_s.arg(reader.errorString()));
    }
    const QSize size = reduced.isValid() ? declared : image.size();
    return {name, size, image, {}, false, {}};
}

// A vector has no pixels of its own: drawn to fit the draw size (the chooser's processing area),
// and declared at that size, so the chooser shows it filling its area. Placed elsewhere it is
// drawn again from the vector.
LoadedPicture drawVector(const QByteArray &data, const QString &name,
                         const PictureLoadOptions &options)
{
    const platform::Result<VectorPicture> vector = VectorPicture::fromData(data);
    LoadedPicture loaded = vector ? LoadedPicture{} : unreadable(name, vector.why());
    loaded.isVector = true;
    if (!vector) return loaded;
    const QSizeF natural = vector->naturalSize();
    const int side = options.drawSize > 0 ? options.drawSize : 512;
    const QSize drawn = natural.scaled(side, side, Qt::KeepAspectRatio).toSize().expandedTo({1, 1});
    QImage image = vector->render(drawn);
    if (image.isNull()) {
        loaded = unreadable(name, u"the vector picture cannot be drawn"_s);
        loaded.isVector = true;
        return loaded;
    }
    loaded.name = name;
    loaded.size = drawn;
    loaded.image = std::move(image);
    loaded.sizeMm = vector->defaultSizeMm();
    return loaded;
}

}  // namespace

LoadedPicture loadPictureData(const QByteArray &data, const QString &name,
                              const PictureLoadOptions &options)
{
    if (data.isEmpty()) return unreadable(name, u"the file is empty"_s);
    const PictureFormat format = sniffPictureFormat(data);
    if (format == PictureFormat::Unknown)
        return unreadable(name, u"not a picture format that can be read"_s);
    if (format == PictureFormat::Svg) return drawVector(data, name, options);
    if (format != PictureFormat::Pcx) return decodeWithQt(data, format, name, options);

    PcxPicture pcx = decodePcx(data, options.maxPixels);
    if (pcx.image.isNull()) return unreadable(name, pcx.error);
    const QSize size = pcx.image.size();
    return {name, size, std::move(pcx.image), {}, false, {}};
}

LoadedPicture loadPicture(const QString &path, const PictureLoadOptions &options)
{
    QByteArray data;
    if (const platform::Outcome read = platform::readWholeFile(path, MaxFileBytes, data); !read)
        return unreadable(path, read.why());
    return loadPictureData(data, path, options);
}

}  // namespace tavro::pictures
