// PNG chunks written by hand, for files no encoder would write: lying lengths, text bombs.
#pragma once

#include <QByteArray>
#include <QtEndian>

#include <zlib.h>

#include <optional>

namespace tavro::test {

inline QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// One chunk with its check sum; `claimed` replaces the true length in the length field.
inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data,
                           std::optional<quint32> claimed = std::nullopt)
{
    const QByteArray checked = type + data;
    const auto sum = quint32(
        crc32(0, reinterpret_cast<const Bytef *>(checked.constData()), uInt(checked.size())));
    return bigEndian32(claimed.value_or(quint32(data.size()))) + checked + bigEndian32(sum);
}

// The PNG with `chunks` put in before its first chunk of type `before`.
inline QByteArray withPngChunks(QByteArray png, const QByteArray &chunks,
                                const QByteArray &before = "IDAT")
{
    return png.insert(png.indexOf(before) - 4, chunks);
}

// A zlib stream, as compressed PNG texts hold it (qCompress puts the size in front).
inline QByteArray zlibStream(const QByteArray &bytes)
{
    return qCompress(bytes, 9).sliced(4);
}

}  // namespace tavro::test
