// The program's window on a real display, driven through its session instead of the mouse: it
// sends a board and starts it as soon as the machine is found, and prints "carving" once the
// machine carves. The window-ending test then ends it as an operator's desktop would.
#include "platform/port_lister.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "session/session.h"
#include "settings/settings_folder.h"
#include "shell/program.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Rows of dots all down the board: a carve that takes its time.
QImage board()
{
    QImage image(512, 512, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 8; y < 504; y += 4)
        for (int x = 8; x < 504; x += 3) image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const platform::PortTable table = platform::PortTable::fromEnvironment();
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    const platform::PortTableLister ports(table);
    shell::SystemDesktop desktop;
    shell::Program program({line, clock, ports, table, desktop}, settings::settingsFolder());
    program.window().show();
    program.onMainWindowCreated();

    session::Session &session = program.session();
    QObject::connect(&session, &session::Session::machineFound, &app, [&session] {
        session.takeJob({board(), {}, {}, 100, {}});
        session.sendBoard();
    });
    // As the operator's click would: once the upload has been taken in whole.
    QObject::connect(
        &session.model(), &run::JobModel::stateChanged, &app,
        [&session](run::JobModel::State state) {
            if (state == run::JobModel::State::Ready)
                session.command(session::CommandId::Start).trigger();
        },
        Qt::QueuedConnection);
    QObject::connect(&session, &session::Session::progressChanged, &app, [&session] {
        // Once: from the machine's first row on, the job is underway.
        if (session.model().state() == run::JobModel::State::Running &&
            session.model().currentRow() >= 0 && session.model().doneDots() == 1) {
            std::fputs("carving\n", stdout);
            std::fflush(stdout);
        }
    });
    return app.exec();
}
