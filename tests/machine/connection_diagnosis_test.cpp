// The connection check on real pseudo-terminals served by the simulated engraver, its answer
// second on a manual clock; hot-plug through the file-system watch.
#include "machine/connection_diagnosis.h"
#include "engraver-sim/engraver_sim.h"
#include "machine/device_node.h"
#include "machine/device_watcher.h"
#include "machine/diagnosis_text.h"
#include "platform/manual_clock.h"
#include "qt_printers.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

using namespace std::chrono_literals;
using namespace tavro;
using namespace tavro::platform;
using namespace tavro::machine;
using namespace Qt::Literals::StringLiterals;

namespace tavro::machine {

void PrintTo(const HoldingProcess &process, std::ostream *out)
{
    *out << process.name.toStdString() << " (PID " << process.pid << ")";
}

}  // namespace tavro::machine

namespace {

constexpr int Patience = 20000;  // ms; generous for a loaded machine

class ConnectionCheck : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList paths = [this] {
        QStringList list;
        for (int n = 1; n <= 4; ++n) list << dir.filePath(u"ttyCheck%1"_s.arg(n));
        return list;
    }();
    ManualClock clock;
    SerialIdentityProber prober{clock};
    QString connected;
    QList<UsbBridge> bridges;
    ConnectionDiagnosis diagnosis{{PortTable(paths), true, 10, dir.filePath(u"root"_s),
                                   [this] { return connected; }, [this] { return bridges; }},
                                  clock,
                                  prober};
    std::map<int, std::unique_ptr<sim::Engraver>> machines;
    QList<DiagnosisReport> reports;
    QSignalSpy answers{&prober, &IdentityProber::answered};

    ConnectionCheck()
    {
        QObject::connect(&diagnosis, &ConnectionDiagnosis::finished,
                         [this](const DiagnosisReport &report) { reports << report; });
    }
    sim::Engraver &machineOn(int port,
                             const std::function<void(sim::EngraverOptions &)> &tweak = {})
    {
        sim::EngraverOptions options;
        if (tweak) tweak(options);
        options.linkPath = paths.at(port - 1);
        options.fast = true;
        auto machine = std::make_unique<sim::Engraver>(options);
        EXPECT_TRUE(machine->start());
        return *(machines[port] = std::move(machine));
    }
    // Runs a check; silent devices get their second once every other answer is in.
    DiagnosisReport check(ConnectionDiagnosis::Depth depth, int answersBeforeTimeOut = 0)
    {
        reports.clear();
        diagnosis.run(depth);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return answers.size() >= answersBeforeTimeOut; }, Patience));
        clock.advance(SerialIdentityProber::AnswerTime);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !reports.isEmpty(); }, Patience));
        return reports.value(0);
    }
    static QList<Verdict> verdicts(const DiagnosisReport &report)
    {
        QList<Verdict> list;
        for (const SerialDevice &device : report.devices) list << device.verdict;
        return list;
    }
};

TEST_F(ConnectionCheck, AskedDevicesAreFoundWrongOrSilentAndHearNothingElse)
{
    machineOn(1);
    machineOn(2, [](auto &o) { o.productId = 11; });
    sim::Engraver &silent = machineOn(4, [](auto &o) { o.silent = true; });
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Full, 2);
    EXPECT_EQ(verdicts(report),
              (QList<Verdict>{Verdict::Found, Verdict::WrongMachine, Verdict::NoAnswer}));
    EXPECT_EQ(report.devices.at(1).answeredProductId, 11);
    EXPECT_EQ(report.devices.at(2).portNumber, 4);
    EXPECT_TRUE(report.machineFound());
    EXPECT_EQ(silent.receivedBytes(), "\xFF\x09\x00\x00"_ba);
}

TEST_F(ConnectionCheck, TheLinksOwnMachineIsReportedConnectedWithoutBeingOpened)
{
    sim::Engraver &machine = machineOn(2);
    connected = paths.at(1);
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Full);
    EXPECT_EQ(verdicts(report), QList<Verdict>{Verdict::Connected});
    EXPECT_TRUE(machine.receivedBytes().isEmpty());
}

TEST_F(ConnectionCheck, ADeviceHeldByBrlttyIsNamedAndNeverWrittenTo)
{
    sim::Engraver &machine = machineOn(1);
    QProcess holder;
    holder.start(QStringLiteral(PORT_HOLDER_PATH), {u"brltty"_s, machine.devicePath()});
    ASSERT_TRUE(holder.waitForReadyRead(Patience)) << holder.readAllStandardError().toStdString();
    const HoldingProcess brltty{holder.processId(), u"brltty"_s};
    bridges = {{0x1a86, 0x7523, u"QinHeng"_s, u"USB Serial"_s, u"1-2"_s}};
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Full);
    // Root gets through TIOCEXCL; held all the same, even where the holder cannot be seen.
    EXPECT_EQ(openError(machine.devicePath()), EBUSY);
    holder.closeWriteChannel();
    holder.waitForFinished(Patience);

    ASSERT_EQ(verdicts(report), (QList<Verdict>{Verdict::Held, Verdict::NoSerialDevice}));
    EXPECT_EQ(report.devices.at(0).holders, QList<HoldingProcess>{brltty});
    EXPECT_EQ(report.devices.at(0).fix, Fix::StopBrltty);
    // The bridge without a device: brltty runs, so it is the suspect.
    EXPECT_FALSE(report.devices.at(1).holdersSeen);
    EXPECT_TRUE(report.devices.at(1).holders.contains(brltty));
    EXPECT_EQ(report.devices.at(1).fix, Fix::StopBrltty);
    EXPECT_TRUE(machine.receivedBytes().isEmpty());
    EXPECT_EQ(DiagnosisText::summary(report),
              u"No machine: %1 is held by brltty (PID %2)"_s.arg(paths.at(0)).arg(brltty.pid));
}

// Every process has /dev/null open, and none of them holds it as a port.
TEST_F(ConnectionCheck, OnlyATerminalHasHolders)
{
    QProcess sleeper;
    sleeper.setStandardInputFile(QProcess::nullDevice());
    sleeper.start(u"sleep"_s, {u"60"_s});
    ASSERT_TRUE(sleeper.waitForStarted(Patience));
    ASSERT_TRUE(QFile::link(u"/dev/null"_s, paths.at(0)));
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Full);
    sleeper.kill();
    sleeper.waitForFinished(Patience);

    EXPECT_EQ(verdicts(report), QList<Verdict>{Verdict::CannotOpen});
    EXPECT_EQ(report.devices.value(0).holders, QList<HoldingProcess>{});
}

TEST_F(ConnectionCheck, NoDeviceAtAllSaysSo)
{
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Full);
    EXPECT_TRUE(report.devices.isEmpty());
    EXPECT_FALSE(report.machineFound());
}

TEST_F(ConnectionCheck, AQuickCheckAsksNothing)
{
    sim::Engraver &machine = machineOn(3, [](auto &o) { o.silent = true; });
    const DiagnosisReport report = check(ConnectionDiagnosis::Depth::Quick);
    EXPECT_EQ(verdicts(report), QList<Verdict>{Verdict::NoAnswer});
    EXPECT_TRUE(machine.receivedBytes().isEmpty());
}

// The program's own scan has the port open for its probe: the check waits for it.
TEST_F(ConnectionCheck, APortTheProgramsOwnScanHoldsIsAskedOnceItIsFree)
{
    sim::Engraver &machine = machineOn(1);
    QSerialPort scan(machine.devicePath());
    ASSERT_TRUE(scan.open(QIODevice::ReadWrite));
    reports.clear();
    diagnosis.run(ConnectionDiagnosis::Depth::Full);
    clock.advance(ConnectionDiagnosis::OwnScanRetry * 3);
    EXPECT_TRUE(diagnosis.isRunning());
    scan.close();
    clock.advance(ConnectionDiagnosis::OwnScanRetry);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !reports.isEmpty(); }, Patience));
    EXPECT_EQ(verdicts(reports.first()), QList<Verdict>{Verdict::Found});
}

TEST_F(ConnectionCheck, ADeviceThatAppearsLateIsAnnouncedAndFound)
{
    DeviceWatcher watcher{PortTable(paths)};
    QSignalSpy appeared(&watcher, &DeviceWatcher::candidateAppeared);
    QSignalSpy removed(&watcher, &DeviceWatcher::candidateRemoved);
    EXPECT_TRUE(check(ConnectionDiagnosis::Depth::Full).devices.isEmpty());

    sim::Engraver &machine = machineOn(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return appeared.size() == 1; }, Patience));
    EXPECT_EQ(appeared.first().first().toString(), paths.at(2));
    EXPECT_EQ(verdicts(check(ConnectionDiagnosis::Depth::Full, 1)), QList<Verdict>{Verdict::Found});

    machine.unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return removed.size() == 1; }, Patience));
    EXPECT_EQ(removed.first().first().toString(), paths.at(2));
}

}  // namespace
