// tavro-burn: burns a picture on the engraver from the command line, with no window.
#include "burn_run.h"
#include "card_burn.h"
#include "check.h"
#include "common/code_board.h"
#include "common/preset_option.h"
#include "common/render_options.h"
#include "common/usage_error.h"
#include "common/whole_option.h"
#include "document/job_file.h"
#include "platform/ending_signals.h"
#include "platform/file_name.h"
#include "platform/port_lister.h"
#include "platform/qt_clock.h"
#include "platform/qt_serial_line.h"
#include "session/session_impl.h"
#include "settings/settings_folder.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using namespace tavro;

namespace {

struct Arguments {
    QString input;
    std::optional<cli::CodeRequest> code;
    cli::RenderChoice choice;
    int burnTime = 0;
    int fromRow = 0;
    QString port;
    bool start = true;
    bool trace = false;
};

platform::Outcome readArguments(const QCommandLineParser &parser, Arguments &arguments)
{
    const auto wrong = [](const QString &why) { return platform::Outcome::failed(why); };
    if (platform::Outcome code = cli::readCodeOptions(parser, arguments.code); !code) return code;
    if (!arguments.code && parser.positionalArguments().size() != 1)
        return wrong(u"exactly one INPUT, or --code TEXT, is needed"_s);
    if (parser.isSet(u"port"_s) && parser.value(u"port"_s).trimmed().isEmpty())
        return wrong(u"--port needs a device, such as /dev/ttyUSB0"_s);
    if (!arguments.code) arguments.input = parser.positionalArguments().first();
    // With a code, a preset gives its burn time only.
    for (const platform::Outcome &read :
         {cli::readPresetOption(parser, settings::settingsFolder(), arguments.choice,
                                &arguments.burnTime),
          arguments.code ? platform::Outcome::done()
                         : cli::readRenderOptions(parser, arguments.choice),
          cli::readWholeOption(parser, u"burn-time"_s, document::BurnTimeRange.min,
                               document::BurnTimeRange.max, arguments.burnTime),
          cli::readWholeOption(parser, u"from-row"_s, 0, 511, arguments.fromRow)}) {
        if (!read) return read;
    }
    if (arguments.choice.asksPlacement() && document::isJobFile(arguments.input))
        return wrong(
            u"a saved job is burnt as it was saved: --width-mm, --height-mm, --left-mm, "
            u"--top-mm and --mirror are for pictures"_s);
    arguments.choice.dotsPerMillimetre = cli::storedDotsPerMillimetre(settings::settingsFolder());
    if (arguments.code) arguments.code->dotsPerMillimetre = arguments.choice.dotsPerMillimetre;
    arguments.port = parser.value(u"port"_s);
    arguments.start = !parser.isSet(u"no-start"_s);
    arguments.trace = parser.isSet(u"trace"_s);
    return platform::Outcome::done();
}

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Burns a picture (or, with --code, a code) on the engraver without a window: finds "
        u"the machine as the program does, sends the picture rendered as the effect chooser "
        u"would, sets the burn time and starts. Exit status: 0 carved, 1 no machine found, 2 "
        u"bad arguments, 3 the link broke, 4 the machine did not take the picture, 130 "
        u"interrupted (the machine is paused)."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        u"INPUT"_s,
        u"The picture file (JPEG, BMP, PNG, GIF, ICO, CUR, PCX), or a saved job (.tavro.png), "
        u"which is burnt exactly as saved."_s);
    cli::addRenderOptions(parser);
    cli::addPresetOption(parser);
    cli::addCodeOptions(parser);
    parser.addOption(
        {u"burn-time"_s, u"The burn time to set, 1 to 100 (default: the machine's)."_s, u"T"_s});
    parser.addOption(
        {u"port"_s, u"The machine's device (default: search COM1 to COM64)."_s, u"DEVICE"_s});
    parser.addOption({u"from-row"_s,
                      u"Leave the rows above N white: resumes a burn cut off at row N."_s, u"N"_s});
    parser.addOption({u"no-start"_s, u"Send the picture and the burn time, but do not start."_s});
    parser.addOption(
        {u"trace"_s,
         u"Write every byte sent and received and every log text to standard error."_s});
}

// A saved job is burnt exactly as saved (its burn time unless one is given); a picture
// is rendered as the effect chooser would. Nothing when INPUT cannot be read.
std::optional<document::JobFile> readJob(Arguments &arguments)
{
    if (arguments.code) {
        const platform::Result<cli::CodeBoard> code = cli::makeCodeBoard(*arguments.code);
        if (!code) {
            burn::printLine(stderr, u"tavro-burn: "_s + code.why());
            return std::nullopt;
        }
        if (const QString warning = cli::smallModuleWarning(code->fit); !warning.isEmpty())
            burn::printLine(stderr, u"tavro-burn: "_s + warning);
        document::JobFile job;
        job.board = code->board;
        return job;
    }
    if (document::isJobFile(arguments.input)) {
        const document::JobFileRead read = document::readJobFile(arguments.input);
        if (read.status != document::JobFileStatus::Ok) {
            burn::printLine(stderr, u"tavro-burn: cannot read the job: "_s + read.reason);
            return std::nullopt;
        }
        if (arguments.burnTime == 0) arguments.burnTime = read.job.burnTime;
        return read.job;
    }
    const cli::RenderedBoard rendered = cli::renderPictureFile(arguments.input, arguments.choice);
    if (!rendered.error.isEmpty()) {
        burn::printLine(stderr, u"tavro-burn: cannot read the picture: "_s + rendered.error);
        return std::nullopt;
    }
    document::JobFile job;
    job.board = rendered.board;
    return job;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tavro-burn"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
    QLoggingCategory::setFilterRules(u"qt.gui.imageio*.warning=false"_s);

    QCommandLineParser parser;
    addOptions(parser);
    burn::addCheckOption(parser);
    burn::addCardOptions(parser);
    // File names are kept byte for byte, valid UTF-8 or not.
    const QStringList commandLine = platform::commandLineArguments(argc, argv);
    const auto badArgument = [](const QString &error) {
        burn::printLine(stderr, cli::usageErrorLine(u"tavro-burn"_s, error));
        return int(burn::BurnRun::BadArguments);
    };
    if (!parser.parse(commandLine)) return badArgument(parser.errorText());
    if (parser.isSet(u"help"_s)) parser.showHelp();
    if (parser.isSet(u"version"_s)) parser.showVersion();
    if (burn::checkRequested(parser)) return burn::runCheck(parser);
    if (burn::cardRequested(parser)) return burn::runCard(parser, commandLine);
    Arguments arguments;
    if (const platform::Outcome read = readArguments(parser, arguments); !read)
        return badArgument(read.why());
    std::optional<document::JobFile> job = readJob(arguments);
    if (!job) return burn::BurnRun::BadArguments;
    if (arguments.burnTime > 0) job->burnTime = arguments.burnTime;

    const platform::PortTable table = arguments.port.isEmpty()
                                          ? platform::PortTable::fromEnvironment()
                                          : platform::PortTable({arguments.port});
    platform::QtSerialLine line(table);
    platform::QtClock clock;
    burn::TerminalPrompter prompter;
    const platform::PortTableLister ports(table);
    // The time model is learnt and kept as the program keeps it, so either can estimate.
    const QString folder = settings::settingsFolder();
    settings::ensureSettingsFolder(folder);
    session::SessionImpl session({line, clock, prompter, ports, folder}, {{}, arguments.trace});
    session.takeJob(*job);

    burn::BurnRun run(session,
                      {arguments.fromRow, arguments.burnTime, arguments.start, arguments.port,
                       burn::commandWithout(commandLine, {u"from-row"_s})});
    burn::ProgressLine progress(stdout);
    QObject::connect(&run, &burn::BurnRun::said, &app, [&progress](const QString &text) {
        progress.say(stderr, u"tavro-burn: "_s + text);
    });
    QObject::connect(&run, &burn::BurnRun::progressed, &app,
                     [&](qint64 done, qint64 total, std::chrono::milliseconds left) {
                         progress.show(done, total, left);
                         // A closed pipe or terminal: nobody watches, as after a hang-up.
                         if (progress.failed()) run.interrupt(progress.failure());
                     });
    QObject::connect(&run, &burn::BurnRun::finished, &app, [&](int status) {
        progress.end();
        line.drain(1s);  // a pause frame must be out before the command ends
        // After a search that found nothing, why: without asking the devices again.
        if (status == burn::BurnRun::NoMachine)
            burn::printCheck(stderr, table, !arguments.port.isEmpty(),
                             machine::ConnectionDiagnosis::Depth::Quick);
        QCoreApplication::exit(status);
    });
    // Every signal that ends the command pauses the machine first.
    platform::EndingSignals endings;
    QObject::connect(&endings, &platform::EndingSignals::received, &run,
                     [&run] { run.interrupt(); });
    // From inside the event loop: a scan that fails at once must still end it.
    QMetaObject::invokeMethod(&run, &burn::BurnRun::begin, Qt::QueuedConnection);
    return app.exec();
}
