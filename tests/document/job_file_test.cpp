// Job files: a PNG of the board that keeps the whole job exactly, refuses what it cannot hold,
// and is never left half written.
#include "document/job_file.h"

#include "file_size_limit.h"
#include "outcome_assert.h"
#include "png_bytes.h"
#include "render/effect_board.h"
#include "render/upload_raster.h"
#include "test_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::document {
namespace {

// A chosen rendering: black and white dots, nothing else.
QImage renderedBoard()
{
    QImage board = render::blankBoard();
    for (int y = 0; y < 490; ++y)
        for (int x = (y * 7) % 3; x < 490; x += 3 + (x * y) % 5)
            board.setPixel(x, y, qRgb(0, 0, 0));
    return board;
}

JobFile sampleJob()
{
    JobFile job;
    job.rememberedImage = renderedBoard();
    job.board = job.rememberedImage;
    // What the board collects afterwards: a trace point, and the greys of a Zoom Out.
    job.board.setPixel(300, 300, qRgb(255, 0, 0));
    job.board.setPixel(301, 300, qRgb(128, 127, 126));
    job.tuning = {.grey = render::GreySource::Luma,
                  .brightness = -35,
                  .gamma = 0.3,
                  .method = render::Effect::Stucki};
    job.burnTime = 73;
    job.textFont = {u"Name=微软雅黑"_s, u"Size=24"_s, u"Bold=1"_s};
    return job;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A PNG of `image` with these text chunks, as another program could write it.
QByteArray pngWithTexts(QImage image, const QList<std::pair<QString, QString>> &texts)
{
    for (const auto &[key, value] : texts) image.setText(key, value);
    return test::encode(image, "png");
}

TEST(JobFile, KeepsTheWholeJobExactly)
{
    const JobFile saved = sampleJob();
    const JobFileRead read = decodeJobFile(encodeJobFile(saved));
    ASSERT_EQ(read.status, JobFileStatus::Ok) << read.reason.toStdString();
    EXPECT_EQ(read.version, JobFileVersion);
    EXPECT_EQ(read.job.board, saved.board.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(render::packUploadRaster(read.job.board), render::packUploadRaster(saved.board));
    EXPECT_EQ(read.job.rememberedImage,
              saved.rememberedImage.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(read.job.tuning, saved.tuning);
    EXPECT_EQ(read.job.burnTime, 73);
    EXPECT_EQ(read.job.textFont, saved.textFont);
    EXPECT_TRUE(read.job.board.textKeys().isEmpty()) << "the chunks are the job's, not the board's";

    JobFile bare = saved;
    bare.rememberedImage = QImage();  // nothing chosen yet: Reload has nothing to bring back
    bare.textFont.clear();
    const JobFileRead bareRead = decodeJobFile(encodeJobFile(bare));
    ASSERT_EQ(bareRead.status, JobFileStatus::Ok);
    EXPECT_TRUE(bareRead.job.rememberedImage.isNull());
    EXPECT_TRUE(bareRead.job.textFont.isEmpty());
}

TEST(JobFile, IsAOneBitPictureOfTheBoardThatAnyViewerShows)
{
    QTemporaryDir dir;
    JobFile job = sampleJob();
    job.board = job.rememberedImage;  // black and white only
    const QString path = dir.filePath(u"cat.tavro.png"_s);
    ASSERT_TRUE(isDone(writeJobFile(path, job)));

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "png");
    EXPECT_EQ(reader.imageFormat(), QImage::Format_Mono);
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), job.board);
    EXPECT_TRUE(isJobFile(path));

    // Told by content: the name counts for nothing either way.
    const QString renamed = dir.filePath(u"cat.jpg"_s);
    QFile::copy(path, renamed);
    EXPECT_TRUE(isJobFile(renamed));
    const QString plain = dir.filePath(u"plain.tavro.png"_s);
    ASSERT_TRUE(job.board.save(plain));
    EXPECT_FALSE(isJobFile(plain));
    EXPECT_FALSE(isJobFile(dir.filePath(u"missing.tavro.png"_s)));
    const QString cut = dir.filePath(u"cut.tavro.png"_s);
    QFile::copy(path, cut);
    QFile::resize(cut, 300);
    EXPECT_TRUE(isJobFile(cut)) << "cut short, but a job: it gets a job's message";
    EXPECT_FALSE(isJobFile(dir.path()));
}

TEST(JobFile, RefusesWhatIsNotAWholeJobOfThisVersion)
{
    const QByteArray good = encodeJobFile(sampleJob());
    const QImage board = render::blankBoard();
    const QList<std::pair<QString, QString>> version1 = {{u"TavroJob"_s, u"1"_s}};
    const QByteArray truncated = good.first(good.size() / 2);
    QByteArray hugeClaim = good;  // the remembered image's chunk says it holds 2 GiB
    hugeClaim.replace(good.indexOf("zTXtTavroRememberedImage") - 4, 4,
                      QByteArrayView("\x7F\xFF\xFF\x00", 4));
    // A flipped byte in the remembered image's chunk: its check sum fails and the chunk is lost.
    QByteArray flipped = good;
    flipped[good.indexOf("TavroRememberedImage") + 40] ^= 0x20;
    const QByteArray withoutBurnTime = pngWithTexts(board, {{u"TavroJob"_s, u"1"_s},
                                                            {u"TavroRememberedImage"_s, {}},
                                                            {u"TavroPictureTuning"_s, {}},
                                                            {u"TavroTextFont"_s, {}}});
    const QByteArray badBurnTime = pngWithTexts(board, {{u"TavroJob"_s, u"1"_s},
                                                        {u"TavroRememberedImage"_s, {}},
                                                        {u"TavroPictureTuning"_s, {}},
                                                        {u"TavroTextFont"_s, {}},
                                                        {u"TavroBurnTime"_s, u"0"_s}});
    const auto withRemembered = [&board](const QByteArray &png) {
        return pngWithTexts(board, {{u"TavroJob"_s, u"1"_s},
                                    {u"TavroRememberedImage"_s, QString::fromLatin1(png)},
                                    {u"TavroPictureTuning"_s, {}},
                                    {u"TavroTextFont"_s, {}},
                                    {u"TavroBurnTime"_s, u"40"_s}});
    };
    const QByteArray boardPng = test::encode(board, "png");
    // Inside the job as outside: a chunk's claim is checked before libpng sets it aside.
    const QByteArray rememberedClaiming2GiB = withRemembered(
        test::withPngChunks(boardPng, test::pngChunk("tEXt", "Comment\0x"_ba, 0x7FFFFF00))
            .toBase64());
    // Kilobytes that inflate to more text than any job holds.
    const QByteArray textBomb = test::withPngChunks(
        good, test::pngChunk(
                  "zTXt", "Comment\0\0"_ba + test::zlibStream(QByteArray(MaxJobTextBytes, 'x'))));
    QByteArray noSize = good;  // the header says 0 x 0
    noSize.replace(8, 25, test::pngChunk("IHDR", QByteArray(8, '\0') + good.sliced(24, 5)));

    const struct {
        const char *name;
        QByteArray data;
        JobFileStatus status;
    } cases[] = {
        {"plain PNG", test::encode(board, "png"), JobFileStatus::PlainPicture},
        {"JPEG", test::encode(test::uniform(8, 8, 0xFF336699), "jpeg"),
         JobFileStatus::PlainPicture},
        {"text", "Name=Arial\r\nSize=72\r\n", JobFileStatus::NotAJob},
        {"empty", {}, JobFileStatus::NotAJob},
        {"newer", pngWithTexts(board, {{u"TavroJob"_s, u"2"_s}}), JobFileStatus::NewerVersion},
        {"odd version", pngWithTexts(board, {{u"TavroJob"_s, u"one"_s}}), JobFileStatus::Damaged},
        {"truncated", truncated, JobFileStatus::Damaged},
        {"flipped byte", flipped, JobFileStatus::Damaged},
        {"chunk claiming 2 GiB", hugeClaim, JobFileStatus::Damaged},
        {"no burn time", withoutBurnTime, JobFileStatus::Damaged},
        {"burn time 0", badBurnTime, JobFileStatus::Damaged},
        {"remembered not base64", withRemembered("not base64!"), JobFileStatus::Damaged},
        {"remembered claiming 2 GiB", rememberedClaiming2GiB, JobFileStatus::Damaged},
        {"remembered 511 x 512",
         withRemembered(test::encode(test::uniform(511, 512, 0xFFFFFFFF), "png").toBase64()),
         JobFileStatus::Damaged},
        {"text bomb", textBomb, JobFileStatus::Damaged},
        {"board of 0 x 0", noSize, JobFileStatus::Damaged},
        {"format named twice",
         test::withPngChunks(good, test::pngChunk("tEXt",
                                                  "TavroJob\0"
                                                  "1"_ba)),
         JobFileStatus::Damaged},
        {"board too small", pngWithTexts(test::uniform(511, 512, 0xFFFFFFFF), version1),
         JobFileStatus::Damaged},
    };
    for (const auto &c : cases) {
        const JobFileRead read = decodeJobFile(c.data);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_TRUE(read.job.board.isNull()) << c.name;
        EXPECT_FALSE(read.reason.isEmpty()) << c.name;
    }
    EXPECT_EQ(decodeJobFile(pngWithTexts(board, {{u"TavroJob"_s, u"2"_s}})).version, 2);
    EXPECT_EQ(readJobFile(u"/nonexistent/job.tavro.png"_s).status, JobFileStatus::Unreadable);
}

// Transparent means nothing is there: paper, which is never burnt.
TEST(JobFile, TransparentPixelsAreWhite)
{
    QImage see(512, 512, QImage::Format_ARGB32);
    see.fill(Qt::transparent);  // transparent black
    for (int x = 0; x < 512; ++x) see.setPixel(x, 7, qRgba(0, 0, 0, 255));
    see.setPixel(3, 3, qRgba(0, 0, 0, 64));  // a quarter covered: a light grey
    const QString remembered = QString::fromLatin1(test::encode(see, "png").toBase64());
    const JobFileRead read =
        decodeJobFile(pngWithTexts(see, {{u"TavroJob"_s, u"1"_s},
                                         {u"TavroRememberedImage"_s, remembered},
                                         {u"TavroPictureTuning"_s, {}},
                                         {u"TavroTextFont"_s, {}},
                                         {u"TavroBurnTime"_s, u"40"_s}}));
    ASSERT_EQ(read.status, JobFileStatus::Ok) << qPrintable(read.reason);
    for (const QImage &image : {read.job.board, read.job.rememberedImage}) {
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(0, 7), qRgb(0, 0, 0));
        EXPECT_NEAR(qGray(image.pixel(3, 3)), 191, 1);
    }
    QByteArray raster(render::UploadRasterSize, '\0');
    raster.replace(7 * 64, 64, QByteArray(64, '\xFF'));
    EXPECT_EQ(render::packUploadRaster(read.job.board), raster);
}

// A FIFO nobody writes into would block the open for ever, /dev/zero would fill the memory.
TEST(JobFile, ReadsOnlyRegularFilesAndNeverWaits)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo.tavro.png"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir.filePath(u"zero.tavro.png"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, zero));
    for (const QString &path : {fifo, zero, dir.path()}) {
        EXPECT_FALSE(isJobFile(path)) << qPrintable(path);
        const JobFileRead read = readJobFile(path);
        EXPECT_EQ(read.status, JobFileStatus::Unreadable) << qPrintable(path);
        EXPECT_FALSE(read.reason.isEmpty()) << qPrintable(path);
    }
}

TEST(JobFile, AFailedWriteLeavesTheOldFileWholeAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"job.tavro.png"_s);
    JobFile first = sampleJob();
    first.burnTime = 10;
    ASSERT_TRUE(isDone(writeJobFile(path, first)));
    const QByteArray before = readAll(path);

    bool written = true, exported = true;
    {
        const test::FileSizeLimit fullDisk(4096);  // the disk fills up half way
        written = writeJobFile(path, sampleJob()).ok();
        exported = writeBoardPicture(dir.filePath(u"board.png"_s), sampleJob().board).ok();
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(exported);
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"job.tavro.png"_s})
        << "no temporary or partial file stays behind";

    // A folder that cannot hold files: a plain file stands where it should be.
    writeAll(dir.filePath(u"notafolder"_s), "x");
    EXPECT_FALSE(writeJobFile(dir.filePath(u"notafolder/job.tavro.png"_s), first).ok());
    if (geteuid() != 0) {  // the superuser writes into read-only folders all the same
        QDir(dir.path()).mkdir(u"readonly"_s);
        QFile::setPermissions(dir.filePath(u"readonly"_s), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(writeJobFile(dir.filePath(u"readonly/job.tavro.png"_s), first).ok());
    }
    EXPECT_EQ(writeJobFile(path, JobFile{}).why(), u"the job could not be encoded"_s);
    EXPECT_EQ(readAll(path), before);
}

TEST(JobFile, ExportedBoardIsAPlainPictureAndJobNamesGetTheirSuffix)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"board.png"_s);
    const QImage board = sampleJob().board;
    ASSERT_TRUE(isDone(writeBoardPicture(path, board)));
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), board);
    EXPECT_FALSE(isJobFile(path));

    EXPECT_EQ(jobFilePath(u"/a/cat"_s), u"/a/cat.tavro.png"_s);
    EXPECT_EQ(jobFilePath(u"/a.b/cat"_s), u"/a.b/cat.tavro.png"_s);
    EXPECT_EQ(jobFilePath(u"/a/cat.tavro.png"_s), u"/a/cat.tavro.png"_s);
    EXPECT_EQ(jobFilePath(u"/a/cat.png"_s), u"/a/cat.png"_s) << "a name the operator chose stays";
    EXPECT_EQ(jobFilePath({}), QString()) << "cancelled";
}

}  // namespace
}  // namespace tavro::document

namespace tavro::document {
namespace {

// The fuzzer's seeds: ok-* open as jobs, bad-* are refused with a reason, a plain picture is one.
TEST(JobFileSeeds, EverySeedIsWhatItsNameSays)
{
    const QDir corpus(QStringLiteral(TAVRO_JOB_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 6);
    for (const QString &name : names) {
        const JobFileRead read = readJobFile(corpus.filePath(name));
        if (name.startsWith(u"ok-"_s)) {
            EXPECT_EQ(read.status, JobFileStatus::Ok) << name.toStdString();
        } else if (name.startsWith(u"bad-"_s)) {
            EXPECT_NE(read.status, JobFileStatus::Ok) << name.toStdString();
            EXPECT_NE(read.status, JobFileStatus::PlainPicture) << name.toStdString();
        } else {
            EXPECT_EQ(read.status, JobFileStatus::PlainPicture) << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace tavro::document
