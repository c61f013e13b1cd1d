// Tavro Laser: the desktop controller of a small laser engraver.
#include "engraver-sim/engraver_sim.h"
#include "engraver-sim/link_claim.h"
#include "platform/file_name.h"
#include "platform/outcome.h"
#include "platform/port_lister.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "platform/runtime_folder.h"
#include "settings/settings_folder.h"
#include "shell/program.h"
#include "ui/centre_on_screen.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <cstring>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

// Qt's widget platforms abort the program when they find no display to connect to.
bool hasGraphicalSession(int argc, char **argv)
{
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) return true;
    }
    return std::any_of(argv + 1, argv + argc, [](const char *argument) {
        return std::strcmp(argument, "-platform") == 0;
    });
}

// The built-in machine, its link's path and the folder that holds it, given up in that order.
struct Simulator {
    std::unique_ptr<platform::RuntimeFolder> folder;
    std::unique_ptr<sim::LinkClaim> path;
    std::unique_ptr<sim::Engraver> machine;

    platform::Outcome start()
    {
        // A port is named by its path, and the kept job and the learnt timing by the name: the
        // same path each run is the same machine again. The folder is the user's own, so that
        // nobody else can take the path first or lead it to another device.
        folder = std::make_unique<platform::RuntimeFolder>(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                                           QDir::tempPath());
        if (folder->path().isEmpty()) return platform::Outcome::failed(folder->error());
        path = std::make_unique<sim::LinkClaim>(folder->path(), u"tavro-sim"_s);
        if (path->path().isEmpty()) return platform::Outcome::failed(path->error());
        sim::EngraverOptions options;
        options.linkPath = path->path();
        machine = std::make_unique<sim::Engraver>(options);
        QString error;
        if (!machine->start(&error)) return platform::Outcome::failed(error);
        return platform::Outcome::done();
    }
};

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(u"tavro"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Tavro Laser: the desktop controller of a small laser engraver."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption simulate(
        u"simulate"_s, u"Start the built-in simulated engraver and connect to it."_s);
    const QCommandLineOption traceOption(
        u"trace"_s, u"Write every byte sent and received and every log text to standard error."_s);
    parser.addOptions({simulate, traceOption});
    parser.addPositionalArgument(
        u"file"_s, u"A picture or a saved job (.tavro.png) to open as if dropped on the window."_s,
        u"[file]"_s);

    // Answered before the window system is touched, which aborts the program without a display.
    // Qt's own options (-platform, -style, ...) are still in the list here, so errors wait.
    parser.parse(platform::commandLineArguments(argc, argv));
    if (parser.isSet(help) || parser.isSet(version)) {
        const QCoreApplication textOnly(argc, argv);
        if (parser.isSet(help)) parser.showHelp();
        parser.showVersion();
    }
    if (!hasGraphicalSession(argc, argv)) {
        QTextStream(stderr) << u"tavro: no graphical session: DISPLAY and WAYLAND_DISPLAY are "
                               u"unset. Start it from a desktop, or under Xvfb."_s
                            << u'\n';
        return 1;
    }

    QApplication app(argc, argv);
    // The desktop entry's name, so Wayland matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(u"io.github.tavro_laser.TavroLaser"_s);
    // The file is named in bytes that need not be valid UTF-8.
    parser.process(platform::commandLineArguments(argc, argv));

    platform::PortTable table = platform::PortTable::fromEnvironment();
    Simulator simulator;
    if (parser.isSet(simulate)) {
        if (const platform::Outcome started = simulator.start(); !started) {
            QTextStream(stderr) << u"tavro: cannot start the simulated engraver: "_s
                                << started.why() << u'\n';
            return 1;
        }
        table = table.withFirst(simulator.machine->devicePath());
    }

    shell::installFontSubstitutions();
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    const platform::PortTableLister ports(table);
    shell::SystemDesktop desktop;
    shell::Program program({line, clock, ports, table, desktop}, settings::settingsFolder(),
                           parser.isSet(traceOption));

    shell::MainWindow &window = program.window();
    window.show();
    ui::centreOnScreen(window);
    program.onMainWindowCreated();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        window.dropFiles(QDir::cleanPath(QDir::current().absoluteFilePath(files.first())));
    return app.exec();
}
