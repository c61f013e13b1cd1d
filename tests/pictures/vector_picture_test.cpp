#include "pictures/vector_picture.h"
#include "pictures/picture_format.h"
#include "pictures/picture_loader.h"
#include "pictures/svg_check.h"
#include "png_bytes.h"
#include "test_pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::pictures {
namespace {

QByteArray svg(const QByteArray &attributes, const QByteArray &body)
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )" +
           attributes + ">" + body + "</svg>";
}

QByteArray dataUrl(const QByteArray &bytes)
{
    return "data:image/png;base64," + bytes.toBase64();
}

// Eleven levels, each using the one below ten times: 10^11 rectangles.
QByteArray useBomb()
{
    QByteArray levels = "<g id='a0'><rect width='1' height='1'/></g>";
    for (int i = 1; i < 12; ++i) {
        const QByteArray use = "<use xlink:href='#a" + QByteArray::number(i - 1) + "'/>";
        levels += "<g id='a" + QByteArray::number(i) + "'>" + use.repeated(10) + "</g>";
    }
    return svg("", levels);
}

QString refusal(const QByteArray &bytes)
{
    const platform::Result<VectorPicture> picture = VectorPicture::fromData(bytes);
    return picture ? u"accepted"_s : picture.why();
}

// A row of the picture: how many dots lie between black and white.
int greyDots(const QImage &image, int y)
{
    int grey = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int value = image.pixelColor(x, y).value();
        grey += value > 8 && value < 247;
    }
    return grey;
}

TEST(VectorPictureTest, RefusesHostilePicturesWithTheirReason)
{
    QTemporaryDir dir;
    // Nobody writes into the pipe: reading it would wait for ever.
    const QByteArray pipe = QFile::encodeName(dir.filePath(u"pipe.png"_s));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const QByteArray laughs = R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY a "ha">)"
                              R"(<!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">]>)" +
                              svg("", "<text>&b;</text>");
    const QString outside = u"it refers to %1, outside the picture"_s;
    const struct {
        const char *name;
        QByteArray bytes;
        QString reason;
    } cases[] = {
        {"entities", laughs, u"it declares entities, which could make it grow without end"_s},
        {"depth", svg("", QByteArray("<g>").repeated(65) + QByteArray("</g>").repeated(65)),
         u"its elements are nested more than 64 deep"_s},
        {"elements", svg("", QByteArray("<rect/>").repeated(100'000)),
         u"it has more than 100000 elements"_s},
        {"image by path", svg("", "<image width='9' height='9' xlink:href='" + pipe + "'/>"),
         outside.arg(QString::fromUtf8(pipe).left(60) + (pipe.size() > 60 ? u"…"_s : u""_s))},
        {"image by URL", svg("", "<image width='9' height='9' href='file:///etc/passwd'/>"),
         outside.arg(u"file:///etc/passwd"_s)},
        {"image of an SVG", svg("", "<image href='" + dataUrl(svg("", "")) + "'/>"),
         u"it embeds a picture that is too large or cannot be read"_s},
        {"use of another file", svg("", "<use xlink:href='logo.svg#a'/>"),
         outside.arg(u"logo.svg#a"_s)},
        {"fill from another file", svg("", "<rect fill='url( \"o.svg#g\")' width='1'/>"),
         outside.arg(u"o.svg#g"_s)},
        {"style sheet import", svg("", "<style>@import 'x.css';</style>"),
         u"it uses a style sheet from outside the picture"_s},
        {"huge size", svg("width='1e9mm' height='10mm'", ""),
         u"it declares a size larger than 10000 mm"_s},
        {"negative viewBox", svg("viewBox='0 0 -5 5'", ""),
         u"it declares a width, height or viewBox that is empty, negative or absurd"_s},
        {"use bomb", useBomb(), u"its <use> elements would draw more than 200000 elements"_s},
        {"use cycle", svg("", "<g id='a'><use href='#a'/></g>"),
         u"a <use> element refers to itself"_s},
        {"not an SVG", "<html><svg/></html>", u"it is not an SVG picture"_s},
    };
    for (const auto &c : cases) EXPECT_EQ(refusal(c.bytes), c.reason) << c.name;
    EXPECT_TRUE(refusal(svg("", "<rect")).startsWith(u"the SVG is damaged (line 1: "_s));
}

TEST(VectorPictureTest, KeepsReferencesInsideThePicture)
{
    const QByteArray png = test::encode(test::uniform(4, 4, qRgb(0, 0, 0)), "png");
    const QByteArray inside =
        svg("viewBox='0 0 10 10'",
            "<defs><linearGradient id='g'><stop offset='0' stop-color='black'/></linearGradient>"
            "<rect id='r' width='5' height='5'/></defs><use xlink:href='#r'/>"
            "<rect x='5' width='5' height='5' style='fill: url(#g)'/>"
            "<image x='0' y='5' width='5' height='5' xlink:href='" +
                dataUrl(png) + "'/>");
    const platform::Result<VectorPicture> picture = VectorPicture::fromData(inside);
    ASSERT_TRUE(picture) << qPrintable(picture.why());
    const QImage image = picture->render({20, 20});
    for (const QPoint corner : {QPoint(2, 2), QPoint(17, 2), QPoint(2, 17)})
        EXPECT_LT(image.pixelColor(corner).value(), 20) << corner.x() << "," << corner.y();
    EXPECT_EQ(image.pixelColor(17, 17).value(), 255);
}

TEST(VectorPictureTest, IsDrawnSharplyAtEverySize)
{
    // A disc and a bar whose edges fall between dots, so antialiasing shows.
    const platform::Result<VectorPicture> logo =
        VectorPicture::fromData(svg("viewBox='0 0 10 10'",
                                    "<circle cx='5' cy='3.3' r='2.7'/>"
                                    "<rect x='1.13' y='7' width='7.7' height='2'/>"));
    ASSERT_TRUE(logo) << qPrintable(logo.why());
    for (const int side : {37, 370}) {
        const QImage image = logo->render({side, side});
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
        const int bar = side * 8 / 10;
        const int disc = side * 33 / 100;
        EXPECT_EQ(image.pixelColor(side / 2, bar).value(), 0) << side;
        EXPECT_EQ(image.pixelColor(side / 2, disc).value(), 0) << side;
        EXPECT_EQ(image.pixelColor(0, bar).value(), 255) << side;
        // Two edges a row, each one or two dots wide: an upscaled raster would blur them
        // over ten.
        EXPECT_GE(greyDots(image, bar), 1) << side;
        EXPECT_LE(greyDots(image, bar), 4) << side;
        EXPECT_LE(greyDots(image, disc), 4) << side;
    }
    EXPECT_TRUE(logo->render({0, 10}).isNull());
}

TEST(VectorPictureTest, DefaultSizeComesFromAbsoluteWidthAndHeight)
{
    const struct {
        QByteArray attributes;
        std::optional<QSizeF> mm;
        QSizeF natural;
    } cases[] = {
        {"width='50mm' height='2cm'", QSizeF(50, 20), QSizeF(50 * 96 / 25.4, 20 * 96 / 25.4)},
        {"width='1in' height='72pt' viewBox='0 0 4 2'", QSizeF(25.4, 25.4), QSizeF(4, 2)},
        {"width='96' height='48px'", QSizeF(25.4, 12.7), QSizeF(96, 48)},
        {"width='10mm' viewBox='0 0 4 2'", QSizeF(10, 5), QSizeF(4, 2)},
        {"viewBox='0 0 30 10'", std::nullopt, QSizeF(30, 10)},
        {"width='100%' height='100%' viewBox='0 0 30 10'", std::nullopt, QSizeF(30, 10)},
    };
    for (const auto &c : cases) {
        const platform::Result<VectorPicture> picture =
            VectorPicture::fromData(svg(c.attributes, "<rect width='1' height='1'/>"));
        ASSERT_TRUE(picture) << c.attributes.constData() << ": " << qPrintable(picture.why());
        ASSERT_EQ(picture->defaultSizeMm().has_value(), c.mm.has_value()) << c.attributes.data();
        if (c.mm) {
            EXPECT_NEAR(picture->defaultSizeMm()->width(), c.mm->width(), 1e-9);
            EXPECT_NEAR(picture->defaultSizeMm()->height(), c.mm->height(), 1e-9);
        }
        EXPECT_NEAR(picture->naturalSize().width(), c.natural.width(), 1e-3) << c.attributes.data();
        EXPECT_NEAR(picture->naturalSize().height(), c.natural.height(), 1e-3);
    }
}

TEST(VectorPictureTest, SvgIsRecognisedAndDrawnToFitTheDrawSize)
{
    const QByteArray plain = svg("width='5mm' height='5mm'", "");
    const QByteArray prologue =
        "\xEF\xBB\xBF<?xml version='1.0'?>\n<!-- made by hand -->\n"
        "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"svg11.dtd\">" +
        plain;
    for (const QByteArray &bytes : {plain, prologue, "<svg:svg xmlns:svg='x'/>"_ba}) {
        EXPECT_EQ(sniffPictureFormat(bytes), PictureFormat::Svg) << bytes.constData();
        const LoadedPicture loaded = loadPictureData(bytes, u"logo"_s, {.drawSize = 40});
        EXPECT_TRUE(loaded.isVector);
    }
    const LoadedPicture drawn = loadPictureData(plain, u"logo"_s, {.drawSize = 40});
    EXPECT_EQ(drawn.image.size(), QSize(40, 40)) << "a square logo fits the draw size";
    EXPECT_EQ(drawn.size, QSize(40, 40)) << "declared as drawn, so the chooser fills its area";
    EXPECT_EQ(drawn.sizeMm, QSizeF(5, 5));
    EXPECT_TRUE(VectorPicture::fromData(prologue));
    for (const QByteArray &other :
         {"<?xml version='1.0'?><html/>"_ba, "<svgx/>"_ba, "\x1F\x8B\x08\x00"_ba, "text <svg>"_ba})
        EXPECT_EQ(sniffPictureFormat(other), PictureFormat::Unknown) << other.constData();
    EXPECT_TRUE(pictureNamePatterns().contains(u"*.svg"_s));
}

TEST(VectorPictureTest, SeedCorpusIsReadByItsNames)
{
    const QDir corpus(QStringLiteral(TAVRO_SVG_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        const platform::Result<VectorPicture> picture =
            VectorPicture::fromFile(corpus.filePath(name));
        EXPECT_EQ(picture.ok(), name.startsWith(u"ok-"_s)) << qPrintable(name + picture.why());
    }
}

TEST(VectorPictureTest, TextIsNotDrawnWithoutAGuiApplication)
{
    // Qt aborts when text meets no font database; these tests run without one.
    const platform::Result<VectorPicture> words = VectorPicture::fromData(
        svg("viewBox='0 0 50 20'", "<text x='1' y='15'><tspan>Hi</tspan></text>"));
    ASSERT_TRUE(words) << qPrintable(words.why());
    EXPECT_TRUE(words->render({100, 40}).isNull());
}

}  // namespace
}  // namespace tavro::pictures
