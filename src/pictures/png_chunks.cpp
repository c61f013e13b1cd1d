#include "pictures/png_chunks.h"

#include <QtEndian>

#include <zlib.h>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {
namespace {

constexpr qsizetype Signature = 8;
constexpr qsizetype Frame = 12;  // length, type and check sum around a chunk's data

enum class Inflation { Whole, TooLarge, Damaged };

// Inflates a zlib stream into `out` (when given), stopping once it would exceed `room` bytes;
// `size` is what came out so far.
Inflation inflateAtMost(QByteArrayView compressed, qint64 room, qint64 &size,
                        QByteArray *out = nullptr)
{
    size = 0;
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return Inflation::Damaged;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    stream.avail_in = uInt(compressed.size());  // a chunk holds less than 2 GiB
    std::array<char, 16384> buffer{};
    Inflation result = Inflation::Damaged;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
        stream.avail_out = uInt(buffer.size());
        const int status = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = qint64(buffer.size()) - stream.avail_out;
        if (size + produced > room) {
            size = room + 1;
            result = Inflation::TooLarge;
            break;
        }
        size += produced;
        if (out) out->append(buffer.data(), produced);
        if (status == Z_STREAM_END) {
            result = Inflation::Whole;
            break;
        }
        // Z_BUF_ERROR here means the input ended before the stream did.
        if (status != Z_OK) break;
    }
    inflateEnd(&stream);
    return result;
}

// Where a text chunk's text begins, whether it is compressed, and whether it is UTF-8.
struct TextLayout {
    qsizetype start = -1;  // -1: the chunk is malformed
    bool compressed = false;
    bool utf8 = false;
};

TextLayout textLayout(const PngChunk &chunk)
{
    const QByteArrayView data = chunk.data;
    const qsizetype keywordEnd = data.indexOf('\0');
    if (keywordEnd < 1) return {};
    if (chunk.type == "tEXt") return {keywordEnd + 1, false, false};
    if (chunk.type == "zTXt") {
        const bool deflate = keywordEnd + 1 < data.size() && data.at(keywordEnd + 1) == 0;
        return deflate ? TextLayout{keywordEnd + 2, true, false} : TextLayout{};
    }
    // iTXt: a compression flag and method, then a language tag and a translated keyword.
    if (keywordEnd + 3 > data.size()) return {};
    const char flag = data.at(keywordEnd + 1);
    const char method = data.at(keywordEnd + 2);
    if ((flag != 0 && flag != 1) || method != 0) return {};
    const qsizetype languageEnd = data.indexOf('\0', keywordEnd + 3);
    const qsizetype translatedEnd = languageEnd < 0 ? -1 : data.indexOf('\0', languageEnd + 1);
    if (translatedEnd < 0) return {};
    return {translatedEnd + 1, flag == 1, true};
}

}  // namespace

QByteArrayView PngChunk::textKeyword() const
{
    if (!isText()) return {};
    const qsizetype end = data.indexOf('\0');
    return end < 0 ? QByteArrayView() : data.first(end);
}

bool PngChunk::hasValidCheckSum() const
{
    const auto *checked = reinterpret_cast<const Bytef *>(whole.data() + 4);
    const uLong sum = crc32(0, checked, uInt(whole.size() - 8));
    return sum == qFromBigEndian<quint32>(whole.data() + whole.size() - 4);
}

platform::Outcome pngChunks(QByteArrayView png, QList<PngChunk> &chunks)
{
    chunks.clear();
    const platform::Outcome truncated = platform::Outcome::failed(u"the file is truncated"_s);
    if (png.size() < Signature) return truncated;
    for (qsizetype pos = Signature; pos < png.size();) {
        if (png.size() - pos < Frame) return truncated;
        const qint64 length = qFromBigEndian<quint32>(png.data() + pos);
        if (length > png.size() - pos - Frame) return truncated;
        const QByteArrayView whole = png.sliced(pos, Frame + qsizetype(length));
        chunks.append({whole.sliced(4, 4), whole.sliced(8, qsizetype(length)), whole});
        if (chunks.back().type == "IEND") break;
        pos += whole.size();
    }
    return platform::Outcome::done();
}

PngTextRead readPngText(const PngChunk &chunk, qint64 &room, QString &text)
{
    text.clear();
    const TextLayout layout = textLayout(chunk);
    if (layout.start < 0) return PngTextRead::Damaged;
    const QByteArrayView stored = chunk.data.sliced(layout.start);
    QByteArray inflated;
    if (layout.compressed) {
        qint64 size = 0;
        const Inflation inflation = inflateAtMost(stored, room, size, &inflated);
        if (inflation != Inflation::Whole)
            return inflation == Inflation::TooLarge ? PngTextRead::TooLong : PngTextRead::Damaged;
    } else if (stored.size() > room) {
        return PngTextRead::TooLong;
    }
    const QByteArrayView bytes = layout.compressed ? QByteArrayView(inflated) : stored;
    room -= bytes.size();
    text = layout.utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    return PngTextRead::Ok;
}

qint64 pngTextBytes(const QList<PngChunk> &chunks, qint64 limit)
{
    qint64 total = 0;
    for (const PngChunk &chunk : chunks) {
        if (!chunk.isText()) continue;
        const TextLayout layout = textLayout(chunk);
        if (layout.start < 0) continue;
        const QByteArrayView stored = chunk.data.sliced(layout.start);
        qint64 size = stored.size();
        if (layout.compressed) inflateAtMost(stored, limit - total, size);
        total += size;
        if (total > limit) return limit + 1;
    }
    return total;
}

QByteArray pngPixelsOnly(const QList<PngChunk> &chunks)
{
    QByteArray png("\x89PNG\r\n\x1A\n", Signature);
    for (const PngChunk &chunk : chunks) {
        const QByteArrayView type = chunk.type;
        if (type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND")
            png += chunk.whole;
    }
    return png;
}

}  // namespace tavro::pictures
