// The cable: the device node lives as long as the simulator is plugged in, whoever opens and closes
// it.
#include "engraver-sim/engraver_sim.h"
#include "pty_client.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/ioctl.h>
#include <unistd.h>
#include <atomic>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim::test {
namespace {

bool identifies(const QString &path)
{
    PtyClient client(path);
    return client.write(frame(0x09)) && client.readFrames(1).value(0) == frame(0x01, 10);
}

TEST(Cable, TheNodeStaysWhileTheProgramClosesAndReopensIt)
{
    Engraver engraver;
    ASSERT_TRUE(engraver.start());
    EXPECT_TRUE(engraver.devicePath().startsWith(u"/dev/pts/"_s));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(identifies(engraver.devicePath())) << "open number " << i;
}

TEST(Cable, UnplugRemovesTheNodeAndPlugInBringsANewOne)
{
    Engraver engraver;
    ASSERT_TRUE(engraver.start());
    const QString first = engraver.devicePath();
    PtyClient client(first);
    ASSERT_TRUE(client.isOpen());

    engraver.unplug();
    EXPECT_FALSE(engraver.isPluggedIn());
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_TRUE(client.waitForHangUp(5000));
    engraver.unplug();  // twice is harmless

    ASSERT_TRUE(engraver.plugIn());
    EXPECT_TRUE(engraver.isPluggedIn());
    EXPECT_TRUE(QFileInfo::exists(engraver.devicePath()));
    EXPECT_TRUE(identifies(engraver.devicePath()));
}

TEST(Cable, TheLinkFollowsTheCable)
{
    QTemporaryDir dir;
    EngraverOptions options;
    options.linkPath = dir.filePath(u"ttyUSB0"_s);
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    EXPECT_EQ(engraver.devicePath(), options.linkPath);
    const QString target = QFileInfo(options.linkPath).symLinkTarget();
    EXPECT_TRUE(target.startsWith(u"/dev/pts/"_s));
    EXPECT_TRUE(identifies(options.linkPath));

    engraver.unplug();
    EXPECT_FALSE(QFileInfo(options.linkPath).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(target));

    ASSERT_TRUE(engraver.plugIn());
    EXPECT_TRUE(QFileInfo(options.linkPath).isSymLink());
    EXPECT_TRUE(identifies(options.linkPath));
}

// A link left by a simulator that died is taken over; one taken over from a living one stays
// with the one that took it.
TEST(Cable, ALinkBelongsToTheLastSimulatorThatMadeIt)
{
    QTemporaryDir dir;
    EngraverOptions options;
    options.linkPath = dir.filePath(u"ttyUSB0"_s);
    ASSERT_TRUE(QFile::link(u"/dev/pts/nothing-here"_s, options.linkPath));
    Engraver first(options);
    ASSERT_TRUE(first.start());
    EXPECT_TRUE(identifies(options.linkPath));
    Engraver second(options);
    ASSERT_TRUE(second.start());
    first.unplug();
    EXPECT_TRUE(identifies(options.linkPath)) << "the second one's link stays";
}

TEST(Cable, ALinkPathTakenByAFileOrAnotherUserIsRefused)
{
    QTemporaryDir dir;
    const QString taken = dir.filePath(u"taken"_s);
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EngraverOptions options;
    options.linkPath = taken;
    Engraver engraver(options);
    QString error;
    EXPECT_FALSE(engraver.start(&error));
    EXPECT_TRUE(error.contains(taken));
    EXPECT_TRUE(QFileInfo(taken).isFile());
    EXPECT_FALSE(engraver.plugIn());

    // In a shared folder, a link another user made could lead to their device: it stays theirs.
    if (::geteuid() != 0) return;  // only root can make a link another user owns
    const QString planted = dir.filePath(u"planted"_s);
    ASSERT_TRUE(QFile::link(u"/dev/pts/theirs"_s, planted));
    ASSERT_EQ(::lchown(planted.toLocal8Bit().constData(), 65534, 65534), 0);
    options.linkPath = planted;
    Engraver second(options);
    EXPECT_FALSE(second.start(&error));
    EXPECT_TRUE(error.contains(u"another user"_s)) << error.toStdString();
    EXPECT_EQ(QFileInfo(planted).symLinkTarget(), u"/dev/pts/theirs"_s);
}

TEST(Cable, ANewOpenerFindsNothingLeftOverFromTheLastOne)
{
    EngraverOptions options;
    options.fast = true;
    options.eraseMs = 0;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    {
        // Claims the port, starts a carve of a megabyte of reports, and goes without reading them.
        PtyClient first(engraver.devicePath());
        ASSERT_EQ(::ioctl(first.fd(), TIOCEXCL), 0);
        ASSERT_TRUE(upload(first, engraver, QByteArray(512 * 64, char(0xFF))));
        ASSERT_TRUE(first.write(frame(0x01, 1)));
        ASSERT_EQ(first.readFrames(1).size(), 1);
    }
    ASSERT_TRUE(engraver.waitFor([&] { return engraver.carveDone(); }, 30000));

    PtyClient second(engraver.devicePath());
    ASSERT_TRUE(second.isOpen());
    int exclusive = 1;
    ASSERT_EQ(::ioctl(second.fd(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ASSERT_TRUE(second.write(frame(0x09)));
    const QList<QByteArray> answer = second.readFrames(5);
    EXPECT_EQ(answer.value(0), frame(0x01, 10));
    EXPECT_EQ(answer.value(4), frame(0x09, 3)) << "it says its carve ran to the end";
    EXPECT_EQ(second.raw().size(), 20);
}

TEST(Cable, PowerOffUnplugsItself)
{
    std::atomic<bool> poweredOff = false;
    EngraverOptions options;
    options.onPowerOff = [&] { poweredOff = true; };
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    const QString path = engraver.devicePath();
    PtyClient client(path);
    ASSERT_TRUE(client.write(frame(0x0C)));

    ASSERT_TRUE(engraver.waitFor([&] { return poweredOff.load(); }, 5000));
    EXPECT_FALSE(engraver.isPluggedIn());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(client.waitForHangUp(5000));
    EXPECT_EQ(engraver.receivedFrames(), QList{frame(0x0C)});
}

TEST(Cable, UnplugsByItselfWhenAsked)
{
    EngraverOptions options;
    options.unplugAfterSeconds = 0.2;
    Engraver engraver(options);
    ASSERT_TRUE(engraver.start());
    const QString path = engraver.devicePath();
    ASSERT_TRUE(engraver.waitFor([&] { return !engraver.isPluggedIn(); }, 10000));
    EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace tavro::sim::test
