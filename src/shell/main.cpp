// Tavro Laser: finds the engraver and talks to it. The windows build on this.
#include "engraver-sim/engraver_sim.h"
#include "link/engraver_link.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "shell/console_view.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace tavro;

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void requestStop(int)
{
    g_stopRequested = 1;
}

// Ends the event loop on Ctrl+C or SIGTERM, so the simulator removes its device link.
void quitOnSignals(QCoreApplication &app)
{
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    auto *poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [] {
        if (g_stopRequested) QCoreApplication::quit();
    });
    poll->start(100);
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Tavro Laser: the desktop controller of a small laser engraver."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(u"simulate"_s,
                                      u"Start the built-in simulated engraver and connect to it."_s);
    parser.addOption(simulate);
    parser.process(app);

    platform::PortTable table = platform::PortTable::fromEnvironment();
    std::unique_ptr<sim::Engraver> machine;
    if (parser.isSet(simulate)) {
        sim::EngraverOptions options;
        options.linkPath = QDir::temp().filePath(u"tavro-sim-%1"_s.arg(app.applicationPid()));
        machine = std::make_unique<sim::Engraver>(options);
        QString error;
        if (!machine->start(&error)) {
            QTextStream(stderr) << u"tavro: cannot start the simulated engraver: "_s << error
                                << u"\n"_s;
            return 1;
        }
        QTextStream(stdout) << u"Simulated engraver on "_s << machine->devicePath() << u"\n"_s;
        table = table.withFirst(machine->devicePath());
    }

    platform::QtSerialLine line(table);
    platform::QtClock clock;
    shell::ConsoleView view;
    link::EngraverLink link(line, clock, view, [&table] {
        return link::PortList{true, 0, table.presentPortList()};
    });

    view.LogText(QString(13, u' ') + u"Welcome(^_^)\r\n"_s);
    link.ExpectedProductId = 10;
    link.KnownFirmwareVersion = 2;
    link.StartConnect();
    view.LogText(u"Automatic Connecting...\r\n"_s);

    quitOnSignals(app);
    return app.exec();
}
