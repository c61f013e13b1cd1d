#include "common/render_options.h"
#include "file_size_limit.h"
#include "materials/material_presets.h"
#include "outcome_assert.h"
#include "pictures/picture_loader.h"
#include "qt_printers.h"
#include "render/as_it_will_burn.h"
#include "render/effect_board.h"
#include "render/upload_raster.h"
#include "render/work_snapshot.h"
#include "test_pictures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::cli {
namespace {

class TavroRenderTest : public ::testing::Test {
protected:
    // Exit status and standard error.
    std::pair<int, QString> run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral(TAVRO_RENDER_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // Renders `input` with both outputs; the board comes back as RGB32.
    QImage render(const QString &input, const QString &effect, QByteArray &raster)
    {
        const auto [status, errors] = run({input, u"--effect"_s, effect, u"--png"_s,
                                           path(u"out.png"_s), u"--raster"_s, path(u"out.bin"_s)});
        EXPECT_EQ(status, 0) << qPrintable(errors);
        QFile file(path(u"out.bin"_s));
        raster = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return QImage(path(u"out.png"_s)).convertToFormat(QImage::Format_RGB32);
    }

    QString picture(const QImage &image)
    {
        EXPECT_TRUE(image.save(path(u"in.png"_s), "PNG"));
        return path(u"in.png"_s);
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeOld(const QString &name)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    QByteArray readOld(const QString &name)
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(TavroRenderTest, BlackWhiteBoardAndItsRaster)
{
    // 100 x 100 black on nothing else: FitPicture centres it at (195, 195).
    QByteArray raster;
    const QImage board = render(picture(test::uniform(100, 100, 0xFF000000)), u"bw"_s, raster);
    ASSERT_EQ(board.size(), QSize(512, 512));
    EXPECT_EQ(board.pixel(194, 245), qRgb(255, 255, 255));
    EXPECT_EQ(board.pixel(195, 195), qRgb(0, 0, 0));
    EXPECT_EQ(board.pixel(294, 294), qRgb(0, 0, 0));
    EXPECT_EQ(board.pixel(295, 294), qRgb(255, 255, 255));
    EXPECT_EQ(raster, render::packUploadRaster(board));
    EXPECT_EQ(uchar(raster[195 * 64 + 24]), 0x1F);  // x 195..199 are bits 4..0 of byte 24
}

TEST_F(TavroRenderTest, DitheredGreyIsACheckerboardInTheProcessingArea)
{
    QByteArray raster;
    const QImage board =
        render(picture(test::uniform(490, 490, qRgb(128, 128, 128))), u"dither"_s, raster);
    for (const auto &[x, y] : {std::pair{1, 1}, {2, 2}, {489, 489}, {3, 101}})
        EXPECT_EQ(board.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    for (const auto &[x, y] : {std::pair{0, 0}, {2, 1}, {1, 490}, {490, 1}, {511, 511}})
        EXPECT_EQ(board.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    EXPECT_EQ(raster, render::packUploadRaster(board));
}

// A white board would burn nothing and look like success: nothing is written, and the
// reason is given.
TEST_F(TavroRenderTest, UnreadableInputFailsAndWritesNothing)
{
    const QByteArray png = test::encode(test::uniform(64, 64, 0xFF000000), "png");
    const std::pair<QString, QByteArray> inputs[] = {
        {u"empty.png"_s, {}},
        {u"truncated.png"_s, png.first(png.size() / 2)},
        {u"notes.jpg"_s, "Name=Arial\r\nSize=72\r\n"},
        {u"cut.jpg"_s, "\xFF\xD8 but nothing more"},
    };
    QStringList paths = {path(u"missing.png"_s), m_dir.path()};
    for (const auto &[name, bytes] : inputs) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        paths << file.fileName();
    }
    writeOld(u"old.png"_s);
    for (const QString &input : paths) {
        const auto [status, errors] = run({input, u"--effect"_s, u"dither"_s, u"--png"_s,
                                           path(u"old.png"_s), u"--raster"_s, path(u"out.bin"_s)});
        EXPECT_EQ(status, 1) << qPrintable(input);
        const QRegularExpression fileThenReason(QRegularExpression::escape(input) + u": \\w+"_s);
        EXPECT_TRUE(errors.contains(fileThenReason)) << qPrintable(errors);
        EXPECT_EQ(readOld(u"old.png"_s), "old") << qPrintable(input);
        EXPECT_FALSE(QFile::exists(path(u"out.bin"_s))) << qPrintable(input);
    }
}

// The disk fills up while the new board is written: the old file stays whole.
TEST_F(TavroRenderTest, AFullDiskKeepsTheOldOutputAndFails)
{
    const QString input = picture(test::uniform(490, 490, qRgb(128, 128, 128)));
    writeOld(u"old.png"_s);
    writeOld(u"old.bin"_s);
    std::pair<int, QString> result;
    {
        const test::FileSizeLimit fullDisk(2000);  // the PNG and the raster both need more
        result = run({input, u"--effect"_s, u"dither"_s, u"--png"_s, path(u"old.png"_s),
                      u"--raster"_s, path(u"old.bin"_s)});
    }
    EXPECT_EQ(result.first, 1);
    EXPECT_TRUE(result.second.contains(u"cannot write "_s + path(u"old.png"_s) + u": "_s))
        << qPrintable(result.second);
    EXPECT_TRUE(result.second.contains(u"cannot write "_s + path(u"old.bin"_s) + u": "_s));
    EXPECT_EQ(readOld(u"old.png"_s), "old");
    EXPECT_EQ(readOld(u"old.bin"_s), "old");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              (QStringList{u"in.png"_s, u"old.bin"_s, u"old.png"_s}));
}

TEST_F(TavroRenderTest, SaysItsVersion)
{
    QProcess process;
    process.start(QStringLiteral(TAVRO_RENDER_PATH), {u"--version"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput(), "tavro-render " TAVRO_VERSION "\n");
}

// The manual page lists what --help lists, and every rendering by name.
TEST_F(TavroRenderTest, ManualPageNamesEveryOptionAndEffect)
{
    QFile page(QStringLiteral(TAVRO_RENDER_MAN));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll()).remove(u'\\');
    QProcess process;
    process.start(QStringLiteral(TAVRO_RENDER_PATH), {u"--help"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression option(u"--[a-z-]+"_s);
    for (const QRegularExpressionMatch &match : option.globalMatch(help))
        EXPECT_TRUE(manual.contains(match.captured())) << qPrintable(match.captured());
    for (const render::Effect effect : render::AllEffects) {
        const QRegularExpression named(u"\\b"_s + render::effectName(effect) + u"\\b"_s);
        EXPECT_TRUE(manual.contains(named)) << qPrintable(render::effectName(effect));
    }
    EXPECT_TRUE(manual.contains(u".SH EXIT STATUS"_s));
}

// A saved preset renders as its method and tuning would; options given as well win over it.
TEST_F(TavroRenderTest, APresetRendersAsItsMethodAndTuning)
{
    const QString home = qEnvironmentVariable("TAVRO_HOME");
    materials::MaterialPresets presets(home);
    const render::PictureTuning tuning{.grey = render::GreySource::Luma,
                                       .gamma = 1.6,
                                       .method = render::Effect::Atkinson,
                                       .compensateDotGain = true,
                                       .dotDiameter = 1.8};
    ASSERT_TRUE(isDone(presets.save({.name = u"Cherry 4 mm"_s, .tuning = tuning})));
    QImage photo(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) photo.setPixel(x, y, qRgb(x, 90 + y, 200 - x));
    const QString input = picture(photo);
    const auto board = [&](const QStringList &options) {
        const auto [status, errors] =
            run(QStringList{input, u"--png"_s, path(u"p.png"_s)} + options);
        EXPECT_EQ(status, 0) << qPrintable(errors);
        return QImage(path(u"p.png"_s)).convertToFormat(QImage::Format_RGB32);
    };
    const QImage preset = board({u"--preset"_s, u"Cherry 4 mm"_s});
    EXPECT_EQ(preset, board({u"--effect"_s, u"atkinson"_s, u"--grey"_s, u"luma"_s, u"--gamma"_s,
                             u"1.6"_s, u"--dot-gain"_s, u"1.8"_s}));
    EXPECT_EQ(board({u"--preset"_s, u"Cherry 4 mm"_s, u"--effect"_s, u"fs"_s}),
              board({u"--effect"_s, u"fs"_s, u"--grey"_s, u"luma"_s, u"--gamma"_s, u"1.6"_s,
                     u"--dot-gain"_s, u"1.8"_s}));
    const auto [status, errors] =
        run({input, u"--preset"_s, u"Oak"_s, u"--png"_s, path(u"o.png"_s)});
    EXPECT_EQ(status, 2);
    EXPECT_TRUE(errors.contains(u"no preset 'Oak'; there are 'Cherry 4 mm'"_s))
        << qPrintable(errors);
    ASSERT_TRUE(isDone(presets.remove(u"Cherry 4 mm"_s)));
}

TEST_F(TavroRenderTest, WrongArgumentsGiveOneLinePointingToTheHelp)
{
    const QString input = picture(test::uniform(4, 4, 0xFF000000));
    const QString out = path(u"out.png"_s);
    const QStringList cases[] = {
        {},
        {input, u"--png"_s, out},
        {input, u"--effect"_s, u"sepia"_s, u"--png"_s, out},
        {input, u"--effect"_s, u"bw"_s},
        {input, input, u"--effect"_s, u"bw"_s, u"--png"_s, out},
        {input, u"--effect"_s, u"bw"_s, u"--jpeg"_s, out},
    };
    for (const QStringList &arguments : cases) {
        const auto [status, errors] = run(arguments);
        EXPECT_EQ(status, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(errors.startsWith(u"tavro-render: "_s)) << qPrintable(errors);
        EXPECT_TRUE(errors.endsWith(u"; see --help\n"_s)) << qPrintable(errors);
        EXPECT_EQ(errors.count(u'\n'), 1) << "one line, not the whole help";
        EXPECT_FALSE(errors.contains(u".; see"_s)) << "Qt's full stop is not repeated";
    }
    EXPECT_FALSE(QFile::exists(out));
    // An output that cannot be written is not a usage error.
    EXPECT_EQ(run({input, u"--effect"_s, u"bw"_s, u"--raster"_s, m_dir.path()}).first, 1);
}

TEST_F(TavroRenderTest, TunedEffectsGiveTheBoardOfTheirSettings)
{
    QImage photo(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 300, y * 255 / 200, (x * y) % 256));
    const QString input = picture(photo);
    const QImage snapshot = render::makeWorkSnapshot(pictures::loadPicture(input));
    const struct {
        QStringList options;
        render::Effect effect;
        render::PictureTuning tuning;
    } cases[] = {
        {{u"--effect"_s, u"jjn"_s, u"--grey"_s, u"average"_s, u"--brightness"_s, u"-10"_s,
          u"--contrast"_s, u"25"_s, u"--gamma"_s, u"1.8"_s, u"--invert"_s},
         render::Effect::JarvisJudiceNinke,
         {.grey = render::GreySource::Average,
          .brightness = -10,
          .contrast = 25,
          .gamma = 1.8,
          .invert = true}},
        {{u"--effect"_s, u"bw"_s, u"--threshold"_s, u"60"_s},
         render::Effect::BlackWhite,
         {.threshold = 60}},
        {{u"--effect"_s, u"bayer"_s}, render::Effect::Bayer, {}},
    };
    for (const auto &c : cases) {
        const QStringList outputs = {u"--png"_s, path(u"out.png"_s), u"--raster"_s,
                                     path(u"out.bin"_s)};
        const auto [status, errors] = run(QStringList{input} + c.options + outputs);
        ASSERT_EQ(status, 0) << qPrintable(errors);
        const QImage expected = render::renderEffectBoard(snapshot, c.effect, c.tuning);
        EXPECT_EQ(QImage(path(u"out.png"_s)).convertToFormat(QImage::Format_RGB32), expected)
            << qPrintable(c.options.join(u' '));
        QFile raster(path(u"out.bin"_s));
        ASSERT_TRUE(raster.open(QIODevice::ReadOnly));
        EXPECT_EQ(raster.readAll(), render::packUploadRaster(expected));
    }
}

// Pure blue and yellow used to dither all white and all black; read as luma, each
// burns as much as it is dark.
TEST_F(TavroRenderTest, LumaGivesBlueAndYellowTheirShareOfDots)
{
    const auto blackShare = [this](QRgb colour) {
        const QStringList arguments = {picture(test::uniform(490, 490, colour)),
                                       u"--effect"_s,
                                       u"fs"_s,
                                       u"--grey"_s,
                                       u"luma"_s,
                                       u"--png"_s,
                                       path(u"out.png"_s)};
        EXPECT_EQ(run(arguments).first, 0);
        const QImage board = QImage(path(u"out.png"_s)).convertToFormat(QImage::Format_RGB32);
        int black = 0;
        for (int y = 0; y < 490; ++y)
            for (int x = 0; x < 490; ++x) black += board.pixel(x, y) == qRgb(0, 0, 0);
        return black / (490.0 * 490.0);
    };
    const double blue = blackShare(qRgb(0, 0, 255));      // luma 29
    const double yellow = blackShare(qRgb(255, 255, 0));  // luma 226
    EXPECT_NEAR(blue, 1 - 29 / 255.0, 0.005);
    EXPECT_NEAR(yellow, 1 - 226 / 255.0, 0.005);
    EXPECT_NEAR(blue - yellow, (226 - 29) / 255.0, 0.005);
}

TEST_F(TavroRenderTest, ValuesOutOfRangeNameTheOptionAndWriteNothing)
{
    const QString input = picture(test::uniform(4, 4, 0xFF000000));
    const QString out = path(u"out.png"_s);
    const std::pair<QStringList, QString> cases[] = {
        {{u"--brightness"_s, u"101"_s}, u"--brightness must be a whole number from -100 to 100"_s},
        {{u"--brightness"_s, u"bright"_s}, u"--brightness must be a whole number from -100"_s},
        {{u"--contrast"_s, u"-101"_s}, u"--contrast must be a whole number from -100 to 100"_s},
        {{u"--contrast"_s, u"0.5"_s}, u"--contrast must be a whole number"_s},
        {{u"--gamma"_s, u"0.19"_s}, u"--gamma must be a number from 0.2 to 5.0"_s},
        {{u"--gamma"_s, u"nan"_s}, u"--gamma must be a number from 0.2 to 5.0"_s},
        {{u"--threshold"_s, u"0"_s}, u"--threshold must be a whole number from 1 to 255"_s},
        {{u"--threshold"_s, u"256"_s}, u"--threshold must be a whole number from 1 to 255"_s},
        {{u"--grey"_s, u"red"_s}, u"--grey must be blue, average or luma"_s},
        {{u"--effect"_s, u"floyd"_s}, u"bw, dither, threshold, fs, atkinson, jjn, stucki"_s},
        {{u"--width-mm"_s, u"0"_s}, u"--width-mm must be a number of millimetres above 0"_s},
        {{u"--width-mm"_s, u"5"_s, u"--height-mm"_s, u"5"_s}, u"not both"_s},
        {{u"--top-mm"_s, u"inf"_s}, u"--top-mm must be a number of millimetres"_s},
        {{u"--mirror"_s, u"x"_s}, u"--mirror must be h, v or hv"_s},
        {{u"--left-mm"_s, u"39"_s}, u"no part of the picture would be on the board"_s},
        {{u"--height-mm"_s, u"200"_s}, u"it can be at most 152.8 mm"_s},
        {{u"--dot-width"_s, u"3.5"_s}, u"--dot-width must be a number from 0.5 to 3.0"_s},
    };
    for (const auto &[options, message] : cases) {
        QStringList arguments = {input, u"--effect"_s, u"fs"_s, u"--png"_s, out};
        arguments += options;
        const auto [status, errors] = run(arguments);
        EXPECT_EQ(status, 2) << qPrintable(options.join(u' '));
        EXPECT_TRUE(errors.contains(message)) << qPrintable(errors);
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(TavroRenderTest, AsBurntIsTheBoardAsTheViewShowsItBurnt)
{
    const QString input = picture(test::uniform(60, 60, 0xFF808080));
    for (const auto &[options, width] :
         {std::pair{QStringList{u"--dot-width"_s, u"2.0"_s}, 2.0},
          std::pair{QStringList{u"--dot-gain"_s, u"1.7"_s}, 1.7}, std::pair{QStringList{}, 1.3}}) {
        QStringList arguments = {
            input,           u"--effect"_s,       u"fs"_s, u"--png"_s, path(u"board.png"_s),
            u"--as-burnt"_s, path(u"burnt.png"_s)};
        const auto [status, errors] = run(arguments + options);
        ASSERT_EQ(status, 0) << qPrintable(errors);
        const QImage board(path(u"board.png"_s));
        const QImage burnt = QImage(path(u"burnt.png"_s)).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(burnt, render::AsItWillBurn({.dotDiameter = width}).render(board))
            << qPrintable(options.join(u' '));
    }
}

// Size, place and mirroring in millimetres, read as the window's Size and Position reads them.
TEST_F(TavroRenderTest, PlacementOptionsGiveTheBoardOfTheSameRequest)
{
    QImage image(90, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) image.setPixel(x, y, qRgb(x * 2, y * 4, 128));
    const QString input = picture(image);
    QByteArray raster;
    const auto [status, errors] =
        run({input, u"--effect"_s, u"stucki"_s, u"--height-mm"_s, u"10"_s, u"--left-mm"_s,
             u"-1.5"_s, u"--mirror"_s, u"hv"_s, u"--png"_s, path(u"out.png"_s)});
    ASSERT_EQ(status, 0) << qPrintable(errors);
    RenderChoice choice;
    choice.effect = render::Effect::Stucki;
    choice.placement = {.heightMm = 10, .leftMm = -1.5, .mirrorH = true, .mirrorV = true};
    const RenderedBoard expected = renderPictureFile(input, choice);
    ASSERT_TRUE(expected.error.isEmpty());
    EXPECT_EQ(QImage(path(u"out.png"_s)).convertToFormat(QImage::Format_RGB32), expected.board);
}

// Names reach the program as bytes that are not valid UTF-8, as from a shell.
TEST_F(TavroRenderTest, InputNamedInBytesThatAreNotUtf8)
{
    ASSERT_TRUE(test::uniform(100, 100, 0xFF000000).save(path(u"black.png"_s), "PNG"));
    const QString script =
        uR"sh(
        cd "$1" && name=$(printf '\377\376.png') && cp black.png "$name" &&
        "$0" "$name" --effect bw --png out.png &&
        { "$0" "$(printf '\377\376-gone.png')" --effect bw --png gone.png; test $? = 1; })sh"_s;
    QProcess process;
    process.start(u"sh"_s, {u"-c"_s, script, QStringLiteral(TAVRO_RENDER_PATH), m_dir.path()});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << qPrintable(errors);
    EXPECT_EQ(QImage(path(u"out.png"_s)).pixel(195, 195), qRgb(0, 0, 0));
    // What cannot be read is named as well as it can be.
    EXPECT_TRUE(errors.contains(u"\uFFFD\uFFFD-gone.png: no such file"_s)) << qPrintable(errors);
}

// A name that would act on the terminal (set its title, clear it, add lines) is shown escaped.
TEST_F(TavroRenderTest, NamesAreShownWithTheirControlsEscaped)
{
    const auto [status, errors] = run({path(u"\x1b]0;owned\x07\x1b[2J\nfake: done\n.png"_s),
                                       u"--effect"_s, u"bw"_s, u"--png"_s, path(u"out.png"_s)});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, u"tavro-render: "_s + m_dir.path() +
                          u"/\\x1b]0;owned\\x07\\x1b[2J\\nfake: done\\n.png: no such file\n"_s);
}

}  // namespace
}  // namespace tavro::cli
