// The interrupted job kept in the settings folder: one file per machine, written whole, given
// back, or left alone with a reason.
#include "run/interrupted_job.h"
#include "document/job_file.h"
#include "file_size_limit.h"
#include "outcome_assert.h"
#include "qt_printers.h"
#include "render/upload_raster.h"
#include "run/resume.h"
#include "settings/profile_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::run {
namespace {

const QString MachineA = u"by-id:usb-A"_s;
const QString MachineB = u"by-id:usb-B"_s;

QImage pattern(int step = 7)
{
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int y = 3; y < 500; y += step)
        for (int x = (y * 5) % 11; x < 512; x += 3) board.setPixel(x, y, qRgb(0, 0, 0));
    return board;
}

class InterruptedJobTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    InterruptedJobStore store{dir.path()};
    InterruptedJob job{pattern(), 57, 212, 4000, 9000, MachineA};

    // Rewrites one "Key=Value" line of the kept file for machine A.
    void editNotes(const QString &key, const QString &value)
    {
        QFile file(store.pathFor(MachineA));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        file.close();
        for (QString &line : lines)
            if (line.startsWith(key + u'=')) line = key + u'=' + value;
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join(u'\n').toUtf8());
    }
    void expectLeftAlone(const char *why)
    {
        const InterruptedJobStore::Loaded loaded = store.load(MachineA);
        EXPECT_FALSE(loaded.job) << why;
        EXPECT_FALSE(loaded.problem.isEmpty()) << why;
        EXPECT_TRUE(QFile::exists(store.pathFor(MachineA))) << why << ": left where it is";
    }
};

TEST_F(InterruptedJobTest, EachMachineGetsBackItsOwnJobWhole)
{
    EXPECT_FALSE(store.load(MachineA).job);
    ASSERT_TRUE(isDone(store.save(job)));
    InterruptedJob other{pattern(5), 12, 40, 10, 20, MachineB};
    ASSERT_TRUE(isDone(store.save(other)));

    const InterruptedJobStore::Loaded a = store.load(MachineA);
    ASSERT_TRUE(a.job) << a.problem.toStdString();
    EXPECT_EQ(render::packUploadRaster(a.job->board), render::packUploadRaster(job.board));
    EXPECT_EQ(a.job->burnTime, 57);
    EXPECT_EQ(a.job->resumeRow, 212);
    EXPECT_EQ(a.job->dotsDone, 4000);
    EXPECT_EQ(a.job->percent(), 44);
    EXPECT_EQ(a.job->machine, MachineA);
    const InterruptedJobStore::Loaded b = store.load(MachineB);
    ASSERT_TRUE(b.job);
    EXPECT_EQ(b.job->resumeRow, 40) << "never B's notes with A's board, or the other way";
    EXPECT_EQ(render::packUploadRaster(b.job->board), render::packUploadRaster(other.board));
    EXPECT_FALSE(store.load(u"port:/dev/ttyUSB3"_s).job) << "a job only for its own machine";

    store.drop(MachineA);
    EXPECT_FALSE(QFile::exists(store.pathFor(MachineA)));
    EXPECT_FALSE(store.load(MachineA).job);
    EXPECT_TRUE(store.load(MachineB).job);
}

// A write cut short (here a full disk) must never pair a new board with old notes.
TEST_F(InterruptedJobTest, AWriteThatFailsLeavesTheOlderJobWhole)
{
    ASSERT_TRUE(isDone(store.save(job)));
    InterruptedJob later = job;
    later.board = pattern(3);
    later.resumeRow = 400;
    {
        const test::FileSizeLimit fullDisk(256);
        EXPECT_FALSE(store.save(later).ok());
    }
    const InterruptedJobStore::Loaded loaded = store.load(MachineA);
    ASSERT_TRUE(loaded.job);
    EXPECT_EQ(loaded.job->resumeRow, 212);
    EXPECT_EQ(render::packUploadRaster(loaded.job->board), render::packUploadRaster(job.board));
}

TEST_F(InterruptedJobTest, WhatCannotBeUsedIsSaidAndLeftInPlace)
{
    const std::pair<QString, QString> edits[] = {
        {u"Version"_s, u"3"_s},                      // a newer program's
        {u"Row"_s, u"512"_s},                        // off the board
        {u"DotsDone"_s, u"lots"_s},                  // damaged
        {u"DotsTotal"_s, u"9223372036854775807"_s},  // beyond any board
        {u"DotsDone"_s, u"9001"_s},                  // more done than there is
        {u"Board"_s, u"iVBORw0KGgo="_s},             // half a PNG
    };
    for (const auto &[key, value] : edits) {
        ASSERT_TRUE(isDone(store.save(job)));
        editNotes(key, value);
        expectLeftAlone(qPrintable(key + u'=' + value));
    }
}

TEST_F(InterruptedJobTest, OnlyARegularFileIsRead)
{
    QFile::link(u"/dev/zero"_s, store.pathFor(MachineA));
    expectLeftAlone("a link to an endless device");
    QFile::remove(store.pathFor(MachineA));
    ASSERT_EQ(::mkfifo(QFile::encodeName(store.pathFor(MachineA)).constData(), 0600), 0);
    expectLeftAlone("a FIFO, which would block the start");
}

TEST_F(InterruptedJobTest, AJobKeptTheOldWayIsOfferedOnceAndThenReplaced)
{
    document::JobFile file;
    file.board = pattern();
    file.burnTime = 33;
    ASSERT_TRUE(isDone(document::writeJobFile(store.legacyBoardPath(), file)));
    settings::ProfileFile notes(store.legacyNotesPath());
    for (const auto &[key, value] : {std::pair{u"Version"_s, u"1"_s},
                                     {u"Row"_s, u"100"_s},
                                     {u"DotsDone"_s, u"5"_s},
                                     {u"DotsTotal"_s, u"10"_s}})
        ASSERT_TRUE(notes.write(u"InterruptedJob"_s, key, value));

    const InterruptedJobStore::Loaded legacy = store.load(MachineB);
    ASSERT_TRUE(legacy.job) << legacy.problem.toStdString();
    EXPECT_EQ(legacy.job->resumeRow, 100);
    EXPECT_EQ(legacy.job->burnTime, 33);
    ASSERT_TRUE(isDone(store.save(job)));
    EXPECT_FALSE(QFile::exists(store.legacyNotesPath()));
    EXPECT_FALSE(QFile::exists(store.legacyBoardPath()));
}

TEST_F(InterruptedJobTest, AStepOfASequenceKeepsEveryStepAndItsNotes)
{
    JobSequence sequence{{{pattern(5), 10}, {pattern(7), 17}, {pattern(9), 28}},
                         1,
                         {u"Sequence=materials::TestCard"_s, u"Levels=0,50"_s}};
    job.board = pattern(7);
    job.burnTime = 17;
    job.sequence = sequence;
    ASSERT_TRUE(isDone(store.save(job)));
    const InterruptedJobStore::Loaded loaded = store.load(MachineA);
    ASSERT_TRUE(loaded.job && loaded.job->sequence) << loaded.problem.toStdString();
    const JobSequence &back = *loaded.job->sequence;
    EXPECT_EQ(back.step, 1);
    EXPECT_EQ(back.notes, sequence.notes);
    ASSERT_EQ(back.steps.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.steps[i].burnTime, sequence.steps[i].burnTime);
        EXPECT_EQ(render::packUploadRaster(back.steps[i].board),
                  render::packUploadRaster(sequence.steps[i].board));
    }
    EXPECT_TRUE(back.hasNext());
    EXPECT_FALSE(back.at(2).hasNext());

    for (const auto &[key, value] : {std::pair{u"Step"_s, u"3"_s}, {u"Step1Board"_s, u"AAAA"_s}}) {
        ASSERT_TRUE(isDone(store.save(job)));
        editNotes(key, value);
        expectLeftAlone(qPrintable(key));
    }
}

TEST(ResumeBoard, RowsAboveTheResumeRowAreWhite)
{
    const QImage board = pattern();
    const QByteArray resumed = render::packUploadRaster(boardFromRow(board, 212));
    const QByteArray full = render::packUploadRaster(board);
    EXPECT_EQ(resumed.left(212 * 64), QByteArray(212 * 64, '\0'));
    EXPECT_EQ(resumed.mid(212 * 64), full.mid(212 * 64)) << "the row in progress is burnt again";
    EXPECT_EQ(render::packUploadRaster(boardFromRow(board, -5)), full);
    EXPECT_EQ(render::packUploadRaster(boardFromRow(board, 900)), QByteArray(32768, '\0'));
}

}  // namespace
}  // namespace tavro::run
