// A job on a scripted line: the link, the job's controls and model, reports written by hand.
#pragma once

#include "link/engraver_link.h"
#include "link_doubles.h"
#include "platform/manual_clock.h"
#include "render/upload_raster.h"
#include "run/job_controls.h"
#include "run/job_model.h"
#include "run/machine_controls.h"

#include <QImage>
#include <QPoint>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace tavro::test {

// A white board with black dots; `rows` maps a row to its dots' columns.
inline QImage boardWith(const std::function<bool(int x, int y)> &isDot)
{
    QImage board(512, 512, QImage::Format_RGB32);
    board.fill(Qt::white);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            if (isDot(x, y)) board.setPixel(x, y, qRgb(0, 0, 0));
    return board;
}

class JobTest : public ::testing::Test {
protected:
    FakeSerialLine line;
    RecordingView view;
    platform::ManualClock clock;
    FakePortLister ports;
    link::MessageLog messages;
    link::EngraverLink link{line, clock, view, ports, messages};
    run::MachineControls controls;
    run::JobControls jobs{link, messages, clock, controls, view};
    run::JobModel model{link, jobs, clock};
    QByteArray sending;  // the block the machine gets next, as the session keeps it

    JobTest()
    {
        line.openable = {1};
        link.startConnect();
        line.deliver(bytes({0xFF, 0x01, 0x0A, 0x00}));
        QObject::connect(&link, &link::EngraverLink::uploadFinished, &model,
                         [this](bool written) { model.uploadFinished(sending, written); });
        QObject::connect(&model, &run::JobModel::carveEnded, &jobs, &run::JobControls::carveEnded);
    }

    // Send, the machine's request, the block out: the machine holds the board.
    void upload(const QImage &board)
    {
        sending = render::packUploadRaster(board);
        jobs.prepareUpload(sending);
        line.deliver(bytes({0xFF, 0x05, 0x00, 0x00}));
        clock.advance(link::EngraverLink::UploadDelay);
    }
    void reportRow(int y) { line.deliver(bytes({0xFF, 0x04, y / 100, y % 100})); }
    // The machine reports a dot one column to the right of it.
    void reportDot(int x) { line.deliver(bytes({0xFF, 0x03, (x + 1) / 100, (x + 1) % 100})); }
    void reportDone() { line.deliver(bytes({0xFF, 0x06, 0x00, 0x00})); }
    // A whole row as the machine carves it.
    void carveRow(int y)
    {
        reportRow(y);
        for (int x = 0; x < 512; ++x)
            if (model.raster().isDot(x, y)) reportDot(x);
    }
    void carveRows(int from, int to)
    {
        for (int y = from; y < to; ++y)
            if (model.raster().dotsInRow(y) > 0) carveRow(y);
    }
};

}  // namespace tavro::test
