// The upload exchange and carving: what the machine reports and what it burns.
#include "engraver-sim/engraver_sim.h"
#include "pty_client.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim::test {
namespace {

constexpr int Side = 512;
constexpr int ImageBytes = Side * Side / 8;

void setDot(QByteArray &raster, int x, int y)
{
    raster[y * 64 + x / 8] = char(raster.at(y * 64 + x / 8) | (0x80 >> (x % 8)));
}

QImage whitePicture()
{
    QImage picture(Side, Side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// The reports of one row: where it is, then every dot one column to the right.
QList<QByteArray> rowReports(int y, const QList<int> &xs)
{
    QList<QByteArray> frames{splitFrame(0x04, y)};
    for (const int x : xs) frames.append(splitFrame(0x03, x + 1));
    return frames;
}

class UploadTest : public ::testing::Test {
protected:
    EngraverOptions fastOptions() const
    {
        EngraverOptions options;
        options.fast = true;
        options.eraseMs = 20;
        options.burnOut = m_dir.filePath(u"burnt.png"_s);
        return options;
    }
    // 1 ms a dot per unit of burn time and nothing for rows, so a job of a few dozen dots
    // lasts long enough to steer.
    EngraverOptions timedOptions() const
    {
        EngraverOptions options = fastOptions();
        options.fast = false;
        options.dotUs = 1000;
        options.rowMs = 0;
        options.blankRowMs = 0;
        return options;
    }

    QTemporaryDir m_dir;
};

TEST_F(UploadTest, FastCarveReportsEveryDotAndBurnsThePicture)
{
    // One lone dot, and two full bytes (0xFF inside the block is data, not a start marker).
    QByteArray raster(ImageBytes, '\0');
    setDot(raster, 250, 144);
    raster[300 * 64] = char(0xFF);
    raster[511 * 64 + 63] = char(0xFF);
    QImage expected = whitePicture();
    expected.setPixel(250, 144, qRgb(0, 0, 0));
    for (int i = 0; i < 8; ++i) {
        expected.setPixel(i, 300, qRgb(0, 0, 0));
        expected.setPixel(504 + i, 511, qRgb(0, 0, 0));
    }

    Engraver engraver(fastOptions());
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(upload(client, engraver, raster));
    EXPECT_EQ(engraver.receivedImage(), raster);
    EXPECT_EQ(engraver.receivedFrames(), QList{frame(0x06)});

    ASSERT_TRUE(client.write(frame(0x01, 1)));
    const QList<QByteArray> reports = client.readFramesUntil(frame(0x06));
    QList<QByteArray> wanted = rowReports(144, {250});
    wanted += rowReports(300, {0, 1, 2, 3, 4, 5, 6, 7});
    wanted += rowReports(511, {504, 505, 506, 507, 508, 509, 510, 511});
    wanted += frame(0x06);
    EXPECT_EQ(reports, wanted);
    EXPECT_EQ(reports.value(1), frame(0x03, 2, 51));
    EXPECT_EQ(reports.constLast(), QByteArray::fromHex("FF060000"));

    ASSERT_TRUE(engraver.waitFor([&] { return engraver.carveDone(); }, 5000));
    EXPECT_EQ(engraver.burnt(), expected);
    EXPECT_EQ(Engraver::pictureOf(raster), expected);
    EXPECT_EQ(QImage(m_dir.filePath(u"burnt.png"_s)).convertToFormat(QImage::Format_RGB32),
              expected);
    EXPECT_EQ(engraver.head(), QPoint(511, 511));
}

TEST_F(UploadTest, RecarveAndStartAgainRepeatTheJobWithoutChangingTheBurn)
{
    QByteArray raster(ImageBytes, '\0');
    setDot(raster, 3, 7);
    setDot(raster, 9, 7);
    const QList<QByteArray> job = rowReports(7, {3, 9}) + QList{frame(0x06)};

    Engraver engraver(fastOptions());
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(upload(client, engraver, raster));
    for (const QByteArray &command : {frame(0x01, 1), frame(0x01, 3), frame(0x01, 1)}) {
        ASSERT_TRUE(client.write(command));
        EXPECT_EQ(client.readFramesUntil(frame(0x06)), job);
    }
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.carveDone(); }, 5000));
    EXPECT_EQ(engraver.burnt(), Engraver::pictureOf(raster));

    // Restart sends the head home and leaves no job running.
    ASSERT_TRUE(client.write(frame(0x04, 1)));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.head() == QPoint(0, 0); }, 5000));
    EXPECT_FALSE(engraver.carving());
    EXPECT_FALSE(engraver.carveDone());
}

TEST_F(UploadTest, PauseHoldsTheCarveAndSkipForwardLeavesFifteenRows)
{
    // One dot in each of 60 rows, 40 ms a dot, so the job lasts a few seconds.
    QByteArray raster(ImageBytes, '\0');
    for (int y = 0; y < 60; ++y) setDot(raster, 10, y);
    Engraver engraver(timedOptions());
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(upload(client, engraver, raster));

    ASSERT_TRUE(client.write(frame(0x01, 1)));
    QList<QByteArray> reports = client.readFrames(2);
    ASSERT_EQ(reports.size(), 2);
    ASSERT_TRUE(client.write(frame(0x01, 2)));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.paused(); }, 5000));
    reports += client.readFramesFor(200);
    const QImage held = engraver.burnt();
    EXPECT_TRUE(client.readFramesFor(300).isEmpty());
    EXPECT_EQ(engraver.burnt(), held);

    ASSERT_TRUE(client.write(frame(0x07, 2) + char(0xAA) + frame(0x01, 1)));
    reports += client.readFramesUntil(frame(0x06), 20000);
    ASSERT_EQ(reports.constLast(), frame(0x06));

    QList<int> rows;
    for (const QByteArray &report : reports)
        if (report.at(1) == 0x04) rows.append(report.at(2) * 100 + report.at(3));
    ASSERT_EQ(rows.size(), 60 - 14);
    int jumps = 0;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const int step = rows[i] - rows[i - 1];
        EXPECT_TRUE(step == 1 || step == 15) << "row " << rows[i - 1] << " then " << rows[i];
        jumps += step == 15;
    }
    EXPECT_EQ(jumps, 1);
    EXPECT_EQ(rows.constLast(), 59);
}

TEST_F(UploadTest, NewImageStopsTheCarveAndABlankImageEndsAtOnce)
{
    QByteArray raster(ImageBytes, '\0');
    for (int y = 0; y < 100; ++y) setDot(raster, y, y);
    Engraver engraver(timedOptions());
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(upload(client, engraver, raster));
    ASSERT_TRUE(client.write(frame(0x01, 1)));
    ASSERT_EQ(client.readFrames(2).size(), 2);

    ASSERT_TRUE(client.write(frame(0x06)));
    const QList<QByteArray> frames = client.readFramesUntil(frame(0x05));
    ASSERT_EQ(frames.constLast(), frame(0x05));
    EXPECT_FALSE(engraver.carving());
    EXPECT_TRUE(engraver.receivingImage());
    // An erased image leaves nothing to burn: the box has no corners, a job ends at once.
    ASSERT_TRUE(client.write(QByteArray(ImageBytes, '\0')));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.imagesReceived() == 2; }, 10000));
    ASSERT_TRUE(client.write(frame(0x02, 2) + frame(0x01, 1)));
    EXPECT_EQ(client.readFramesUntil(frame(0x06)), QList{frame(0x06)});
}

TEST_F(UploadTest, AGapOfMoreThanTwoSecondsAbortsTheReceive)
{
    Engraver engraver(fastOptions());
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(client.write(frame(0x06)));
    ASSERT_EQ(client.readFramesUntil(frame(0x05)).value(0), frame(0x05));

    ASSERT_TRUE(client.write(QByteArray(1000, char(0xFF))));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.receivedBytes().size() == 1004; }, 5000));
    EXPECT_TRUE(engraver.receivingImage());
    ASSERT_TRUE(engraver.waitFor([&] { return !engraver.receivingImage(); }, 10000));

    // Back to frames: the next command is understood, and no image was taken.
    ASSERT_TRUE(client.write(frame(0x09)));
    EXPECT_EQ(client.readFrames(1).value(0), frame(0x01, 10));
    EXPECT_EQ(engraver.imagesReceived(), 0);
    EXPECT_TRUE(engraver.receivedImage().isEmpty());
}

TEST_F(UploadTest, PacedUploadTakesTheWireTimeOf57600Baud)
{
    EngraverOptions options = fastOptions();
    options.paced = true;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    PtyClient client(engraver.devicePath());
    ASSERT_TRUE(client.write(frame(0x06)));
    ASSERT_EQ(client.readFramesUntil(frame(0x05)).value(0), frame(0x05));

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(client.write(QByteArray(ImageBytes, char(0x5A)), 60000));
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.imagesReceived() == 1; }, 60000));
    // 32768 bytes at 5760 bytes/s is 5.69 s; only the lower bounds are safe on a busy machine.
    EXPECT_GE(clock.elapsed(), 5400);
    EXPECT_GE(engraver.lastImageSeconds(), 5.4);
}

}  // namespace
}  // namespace tavro::sim::test
