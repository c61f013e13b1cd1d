// Tavro Laser: the desktop controller of a small laser engraver.
#include "engraver-sim/engraver_sim.h"
#include "job/ui/centre_on_screen.h"
#include "platform/file_name.h"
#include "platform/port_lister.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "platform/settings_folder.h"
#include "shell/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"tavro"_s);
    QApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
    // The desktop entry's name, so Wayland matches the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(u"io.github.tavro_laser.TavroLaser"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Tavro Laser: the desktop controller of a small laser engraver."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        u"simulate"_s, u"Start the built-in simulated engraver and connect to it."_s);
    const QCommandLineOption traceOption(
        u"trace"_s, u"Write every byte sent and received and every log text to standard error."_s);
    parser.addOptions({simulate, traceOption});
    parser.addPositionalArgument(
        u"file"_s, u"A picture or a saved job (.tavro.png) to open as if dropped on the window."_s,
        u"[file]"_s);
    // The file is named in bytes that need not be valid UTF-8.
    parser.process(platform::commandLineArguments(argc, argv));

    platform::PortTable table = platform::PortTable::fromEnvironment();
    std::unique_ptr<sim::Engraver> machine;
    if (parser.isSet(simulate)) {
        sim::EngraverOptions options;
        options.linkPath = QDir::temp().filePath(u"tavro-sim-%1"_s.arg(app.applicationPid()));
        machine = std::make_unique<sim::Engraver>(options);
        QString error;
        if (!machine->start(&error)) {
            QTextStream(stderr) << u"tavro: cannot start the simulated engraver: "_s << error
                                << u'\n';
            return 1;
        }
        table = table.withFirst(machine->devicePath());
    }

    shell::installFontSubstitutions();
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    const platform::PortTableLister ports(table);
    shell::SystemDesktop desktop;
    shell::Program program(line, clock, ports, desktop, platform::settingsFolder(),
                           parser.isSet(traceOption));

    shell::MainWindow &window = program.window();
    window.show();
    job::centreOnScreen(window);
    program.onMainWindowCreated();
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty())
        window.dropFiles(QDir::cleanPath(QDir::current().absoluteFilePath(files.first())));
    return app.exec();
}
