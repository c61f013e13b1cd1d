#include "platform/picture_loader.h"
#include "test_pictures.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::platform {
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
    for (const QString &path :
         {m_dir.filePath(u"missing.png"_s), m_dir.path(), dropOfTwo, write(u"empty.png"_s, {})}) {
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

}  // namespace
}  // namespace tavro::platform
