#include "job/upload_raster.h"
#include "test_pictures.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
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
        m_errors = errors;
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

    QTemporaryDir m_dir;
    QString m_errors;
};

TEST_F(TavroRenderTest, BlackWhiteBoardAndItsRaster)
{
    // 100 x 100 black on nothing else: FitPicture centres it at (195, 195).
    QByteArray raster;
    const QImage board = render(picture(test::Uniform(100, 100, 0xFF000000)), u"bw"_s, raster);
    ASSERT_EQ(board.size(), QSize(512, 512));
    EXPECT_EQ(board.pixel(194, 245), qRgb(255, 255, 255));
    EXPECT_EQ(board.pixel(195, 195), qRgb(0, 0, 0));
    EXPECT_EQ(board.pixel(294, 294), qRgb(0, 0, 0));
    EXPECT_EQ(board.pixel(295, 294), qRgb(255, 255, 255));
    EXPECT_EQ(raster, PackUploadRaster(board));
    EXPECT_EQ(uchar(raster[195 * 64 + 24]), 0x1F);  // x 195..199 are bits 4..0 of byte 24
}

TEST_F(TavroRenderTest, DitheredGreyIsACheckerboardInTheProcessingArea)
{
    QByteArray raster;
    const QImage board =
        render(picture(test::Uniform(490, 490, qRgb(128, 128, 128))), u"dither"_s, raster);
    for (const auto &[x, y] : {std::pair{1, 1}, {2, 2}, {489, 489}, {3, 101}})
        EXPECT_EQ(board.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
    for (const auto &[x, y] : {std::pair{0, 0}, {2, 1}, {1, 490}, {490, 1}, {511, 511}})
        EXPECT_EQ(board.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
    EXPECT_EQ(raster, PackUploadRaster(board));
}

TEST_F(TavroRenderTest, UnreadableInputGivesABlankBoardAndTheReason)
{
    const QString input = path(u"notes.jpg"_s);
    QFile file(input);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xFF\xD8 but nothing more");
    file.close();
    QByteArray raster;
    EXPECT_EQ(render(input, u"dither"_s, raster), test::Uniform(512, 512, 0xFFFFFFFF));
    EXPECT_EQ(raster, QByteArray(UploadRasterSize, '\0'));
    const QRegularExpression fileThenReason(QRegularExpression::escape(input) + u": \\w+"_s);
    EXPECT_TRUE(m_errors.contains(fileThenReason)) << qPrintable(m_errors);
}

TEST_F(TavroRenderTest, WrongArgumentsGiveUsage)
{
    const QString input = picture(test::Uniform(4, 4, 0xFF000000));
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
        EXPECT_TRUE(errors.contains(u"Usage:"_s)) << qPrintable(errors);
    }
    EXPECT_FALSE(QFile::exists(out));
    // An output that cannot be written is not a usage error.
    EXPECT_EQ(run({input, u"--effect"_s, u"bw"_s, u"--raster"_s, m_dir.path()}).first, 1);
}

// Names reach the program as bytes that are not valid UTF-8, as from a shell.
TEST_F(TavroRenderTest, InputNamedInBytesThatAreNotUtf8)
{
    ASSERT_TRUE(test::Uniform(100, 100, 0xFF000000).save(path(u"black.png"_s), "PNG"));
    const QString script =
        uR"sh(
        cd "$1" && name=$(printf '\377\376.png') && cp black.png "$name" &&
        "$0" "$name" --effect bw --png out.png &&
        "$0" "$(printf '\377\376-gone.png')" --effect bw --png gone.png)sh"_s;
    QProcess process;
    process.start(u"sh"_s, {u"-c"_s, script, QStringLiteral(TAVRO_RENDER_PATH), m_dir.path()});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << qPrintable(errors);
    EXPECT_EQ(QImage(path(u"out.png"_s)).pixel(195, 195), qRgb(0, 0, 0));
    // What cannot be read is named as well as it can be.
    EXPECT_TRUE(errors.contains(u"\uFFFD\uFFFD-gone.png: no such file"_s)) << qPrintable(errors);
}

}  // namespace
}  // namespace tavro::job
