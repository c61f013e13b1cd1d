// The interrupted job kept in the settings folder: kept whole, given back, or dropped with a
// reason.
#include "job/interrupted_job.h"
#include "job/resume.h"
#include "job/upload_raster.h"
#include "platform/profile_file.h"
#include "qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::job {
namespace {

QImage pattern()
{
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int y = 3; y < 500; y += 7)
        for (int x = (y * 5) % 11; x < 512; x += 3) board.setPixel(x, y, qRgb(0, 0, 0));
    return board;
}

class InterruptedJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    InterruptedJobStore store{dir.path()};
    InterruptedJob job{pattern(), 57, 212, 4000, 9000};

    void writeNotes(const QString &key, const QString &value)
    {
        ASSERT_TRUE(
            platform::ProfileFile(store.notesPath()).write(u"InterruptedJob"_s, key, value));
    }
    void expectDropped(const char *why)
    {
        const InterruptedJobStore::Loaded loaded = store.load();
        EXPECT_FALSE(loaded.job) << why;
        EXPECT_FALSE(loaded.problem.isEmpty()) << why;
        EXPECT_FALSE(store.holdsJob()) << why;
        EXPECT_TRUE(QFile::exists(dir.filePath(u"Config.ini"_s))) << "nothing else is touched";
        EXPECT_TRUE(store.load().problem.isEmpty()) << "reported once";
    }
    void SetUp() override
    {
        platform::ProfileFile(dir.filePath(u"Config.ini"_s))
            .write(u"MainWindow"_s, u"Language"_s, u"3"_s);
    }
};

TEST_F(InterruptedJobTest, AKeptJobComesBackWhole)
{
    EXPECT_FALSE(store.holdsJob());
    EXPECT_FALSE(store.load().job);
    ASSERT_TRUE(store.save(job).isEmpty());
    EXPECT_TRUE(store.holdsJob());
    const InterruptedJobStore::Loaded loaded = store.load();
    ASSERT_TRUE(loaded.job) << loaded.problem.toStdString();
    EXPECT_EQ(packUploadRaster(loaded.job->board), packUploadRaster(job.board));
    EXPECT_EQ(loaded.job->burnTime, 57);
    EXPECT_EQ(loaded.job->resumeRow, 212);
    EXPECT_EQ(loaded.job->dotsDone, 4000);
    EXPECT_EQ(loaded.job->percent(), 44);
    store.drop();
    EXPECT_FALSE(store.holdsJob());
}

TEST_F(InterruptedJobTest, WhatCannotBeUsedIsDroppedAndSaidOnce)
{
    ASSERT_TRUE(store.save(job).isEmpty());
    writeNotes(u"Version"_s, u"2"_s);
    expectDropped("from a newer version");

    ASSERT_TRUE(store.save(job).isEmpty());
    writeNotes(u"Row"_s, u"512"_s);
    expectDropped("a row off the board");

    ASSERT_TRUE(store.save(job).isEmpty());
    writeNotes(u"DotsDone"_s, u"lots"_s);
    expectDropped("damaged notes");

    ASSERT_TRUE(store.save(job).isEmpty());
    QFile board(store.boardPath());
    ASSERT_TRUE(board.open(QIODevice::WriteOnly));
    board.write("\x89PNG\r\n\x1a\n not really");
    board.close();
    expectDropped("an unreadable board");

    ASSERT_TRUE(store.save(job).isEmpty());
    QFile::remove(store.notesPath());
    expectDropped("a board without its notes");
}

TEST_F(InterruptedJobTest, AJobThatCannotBeKeptLeavesNothingBehind)
{
    InterruptedJobStore nowhere(dir.filePath(u"not-a-folder/deeper"_s));
    EXPECT_FALSE(nowhere.save(job).isEmpty());
    EXPECT_FALSE(nowhere.holdsJob());
}

TEST(ResumeBoard, RowsAboveTheResumeRowAreWhiteAndTheRasterRoundTrips)
{
    const QImage board = pattern();
    EXPECT_EQ(packUploadRaster(boardFromRaster(packUploadRaster(board))), packUploadRaster(board));
    const QByteArray resumed = packUploadRaster(boardFromRow(board, 212));
    const QByteArray full = packUploadRaster(board);
    EXPECT_EQ(resumed.left(212 * 64), QByteArray(212 * 64, '\0'));
    EXPECT_EQ(resumed.mid(212 * 64), full.mid(212 * 64)) << "the row in progress is burnt again";
    EXPECT_EQ(packUploadRaster(boardFromRow(board, -5)), full);
    EXPECT_EQ(packUploadRaster(boardFromRow(board, 900)), QByteArray(32768, '\0'));
}

}  // namespace
}  // namespace tavro::job
