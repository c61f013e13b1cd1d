#include "pictures/picture_loader.h"
#include "pictures/picture_format.h"
#include "platform/file_name.h"
#include "png_bytes.h"
#include "test_pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {
namespace {

using test::encode;

// Left half red, right half blue: both halves survive every format, JPEG included.
QImage twoColours(int width, int height)
{
    QImage image = test::uniform(width, height, qRgb(255, 0, 0));
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

QByteArray gif(int width, int height)
{
    return test::encodeGif(twoColours(width, height).convertToFormat(QImage::Format_Indexed8));
}

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray &with)
{
    return bytes.replace(at, with.size(), with);
}

QByteArray bigEndian32(quint32 value)
{
    return QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(8, '0'));
}

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = char(value >> (8 * i));
    return bytes;
}

// A real PNG whose IHDR, checksum included, claims another size.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray png =
        patched(encode(twoColours(4, 4), "png"), 16, bigEndian32(width) + bigEndian32(height));
    quint32 crc = 0xFFFFFFFF;
    for (char byte : png.mid(12, 17)) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return patched(png, 29, bigEndian32(~crc));
}

QByteArray pcxFile(int width, int height, int bytesPerLine, int bits = 8, int planes = 1)
{
    test::PcxLayout layout{.bitsPerPixel = bits,
                           .planes = planes,
                           .width = width,
                           .height = height,
                           .bytesPerLine = bytesPerLine};
    layout.rows = QByteArray(100, '\x11');
    return test::encodePcx(layout);
}

QByteArray half(const QByteArray &bytes)
{
    return bytes.left(bytes.size() / 2);
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir m_dir;
};

TEST_F(PictureLoaderTest, RecognisesEveryFormatByItsContent)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QSize size;
    } cases[] = {
        {"png", encode(twoColours(40, 30), "png"), {40, 30}},
        {"jpeg", encode(twoColours(40, 30), "jpeg", 95), {40, 30}},
        {"bmp", encode(twoColours(40, 30), "bmp"), {40, 30}},
        {"gif", gif(40, 30), {40, 30}},
        {"icon", encode(twoColours(32, 32), "ico"), {32, 32}},
        {"cursor", patched(encode(twoColours(32, 32), "ico"), 2, "\2"), {32, 32}},
    };
    for (const auto &c : cases) {
        // The name says text; only the first bytes count.
        const LoadedPicture picture = loadPicture(write(u"picture.txt"_s, c.bytes));
        ASSERT_TRUE(picture.isReadable()) << c.name << ": " << qPrintable(picture.error);
        EXPECT_EQ(picture.size, c.size) << c.name;
        EXPECT_EQ(picture.image.size(), c.size) << c.name;
        const QRgb left = picture.image.pixel(2, 2);
        const QRgb right = picture.image.pixel(c.size.width() - 3, 2);
        EXPECT_TRUE(qRed(left) > 230 && qBlue(left) < 25) << c.name;
        EXPECT_TRUE(qBlue(right) > 230 && qRed(right) < 25) << c.name;
    }
}

TEST_F(PictureLoaderTest, RefusesBadFilesWithAReason)
{
    const QByteArray jpeg = encode(twoColours(64, 64), "jpeg");
    test::PcxLayout pcx{
        .bitsPerPixel = 8, .planes = 3, .width = 64, .height = 64, .bytesPerLine = 64};
    for (int i = 0; i < 64 * 64 * 3; ++i) pcx.rows.append(char(i * 37 % 251));
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"wrong magic", "Hello, this is not a picture at all."},
        {"truncated png", half(encode(twoColours(64, 64), "png"))},
        {"truncated jpeg", half(jpeg)},
        {"jpeg without its end", jpeg.chopped(2)},
        {"truncated bmp", half(encode(twoColours(64, 64), "bmp"))},
        {"truncated gif", half(gif(64, 64))},
        {"truncated icon", half(encode(twoColours(32, 32), "ico"))},
        {"truncated pcx", half(test::encodePcx(pcx))},
        {"pcx header cut short", test::encodePcx(pcx).left(100)},
        {"png claiming 30000 x 30000", pngClaiming(30000, 30000)},
        // A chunk claiming 2 GiB in a tiny file: refused before libpng sets the 2 GiB aside.
        {"png chunk claiming 2 GiB",
         patched(encode(twoColours(4, 4), "png"), 33, QByteArray("\x7F\xFF\xFF\x00", 4))},
        {"png without its end", encode(twoColours(4, 4), "png").chopped(12)},
        // Kilobytes of compressed text that libpng would inflate whole, 7.9 MB a chunk.
        {"png whose texts inflate beyond 16 MiB",
         test::withPngChunks(
             encode(twoColours(4, 4), "png"),
             test::pngChunk("zTXt", "Comment\0\0"_ba +
                                        test::zlibStream(QByteArray(MaxPictureTextBytes, 'x'))) +
                 test::pngChunk("tEXt", "Comment\0x"_ba))},
        {"pcx claiming 65535 x 65535", pcxFile(65535, 65535, 65535, 8, 3)},
        {"pcx claiming 4000 x 4000", pcxFile(4000, 4000, 4000)},
        {"pcx with short lines", pcxFile(100, 10, 10)},
        {"pcx with 3 bits", pcxFile(4, 4, 2, 3)},
        {"pcx running backwards", patched(pcxFile(4, 4, 4), 4, "\x09")},
        {"pcx not encoded", patched(pcxFile(4, 4, 4), 2, QByteArray(1, '\0'))},
    };
    for (const auto &c : cases) {
        const LoadedPicture picture = loadPictureData(c.bytes, QString::fromLatin1(c.name));
        EXPECT_FALSE(picture.isReadable()) << c.name;
        EXPECT_EQ(picture.size, QSize(0, 0)) << c.name;
        EXPECT_FALSE(picture.error.isEmpty()) << c.name;
    }
}

TEST_F(PictureLoaderTest, RefusesWhatIsNotAReadableFile)
{
    const QString dropOfTwo = m_dir.filePath(u"a.png\r\n"_s) + m_dir.filePath(u"b.png\r\n"_s);
    // Nobody writes into the pipe: opening it to read would wait for ever.
    const QString pipe = m_dir.filePath(u"pipe.png"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString withNul = write(u"x.png"_s, encode(twoColours(4, 4), "png")) + QChar(0) + u"y"_s;
    for (const QString &path : {m_dir.filePath(u"missing.png"_s), m_dir.path(), dropOfTwo,
                                write(u"empty.png"_s, {}), pipe, withNul}) {
        const LoadedPicture picture = loadPicture(path);
        EXPECT_EQ(picture.size, QSize(0, 0)) << qPrintable(path);
        EXPECT_FALSE(picture.error.isEmpty()) << qPrintable(path);
        EXPECT_EQ(picture.name, path);
    }
}

TEST_F(PictureLoaderTest, DecodesLargeJpegsSmallerWhenDrawnSmall)
{
    const QString path = write(u"big.jpg"_s, encode(twoColours(1200, 800), "jpeg"));
    const LoadedPicture reduced = loadPicture(path, {.drawSize = 490});
    EXPECT_EQ(reduced.size, QSize(1200, 800));
    EXPECT_EQ(reduced.image.size(), QSize(600, 400));
    EXPECT_EQ(loadPicture(path).image.size(), QSize(1200, 800));
    // Never below the size it will be drawn at.
    EXPECT_EQ(loadPicture(path, {.drawSize = 700}).image.size(), QSize(1200, 800));
}

TEST_F(PictureLoaderTest, OpensNamesThatAreNotUtf8)
{
    const QByteArray bytes = QFile::encodeName(m_dir.path()) + "/\xff\xfe.png";
    const QByteArray png = encode(twoColours(8, 6), "png");
    const int fd = ::open(bytes.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, png.constData(), size_t(png.size())), ssize_t(png.size()));
    ::close(fd);

    const QString name = platform::fileNameFromBytes(bytes);
    // As given on the command line, dropped by a file manager, and through Qt's own URLs.
    const QUrl dropped = QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
    for (const QString &path :
         {name, platform::localFileFromUrl(dropped), QUrl::fromLocalFile(name).toLocalFile()}) {
        const LoadedPicture picture = loadPicture(path);
        EXPECT_TRUE(picture.isReadable()) << qPrintable(picture.error);
        EXPECT_EQ(picture.size, QSize(8, 6));
        EXPECT_EQ(picture.name, name);
    }
    EXPECT_TRUE(platform::displayFileName(name).endsWith(u"/\uFFFD\uFFFD.png"_s));
}

// 118 bytes claiming 2^31 x 2^31 pixels of 32 bits: the pixel array would need 2^66 bytes,
// a product that overflowed 64 bits and came out as 0, i.e. "complete".
TEST_F(PictureLoaderTest, BmpClaimingTwoGigapixelsSquaredIsTruncated)
{
    // File header (size, pixels at 118), info header (40 bytes: 2^31 x 2^31, 1 plane,
    // 32 bits, no compression), and a 16-colour palette nobody needs.
    QByteArray bmp = "BM" + littleEndian32(118) + littleEndian32(0) + littleEndian32(118) +
                     littleEndian32(40) + littleEndian32(0x80000000) + littleEndian32(0x80000000) +
                     QByteArray::fromHex("01002000");
    bmp.resize(118, '\0');
    EXPECT_FALSE(checkDecodingHazards(PictureFormat::Bmp, bmp).ok());
    EXPECT_FALSE(loadPictureData(bmp, u"huge.bmp"_s).isReadable());
}

// libpng allocated the 2 GB a text chunk of a 300-byte file claimed, before finding the
// file too short; in an icon file just as well.
TEST_F(PictureLoaderTest, PngChunkClaimingMoreThanTheFileIsTruncated)
{
    QByteArray png = encode(twoColours(12, 8), "png");
    png.insert(png.size() - 12, bigEndian32(0x7E000025) + "tEXtdate:create");
    // One entry: 12 x 8, 32 bits, the PNG's size (little-endian) and its offset, 22.
    QByteArray icon = QByteArray::fromHex(
        "000001000100"
        "0c0800000100200000000000"
        "16000000");
    icon.replace(14, 4, littleEndian32(quint32(png.size())));
    for (const auto &[format, bytes] :
         {std::pair{PictureFormat::Png, png}, {PictureFormat::Icon, icon + png}}) {
        EXPECT_EQ(checkDecodingHazards(format, bytes).why(), u"the file is truncated"_s);
        EXPECT_FALSE(loadPictureData(bytes, {}).isReadable());
    }
}

TEST_F(PictureLoaderTest, CallersMayLowerThePixelLimit)
{
    test::PcxLayout pcx{.width = 40, .height = 30, .bytesPerLine = 40};
    pcx.rows = QByteArray(40 * 30, '\x11');
    const QByteArray pictures[] = {encode(twoColours(40, 30), "png"), gif(40, 30),
                                   test::encodePcx(pcx)};
    for (const QByteArray &bytes : pictures) {
        EXPECT_TRUE(loadPictureData(bytes, {}, {.maxPixels = 40 * 30}).isReadable());
        const LoadedPicture refused = loadPictureData(bytes, {}, {.maxPixels = 40 * 30 - 1});
        EXPECT_FALSE(refused.isReadable());
        EXPECT_EQ(refused.error, u"the picture is too large"_s);
    }
}

// The fuzzer's seeds: small files of every layout ("ok-"), headers that lie about their
// size and files cut short ("bad-"), which must be refused with a reason, and odd files
// that may go either way ("odd-").
TEST_F(PictureLoaderTest, SeedPicturesLoadOrAreRefusedWithAReason)
{
    const QDir corpus(QStringLiteral(TAVRO_PICTURE_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GT(names.size(), 40);
    for (const QString &name : names) {
        const LoadedPicture picture = loadPicture(corpus.filePath(name));
        if (name.startsWith(u"ok"_s)) {
            EXPECT_TRUE(picture.isReadable())
                << qPrintable(name) << ": " << qPrintable(picture.error);
            EXPECT_LE(picture.width() * picture.height(), 256) << qPrintable(name);
        } else if (name.startsWith(u"bad"_s)) {
            EXPECT_FALSE(picture.isReadable()) << qPrintable(name);
            EXPECT_FALSE(picture.error.isEmpty()) << qPrintable(name);
        }
    }
}

}  // namespace
}  // namespace tavro::pictures
