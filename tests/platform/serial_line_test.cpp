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
