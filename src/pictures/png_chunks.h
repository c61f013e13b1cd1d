// A PNG taken apart chunk by chunk, so that nothing a chunk claims is believed before it is
// checked.
#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace tavro::pictures {

struct PngChunk {
    QByteArrayView type;
    QByteArrayView data;
    QByteArrayView whole;  // length, type, data and check sum, as they are in the file

    bool isText() const { return type == "tEXt" || type == "zTXt" || type == "iTXt"; }
    // The name a text chunk carries before its first NUL; empty for other chunks.
    QByteArrayView textKeyword() const;
    bool hasValidCheckSum() const;
};

// The chunks after the signature, up to IEND or the end of the data: done when each lies inside
// the data; otherwise why not, with `chunks` holding those before. libpng sets aside whatever
// length a chunk claims, up to 2 GiB, before it finds the data missing.
platform::Outcome pngChunks(QByteArrayView png, QList<PngChunk> &chunks);

enum class PngTextRead { Ok, TooLong, Damaged };

// The text of a tEXt, zTXt or iTXt chunk, whose bytes are taken from `room`. Compressed text
// is inflated no further than that, since a few kilobytes of it can inflate to megabytes.
PngTextRead readPngText(const PngChunk &chunk, qint64 &room, QString &text);

// How many bytes the texts of these chunks hold once inflated, counting no further than
// limit + 1. Damaged compressed texts count as far as they inflate.
qint64 pngTextBytes(const QList<PngChunk> &chunks, qint64 limit);

// The PNG with only the chunks its pixels need (IHDR, PLTE, tRNS, IDAT, IEND), so that a
// decoder meets none of the others.
QByteArray pngPixelsOnly(const QList<PngChunk> &chunks);

}  // namespace tavro::pictures
