// The program's window told to end (a signal) or losing its display while the machine carves:
// the machine is paused first and the job kept. Real processes: an X server, the window, and
// the simulated machine's own command.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 60000;  // ms; generous for a loaded machine

class WindowEnding : public ::testing::TestWithParam<int> {
protected:
    QTemporaryDir dir;
    QProcess display;
    QProcess machine;
    QProcess window;
    QString machineSaid;

    void SetUp() override
    {
        const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
        if (xvfb.isEmpty()) GTEST_SKIP() << "no Xvfb";
        // The server picks a free display and says its number.
        display.start(xvfb, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s});
        ASSERT_TRUE(display.waitForReadyRead(Patience));
        const QString number = QString::fromLatin1(display.readLine()).trimmed();
        ASSERT_FALSE(number.isEmpty());

        const QString link = dir.filePath(u"ttyWindow"_s);
        machine.start(QStringLiteral(TAVRO_ENGRAVER_SIM_COMMAND),
                      {u"--link"_s, link, u"--verbose"_s, u"--burn-time"_s, u"100"_s});
        ASSERT_TRUE(machine.waitForReadyRead(Patience));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DISPLAY"_s, u":"_s + number);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        environment.insert(u"TAVRO_PORTS"_s, link);
        environment.insert(u"TAVRO_HOME"_s, dir.filePath(u"home"_s));
        window.setProcessEnvironment(environment);
        window.start(QStringLiteral(TAVRO_WINDOW_HOST_PATH), {});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window.readAllStandardOutput().contains("carving"); }, Patience))
            << window.readAllStandardError().toStdString();
    }
    void TearDown() override
    {
        for (QProcess *process : {&window, &machine, &display}) {
            process->kill();
            process->waitForFinished(Patience);
        }
    }
    QString frames()
    {
        machineSaid += QString::fromLatin1(machine.readAllStandardError());
        return machineSaid;
    }
    QStringList keptJobs() const
    {
        return QDir(dir.filePath(u"home"_s)).entryList({u"interrupted-job-*"_s}, QDir::Files);
    }
};

TEST_P(WindowEnding, PausesTheMachineAndKeepsTheJob)
{
    if (GetParam() == 0) {
        display.kill();  // the X server goes away under the window
    } else {
        ::kill(pid_t(window.processId()), GetParam());
    }
    ASSERT_TRUE(window.state() == QProcess::NotRunning || window.waitForFinished(Patience));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frames().contains(u"FF 01 02 00"_s); }, Patience))
        << "the machine was left carving alone";
    EXPECT_EQ(keptJobs().size(), 1) << "the job is kept for the next start";
}

INSTANTIATE_TEST_SUITE_P(Endings, WindowEnding,
                         ::testing::Values(SIGTERM, SIGHUP, SIGINT, SIGQUIT, 0),
                         [](const auto &info) {
                             switch (info.param) {
                             case SIGTERM:
                                 return std::string("Terminate");
                             case SIGHUP:
                                 return std::string("HangUp");
                             case SIGINT:
                                 return std::string("Interrupt");
                             case SIGQUIT:
                                 return std::string("Quit");
                             default:
                                 return std::string("DisplayLost");
                             }
                         });

}  // namespace
