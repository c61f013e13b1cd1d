// tavro-burn --check as the operator runs it, against the simulated engraver's own command; the
// cases of a user who may not open the device run as nobody (setpriv), which needs root.
#include "qt_printers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Patience = 60000;  // ms; generous for a loaded machine

class Machine {
public:
    Machine(const QString &link, const QStringList &options = {})
    {
        m_process.start(QStringLiteral(TAVRO_ENGRAVER_SIM_COMMAND),
                        QStringList{u"--link"_s, link, u"--verbose"_s} + options);
        m_process.waitForReadyRead(Patience);
        m_device = QString::fromLocal8Bit(m_process.readLine().trimmed());
    }
    ~Machine()
    {
        m_process.terminate();
        m_process.waitForFinished(Patience);
    }
    const QString &device() const { return m_device; }
    // What it logged of every frame it received.
    QByteArray received() { return m_received += m_process.readAllStandardError(); }

private:
    QProcess m_process;
    QString m_device;
    QByteArray m_received;
};

class TavroBurnCheck : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString output;

    TavroBurnCheck()
    {
        // nobody must reach the links in it.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    }
    QString link(int n) const { return dir.filePath(u"ttyCheck%1"_s.arg(n)); }
    int check(const QString &ports, bool asNobody = false)
    {
        QProcess burn;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TAVRO_PORTS"_s, ports);
        burn.setProcessEnvironment(environment);
        QStringList command{QStringLiteral(TAVRO_BURN_PATH), u"--check"_s};
        if (asNobody)
            command = QStringList{u"--reuid"_s, u"nobody"_s, u"--regid"_s, u"nogroup"_s,
                                  u"--clear-groups"_s} +
                      command;
        burn.start(asNobody ? u"setpriv"_s : command.takeFirst(), command);
        if (!burn.waitForFinished(Patience)) return -1;
        output = QString::fromLocal8Bit(burn.readAllStandardOutput());
        return burn.exitStatus() == QProcess::NormalExit ? burn.exitCode() : -2;
    }
};

TEST_F(TavroBurnCheck, AnAnsweringMachineExits0)
{
    Machine machine(link(2));
    EXPECT_EQ(check(link(1) + u':' + link(2)), 0) << output.toStdString();
    EXPECT_EQ(output, u"COM2  "_s + link(2) +
                          u"\n    Not a USB device\n    An engraver of this kind answers here.\n\n"
                          u"A machine answers.\n"_s);
}

TEST_F(TavroBurnCheck, NoDeviceAtAllExits1)
{
    EXPECT_EQ(check(link(1)), 1);
    EXPECT_EQ(output, u"No USB-serial adapter is connected.\n"_s);
}

TEST_F(TavroBurnCheck, ADeviceTheUserMayNotOpenIsToldWithItsOwnerAndMode)
{
    if (::geteuid() != 0) GTEST_SKIP() << "setpriv needs root";
    Machine machine(link(1));
    EXPECT_EQ(check(link(1), true), 1) << output.toStdString();
    EXPECT_TRUE(output.contains(u"You may not open this device.\n    It belongs to root"_s))
        << output.toStdString();
    EXPECT_TRUE(output.contains(u"You are not in the group"_s));
    EXPECT_TRUE(output.endsWith(u"No machine: you may not open %1\n"_s.arg(link(1))));
    EXPECT_FALSE(machine.received().contains("received"));
}

// A normal user cannot see root's descriptors: the device is busy, and brltty is the suspect.
TEST_F(TavroBurnCheck, APortBrlttyHoldsIsNamedWithTheHelpersFix)
{
    if (::geteuid() != 0) GTEST_SKIP() << "setpriv needs root";
    Machine machine(link(1));
    QFile::setPermissions(machine.device(), QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadOther | QFile::WriteOther);
    QProcess brltty;
    brltty.start(QStringLiteral(PORT_HOLDER_PATH), {u"brltty"_s, machine.device()});
    ASSERT_TRUE(brltty.waitForReadyRead(Patience));
    EXPECT_EQ(check(link(1), true), 1) << output.toStdString();
    EXPECT_TRUE(output.contains(u"Held by another program.\n"_s)) << output.toStdString();
    EXPECT_TRUE(output.contains(u"brltty (PID %1)"_s.arg(brltty.processId())));
    EXPECT_TRUE(output.contains(u"tavro-serial-access --fix-brltty\n"_s));
    brltty.closeWriteChannel();
    brltty.waitForFinished(Patience);
    EXPECT_FALSE(machine.received().contains("received"));
}

}  // namespace
