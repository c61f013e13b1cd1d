#include "pictures/picture_format.h"

#include "pictures/png_chunks.h"

#include <QByteArrayView>
#include <cctype>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {

namespace {

quint8 byteAt(const QByteArray &data, qsizetype pos)
{
    return static_cast<quint8>(data.at(pos));
}

quint32 le16(const QByteArray &data, qsizetype pos)
{
    return byteAt(data, pos) | (quint32(byteAt(data, pos + 1)) << 8);
}

quint32 le32(const QByteArray &data, qsizetype pos)
{
    return le16(data, pos) | (le16(data, pos + 2) << 16);
}

platform::Outcome truncated()
{
    return platform::Outcome::failed(u"the file is truncated"_s);
}

// Walks the marker segments up to the first scan; the image data that follows must
// end in an EOI marker. Inside entropy-coded data 0xFF is always stuffed, so FF D9
// there can only be the real end.
platform::Outcome checkJpegEnds(const QByteArray &data)
{
    qsizetype pos = 2;
    for (;;) {
        if (pos >= data.size()) return truncated();
        if (byteAt(data, pos) != 0xFF)
            return platform::Outcome::done();  // malformed: Qt gives the reason
        while (pos < data.size() && byteAt(data, pos) == 0xFF) ++pos;
        if (pos >= data.size()) return truncated();
        const quint8 marker = byteAt(data, pos++);
        if (marker == 0xD9) return platform::Outcome::done();
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (pos + 2 > data.size()) return truncated();
        const qsizetype length = (qsizetype(byteAt(data, pos)) << 8) | byteAt(data, pos + 1);
        if (length < 2) return platform::Outcome::done();
        const qsizetype segmentEnd = pos + length;
        if (segmentEnd > data.size()) return truncated();
        if (marker == 0xDA) {
            return data.indexOf(QByteArrayView("\xFF\xD9", 2), segmentEnd) < 0
                       ? truncated()
                       : platform::Outcome::done();
        }
        pos = segmentEnd;
    }
}

// Uncompressed bitmaps have a known pixel array size; compressed ones are left to Qt.
platform::Outcome checkBmpPixels(const QByteArray &data)
{
    if (data.size() < 18) return truncated();
    const quint32 headerSize = le32(data, 14);
    const bool core = headerSize == 12;
    if (data.size() < 14 + qsizetype(core ? 12 : 40)) return truncated();
    const qint64 offset = le32(data, 10);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bitCount = 0;
    quint32 compression = 0;
    if (core) {
        width = le16(data, 18);
        height = le16(data, 20);
        bitCount = le16(data, 24);
    } else {
        width = std::llabs(qint32(le32(data, 18)));
        height = std::llabs(qint32(le32(data, 22)));
        bitCount = le16(data, 28);
        compression = le32(data, 30);
    }
    const bool plain = compression == 0 || compression == 3 || compression == 6;
    if (!plain || bitCount == 0 || bitCount > 32) return platform::Outcome::done();
    // Width and height may each claim 2^31, so their product is never formed.
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    const qint64 available = data.size() - offset;
    if (available < 0) return truncated();
    if (height == 0) return platform::Outcome::done();
    return stride > available / height ? truncated() : platform::Outcome::done();
}

// libpng sets aside what a chunk claims before reading it, so 300 bytes could ask for 2 GB,
// and inflates every compressed text, so 300 KB could ask for gigabytes.
platform::Outcome checkPngChunks(QByteArrayView png)
{
    QList<PngChunk> chunks;
    if (platform::Outcome walked = pngChunks(png, chunks); !walked) return walked;
    if (pngTextBytes(chunks, MaxPictureTextBytes) > MaxPictureTextBytes)
        return platform::Outcome::failed(
            u"its text chunks inflate to more than %1 MiB"_s.arg(MaxPictureTextBytes >> 20));
    return platform::Outcome::done();
}

// Qt decodes the first image of an icon file; a PNG there is checked like a PNG file.
platform::Outcome checkIconImage(const QByteArray &data)
{
    constexpr qsizetype Directory = 6;
    constexpr qsizetype Entry = 16;
    if (data.size() < Directory + Entry || le16(data, 4) == 0) return platform::Outcome::done();
    const qint64 offset = le32(data, Directory + 12);
    const qint64 size = le32(data, Directory + 8);
    if (offset >= data.size()) return platform::Outcome::done();  // Qt refuses it
    const qsizetype end = qsizetype(qMin<qint64>(data.size(), offset + size));
    const bool png = data.mid(offset, 4) == "\x89PNG";
    return png ? checkPngChunks(QByteArrayView(data).sliced(qsizetype(offset), end - offset))
               : platform::Outcome::done();
}

// Moves past a chain of data sub-blocks; false when the file ends inside it.
bool skipGifSubBlocks(const QByteArray &data, qsizetype &pos)
{
    for (;;) {
        if (pos >= data.size()) return false;
        const int length = byteAt(data, pos);
        pos += 1 + length;
        if (pos > data.size()) return false;
        if (length == 0) return true;
    }
}

// Walks the blocks up to the end of the first image's data.
platform::Outcome checkGifImage(const QByteArray &data)
{
    if (data.size() < 13) return truncated();
    const auto tableSize = [](quint8 flags) { return (flags & 0x80) ? 3 << ((flags & 7) + 1) : 0; };
    qsizetype pos = 13 + tableSize(byteAt(data, 10));
    for (;;) {
        if (pos >= data.size()) return truncated();
        const quint8 block = byteAt(data, pos);
        if (block == 0x21) {
            pos += 2;
            if (!skipGifSubBlocks(data, pos)) return truncated();
        } else if (block == 0x2C) {
            if (pos + 10 > data.size()) return truncated();
            pos += 10 + tableSize(byteAt(data, pos + 9)) + 1;
            return skipGifSubBlocks(data, pos) ? platform::Outcome::done() : truncated();
        } else {
            return platform::Outcome::done();  // a trailer without an image, or garbage: Qt gives
                                               // the reason
        }
    }
}

// Whether the first element, past the XML declaration, comments, processing instructions and a
// DOCTYPE (whose internal subset may hold '>' inside brackets), is <svg> or <prefix:svg>.
bool startsAsSvg(QByteArrayView data)
{
    constexpr qsizetype Searched = 64 * 1024;
    if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
    data = data.first(qMin(data.size(), Searched));
    qsizetype pos = 0;
    const auto skipPast = [&](QByteArrayView end) {
        const qsizetype found = data.indexOf(end, pos);
        pos = found < 0 ? data.size() : found + end.size();
        return found >= 0;
    };
    for (;;) {
        while (pos < data.size() && QChar::isSpace(uchar(data[pos]))) ++pos;
        const QByteArrayView rest = data.sliced(pos);
        if (rest.startsWith("<?")) {
            if (!skipPast("?>")) return false;
        } else if (rest.startsWith("<!--")) {
            if (!skipPast("-->")) return false;
        } else if (rest.startsWith("<!DOCTYPE")) {
            const qsizetype open = data.indexOf('[', pos);
            const qsizetype close = data.indexOf('>', pos);
            if (open >= 0 && open < close && !skipPast("]")) return false;
            if (!skipPast(">")) return false;
        } else {
            if (!rest.startsWith("<")) return false;
            qsizetype end = 1;
            while (end < rest.size() && (std::isalnum(uchar(rest[end])) || rest[end] == ':' ||
                                         rest[end] == '-' || rest[end] == '_' || rest[end] == '.'))
                ++end;
            const QByteArrayView name = rest.sliced(1, end - 1);
            return name == "svg" || name.endsWith(":svg");
        }
    }
}

}  // namespace

bool fitsPictureLimit(qint64 width, qint64 height, qint64 maxPixels)
{
    if (width < 0 || height < 0) return false;
    // Divide rather than multiply so absurd claims cannot overflow.
    return width == 0 || height <= maxPixels / width;
}

QStringList pictureNamePatterns()
{
    return {u"*.png"_s, u"*.jpg"_s, u"*.jpeg"_s, u"*.jpe"_s, u"*.jfif"_s, u"*.bmp"_s,
            u"*.dib"_s, u"*.gif"_s, u"*.ico"_s,  u"*.cur"_s, u"*.pcx"_s,  u"*.svg"_s};
}

PictureFormat sniffPictureFormat(const QByteArray &data)
{
    if (data.startsWith("\xFF\xD8")) return PictureFormat::Jpeg;
    if (data.startsWith("BM")) return PictureFormat::Bmp;
    if (data.startsWith("\x89PNG")) return PictureFormat::Png;
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) return PictureFormat::Gif;
    // Icon (type 1) and cursor (type 2) directories.
    if (data.startsWith(QByteArrayView("\0\0\1\0", 4)) ||
        data.startsWith(QByteArrayView("\0\0\2\0", 4)))
        return PictureFormat::Icon;
    // PCX: manufacturer 10, a known version, no or run-length encoding.
    if (data.size() >= 3 && byteAt(data, 0) == 0x0A) {
        const quint8 version = byteAt(data, 1);
        const bool knownVersion = version == 0 || (version >= 2 && version <= 5);
        if (knownVersion && byteAt(data, 2) <= 1) return PictureFormat::Pcx;
    }
    if (startsAsSvg(data)) return PictureFormat::Svg;
    return PictureFormat::Unknown;
}

QByteArray qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Icon:
        return "ico";
    case PictureFormat::Pcx:
    case PictureFormat::Svg:
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

platform::Outcome checkDecodingHazards(PictureFormat format, const QByteArray &data)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return checkJpegEnds(data);
    case PictureFormat::Bmp:
        return checkBmpPixels(data);
    case PictureFormat::Gif:
        return checkGifImage(data);
    case PictureFormat::Png:
        return checkPngChunks(data);
    case PictureFormat::Icon:
        return checkIconImage(data);
    default:
        return platform::Outcome::done();
    }
}

}  // namespace tavro::pictures
