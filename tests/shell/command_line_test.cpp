// The program as a process without a display: what it can answer, it answers; the rest says why.
#include <QProcess>

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

}  // namespace
