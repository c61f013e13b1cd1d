// The tavro-engraver-sim command: its first line, its exits and its arguments.
#include "pty_client.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace tavro::sim::test {
namespace {

const QString Command = QStringLiteral(TAVRO_ENGRAVER_SIM_COMMAND);

class CommandTest : public ::testing::Test {
protected:
    // Starts the command and returns the device path from its first line.
    QString launch(const QStringList &arguments)
    {
        m_process.start(Command, arguments);
        if (!m_process.waitForStarted(10000)) return {};
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    void TearDown() override
    {
        if (m_process.state() == QProcess::NotRunning) return;
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    QProcess m_process;
};

TEST_F(CommandTest, ServesItsLinkUntilTerminated)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(u"engraver"_s);
    ASSERT_EQ(launch({u"--link"_s, link, u"--product-id"_s, u"11"_s, u"--verbose"_s}), link);
    {
        PtyClient client(link);
        ASSERT_TRUE(client.write(frame(0x09)));
        EXPECT_EQ(client.readFrames(1).value(0), frame(0x01, 11));
    }
    m_process.terminate();
    ASSERT_TRUE(m_process.waitForFinished(10000));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(m_process.readAllStandardError().contains("FF 09 00 00"));
}

TEST_F(CommandTest, PowerOffEndsIt)
{
    const QString path = launch({u"--fast"_s});
    ASSERT_TRUE(path.startsWith(u"/dev/pts/"_s));
    PtyClient client(path);
    ASSERT_TRUE(client.write(frame(0x0C)));
    ASSERT_TRUE(m_process.waitForFinished(10000));
    EXPECT_EQ(m_process.exitCode(), 0);
}

struct Call {
    const char *name;
    QStringList arguments;
    int status;
    const char *stdoutHas;
    const char *stderrHas;
};

class CommandArguments : public ::testing::TestWithParam<Call> {};

TEST_P(CommandArguments, EndWithAClearStatus)
{
    QProcess process;
    process.start(Command, GetParam().arguments);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), GetParam().status);
    EXPECT_TRUE(process.readAllStandardOutput().contains(GetParam().stdoutHas));
    EXPECT_TRUE(process.readAllStandardError().contains(GetParam().stderrHas));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CommandArguments,
    ::testing::Values(Call{"Help", {u"--help"_s}, 0, "--blank-row-ms", ""},
                      Call{"UnknownOption", {u"--bogus"_s}, 2, "", "--burn-out"},
                      Call{"NotANumber", {u"--product-id"_s, u"ten"_s}, 2, "", "--product-id"},
                      Call{"OutOfRange", {u"--burn-time"_s, u"-1"_s}, 2, "", "--burn-time"},
                      Call{"MissingValue", {u"--unplug-after"_s}, 2, "", "--unplug-after"},
                      Call{"NegativeTiming", {u"--row-ms"_s, u"-2"_s}, 2, "", "--row-ms"},
                      Call{"TimingNotANumber", {u"--dot-us"_s, u"slow"_s}, 2, "", "--dot-us"},
                      Call{"StrayArgument", {u"now"_s}, 2, "", "now"}),
    [](const auto &info) { return info.param.name; });

}  // namespace
}  // namespace tavro::sim::test
