// QtSerialLine on a real pseudo-terminal: frames, the background block, a vanished device.
#include "platform/qt_serial_line.h"
#include "pty_far_end.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavro;
using namespace tavro::platform;
using namespace Qt::Literals::StringLiterals;

namespace {

class SerialLineTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"ttyTEST%1"_s.arg(QCoreApplication::applicationPid()));
    test::PtyFarEnd far{path};
    QtSerialLine line{PortTable({dir.filePath(u"absent"_s), path})};
};

TEST_F(SerialLineTest, OpensByNumberAndCarriesBytesBothWays)
{
    EXPECT_FALSE(line.open(1));
    EXPECT_FALSE(line.open(3));
    ASSERT_TRUE(line.open(2));
    EXPECT_EQ(line.portNumber(), 2);

    line.write("\xFF\x09\x00\x00"_ba);
    line.write("\x03"_ba);
    QByteArray got;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (got += far.readSome()).size() >= 5; }, 5000));
    EXPECT_EQ(got, "\xFF\x09\x00\x00\x03"_ba);

    QSignalSpy received(&line, &SerialLine::received);
    far.send("\xFF\x01\x0A\x00"_ba);
    QByteArray in;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto &args : received) in += args.at(0).toByteArray();
            received.clear();
            return in.size() >= 4;
        },
        5000));
    EXPECT_EQ(in, "\xFF\x01\x0A\x00"_ba);
}

TEST_F(SerialLineTest, BlockDrainsInTheBackgroundAndReportsItsEnd)
{
    ASSERT_TRUE(line.open(2));
    QSignalSpy written(&line, &SerialLine::blockWritten);
    QByteArray block(32768, '\0');
    for (int i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7);
    line.writeBlock(block);
    QByteArray got;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            got += far.readSome();
            return got.size() >= block.size() && written.count() == 1;
        },
        20000));
    EXPECT_EQ(got, block);
}

// The far end reads nothing: the block is not out, however long the program waits.
TEST_F(SerialLineTest, BlockIsNotWrittenWhileTheFarEndDoesNotRead)
{
    ASSERT_TRUE(line.open(2));
    QSignalSpy written(&line, &SerialLine::blockWritten);
    QSignalSpy progress(&line, &SerialLine::blockProgress);
    const QByteArray block(32768, '\x5A');
    line.writeBlock(block);
    QTest::qWait(500);
    EXPECT_EQ(written.count(), 0);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_LT(progress.last().at(0).toLongLong(), block.size());

    QByteArray got;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            got += far.readSome();
            return written.count() == 1;
        },
        20000));
    got += far.readSome();
    EXPECT_EQ(got, block);
    EXPECT_EQ(progress.last().at(0).toLongLong(), progress.last().at(1).toLongLong());
}

// What a USB adapter does: the far end has read every byte the kernel handed over, but the
// adapter's queue still holds some. The block is out only when the queue is empty.
TEST(SerialLineQueue, BlockEndsWhenTheDriversQueueHasDrained)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ttyQUEUE"_s);
    test::PtyFarEnd far(path);
    qint64 queued = 0;
    bool readable = true;
    QtSerialLine line(PortTable({path}), [&](qintptr) -> std::optional<qint64> {
        if (!readable) return std::nullopt;
        return queued;
    });
    ASSERT_TRUE(line.open(1));
    QSignalSpy written(&line, &SerialLine::blockWritten);
    QSignalSpy progress(&line, &SerialLine::blockProgress);
    queued = 3000;
    line.writeBlock(QByteArray(4096, '\x11'));
    QByteArray got;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (got += far.readSome()).size() == 4096; }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(written.count(), 0);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toLongLong(), progress.last().at(1).toLongLong() - 3000);

    queued = 1000;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return progress.last().at(1).toLongLong() - progress.last().at(0).toLongLong() == 1000;
        },
        5000));
    queued = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return written.count() == 1; }, 5000));

    // A queue that cannot be read: handed over counts as sent, as before.
    readable = false;
    line.writeBlock(QByteArray(100, '\x22'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return written.count() == 2; }, 5000));
    EXPECT_EQ(far.readSome().size(), 100);
}

TEST(SerialLineQueue, TheKernelCountsNothingOnAClosedPort)
{
    EXPECT_FALSE(QtSerialLine::kernelOutputQueue(-1));
}

TEST_F(SerialLineTest, VanishedDeviceIsLostOnceAndClosed)
{
    ASSERT_TRUE(line.open(2));
    QSignalSpy lost(&line, &SerialLine::lost);
    far.unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost.count() >= 1; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(line.isOpen());
    EXPECT_FALSE(line.open(2));
    line.write("\xFF\x01\x01\x00"_ba);  // dropped, no crash
}

TEST_F(SerialLineTest, BlockOnAClosedPortFailsAtOnce)
{
    QSignalSpy failed(&line, &SerialLine::blockFailed);
    line.writeBlock(QByteArray(16, '\0'));
    EXPECT_EQ(failed.count(), 1);
}

}  // namespace
