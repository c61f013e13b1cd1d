#include "pictures/pcx_decoder.h"

#include "platform/outcome.h"

#include <array>
#include <cstring>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {

namespace {

constexpr qsizetype HeaderSize = 128;
constexpr qsizetype PaletteTailSize = 769;  // marker 0x0C + 256 RGB triples
constexpr int MaxRun = 63;

using Palette = std::array<QRgb, 256>;

struct Header {
    int version = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bytesPerLine = 0;
};

quint8 byteAt(const QByteArray &data, qsizetype pos)
{
    return static_cast<quint8>(data.at(pos));
}

qint64 le16(const QByteArray &data, qsizetype pos)
{
    return byteAt(data, pos) | (qint64(byteAt(data, pos + 1)) << 8);
}

bool isSupportedLayout(int bitsPerPixel, int planes)
{
    if (bitsPerPixel == 1) return planes >= 1 && planes <= 4;
    if (bitsPerPixel == 2 || bitsPerPixel == 4) return planes == 1;
    if (bitsPerPixel == 8) return planes == 1 || planes == 3 || planes == 4;
    return false;
}

platform::Result<Header> readHeader(const QByteArray &data, qint64 maxPixels)
{
    const auto refused = [](const QString &why) { return platform::Outcome::failed(why); };
    if (data.size() < HeaderSize) return refused(u"the PCX header is truncated"_s);
    if (byteAt(data, 0) != 0x0A) return refused(u"not a PCX file"_s);
    if (byteAt(data, 2) != 1) return refused(u"unsupported PCX encoding"_s);
    Header header;
    header.version = byteAt(data, 1);
    header.bitsPerPixel = byteAt(data, 3);
    header.planes = byteAt(data, 65);
    const qint64 xMin = le16(data, 4), yMin = le16(data, 6);
    const qint64 xMax = le16(data, 8), yMax = le16(data, 10);
    if (xMax < xMin || yMax < yMin) return refused(u"the PCX header gives a negative size"_s);
    header.width = xMax - xMin + 1;
    header.height = yMax - yMin + 1;
    header.bytesPerLine = le16(data, 66);
    if (!isSupportedLayout(header.bitsPerPixel, header.planes)) {
        return refused(u"unsupported PCX layout (%1 bits, %2 planes)"_s.arg(header.bitsPerPixel)
                           .arg(header.planes));
    }
    if (header.bytesPerLine < (header.width * header.bitsPerPixel + 7) / 8)
        return refused(u"the PCX header gives too few bytes per line"_s);
    if (!fitsPictureLimit(header.width, header.height, maxPixels))
        return refused(u"the picture is too large"_s);
    return header;
}

// Colours of the 16-colour adapter, for version 3 files that carry no palette.
Palette defaultEgaPalette()
{
    static constexpr QRgb ega[16] = {0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA,
                                     0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
                                     0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF,
                                     0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF};
    Palette palette{};
    std::copy(std::begin(ega), std::end(ega), palette.begin());
    return palette;
}

Palette readTriples(const QByteArray &data, qsizetype offset, int count)
{
    Palette palette{};
    for (int i = 0; i < count; ++i) {
        const qsizetype at = offset + 3 * i;
        palette[i] = qRgb(byteAt(data, at), byteAt(data, at + 1), byteAt(data, at + 2));
    }
    return palette;
}

Palette greyPalette()
{
    Palette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = qRgb(i, i, i);
    return palette;
}

// Picks the palette and tells where the run-length data ends.
Palette choosePalette(const QByteArray &data, const Header &header, qsizetype &dataEnd)
{
    dataEnd = data.size();
    if (header.bitsPerPixel == 8 && header.planes == 1) {
        const qsizetype tail = data.size() - PaletteTailSize;
        if (tail >= HeaderSize && byteAt(data, tail) == 0x0C) {
            dataEnd = tail;
            return readTriples(data, tail + 1, 256);
        }
        return greyPalette();
    }
    if (header.bitsPerPixel == 1 && header.planes == 1) {
        Palette palette{};
        palette[0] = qRgb(0, 0, 0);
        palette[1] = qRgb(255, 255, 255);
        return palette;
    }
    if (header.version == 3) return defaultEgaPalette();
    return readTriples(data, 16, 16);
}

// Runs may cross scan lines, so the state lives across calls.
class RunDecoder {
public:
    RunDecoder(const uchar *begin, const uchar *end) : m_next(begin), m_end(end) {}

    bool fill(uchar *out, qsizetype count)
    {
        while (count > 0) {
            if (m_runLeft > 0) {
                const qsizetype take = qMin<qsizetype>(m_runLeft, count);
                std::memset(out, m_runValue, size_t(take));
                out += take;
                count -= take;
                m_runLeft -= int(take);
                continue;
            }
            if (m_next == m_end) return false;
            const uchar code = *m_next++;
            if ((code & 0xC0) != 0xC0) {
                *out++ = code;
                --count;
                continue;
            }
            if (m_next == m_end) return false;
            m_runLeft = code & 0x3F;
            m_runValue = *m_next++;
        }
        return true;
    }

private:
    const uchar *m_next;
    const uchar *m_end;
    int m_runLeft = 0;
    uchar m_runValue = 0;
};

void convertLine(const uchar *line, const Header &header, const Palette &palette, QRgb *out)
{
    const int width = int(header.width);
    const qsizetype plane = header.bytesPerLine;
    if (header.bitsPerPixel == 8 && header.planes >= 3) {
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(line[x], line[plane + x], line[2 * plane + x]);
    } else if (header.bitsPerPixel == 1) {
        for (int x = 0; x < width; ++x) {
            int index = 0;
            for (int p = 0; p < header.planes; ++p)
                index |= ((line[p * plane + x / 8] >> (7 - x % 8)) & 1) << p;
            out[x] = palette[index];
        }
    } else {
        const int bits = header.bitsPerPixel;
        const int mask = (1 << bits) - 1;
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            out[x] = palette[(line[bit / 8] >> (8 - bits - bit % 8)) & mask];
        }
    }
}

}  // namespace

PcxPicture decodePcx(const QByteArray &data, qint64 maxPixels)
{
    const platform::Result<Header> read = readHeader(data, maxPixels);
    if (!read) return {{}, read.why()};
    const Header &header = *read;

    qsizetype dataEnd = 0;
    const Palette palette = choosePalette(data, header, dataEnd);
    const qint64 lineBytes = header.bytesPerLine * header.planes;
    // Each pair of input bytes yields at most 63 bytes: refuse before allocating
    // when the file cannot possibly hold what the header claims.
    const qint64 available = dataEnd - HeaderSize;
    if ((available / 2) * MaxRun + available % 2 < lineBytes * header.height)
        return {{}, u"the PCX header claims more pixels than the file holds"_s};

    QImage image(int(header.width), int(header.height), QImage::Format_RGB32);
    if (image.isNull()) return {{}, u"not enough memory for the picture"_s};
    std::vector<uchar> line(static_cast<size_t>(lineBytes));
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    RunDecoder runs(bytes + HeaderSize, bytes + dataEnd);
    for (int y = 0; y < image.height(); ++y) {
        if (!runs.fill(line.data(), lineBytes)) return {{}, u"the PCX data is truncated"_s};
        convertLine(line.data(), header, palette, reinterpret_cast<QRgb *>(image.scanLine(y)));
    }
    return {image, {}};
}

}  // namespace tavro::pictures
