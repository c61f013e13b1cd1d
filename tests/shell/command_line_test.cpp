// The program as a process without a display: what it can answer, it answers; the rest says why.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome {
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString out;
    QString err;
};

Outcome runWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAVRO_PATH), arguments);
    Outcome run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus();
    run.code = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    for (const QString &option : {u"--help"_s, u"-h"_s}) {
        const Outcome run = runWithoutDisplay({option});
        EXPECT_EQ(run.status, QProcess::NormalExit) << option.toStdString();
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(u"Usage: "_s)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(u"--simulate"_s)) << run.out.toStdString();
    }
    for (const QString &option : {u"--version"_s, u"-v"_s}) {
        const Outcome run = runWithoutDisplay({option});
        EXPECT_EQ(run.status, QProcess::NormalExit) << option.toStdString();
        EXPECT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, u"tavro " TAVRO_VERSION "\n"_s);
    }
}

TEST(CommandLine, AWindowWithoutADisplayIsRefusedWithTheReason)
{
    for (const QStringList &arguments : {QStringList{}, QStringList{u"--simulate"_s}}) {
        const Outcome run = runWithoutDisplay(arguments);
        EXPECT_EQ(run.status, QProcess::NormalExit) << "no abort";
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.contains(u"no graphical session"_s)) << run.err.toStdString();
    }
}

// Programs with the simulated engraver, on the offscreen platform, in one runtime folder.
class Simulators {
public:
    explicit Simulators(const QTemporaryDir &dir) : m_dir(dir) {}
    ~Simulators()
    {
        for (const auto &program : m_programs) {
            program->kill();
            program->waitForFinished();
        }
    }
    QProcess &start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_RUNTIME_DIR"_s, m_dir.path());
        environment.insert(u"TAVRO_HOME"_s, m_dir.filePath(u"Tavro"_s));
        environment.insert(u"TAVRO_PORTS"_s, m_dir.filePath(u"ttyNone"_s));
        auto &program = m_programs.emplace_back(std::make_unique<QProcess>());
        program->setProcessEnvironment(environment);
        program->start(QStringLiteral(TAVRO_PATH), {u"--simulate"_s});
        return *program;
    }
    // The device a link leads to, once it leads to one.
    QString deviceBehind(const QString &name) const
    {
        const QString link = m_dir.filePath(name);
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(link); }, 60000)) return {};
        return QFileInfo(link).symLinkTarget();
    }

private:
    const QTemporaryDir &m_dir;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

// The kept job and the learnt timing go by the port's path: each run must find the same one.
TEST(CommandLine, TheSimulatedEngraverServesOnePathRunAfterRun)
{
    QTemporaryDir dir;
    Simulators simulators(dir);
    QProcess &first = simulators.start();
    const QString firstDevice = simulators.deviceBehind(u"tavro-sim"_s);
    ASSERT_FALSE(firstDevice.isEmpty()) << first.readAllStandardError().toStdString();
    simulators.start();
    ASSERT_FALSE(simulators.deviceBehind(u"tavro-sim-2"_s).isEmpty()) << "one at the same time";
    EXPECT_EQ(QFileInfo(dir.filePath(u"tavro-sim"_s)).symLinkTarget(), firstDevice)
        << "the first keeps its own";

    first.kill();  // no chance to tidy up
    ASSERT_TRUE(first.waitForFinished());
    simulators.start();
    const QString again = simulators.deviceBehind(u"tavro-sim"_s);
    EXPECT_FALSE(again.isEmpty()) << "the path of a program that died is taken again";
}

}  // namespace
