// The simulated engraver behind a link to its pseudo-terminal, for tests that run the session
// or the program against it: plugged in, pulled out, and waited on with the event loop running.
#pragma once

#include "engraver-sim/engraver_sim.h"
#include "machine/machine_identity.h"
#include "platform/manual_clock.h"
#include "platform/port_lister.h"
#include "render/upload_raster.h"
#include "run/interrupted_job.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tavro::test {

// 48 rows of dots spread over the board, 60 dots each.
inline QImage jobBoard()
{
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int row = 20; row < 500; row += 10)
        for (int x = 0; x < 60; ++x) board.setPixel(7 + x * 8, row, qRgb(0, 0, 0));
    return board;
}

// What the machine burns for a board, as it records it.
inline QImage blackOf(const QImage &board)
{
    return sim::Engraver::pictureOf(render::packUploadRaster(board));
}

class MachineOnPty : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString linkPath = dir.filePath(QStringLiteral("ttyMachine"));
    QString settingsFolder = dir.filePath(QStringLiteral("Tavro"));
    platform::PortTable table{QStringList{linkPath}};
    platform::PortTableLister ports{table};
    platform::ManualClock clock;
    std::unique_ptr<sim::Engraver> machine;
    // Generous for a loaded machine.
    std::chrono::milliseconds patience{30000};
    // A slow machine's timing; at burn time 40 a dot takes 1.6 ms.
    struct {
        double dotUs = 40;
        double rowMs = 2;
        double blankRowMs = 0.2;
    } slowTiming;
    // Whether the machine says its job's state when it is identified.
    bool machineSaysState = true;
    // Anything else of the machine's a test needs.
    std::function<void(sim::EngraverOptions &)> adjustMachine;

    // A machine behind the link: slow enough to be caught in the middle of a job, or as fast as
    // its reports are read.
    void plugMachine(bool slow)
    {
        sim::EngraverOptions options;
        options.linkPath = linkPath;
        options.eraseMs = 20;
        options.fast = !slow;
        options.dotUs = slowTiming.dotUs;
        options.rowMs = slowTiming.rowMs;
        options.blankRowMs = slowTiming.blankRowMs;
        options.saysState = machineSaysState;
        if (adjustMachine) adjustMachine(options);
        machine = std::make_unique<sim::Engraver>(options);
        ASSERT_TRUE(machine->start());
    }
    void pullCable()
    {
        machine->unplug();
        machine.reset();
    }
    // The event loop runs while waiting, and the manual clock moves with it.
    bool waitFor(const std::function<bool()> &condition)
    {
        using namespace std::chrono_literals;
        QElapsedTimer waited;
        waited.start();
        while (!condition()) {
            if (waited.elapsed() > patience.count()) return false;
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
            clock.advance(5ms);
        }
        return true;
    }
    // The job kept for this machine in the settings folder.
    std::optional<run::InterruptedJob> keptOnDisk()
    {
        const QString id = machine::machineIdentity(linkPath);
        return run::InterruptedJobStore(settingsFolder).load(id).job;
    }
};

}  // namespace tavro::test
