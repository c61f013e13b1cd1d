// tavro-engraver-sim: serves a simulated engraver on a pseudo-terminal until stopped or powered
// off.
#include "engraver-sim/engraver_sim.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using tavro::sim::EngraverOptions;

namespace {

int g_quit[2] = {-1, -1};

void requestQuit(int = 0)
{
    [[maybe_unused]] const ssize_t ignored = ::write(g_quit[1], "q", 1);
}

void printTo(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

struct Command {
    EngraverOptions options;
    bool verbose = false;
};

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Serves a simulated laser engraver on a pseudo-terminal and prints "
        "its device path as the first line of output."_s);
    parser.addHelpOption();
    parser.addOptions({
        {u"product-id"_s, u"Product id it reports (default 10)."_s, u"N"_s},
        {u"firmware"_s, u"Firmware version it reports (default 2)."_s, u"N"_s},
        {u"burn-time"_s, u"Initial burn time (default 40)."_s, u"N"_s},
        {u"silent"_s, u"Never answer anything."_s},
        {u"fast"_s, u"No time for dots and rows: the carve runs as fast as it is read."_s},
        {u"dot-us"_s, u"Microseconds a burnt dot takes per unit of burn time (default 100)."_s,
         u"N"_s},
        {u"row-ms"_s, u"Milliseconds to move to a row with dots (default 15)."_s, u"N"_s},
        {u"blank-row-ms"_s, u"Milliseconds to pass a row without dots (default 1)."_s, u"N"_s},
        {u"paced"_s, u"57600-baud timing: 5760 bytes/s each way."_s},
        {u"unplug-after"_s, u"Pull the cable by itself after this long."_s, u"SECONDS"_s},
        {u"garbage"_s, u"Mix random bytes between the frames it sends."_s},
        {u"noise"_s,
         u"Line noise from this seed while it carves: random bytes, 0xFF among them, "
         u"between and inside the frames it sends."_s,
         u"SEED"_s},
        {u"never-asks"_s, u"Take the erase, but never ask for the picture."_s},
        {u"no-state"_s, u"Answer the identify frame without the job's state."_s},
        {u"burn-out"_s, u"Write the burnt picture here as PNG when a carve ends."_s, u"FILE.png"_s},
        {u"link"_s, u"Keep a symbolic link to the device at this path."_s, u"PATH"_s},
        {u"verbose"_s, u"Log each received frame to standard error."_s},
    });
}

bool readNumber(const QCommandLineParser &parser, const QString &name, double low, double high,
                double &out, QString &error)
{
    if (!parser.isSet(name)) return true;
    bool ok = false;
    const double value = parser.value(name).toDouble(&ok);
    if (ok && value >= low && value <= high) {
        out = value;
        return true;
    }
    error = u"--%1 wants a number from %2 to %3"_s.arg(name).arg(low).arg(high);
    return false;
}

bool readInteger(const QCommandLineParser &parser, const QString &name, int high, int &out,
                 QString &error)
{
    if (!parser.isSet(name)) return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (ok && value >= 0 && value <= high) {
        out = value;
        return true;
    }
    error = u"--%1 wants a whole number from 0 to %2"_s.arg(name).arg(high);
    return false;
}

std::optional<Command> readCommand(const QCommandLineParser &parser, QString &error)
{
    if (!parser.positionalArguments().isEmpty()) {
        error = u"unexpected argument: "_s + parser.positionalArguments().constFirst();
        return std::nullopt;
    }
    Command command;
    EngraverOptions &o = command.options;
    int noise = 0;
    if (!readInteger(parser, u"product-id"_s, 255, o.productId, error) ||
        !readInteger(parser, u"firmware"_s, 255, o.firmware, error) ||
        !readInteger(parser, u"burn-time"_s, 9999, o.burnTime, error) ||
        !readInteger(parser, u"noise"_s, 1 << 30, noise, error) ||
        !readNumber(parser, u"unplug-after"_s, 0, 1e6, o.unplugAfterSeconds, error) ||
        !readNumber(parser, u"dot-us"_s, 0, 1e6, o.dotUs, error) ||
        !readNumber(parser, u"row-ms"_s, 0, 1e6, o.rowMs, error) ||
        !readNumber(parser, u"blank-row-ms"_s, 0, 1e6, o.blankRowMs, error))
        return std::nullopt;
    o.silent = parser.isSet(u"silent"_s);
    o.fast = parser.isSet(u"fast"_s);
    o.paced = parser.isSet(u"paced"_s);
    o.garbage = parser.isSet(u"garbage"_s);
    o.noiseSeed = quint32(noise);
    o.asksForImage = !parser.isSet(u"never-asks"_s);
    o.saysState = !parser.isSet(u"no-state"_s);
    o.burnOut = parser.value(u"burn-out"_s);
    o.linkPath = parser.value(u"link"_s);
    command.verbose = parser.isSet(u"verbose"_s);
    return command;
}

void waitForQuit()
{
    pollfd quit = {g_quit[0], POLLIN, 0};
    while (::poll(&quit, 1, -1) < 0 && errno == EINTR) {
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro-engraver-sim"_s);
    QCommandLineParser parser;
    addOptions(parser);
    QString error;
    std::optional<Command> command;
    if (parser.parse(QCoreApplication::arguments())) {
        if (parser.isSet(u"help"_s)) {
            printTo(stdout, parser.helpText());
            return 0;
        }
        command = readCommand(parser, error);
    } else {
        error = parser.errorText();
    }
    if (!command) {
        printTo(stderr, error + u"\n\n"_s + parser.helpText());
        return 2;
    }

    if (::pipe2(g_quit, O_CLOEXEC) != 0) return 1;
    if (command->verbose)
        command->options.onFrame = [](const QByteArray &frame) {
            printTo(stderr,
                    u"received "_s + QString::fromLatin1(frame.toHex(' ').toUpper()) + u'\n');
        };
    command->options.onPowerOff = [] { requestQuit(); };
    std::signal(SIGINT, requestQuit);
    std::signal(SIGTERM, requestQuit);

    tavro::sim::Engraver engraver(command->options);
    if (!engraver.start(&error)) {
        printTo(stderr, u"tavro-engraver-sim: "_s + error + u'\n');
        return 1;
    }
    printTo(stdout, engraver.devicePath() + u'\n');
    waitForQuit();
    return 0;
}
