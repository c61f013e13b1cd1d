// PNG text chunks read with a cap, so that a few kilobytes cannot inflate to gigabytes.
#include "pictures/png_chunks.h"

#include "png_bytes.h"

#include <gtest/gtest.h>

using namespace tavro::pictures;
using namespace tavro::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// The chunk as the walker gives it.
PngChunk chunkOf(const QByteArray &whole)
{
    return {QByteArrayView(whole).sliced(4, 4), QByteArrayView(whole).sliced(8, whole.size() - 12),
            whole};
}

TEST(PngChunks, TextsAreReadWithinTheirRoomAndDamageIsToldApart)
{
    const QByteArray text = "Gr\xC3\xBC\xC3\x9F dich";  // UTF-8
    const struct {
        const char *name;
        QByteArray chunk;
        PngTextRead result;
        QString text;
        qint64 bytes = 0;  // taken from the room
    } cases[] = {
        {"plain", pngChunk("tEXt", "Key\0Caf\xE9"_ba), PngTextRead::Ok, u"Café"_s, 4},
        {"compressed", pngChunk("zTXt", "Key\0\0"_ba + zlibStream("Caf\xE9")), PngTextRead::Ok,
         u"Café"_s, 4},
        {"international", pngChunk("iTXt", "Key\0\0\0de\0Schl\xC3\xBCssel\0"_ba + text),
         PngTextRead::Ok, u"Grüß dich"_s, 11},
        {"international compressed", pngChunk("iTXt", "Key\0\1\0\0\0"_ba + zlibStream(text)),
         PngTextRead::Ok, u"Grüß dich"_s, 11},
        {"exactly the room", pngChunk("zTXt", "Key\0\0"_ba + zlibStream(QByteArray(64, 'a'))),
         PngTextRead::Ok, QString(64, u'a'), 64},
        {"inflating beyond the room",
         pngChunk("zTXt", "Key\0\0"_ba + zlibStream(QByteArray(65, 'a'))),
         PngTextRead::TooLong,
         {}},
        {"plain beyond the room",
         pngChunk("tEXt", "Key\0"_ba + QByteArray(65, 'a')),
         PngTextRead::TooLong,
         {}},
        {"no keyword", pngChunk("tEXt", "\0text"_ba), PngTextRead::Damaged, {}},
        {"no end of keyword", pngChunk("tEXt", "Key"_ba), PngTextRead::Damaged, {}},
        {"unknown method",
         pngChunk("zTXt", "Key\0\1"_ba + zlibStream("x")),
         PngTextRead::Damaged,
         {}},
        {"stream cut short",
         pngChunk("zTXt", "Key\0\0"_ba + zlibStream(text).chopped(4)),
         PngTextRead::Damaged,
         {}},
        {"iTXt without its names", pngChunk("iTXt", "Key\0\0\0de"_ba), PngTextRead::Damaged, {}},
    };
    for (const auto &c : cases) {
        qint64 room = 64;
        QString read;
        EXPECT_EQ(readPngText(chunkOf(c.chunk), room, read), c.result) << c.name;
        EXPECT_EQ(read, c.text) << c.name;
        EXPECT_EQ(room, 64 - c.bytes) << c.name;
    }
}

TEST(PngChunks, TextBytesCountNoFurtherThanTheLimit)
{
    const QByteArray bomb = pngChunk("zTXt", "Key\0\0"_ba + zlibStream(QByteArray(1 << 20, 'a')));
    QByteArray png = QByteArray("\x89PNG\r\n\x1A\n", 8) + pngChunk("IHDR", QByteArray(13, '\0'));
    for (int i = 0; i < 3; ++i) png += bomb;
    png += pngChunk("tEXt", "Key\0four"_ba) + pngChunk("IEND", {});
    QList<PngChunk> chunks;
    ASSERT_EQ(pngChunks(png, chunks).why(), QString());
    EXPECT_EQ(chunks.size(), 6);
    EXPECT_EQ(pngTextBytes(chunks, 4 << 20), (3 << 20) + 4);
    EXPECT_EQ(pngTextBytes(chunks, 100), 101);
    EXPECT_EQ(pngPixelsOnly(chunks), png.first(8 + 25) + pngChunk("IEND", {}));
}

}  // namespace
